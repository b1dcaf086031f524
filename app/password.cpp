#include "password.h"
#include "passwordsecrets.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

using namespace password_secrets;

static QString notHexMessage()
{
    return QStringLiteral("TQUpdate.ini의 PASS 값이 올바르지 않습니다.\r"
                          "16진수 64자리 이상이어야 합니다. 관리자에게 연락하십시오.");
}

static bool isHexDigit(QChar c)
{
    const ushort u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'F') || (u >= 'a' && u <= 'f');
}

// Pairs of hexadecimal digits as bytes; a trailing odd digit is ignored.
static bool hexBytes(const QString &text, QByteArray *bytes)
{
    bytes->clear();
    for (qsizetype i = 0; i + 1 < text.size(); i += 2) {
        bool ok = false;
        const uint v = text.mid(i, 2).toUInt(&ok, 16);
        if (!ok || !isHexDigit(text.at(i)) || !isHexDigit(text.at(i + 1)))
            return false;
        bytes->append(char(v));
    }
    return true;
}

static QString hexText(const QByteArray &bytes) { return QString::fromLatin1(bytes.toHex().toUpper()); }

QString ScramblePassword(const QString &password)
{
    for (QChar c : password)
        if (c.unicode() > 255)
            return QString();
    QByteArray inner;
    std::uint16_t key = StartKey;
    for (QChar ch : password) {
        const std::uint8_t c = std::uint8_t(ch.unicode() ^ (key >> 8));
        inner.append(char(c));
        key = std::uint16_t((c + key) * Multiplier + Addend);
    }
    QByteArray outer = hexText(inner).toLatin1();
    while (outer.size() < 32)
        outer.append(' ');   // blanks are trimmed when read back
    for (int i = 0; i < 32; ++i)
        outer[i] = char(std::uint8_t(outer[i]) - KeyTable[i]);
    return hexText(outer);
}

bool UnscramblePassword(const QString &stored, QString *password, QString *error)
{
    QByteArray b;
    if (!hexBytes(stored.trimmed(), &b) || b.size() < 32) {
        if (error)
            *error = notHexMessage();
        return false;
    }
    for (int i = 0; i < 32; ++i)
        b[i] = char(std::uint8_t(b[i]) + KeyTable[i]);
    QString inner = QString::fromLatin1(b);
    while (!inner.isEmpty() && inner.front().unicode() <= ' ')
        inner.remove(0, 1);
    while (!inner.isEmpty() && inner.back().unicode() <= ' ')
        inner.chop(1);
    QByteArray c;
    if (!hexBytes(inner, &c)) {
        if (error)
            *error = notHexMessage();
        return false;
    }
    QString result;
    std::uint16_t key = StartKey;
    for (char byte : c) {
        const std::uint8_t v = std::uint8_t(byte);
        result += QChar(ushort(v ^ (key >> 8)));
        key = std::uint16_t((v + key) * Multiplier + Addend);
    }
    *password = result;
    return true;
}

bool ResolvePassword(const QString &directory, const QString &userName, QString *password, QString *error)
{
    const QString path = QDir(directory).filePath(QStringLiteral("TQUpdate.ini"));
    QString stored;
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink()) {
        // A file that is there but cannot serve is not the same as none: it is named, never skipped.
        if (info.isDir()) {
            *error = QStringLiteral("TQUpdate.ini가 파일이 아니라 폴더입니다.\r관리자에게 연락하십시오.");
            return false;
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("TQUpdate.ini를 읽을 수 없습니다. 관리자에게 연락하십시오.\r\r에러내용:\r")
                     + file.errorString();
            return false;
        }
        const QByteArray head = file.read(64 * 1024);
        for (const char c : head) {
            const unsigned char u = static_cast<unsigned char>(c);
            if (u < 0x20 && u != '\t' && u != '\r' && u != '\n') {
                *error = QStringLiteral("TQUpdate.ini가 설정 파일이 아닙니다(문자가 아닌 자료가 들어 있습니다).\r"
                                        "관리자에게 연락하십시오.");
                return false;
            }
        }
        file.close();
        QSettings ini(path, QSettings::IniFormat);
        stored = ini.value(QStringLiteral("PROGRAM/PASS")).toString();
        if (ini.status() != QSettings::NoError) {
            *error = QStringLiteral("TQUpdate.ini의 형식이 올바르지 않습니다.\r관리자에게 연락하십시오.");
            return false;
        }
    }
    if (stored.isEmpty()) {
        *password = userName;
        return true;
    }
    return UnscramblePassword(stored, password, error);
}

bool WritePasswordFile(const QString &iniPath, const QString &password, QString *error)
{
    const QString stored = ScramblePassword(password);
    if (stored.isEmpty() && !password.isEmpty()) {
        *error = QStringLiteral("password holds characters outside Latin-1");
        return false;
    }
    QSettings ini(iniPath, QSettings::IniFormat);
    ini.setValue(QStringLiteral("PROGRAM/PASS"), stored);
    ini.sync();
    if (ini.status() != QSettings::NoError) {
        *error = QStringLiteral("cannot write %1").arg(iniPath);
        return false;
    }
    return true;
}
