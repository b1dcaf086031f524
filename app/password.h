#pragma once
// The database password as TQUpdate.ini stores it (section "PROGRAM", key "PASS"): two scrambling
// stages over hexadecimal text, with the secrets of passwordsecrets.h.
#include <QString>

// The stored form of a password (Latin-1 characters only). Empty on a character outside Latin-1.
QString ScramblePassword(const QString &password);

// The password of a stored value; false with a message for a value that is not hexadecimal or holds
// fewer than 32 bytes.
bool UnscramblePassword(const QString &stored, QString *password, QString *error);

// Password resolution of start-up: PASS of TQUpdate.ini in the directory, else the user name.
bool ResolvePassword(const QString &directory, const QString &userName, QString *password, QString *error);

// Writes TQUpdate.ini with the scrambled password.
bool WritePasswordFile(const QString &iniPath, const QString &password, QString *error);
