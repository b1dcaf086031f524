#pragma once
// The statement of a report screen: the SQL text and its values, built from the screen's condition
// values, so the grid, the footer and the page layout run the same text. A combo value of "[전체]"
// (or empty) adds no condition.
#include <QHash>
#include <QString>
#include <QVariant>

namespace db {
class Query;
}

namespace reportsql {

inline const QString kAll = QStringLiteral("[전체]");
inline const QString kSubtotal = QStringLiteral("소계");

struct Statement {
    QString sql;
    QHash<QString, QVariant> binds;
    // Sets the text and every value on the query (the query is left closed).
    void applyTo(db::Query &query) const;
    // "(SELECT DETAIL_NAME …) AS <column>_NAME" for a coded column (its table's prefix left out of
    // the names); the code group is bound as GC_<column>_CODE.
    QString codeLabel(const QString &column, const QString &group);
};

// True when the combo value restricts the rows (not "[전체]", not empty).
bool isChosen(const QString &value);

// Two bounds on a condition line, "from  ∼  to", an empty one shown as "[전체]".
QString boundsLine(const QString &from, const QString &to);
// The same for typed yyyymmdd dates, dashed as far as typed.
QString dateBoundsLine(const QString &fromDigits, const QString &toDigits);

// "column BETWEEN :from AND :to" where an empty bound leaves its side of the period open.
QString period(const QString &column, const QString &fromParam, const QString &toParam);

} // namespace reportsql
