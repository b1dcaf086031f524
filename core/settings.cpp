#include "settings.h"
#include "startupvalues.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {
QString programDirectory()
{
    QString dir = Startup().programDirectory;
    if (dir.isEmpty() && QCoreApplication::instance())
        dir = QCoreApplication::applicationDirPath() + '/';
    return dir;
}

QString programIniPath()
{
    if (!QCoreApplication::instance())
        return QString();
    return programDirectory() + QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + ".ini";
}

bool &isRead()
{
    static bool read = false;
    return read;
}

ProgramSettings &stored()
{
    static ProgramSettings settings;
    return settings;
}
} // namespace

ProgramSettings &Settings()
{
    if (!isRead())
        ReadSettings();
    return stored();
}

QString DefaultTicketPort()
{
#ifdef Q_OS_WIN
    return QStringLiteral("COM1");
#else
    return QStringLiteral("/dev/ttyS0");
#endif
}

int ReadProgramCount(const QString &directory)
{
    const QString path = QDir(directory).filePath(QStringLiteral("Main.ini"));
    if (!QFileInfo::exists(path))
        return 10;
    QSettings ini(path, QSettings::IniFormat);
    const QVariant value = ini.value(QStringLiteral("MAIN/PROGRAM_COUNT"));
    bool ok = false;
    const int n = value.toInt(&ok);
    if (!value.isValid() || !ok)
        return 10;
    // No screen could open with 0, and a negative limit would be none at all.
    if (n < 1) {
        qWarning("%s: PROGRAM_COUNT=%d is below 1; the limit of 10 open screens is used",
                 qPrintable(QDir::toNativeSeparators(path)), n);
        return 10;
    }
    return n;
}

void ReadSettings(const QString &programIni, const QString &mainDirectory)
{
    isRead() = true;
    ProgramSettings s;
    s.ticketPrinterPort = DefaultTicketPort();
    const QString dir = programDirectory();
    s.reportFolder = dir + QStringLiteral("REPORT/스포츠관리/");
    s.localReportFolder = s.reportFolder;
    const QString path = programIni.isEmpty() ? programIniPath() : programIni;
    if (!path.isEmpty() && QFileInfo::exists(path)) {
        QSettings ini(path, QSettings::IniFormat);
        const int type = ini.value(QStringLiteral("Role/Type"), 0).toInt();
        if (type >= 1 && type <= 3) {
            s.roleType = type;
            s.roleCode = ini.value(QStringLiteral("Role/Code")).toString();
            s.roleName = ini.value(QStringLiteral("Role/Name")).toString();
        }
        const QString port = ini.value(QStringLiteral("TicketPrinter/Port")).toString().trimmed();
        if (!port.isEmpty())
            s.ticketPrinterPort = port;
        QString folder = ini.value(QStringLiteral("Report/Folder")).toString().trimmed();
        if (!folder.isEmpty())
            s.reportFolder = folder.endsWith('/') ? folder : folder + '/';
        folder = ini.value(QStringLiteral("Report/LocalFolder")).toString().trimmed();
        if (!folder.isEmpty())
            s.localReportFolder = folder.endsWith('/') ? folder : folder + '/';
    }
    s.programCount = ReadProgramCount(mainDirectory.isEmpty() ? dir : mainDirectory);
    stored() = s;
}
