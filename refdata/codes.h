#pragma once
// The common code table ZX010MS: code lists of one code group for combos and grid columns, and the
// label of one code. Entries come in a stable order by DETAIL; rows with a blank DETAIL never appear.
//
// Filters are the values of ITEM1 … ITEM15 in order; an empty filter (or a missing one) means no
// condition on that attribute. Filters are program constants, written into the statement text.
#include <QString>
#include <QStringList>
#include <functional>

// Anything that takes (label, code) pairs: a code combo, a grid column's pick list.
class CodeListTarget {
public:
    virtual ~CodeListTarget() = default;
    virtual void addCode(const QString &label, const QString &code) = 0;
};

using CodeSink = std::function<void(const QString &label, const QString &code)>;

// Appends the codes of the group through add. True after the last row; false when reading a row failed
// (what was appended stays). An error while opening the query is thrown as db::DatabaseError.
bool FillCodeList(const CodeSink &add, const QString &group, const QStringList &filters = {});

// Appends to a combo without clearing it first (an "[전체]" entry already in it stays in front).
bool FillCodeCombo(CodeListTarget *combo, const QString &group, const QStringList &filters = {});

// Any combo with addItem(label, code), such as QComboBox (the code as the item data) or a code combo.
template <typename Combo>
    requires requires(Combo *c, QString s) { c->addItem(s, s); }
bool FillCodeCombo(Combo *combo, const QString &group, const QStringList &filters = {})
{
    return FillCodeList([combo](const QString &label, const QString &code) { combo->addItem(label, code); }, group,
                        filters);
}

// A grid column's pick list as its two parallel lists (shown labels, stored codes).
bool FillCodeColumn(QStringList *labels, QStringList *codes, const QString &group, const QStringList &filters = {});
bool FillCodeColumn(CodeListTarget *column, const QString &group, const QStringList &filters = {});

// The label of one code (the stored code is compared trimmed); empty when there is none or reading fails.
QString GetCodeName(const QString &group, const QString &code, const QStringList &filters = {});

// The statement texts, for the record.
QString CodeListSql(const QStringList &filters);
QString CodeNameSql(const QStringList &filters);
