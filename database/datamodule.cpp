#include "datamodule.h"
#include "core/messages.h"
#include <QCoreApplication>

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

bool TfrmZZD000::Connect()
{
    if (dbsDB->isOpen())
        return true;
    if (dbsDB->open(settings))
        return true;
    const QString error = dbsDB->lastError();
    if (tooManyConnections(error))
        ShowError(QStringLiteral("현재 너무 많은 사용자가 사용 중이므로 연결할 수 없습니다.\r잠시 후 다시 시도하십시오."));
    else
        ShowError(QStringLiteral("데이터베이스와 연결할 수 없습니다.\r\r에러내용:\r") + error);
    return false;
}

void TfrmZZD000::Disconnect()
{
    if (dbsDB->isOpen())
        dbsDB->close();
}
