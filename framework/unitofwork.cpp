#include "framework/unitofwork.h"
#include "core/startupvalues.h"
#include "database/procedure.h"
#include "database/query.h"
#include "database/transaction.h"
#include "widgets/rowgrid.h"
#include <QApplication>

WaitCursor::WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
WaitCursor::~WaitCursor() { QApplication::restoreOverrideCursor(); }

QString CallInOwnUnit(db::StoredProc &procedure, const QHash<QString, QString> &params)
{
    db::Transaction transaction(procedure.database());
    if (!transaction.isActive())
        return transaction.error();
    procedure.clearParams();
    for (auto it = params.begin(); it != params.end(); ++it)
        procedure.setParam(it.key(), it.value());
    procedure.setParam(QStringLiteral("AU_EMP_NO"), Startup().employeeNumber);
    procedure.setParam(QStringLiteral("AU_IP"), Startup().workstationAddress);
    if (!procedure.exec())
        return procedure.lastError();   // rolled back as the unit of work ends
    if (!transaction.commit())
        return transaction.error();
    return QString();
}

bool LoadGridRows(db::Query &query, TRowGrid *grid, const QString &marker)
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
    grid->gridModel()->setRows(std::move(rows));
    return true;
}
