#pragma once
// The program's settings, read once at start-up and then only looked up:
//   <program>.ini beside the executable (sports.ini): [Role] Type, Code, Name (the workstation role),
//   [TicketPrinter] Port, [Report] Folder, LocalFolder;
//   Main.ini in the program directory: [MAIN] PROGRAM_COUNT.
#include <QString>

struct ProgramSettings {
    int roleType = 0;            // 1 business place, 2 team, 3 sales place; 0 none
    QString roleCode;
    QString roleName;
    QString ticketPrinterPort;   // the serial port of the counter's ticket printer
    QString reportFolder;        // where the report viewer finds its definition files (ends with '/')
    QString localReportFolder;   // the local folder of the one screen that never asks the report server
    int programCount = 10;       // the largest number of screens open at once
};

// The settings in force: read from the program directory on first use.
ProgramSettings &Settings();

// Reads the settings afresh: programIni empty means <program directory>/<program name>.ini, mainDirectory
// empty means the program directory. A missing file or key leaves the default.
void ReadSettings(const QString &programIni = QString(), const QString &mainDirectory = QString());

// Main.ini [MAIN] PROGRAM_COUNT of a directory, 10 when the file or value is missing, not a number or
// below 1 (the last with a line in the log).
int ReadProgramCount(const QString &directory);

// The first serial port of this platform, used when no port is configured.
QString DefaultTicketPort();
