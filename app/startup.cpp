#include "startup.h"
#include "database/datamodule.h"
#include "core/messages.h"
#include "password.h"
#include "core/startupvalues.h"
#include "core/utils.h"
#include "database/query.h"
#include "database/upgrade.h"
#include <QDir>
#include <QFileInfo>
#include <QSettings>

QString DatabaseAliasFile() { return QStringLiteral("sports-db.ini"); }

// A value of the alias file; "a,b" is read by the settings file as a list, and is one text here.
static QString aliasText(const QSettings &ini, const QString &key, const QString &fallback = QString())
{
    const QVariant v = ini.value(key);
    if (!v.isValid())
        return fallback;
    return (v.typeId() == QMetaType::QStringList ? v.toStringList().join(QLatin1Char(',')) : v.toString()).trimmed();
}

static bool postgresAlias(const QSettings &ini, const QString &group, const QString &programDirectory,
                          db::ConnectionSettings *settings, QString *error)
{
    settings->backend = db::Backend::PostgreSQL;
    settings->host = aliasText(ini, QStringLiteral("Host"), QStringLiteral("127.0.0.1")).remove(QLatin1Char(' '));
    const QString port = aliasText(ini, QStringLiteral("Port"), QStringLiteral("5432")).remove(QLatin1Char(' '));
    bool single = false;
    settings->port = port.toInt(&single);
    if (!single) {   // one port for each host
        settings->port = port.section(QLatin1Char(','), 0, 0).toInt();
        settings->ports = port;
    }
    settings->database = aliasText(ini, QStringLiteral("Database"), group);
    settings->schema = aliasText(ini, QStringLiteral("Schema"));
    settings->readHosts = aliasText(ini, QStringLiteral("ReadHosts")).remove(QLatin1Char(' '));
    settings->readPorts = aliasText(ini, QStringLiteral("ReadPorts")).remove(QLatin1Char(' '));
    settings->sslMode = aliasText(ini, QStringLiteral("SslMode")).toLower();
    static const QStringList modes{"disable", "allow", "prefer", "require", "verify-ca", "verify-full"};
    if (!settings->sslMode.isEmpty() && !modes.contains(settings->sslMode)) {
        *error = QStringLiteral("%1: unknown SslMode \"%2\" for alias %3 (%4)")
                     .arg(DatabaseAliasFile(), settings->sslMode, group, modes.join(QStringLiteral(", ")));
        return false;
    }
    const QString rootCert = aliasText(ini, QStringLiteral("SslRootCert"));
    if (!rootCert.isEmpty())
        settings->sslRootCert = QFileInfo(rootCert).isAbsolute() ? rootCert : QDir(programDirectory).filePath(rootCert);
    return true;
}

bool ResolveDatabase(const QString &name, const QString &programDirectory, db::ConnectionSettings *settings,
                     QString *error)
{
    *settings = db::ConnectionSettings();
    const QString aliasPath = QDir(programDirectory).filePath(DatabaseAliasFile());
    if (!name.isEmpty() && QFileInfo::exists(aliasPath)) {
        QSettings ini(aliasPath, QSettings::IniFormat);
        // Aliases are matched without regard to case, as service names are.
        for (const QString &group : ini.childGroups()) {
            if (group.compare(name, Qt::CaseInsensitive) != 0)
                continue;
            ini.beginGroup(group);
            const QString driver = ini.value(QStringLiteral("Driver"), QStringLiteral("SQLite")).toString();
            if (driver.compare(QLatin1String("PostgreSQL"), Qt::CaseInsensitive) == 0)
                return postgresAlias(ini, group, programDirectory, settings, error);
            if (driver.compare(QLatin1String("SQLite"), Qt::CaseInsensitive) != 0) {
                *error = QStringLiteral("%1: unknown driver \"%2\" for alias %3").arg(DatabaseAliasFile(), driver, group);
                return false;
            }
            const QString file = ini.value(QStringLiteral("File")).toString();
            settings->database = QFileInfo(file).isAbsolute() ? file : QDir(programDirectory).filePath(file);
            return true;
        }
    }
    settings->backend = db::Backend::SQLite;
    if (QFileInfo(name).isAbsolute()) {
        settings->database = name;
    } else {
        const QString inProgramDir = QDir(programDirectory).filePath(name);
        settings->database = QFileInfo::exists(inProgramDir) ? inProgramDir : QDir::current().filePath(name);
    }
    return true;
}

QString CannotConnectMessage(const QString &reason)
{
    return QStringLiteral("데이터베이스와 연결할 수 없습니다.\r\r에러내용:\r") + reason;
}

bool RunStartupStep(const std::function<bool()> &step)
{
    try {
        return step();
    } catch (const db::DatabaseError &e) {
        ShowError(CannotConnectMessage(e.message()));
    } catch (const std::exception &e) {
        ShowError(CannotConnectMessage(QString::fromUtf8(e.what())));
    } catch (...) {
        ShowError(CannotConnectMessage(QStringLiteral("unknown error")));
    }
    return false;
}

StartupResult StartDataModule(const QStringList &arguments, const QString &programDirectory)
{
    TfrmZZD000 *dm = DM();
    if (dm->isConnected())
        ShowError(QStringLiteral("프로그램 시작시 이미 DB에 접속되어 있습니다.\r문제가 발생할 수 있으므로 개발자에게 연락하십시오."));
    dm->Disconnect();

    StartupValues &values = Startup();
    values.programDirectory = QDir::toNativeSeparators(programDirectory);
    if (!values.programDirectory.endsWith(QDir::separator()))
        values.programDirectory += QDir::separator();
    values.workstationAddress = WorkstationAddress();
    values.employeeNumber = arguments.value(2);
    values.userName = arguments.value(3);

    if (arguments.size() != 4) {
        ShowError(QStringLiteral("이 프로그램은 단독으로 실행되지 않습니다.\r메인 프로그램(Hallin.exe)으로 실행하십시오."));
        return StartupResult::Terminate;
    }
    values.databaseUser = arguments.at(1);

    db::ConnectionSettings settings;
    QString error;
    if (!ResolveDatabase(arguments.at(0), programDirectory, &settings, &error)) {
        ShowError(CannotConnectMessage(error));
        return StartupResult::NotConnected;
    }
    settings.user = arguments.at(1);
    if (!ResolvePassword(programDirectory, arguments.at(1), &settings.password, &error)) {
        ShowError(error);
        return StartupResult::NotConnected;
    }
    dm->settings = settings;
    if (!dm->Connect())
        return StartupResult::NotConnected;
    // A database that opens but is not this program's (no tables, another schema, a file it cannot
    // read) is a failed connection too.
    // The menus (ZA040MS) and the common codes (ZX010MS) that every screen reads must be there.
    for (const char *table : {"ZA040MS", "ZX010MS"}) {
        db::Query probe(dm->dbsDB);
        probe.setSql(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE 1 = 0").arg(QLatin1String(table)));
        if (!probe.open() || !probe.next()) {
            const QString reason = probe.lastError();
            probe.close();
            dm->Disconnect();
            ShowError(CannotConnectMessage(reason.isEmpty() ? QLatin1String(table) : reason));
            return StartupResult::NotConnected;
        }
        probe.close();
    }
    // The program works only on the structure of its own version: an older database is upgraded by
    // the administrator first, a newer one needs the newer program.
    QString versionError;
    const int version = db::databaseSchemaVersion(*dm->dbsDB, &versionError);
    const QString refusal = version < 0 ? CannotConnectMessage(versionError)
                                        : db::schemaVersionMessage(version, arguments.at(0));
    if (!refusal.isEmpty()) {
        dm->Disconnect();
        ShowError(refusal);
        return StartupResult::NotConnected;
    }
    return StartupResult::Connected;
}
