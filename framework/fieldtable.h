#pragma once
// The fields of a record screen, declared once, one row each:
//
//   setFields({
//       Condition("AREA_GUBUN", "*지역구분", BIND(cboArea)).code("E0017"),
//       Field("BOOTS_SIZE_GUBUN", "*사이즈", BIND(cboBootsSize)).code("E0011").key(),
//       Field("STOCK_QTY", "*기준재고수량", BIND(wneStockQty)).digits(4).width(100),
//   });
//   setLoadQuery("FROM EB030MS WHERE AREA_GUBUN = :AREA_GUBUN");
//
// A Field row is one column of the load query (its name, or the expression given by sql()), the grid
// column titled by the caption without its '*', and, when it names a member, the detail control of the
// member's kind (TEdit, TCodeCombo, TNumericEdit, TMaskEdit, TLabel) bound to that column. A Column row
// is a grid column without a control. A caption starting with '*' marks a required field: leaving the
// row and saving refuse it empty with the standard text, in the order of the table (the Tab order);
// mayStayEmpty() keeps the caption as it is and asks for nothing.
// A Condition row is a control of the condition panel; its value goes to the load query parameter
// :NAME and to the procedure parameter ANAME. A rule of the screen's own that belongs between two
// fields is given with thenCheck(); rules after every field go into validateRow().
//
// A grid-table screen (gridtable.h) declares its fields alike: every Field or Column row is a grid
// column, typed into in the grid unless readOnlyCell(), and a row naming a member is bound to a
// control of the screen's form, shown and written back through the control's user property.
#include "widgets/inputs.h"
#include "widgets/column.h"
#include <QStringList>
#include <functional>
#include <type_traits>

class QPushButton;

struct TField {
    enum Kind { Column, Edit, Code, Number, Mask, DateMask, Label, DatePicker };

    Kind kind = Column;
    bool isCondition = false;
    QString name;                 // column of the load query; parameter name of a condition
    QString expression;           // select expression when the column is computed
    // The grid column: its field is the name, its title the binding hint; its pick list is the code
    // group (loaded when the grid takes the column) or the fixed codes; its CP949 bytes bound the edit;
    // its key marks the record's key (duplicates, locked for stored rows); a read-only column is not
    // typed into on a grid-table screen; thousands shows a number "#,##0" (the cell keeps the digits).
    TColumn column;
    QString caption;              // caption of the control ('*': required)
    QString component;            // object name of the control
    std::function<void(QWidget *)> assign;   // hands the control to the screen's member
    int maxDigits = 9;            // digits of a number
    bool allEntry = false;        // a condition combo with "[전체]"
    QString inputMask;
    bool isReadOnly = false;      // the control is not typed into
    bool keepFocus = false;       // a refused field leaves the focus where it is
    bool notChecked = false;      // marked '*' on screen, yet no rule asks for it
    bool startsLine = false;
    QString groupTitle;           // consecutive fields of one title share a titled box
    QString unitText;             // shown right after the control ("명")
    QString lookupComponent;      // the "..." button beside the control, clicked by F1
    QPushButton **lookupMember = nullptr;
    std::function<bool()> followingCheck;   // a rule of the screen's, checked right after this field
    QString unlistedCode;         // grid-table form: the entry a code combo shows for a code it lacks
    QString besideField;          // placed right after this field's control, without a caption
    bool isPersonal = false;      // a personal number the load query masks; never saved masked

    bool isRequired() const { return caption.startsWith(QLatin1Char('*')) && !notChecked; }
    bool hasControl() const { return kind != Column; }

    TField &code(const QString &group) { column.pickGroup = group; return *this; }
    TField &code(const QStringList &c, const QStringList &l) { column.pickCodes = c; column.pickLabels = l; return *this; }
    TField &bytes(int n) { column.maxBytes = n; return *this; }
    TField &digits(int n) { maxDigits = n; column.type = TColumn::Number; return *this; }
    TField &mask(const QString &m) { inputMask = m; return *this; }
    TField &date();               // a "9999-99-99" mask over a yyyymmdd column, checked as a date
    TField &showsDate() { column.type = TColumn::Date; return *this; }   // a yyyymmdd column, no date check
    TField &width(int w) { column.width = w; return *this; }
    TField &hidden() { column.isHidden = true; return *this; }
    TField &key() { column.isKey = true; return *this; }
    TField &sql(const QString &e) { expression = e; return *this; }
    TField &captioned(const QString &c) { caption = c; return *this; }   // a caption other than the title
    TField &titled(const QString &t) { column.title = t; return *this; }        // a column title other than the caption
    TField &readOnlyCell() { column.isReadOnly = true; return *this; }
    TField &thousands() { column.isThousands = true; column.type = TColumn::Number; return *this; }
    TField &unlisted(const QString &code) { unlistedCode = code; return *this; }
    TField &beside(const QString &fieldName) { besideField = fieldName; return *this; }
    // A registration number: listed as FN_ZA010MS_04 shows it ("9203032******"); a masked text the
    // user only partly replaced is refused, and the procedures keep the stored number for one sent
    // back untouched.
    TField &personal();
    TField &readOnly() { isReadOnly = true; return *this; }
    TField &keepsFocus() { keepFocus = true; return *this; }   // refused without taking the focus
    TField &mayStayEmpty() { notChecked = true; return *this; }   // its '*' caption asks for nothing
    TField &newLine() { startsLine = true; return *this; }
    TField &group(const QString &title) { groupTitle = title; return *this; }
    TField &unit(const QString &u) { unitText = u; return *this; }
    TField &all() { allEntry = true; return *this; }
    // A rule that runs in the table's order right after this field's own check (false: refused).
    TField &thenCheck(std::function<bool()> rule) { followingCheck = std::move(rule); return *this; }
    TField &lookup(const QString &componentName, QPushButton **member)
    {
        lookupComponent = componentName;
        lookupMember = member;
        return *this;
    }
};

namespace fieldtable {
template <class W> constexpr TField::Kind kindOf()
{
    if constexpr (std::is_base_of_v<TCodeCombo, W>) return TField::Code;
    else if constexpr (std::is_base_of_v<TNumericEdit, W>) return TField::Number;
    else if constexpr (std::is_base_of_v<TMaskEdit, W>) return TField::Mask;
    else if constexpr (std::is_base_of_v<TEdit, W>) return TField::Edit;
    else if constexpr (std::is_base_of_v<TLabel, W>) return TField::Label;
    else if constexpr (std::is_base_of_v<TDateEdit, W>) return TField::DatePicker;
    else static_assert(sizeof(W) == 0, "a field control is a TEdit, TCodeCombo, TNumericEdit, TMaskEdit, TLabel or TDateEdit");
}

template <class W> TField make(const QString &name, const QString &caption, const QString &component, W **member)
{
    TField f;
    f.kind = kindOf<W>();
    f.name = name;
    f.column.field = name;
    f.caption = caption;
    f.column.title = caption.startsWith(QLatin1Char('*')) ? caption.mid(1) : caption;
    f.component = component;
    f.assign = [member](QWidget *w) { *member = static_cast<W *>(w); };
    if (f.kind == TField::Number)
        f.column.type = TColumn::Number;
    return f;
}
} // namespace fieldtable

// "cboArea", &cboArea: the component name and the member that receives the control.
#define BIND(member) QStringLiteral(#member), &member

template <class W> TField Field(const QString &name, const QString &caption, const QString &component, W **member)
{
    return fieldtable::make(name, caption, component, member);
}

template <class W> TField Condition(const QString &name, const QString &caption, const QString &component, W **member)
{
    TField f = fieldtable::make(name, caption, component, member);
    f.isCondition = true;
    return f;
}

// A grid column of the load query without a detail control.
TField Column(const QString &name, const QString &title);

// The hidden ROW_VERSION column of the row the screen saves: "ROW_VERSION", or qualified ("A.ROW_VERSION")
// when the statement joins tables. The save hands it to the procedure, which refuses to change a row
// another workstation changed since this screen read it.
TField Version(const QString &expression = QStringLiteral("ROW_VERSION"));

using TFieldTable = QList<TField>;

// The select list of a field table: its record fields in order ("EXPR AS NAME" for computed ones).
QString SelectList(const TFieldTable &fields);
