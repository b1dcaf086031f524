#include "datamodule.h"
#include "core/messages.h"
#include <QCoreApplication>
#include <QDateTime>

TfrmZZD000::TfrmZZD000()
    : dbsDB(nullptr), qryQuery(nullptr), qryQuery2(nullptr), prcProc(nullptr), m_owned(std::make_unique<db::Database>(QStringLiteral("dbsDB")))
{
    attach(m_owned.get());
}

TfrmZZD000::~TfrmZZD000()
{
    // After the application object is gone Qt's connection registry may be gone too: the process is
    // ending, and the connection was closed by Shutdown() (or is dropped with the process).
    if (!QCoreApplication::instance()) {
        (void)m_owned.release();
        return;
    }
    Shutdown();
}

void TfrmZZD000::Shutdown()
{
    qryQuery.close();
    qryQuery2.close();
    m_read.reset();
    m_readFor = nullptr;
    if (dbsDB) {
        dbsDB->endSession();   // the counter's holds are free at once
        Disconnect();
    }
}

TfrmZZD000 *TfrmZZD000::instance()
{
    static TfrmZZD000 module;
    return &module;
}

void TfrmZZD000::attach(db::Database *database)
{
    dbsDB = database ? database : m_owned.get();
    m_read.reset();
    m_readFor = nullptr;
    qryQuery.~Query();
    new (&qryQuery) db::Query(dbsDB);
    qryQuery2.~Query();
    new (&qryQuery2) db::Query(dbsDB);
    prcProc = db::StoredProc(dbsDB);
}

static bool tooManyConnections(const QString &error)
{
    return error.contains(QLatin1String("ORA-00018")) || error.contains(QLatin1String("ORA-00019"))
        || error.contains(QLatin1String("too many clients"), Qt::CaseInsensitive)
        || error.contains(QLatin1String("too many connections"), Qt::CaseInsensitive)
        || error.contains(QLatin1String("remaining connection slots are reserved"), Qt::CaseInsensitive);
}

// Why an encrypted connection was refused, in the program's words (empty for other failures).
static QString certificateReason(const QString &error)
{
    if (error.contains(QLatin1String("does not match host name")))
        return QStringLiteral("서버 인증서에 적힌 이름이 접속한 서버의 이름과 다릅니다.");
    if (error.contains(QLatin1String("root certificate file")))
        return QStringLiteral("서버를 확인할 루트 인증서 파일(SslRootCert)이 없습니다.");
    if (error.contains(QLatin1String("certificate verify failed")) || error.contains(QLatin1String("certificate has expired")))
        return QStringLiteral("서버 인증서를 루트 인증서(SslRootCert)로 확인할 수 없습니다.");
    if (error.contains(QLatin1String("server does not support SSL")))
        return QStringLiteral("서버가 암호화된 연결을 받지 않습니다.");
    if (error.contains(QLatin1String("no encryption")))
        return QStringLiteral("서버가 암호화되지 않은 연결을 받지 않습니다(SslMode).");
    return QString();
}

bool TfrmZZD000::Connect()
{
    if (dbsDB->isOpen())
        return true;
    if (dbsDB->open(settings))
        return true;
    const QString error = dbsDB->lastError();
    const QString certificate = certificateReason(error);
    if (tooManyConnections(error))
        ShowError(QStringLiteral("현재 너무 많은 사용자가 사용 중이므로 연결할 수 없습니다.\r잠시 후 다시 시도하십시오."));
    else if (!certificate.isEmpty())
        ShowError(QStringLiteral("데이터베이스 서버를 확인하지 못해 연결하지 않았습니다.\r") + certificate
                  + QStringLiteral("\r\r에러내용:\r") + error);
    else
        ShowError(QStringLiteral("데이터베이스와 연결할 수 없습니다.\r\r에러내용:\r") + error);
    return false;
}

int TfrmZZD000::replicaLagSeconds()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("SPORTS_REPLICA_LAG_SECONDS", &ok);
    return ok && n > 0 ? n : 60;
}

db::Database *TfrmZZD000::readDatabase()
{
    db::Database *primary = dbsDB;
    const db::ConnectionSettings &s = primary->settings();
    if (s.backend != db::Backend::PostgreSQL || s.readHosts.isEmpty() || !primary->isOpen())
        return primary;
    if (m_readFor != primary) {
        m_read.reset();
        m_readFor = primary;
        m_readCheckedAt = 0;
    }
    // The replica is judged again every few seconds while in use; one that failed waits a minute, so
    // a machine that is off does not slow every report by its connection timeout.
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const qint64 wait = m_readUsable ? 5000 : 60000;
    if (m_readCheckedAt && now - m_readCheckedAt < wait)
        return m_readUsable && m_read && m_read->isOpen() ? m_read.get() : primary;
    m_readCheckedAt = now;
    m_readUsable = false;
    if (!m_read)
        m_read = std::make_unique<db::Database>(QStringLiteral("dbsRead"));
    if (!m_read->isOpen() && !m_read->open(db::readReplicaSettings(s)))
        return primary;
    // A standby that has replayed all it received, or replayed within the allowed lag, serves the
    // reads; the primary reached in its place is left to dbsDB.
    const QString state = db::Query::scalar(
        m_read.get(),
        QStringLiteral("SELECT CASE WHEN NOT pg_is_in_recovery() THEN 'P' "
                       "WHEN pg_last_wal_receive_lsn() = pg_last_wal_replay_lsn() THEN 'C' "
                       "WHEN clock_timestamp() - pg_last_xact_replay_timestamp() < make_interval(secs => :LAG) THEN 'C' "
                       "ELSE 'B' END"),
        {{QStringLiteral("LAG"), replicaLagSeconds()}});
    m_readUsable = state == QLatin1String("C");
    if (!m_readUsable)
        m_read->close();
    return m_readUsable ? m_read.get() : primary;
}

void TfrmZZD000::Disconnect()
{
    if (dbsDB->isOpen())
        dbsDB->close();
}
