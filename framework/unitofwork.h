#pragma once
// What a screen that runs its procedures one at a time shares with the record frameworks:
//
//   WaitCursor wait;                                               // the hourglass while the scope lasts
//   const QString error = CallInOwnUnit(*prcYaeyak, {{"AYAEYAK_DATE", day}, …});   // empty: committed
//   LoadGridRows(*qryYaeyak, rgrGridYaeyak, QStringLiteral("예약취소"));
#include <QHash>
#include <QString>

class TRowGrid;
namespace db {
class Query;
class StoredProc;
}

// The wait cursor while the scope lasts.
struct WaitCursor {
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

// One call of the procedure with these parameters and the user's number and workstation (AU_EMP_NO,
// AU_IP), in a unit of work of its own: committed when the call succeeds, rolled back otherwise. The
// error of the call or of the unit of work; empty when committed.
QString CallInOwnUnit(db::StoredProc &procedure, const QHash<QString, QString> &params);

// The rows of the query, opened here, as the grid's rows, all or none: a row that cannot be read
// throws db::DatabaseError. A marker, when not null, is a first cell every row shows. False (the grid
// empty) when the query does not open.
bool LoadGridRows(db::Query &query, TRowGrid *grid, const QString &marker = QString());
