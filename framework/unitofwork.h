#pragma once
// What a screen that runs its procedures one at a time shares with the record frameworks:
//
//   WaitCursor wait;                                               // the hourglass while the scope lasts
//   const QString error = CallInOwnUnit(*prcYaeyak, {{"AYAEYAK_DATE", day}, …});   // empty: committed
//   LoadGridRows(*qryYaeyak, rgrGridYaeyak, QStringLiteral("예약취소"));
#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>

class TEditGrid;
namespace db {
class Database;
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

// Runs work in a unit of work of its own under the wait cursor: committed when work answers true, rolled
// back on every other way out, a thrown database error included; false, with the error work gave or the
// unit of work's own, when not committed. Both editing bases save their pending changes so.
bool RunInOwnUnit(db::Database *database, const std::function<bool(QString &error)> &work, QString &error);

// The caller of a procedure: the user's number and workstation (AU_EMP_NO, AU_IP), stored by every
// procedure that writes.
void SetCaller(db::StoredProc &procedure);

// One pending change to the procedure: each cell under the parameter name beside it (an empty name
// sends nothing), the row version it was read at (invalid: a new row) and the caller.
void SetEntryParams(db::StoredProc &procedure, const QStringList &names, const QStringList &cells,
                    const QVariant &rowVersion);

// One call of the procedure with these parameters and the user's number and workstation (AU_EMP_NO,
// AU_IP), in a unit of work of its own: committed when the call succeeds, rolled back otherwise. The
// error of the call or of the unit of work; empty when committed.
QString CallInOwnUnit(db::StoredProc &procedure, const QHash<QString, QString> &params);

// The rows of the query, opened here, as the grid's rows, all or none: a row that cannot be read
// throws db::DatabaseError. A marker, when not null, is a first cell every row shows. False (the grid
// empty) when the query does not open.
bool LoadGridRows(db::Query &query, TEditGrid *grid, const QString &marker = QString());
