#pragma once
// The report screens' shared bases: a report is its definition (program ID, caption, layout title,
// grid columns), its conditions and its statements; the bases carry the search, the summary rows,
// the footer total and the page layout. A report screen of a subsystem reads:
//
//   TfrmEBS080::TfrmEBS080(QWidget *parent)
//       : TfrmDayReport({"EBS080", "시간대별 장비대여현황 조회,출력", "시간대별 장비대여 현황",
//                        {{"RENT_HOUR", "시간대", 120}, {"EQUIP_GUBUN_NAME", "장비구분", 120},
//                         {"RENT_CNT", "대여현황", 80, true}}},
//                       "*대여일자", ebs080, ebs080Total, parent)
//   { summarise("총    계"); }
//
// Its layout is named by the program ID with "P" for "S" (EBS080 prints as EBP080).
#include "framework/ezp000.h"
#include "framework/ezs000.h"
#include "framework/fieldtable.h"
#include "framework/reportstatement.h"
#include <QLabel>
#include <QVector>
#include <functional>

class TCodeCombo;
class TDateEdit;
class TEdit;
class TMaskEdit;
class TCodeField;
class TSeasonField;
class QAbstractButton;
class QLineEdit;


// What names a report screen: its program ID, window caption, its layout's title and the grid columns.
struct TReportDefinition {
    QString programId;
    QString caption;
    QString layoutTitle;
    QVector<TColumn> columns;
};

// A layout printing the listed columns under their headings, the bands of the columns over them on
// heading rows of their own (one per level); summaries add the total beside "합계", a line count "건수:" and the number
// of detail lines printed.
class TfrmReportLayout : public TfrmEZP010 {
    Q_OBJECT
public:
    TfrmReportLayout(const QString &programId, const QString &title, const QVector<TColumn> &columns,
                     bool summary);
    QString FTotal;
    void setLineCount(bool on) { m_lineCount = on; }

protected:
    void design() override;

private:
    struct Band {
        int first;   // the column under the band's left end
        int span;
        QString title;
        int level;   // 0: the top heading row
    };
    QVector<Band> m_bands;
    QVector<int> m_levels;   // per column, the number of headings over its title
    int m_depth = 0;
    bool m_summary;
    bool m_lineCount = false;
    int m_columns;
};

// A condition of a report, one row each in the vocabulary of the record screens' field table
// (framework/fieldtable.h):
//
//   setConditions({
//       SeasonCondition(),                                                   // "*시즌", its lookup and name
//       Condition("EXAMINE_DATE", "*심사일자", BIND(dtpDate)),                // a date picker
//       Condition("AREA_GUBUN", "*지역구분", BIND(cboArea)).code("E0017"),    // a code combo ("[전체]": all())
//       Range(Condition("RECV_NO", "접수번호", BIND(edtRecvNoFrom)).digits(6), BIND(edtRecvNoTo)),
//       Condition("RENT_STAT", "*상태구분", BIND(cboRentStat)).code("E0012").all().newLine(),
//   });
//
// The base builds each input on the condition panel in the order of the rows, checks the rows before
// every search ("<caption>을(를) 정확히 입력하십시오." for a bound of a range that is no number or no
// date, the lookups' own messages), binds each row's value to the statements' :NAME (a range's to :NAME_FROM and
// :NAME_TO, a lookup's code, the season's to :SEASON_GUBUN) and prints the condition lines: a row's
// "caption: value" joined by three blanks to the row before it, newLine() starting a line.
// A range is of digits (digits()), of dates typed as "9999-99-99" (a TMaskEdit row with date()), of
// dates typed as yyyymmdd (a TEdit row with showsDate(); printed "[전체]" when empty, or the texts
// of whenEmpty()) or of two date pickers (the lower not after the upper); either bound of the first
// three may stay empty (searchedAsGiven(): the pickers in any order).
//
// Conditions that change with a choice: PageChoice() is a combo of fixed choices, "검색조건" (the
// first: everything); a row shownFor() a choice is built on that choice's page, shown, checked and
// printed only while it is chosen. A lookup (LookupCondition()) is a code with its button and its
// name beside it (framework/fieldlookups.h).
struct TReportCondition {
    enum Shape { Input, Season, Lookup, Range, Text };
    Shape shape = Input;
    TField field;    // the input; of a range its lower bound; of a text its printed line (caption)
    TField upper;    // of a range its upper bound, captioned "∼"
    bool startsRow = false;   // nextRow(): the input starts a row of the condition panel
    bool choosesPage = false; // the page choice (PageChoice())
    QString page;             // shownFor(): the choice this row belongs to
    bool bare = false;        // printedBare(): the value alone, without its caption
    bool first = false;       // printedFirst(): its line printed before the others
    bool asStored = false;    // printedAsStored(): two dates as stored, "yyyymmdd ~ yyyymmdd"
    bool anyOrder = false;    // searchedAsGiven(): two date pickers in any order (reversed: nothing found)
    QString printedCaption;   // printedAs(): the caption printed, when other than the input's
    QString emptyFrom, emptyTo;   // whenEmpty(): the printed text of an empty bound
    int nameWidth = 110;      // of a lookup: the least width of its name
    // Of a lookup: the field made on the edit, its button and its name label (the screen keeps it).
    std::function<TCodeField *(QLineEdit *, QAbstractButton *, QLabel *)> makeLookup;
    QWidget *input = nullptr, *upperInput = nullptr;   // built by the base
    TCodeField *lookup = nullptr;                     // built by the base
    QLabel *nameLabel = nullptr;
    TReportCondition(const TField &f) : field(f) {}
    TReportCondition &newLine() { field.startsLine = true; return *this; }   // a printed line
    TReportCondition &nextRow() { startsRow = true; return *this; }          // a row of the panel
    TReportCondition &shownFor(const QString &choice) { page = choice; return *this; }
    TReportCondition &printedBare() { bare = true; return *this; }
    TReportCondition &printedFirst() { first = true; return *this; }
    TReportCondition &printedAsStored() { asStored = true; return *this; }
    TReportCondition &searchedAsGiven() { anyOrder = true; return *this; }
    TReportCondition &printedAs(const QString &caption) { printedCaption = caption; return *this; }
    TReportCondition &whenEmpty(const QString &from, const QString &to) { emptyFrom = from; emptyTo = to; return *this; }
    TReportCondition &nameWide(int width) { nameWidth = width; return *this; }
};

TReportCondition SeasonCondition();
// "검색조건": the choices, the first (everything) chosen; bound to :SEARCH_CONDITION.
TReportCondition PageChoice(const QString &component, TCodeCombo **member, const QStringList &choices);
// A line printed as it is, with no input (shownFor() a choice: a line of that choice's).
TReportCondition PrintedLine(const QString &text);

template <class W>
TReportCondition Range(const TField &from, const QString &component, W **member,
                       const QString &upperCaption = QStringLiteral("∼"))
{
    TReportCondition c(from);
    c.shape = TReportCondition::Range;
    c.upper = fieldtable::make(from.name, upperCaption, component, member);
    return c;
}

// A code of length characters typed in the edit (component "edt<Name>"), its lookup button
// ("bbt<Name>") and its name ("wlb<Name>") beside it; make builds the field on them.
template <class Make>
TReportCondition LookupCondition(const QString &name, const QString &caption, int length, const QString &component,
                                 TEdit **member, Make make)
{
    TReportCondition c(fieldtable::make(name, caption, component, member));
    c.shape = TReportCondition::Lookup;
    c.field.column.maxBytes = length;
    c.makeLookup = make;
    return c;
}

// A report screen: validation, the statement of its conditions, the grid columns and its layout.
// A summary (summarise()) also draws its subtotal rows in yellow, shows a first key repeated on
// consecutive rows once, and puts the grand total of its count query in the footer and beside "합계";
// a report with subtotal rows of its own shape takes the total (showTotal()) and marks its subtotal
// rows (highlightRows()) itself.
class TfrmReportList : public TfrmEZS000 {
    Q_OBJECT
public:
    TfrmReportList(const TReportDefinition &report, QWidget *parent);
    TCodeCombo *cboArea = nullptr;
    TEdit *edtSeason = nullptr;
    QLabel *wlbSeason = nullptr;
    TSeasonField *season = nullptr;   // edtSeason with its lookup button and wlbSeason
    QString total() const { return FTotal; }

protected:
    virtual reportsql::Statement statement() = 0;
    virtual reportsql::Statement totalStatement() { return {}; }   // summaries only
    bool validate();                 // the condition rows' checks
    QStringList conditionLines();    // the condition rows' lines
    void search() override;
    void afterSearch() override;
    TfrmZZP010 *createLayout() override;
    QStringList currentConditionLines() override { return conditionLines(); }
    bool printsGridColumns() const override { return m_layoutColumns.isEmpty(); }

    // The report's conditions as rows (see TReportCondition), built on the condition panel.
    void setConditions(const QVector<TReportCondition> &rows);
    // Every condition row's value by its binding name, as the statements get them.
    QHash<QString, QVariant> conditionBinds() const;
    QString conditionValue(const QString &name) const { return conditionBinds().value(name).toString(); }
    // The statement with the condition rows' values for the parameters it does not bind itself.
    reportsql::Statement withConditions(reportsql::Statement statement) const;

    void summarise(const QString &totalCaption);
    // The count of totalStatement() after every search: in the footer, totalCaption in the first
    // column and the count in the last, and in print beside "합계".
    void showTotal(const QString &totalCaption);
    // The rows the test holds for are drawn in yellow.
    void highlightRows(std::function<bool(int row)> isSubtotal);
    void countLines() { m_countLines = true; }   // the layout ends with "건수:" and its line count
    TCodeCombo *addArea(const QString &caption = QStringLiteral("*지역구분"));
    bool refuse(QWidget *field, const QString &message);   // the error shown, the field focused
    static inline const QString kBlanks = QStringLiteral("   ");   // between conditions on one line

    TReportDefinition m_report;
    QVector<TColumn> m_layoutColumns;   // when the layout prints other fields than the grid shows
    QString FTotal;

private:
    bool m_summary = false;
    bool m_countLines = false;
    TCodeCombo *m_pageChoice = nullptr;
    QVector<TReportCondition> m_conditionRows;
    void showConditionPage();
    bool chosen(const TReportCondition &row) const;
    void addLookup(TReportCondition &row);
    QWidget *addConditionInput(const TField &field);
    bool checkRange(const TReportCondition &row);
    QString printedCondition(const TReportCondition &row) const;
    QString m_totalCaption;
};

// Conditions "<date>" and "*지역구분"; the statements take the date and the area.
class TfrmDayReport : public TfrmReportList {
    Q_OBJECT
public:
    using DayStatement = reportsql::Statement (*)(const QString &date, const QString &area);
    TfrmDayReport(const TReportDefinition &report, const QString &dateCaption, DayStatement rows,
                  DayStatement total, QWidget *parent);
    TDateEdit *dtpDate;

protected:
    reportsql::Statement statement() override;
    reportsql::Statement totalStatement() override;

private:
    DayStatement m_rows, m_total;
};
