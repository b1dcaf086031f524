#include "framework/unitofwork.h"
#include "core/startupvalues.h"
#include "database/procedure.h"
#include "database/query.h"
#include "database/transaction.h"
#include "widgets/editgrid.h"
#include <QApplication>

WaitCursor::WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
WaitCursor::~WaitCursor() { QApplication::restoreOverrideCursor(); }

bool RunInOwnUnit(db::Database *database, const std::function<bool(QString &error)> &work, QString &error)
{
    WaitCursor wait;
    db::Transaction transaction(database);
    error.clear();
    try {
        if (!transaction.isActive()) {
            error = transaction.error();
            return false;
        }
        if (work(error) && transaction.commit())
            return true;
        if (error.isEmpty())
            error = transaction.error();
    } catch (const db::DatabaseError &e) {
        error = e.message();
    } catch (const std::exception &e) {
        error = QString::fromUtf8(e.what());
    }
    transaction.setError(error);
    return false;   // not committed: rolled back as the unit of work ends
}

void SetCaller(db::StoredProc &procedure)
{
    procedure.setParam(QStringLiteral("AU_EMP_NO"), Startup().employeeNumber);
    procedure.setParam(QStringLiteral("AU_IP"), Startup().workstationAddress);
}

void SetEntryParams(db::StoredProc &procedure, const QStringList &names, const QStringList &cells,
                    const QVariant &rowVersion)
{
    for (int i = 0; i < names.size() && i < cells.size(); ++i)
        if (!names[i].isEmpty())
            procedure.setParam(names[i], cells[i]);
    procedure.setRowVersion(rowVersion);
    SetCaller(procedure);
}

QString CallInOwnUnit(db::StoredProc &procedure, const QHash<QString, QString> &params)
{
    QString error;
    RunInOwnUnit(procedure.database(), [&](QString &failure) {
        procedure.clearParams();
        for (auto it = params.begin(); it != params.end(); ++it)
            procedure.setParam(it.key(), it.value());
        SetCaller(procedure);
        if (procedure.exec())
            return true;
        failure = procedure.lastError();
        return false;
    }, error);
    return error;
}

bool LoadGridRows(db::Query &query, TEditGrid *grid, const QString &marker)
{
    grid->clearRows();
    if (!query.open())
        return false;
    QVector<QStringList> rows;
    while (query.next()) {
        QStringList r;
        if (!marker.isNull())
            r << marker;
        for (int i = 0; i < query.fieldCount(); ++i)
            r << query.value(i);
        rows << r;
    }
    if (query.failed())   // a row that could not be read: no grid rather than a part of one
        throw db::DatabaseError(query.lastError());
    query.close();
    grid->setRows(rows);
    return true;
}
