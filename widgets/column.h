#pragma once
// TColumn: one column as every part of the program describes it — a grid's, a list's, an export's
// and a printed layout's. A column names the field of the row it shows; the grids find their columns
// by field (columnByField) or by title (columnByTitle).
//
//   grid->addColumn("사이즈", TColumn::Text, 80).pickList("E0011").key();   // codes, shown by label
//   grid->addColumn("금액", TColumn::Number, 80).summed().thousands();
//   list->addColumn("RENT_NO", "대여번호", 90, Qt::AlignCenter).group("대여현황");
//   {"RENT_CNT", "대여현황", 80, true}                                            // a report's column
#include <QString>
#include <QStringList>
#include <QVector>
#include <Qt>

class QTableView;

struct TColumn {
    enum DataType { Text, Number, Date };   // a Date cell holds "yyyymmdd" and shows "yyyy-mm-dd"

    QString field;              // the field of the row (a result column, a report field)
    QString title;
    int width = 80;             // pixels in a grid; a printed layout takes a quarter in millimetres
    DataType type = Text;
    Qt::Alignment alignment;    // none given: numbers to the right, the rest to the left
    int maxBytes = 0;           // CP949 bytes, 0 without limit
    QString pickGroup;          // the code group the pick list came from, if any
    QStringList pickCodes;      // codes held by the cells
    QStringList pickLabels;     // labels shown for them
    bool isHidden = false;
    bool isReadOnly = false;    // an editable grid's cell not typed into
    bool isKey = false;         // part of the record's key
    bool isSummed = false;      // the footer shows its sum as "#,##0"
    bool isThousands = false;   // a Number shown as "#,##0"; separators typed in are dropped
    bool isTrailing = false;    // stays the last column when the screen adds its columns
    // Shown, in the grid and in print, only where this key field differs from the row above, so that
    // a key heads its group of rows (a receipt over its trainees); the key is a column of the report.
    QString onceKey;
    // A heading over the run of neighbouring columns with the same band; several levels outer first,
    // separated by '\n' ("강습생\n스키"): neighbouring columns share a level's heading while their levels
    // agree up to it.
    QString band;

    TColumn() = default;
    // A report's column: {"RENT_CNT", "대여현황", 80, true} (true: to the right).
    TColumn(const QString &field, const QString &title, int width = 80, bool right = false,
            const QString &onceKey = {}, const QString &band = {});

    Qt::Alignment align() const;   // the alignment given, else the type's
    bool rightAligned() const { return align() & Qt::AlignRight; }
    QStringList bandLevels() const { return band.isEmpty() ? QStringList() : band.split(QLatin1Char('\n')); }
    bool hasPickList() const { return !pickCodes.isEmpty() || !pickGroup.isEmpty(); }
    int indexOf(const QString &code) const { return int(pickCodes.indexOf(code)); }
    QString labelOf(const QString &code) const;   // the code itself when the list lacks it

    // Builder calls.
    TColumn &pickList(const QStringList &codes, const QStringList &labels);
    TColumn &pickList(const QString &group);   // filled from the code list source
    TColumn &aligned(Qt::Alignment a) { alignment = a; return *this; }
    TColumn &bytes(int n) { maxBytes = n; return *this; }
    TColumn &hidden(bool on = true) { isHidden = on; return *this; }
    TColumn &readOnly(bool on = true) { isReadOnly = on; return *this; }
    TColumn &key(bool on = true) { isKey = on; return *this; }
    TColumn &summed(bool on = true) { isSummed = on; return *this; }
    TColumn &thousands(bool on = true) { isThousands = on; return *this; }
    TColumn &trailing(bool on = true) { isTrailing = on; return *this; }
    TColumn &once(const QString &keyField) { onceKey = keyField; return *this; }
    TColumn &group(const QString &levels) { band = levels; return *this; }   // its band
};

// Where the first count columns find their values in a select list of these fields: a column naming a
// field takes that field wherever the list has it; a column naming none (a grid the screen designs
// beside its own statement), or a field the list lacks, takes the field at its own position. -1: no
// field for the column.
QVector<int> FieldPositions(const QVector<TColumn> &columns, int count, const QStringList &fields);

// The column of that title or field (-1: none); fields are compared without regard to case.
int ColumnByTitle(const QVector<TColumn> &columns, const QString &title);
int ColumnByField(const QVector<TColumn> &columns, const QString &field);
// The widths and hidden columns of a view over these columns; a heading is never cut: a column is at
// least as wide as its title.
void ApplyColumns(QTableView *view, const QVector<TColumn> &columns);
