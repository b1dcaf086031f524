#include "framework/reportscreens.h"
#include "database/datamodule.h"
#include "core/messages.h"
#include "core/utils.h"
#include "framework/fieldlookups.h"
#include "widgets/inputs.h"
#include <QDate>
#include <algorithm>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QStyledItemDelegate>

using namespace reportsql;

namespace {

// A cell is left blank where its key column (the cell's own by default) repeats the row above.
class TRepeatOnceDelegate : public QStyledItemDelegate {
public:
    TRepeatOnceDelegate(int keyColumn, QObject *parent) : QStyledItemDelegate(parent), m_key(keyColumn) {}

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.row() > 0) {
            const int key = m_key < 0 ? index.column() : m_key;
            const QModelIndex here = index.sibling(index.row(), key);
            if (here.sibling(index.row() - 1, key).data().toString() == here.data().toString())
                option->text.clear();
        }
    }

private:
    int m_key;
};

bool validDate(const QString &yyyymmdd)
{
    return yyyymmdd.size() == 8 && QDate::fromString(yyyymmdd, QStringLiteral("yyyyMMdd")).isValid();
}

} // namespace

// ---- layouts

TfrmReportLayout::TfrmReportLayout(const QString &programId, const QString &title,
                                   const QVector<TColumn> &columns, bool summary)
    : m_summary(summary), m_columns(int(columns.size()))
{
    setObjectName(QStringLiteral("frm") + programId);
    setTitle(title);
    if (summary)
        qrpReport.setOrientation(QPageLayout::Portrait);   // summaries are short: portrait, as TfrmEZP000
    // columns wider than the page together are narrowed alike, so that the last one is printed too
    double width = 0;
    for (const TColumn &c : columns)
        width += c.width / 4.0;
    const double scale = width > qrpReport.printableWidth() ? qrpReport.printableWidth() / width : 1.0;
    for (int i = 0; i < columns.size(); ++i) {
        const TColumn &c = columns[i];
        addColumn(c, c.width / 4.0 * scale);
        const QStringList levels = c.bandLevels();
        m_levels.append(int(levels.size()));
        m_depth = qMax(m_depth, int(levels.size()));
        const QStringList before = i > 0 ? columns[i - 1].bandLevels() : QStringList();
        for (int k = 0; k < levels.size(); ++k) {
            if (i > 0 && before.mid(0, k + 1) == levels.mid(0, k + 1)) {
                for (int b = int(m_bands.size()) - 1; b >= 0; --b)
                    if (m_bands[b].level == k) {
                        ++m_bands[b].span;
                        break;
                    }
            } else {
                m_bands.append({i, 1, levels[k], k});
            }
        }
    }
    if (m_depth > 0)
        qrbColumnHeader.setHeight(6 * (m_depth + 1));
}

void TfrmReportLayout::design()
{
    if (m_summary)
        noteText(m_columns - 1, FTotal, HeadingPointSize, true);
    TfrmEZP000::design();
    // a banded column's title takes the rows below its bands; each band its own row
    QVector<report::Element> &titles = qrbColumnHeader.elements();
    const double row = qrbColumnHeader.height() / (m_depth + 1);
    for (int c = 0; c < m_levels.size() && c < titles.size(); ++c)
        if (m_levels[c] > 0)
            titles[c].rect = QRectF(titles[c].rect.left(), row * m_levels[c], titles[c].rect.width(),
                                    qrbColumnHeader.height() - row * m_levels[c] - 0.5);
    for (const Band &b : m_bands) {
        const double left = columnLeft(b.first);
        if (columnLeft(b.first + b.span) - left < 1)
            continue;   // over columns the screen hides
        qrbColumnHeader.addLabel({left, row * b.level + 0.5, columnLeft(b.first + b.span) - left, row - 0.5}, b.title, 9)
            .align(Qt::AlignCenter).framed().fill(QColor(230, 230, 230)).setBold();
    }
    if (m_lineCount) {
        addSummaryText(QStringLiteral("건수:"), 0, 1, Qt::AlignLeft | Qt::AlignVCenter);
        qrbSummary.addComputed({columnLeft(1), 1, 30, 6},
                               [](const report::Report &r) { return QString::number(r.recordNumber()); }, 9)
            .setBold();
        qrbSummary.addLine({0, 0.5}, {columnLeft(1 << 20), 0.5}).pen(0.3);
    }
    if (m_summary) {
        addSummaryText(QStringLiteral("합계"), 0, m_columns - 1);
        addSummaryText(FTotal, m_columns - 1, 1, Qt::AlignRight | Qt::AlignVCenter);
    }
}

// ---- list screens

TfrmReportList::TfrmReportList(const TReportDefinition &report, QWidget *parent)
    : TfrmEZS000(parent), m_report(report)
{
    setObjectName(QStringLiteral("frm") + report.programId);
    setWindowTitle(report.caption);
    for (const TColumn &c : report.columns)
        rgrGrid->addColumn(c);
    rgrGrid->applyColumns();   // the heading rows of banded columns
    for (int i = 0; i < report.columns.size(); ++i)
        if (const QString &key = report.columns[i].onceKey; !key.isEmpty()) {
            const int keyColumn = ColumnByField(report.columns, key);
            Q_ASSERT_X(keyColumn >= 0, "TfrmReportList", "a once-key is a column of the report");
            if (keyColumn >= 0)
                rgrGrid->setItemDelegateForColumn(i, new TRepeatOnceDelegate(keyColumn, rgrGrid));
        }
}

void TfrmReportList::search()
{
    if (!validate())
        return;
    // A report only reads: on a replica when the alias names one.
    db::Database *read = DM()->readDatabase();
    qryQuery->setDatabase(read);
    qryFooter->setDatabase(read);
    withConditions(statement()).applyTo(*qryQuery);
    TfrmEZS000::search();
}

TfrmZZP010 *TfrmReportList::createLayout()
{
    QString programId = m_report.programId;
    programId.replace(2, 1, QLatin1Char('P'));
    auto *layout = new TfrmReportLayout(programId, m_report.layoutTitle,
                                        m_layoutColumns.isEmpty() ? m_report.columns : m_layoutColumns, m_summary);
    layout->FTotal = FTotal;
    layout->setLineCount(m_countLines);
    return layout;
}

void TfrmReportList::summarise(const QString &totalCaption)
{
    showTotal(totalCaption);
    rgrGrid->setItemDelegateForColumn(0, new TRepeatOnceDelegate(-1, rgrGrid));
    highlightRows([this](int row) { return cdsQuery->text(row, 1) == kSubtotal; });
}

void TfrmReportList::showTotal(const QString &totalCaption)
{
    m_summary = true;
    m_totalCaption = totalCaption;
}

void TfrmReportList::highlightRows(std::function<bool(int row)> isSubtotal)
{
    cdsQuery->rowBackground = [isSubtotal = std::move(isSubtotal)](int row) {
        return isSubtotal(row) ? QColor(Qt::yellow) : QColor();
    };
}

void TfrmReportList::afterSearch()
{
    if (!m_summary)
        return;
    withConditions(totalStatement()).applyTo(*qryFooter);
    FTotal = qryFooter->open() && qryFooter->next() ? qryFooter->value(0) : QStringLiteral("0");
    qryFooter->close();
    rgrGrid->setFooter(0, m_totalCaption);
    rgrGrid->setFooter(rgrGrid->columnCount() - 1, FTotal);
}

TCodeCombo *TfrmReportList::addArea(const QString &caption)
{
    cboArea = addCodeCombo("cboArea", caption, "E0017");
    if (season)
        season->setNext(cboArea);
    return cboArea;
}

// A condition the search cannot use is a validation message, shown as information.
bool TfrmReportList::refuse(QWidget *field, const QString &message)
{
    ShowInfo(message);
    field->setFocus();
    return false;
}

// ---- condition rows

TReportCondition SeasonCondition()
{
    TReportCondition c{TField()};
    c.shape = TReportCondition::Season;
    c.field.name = QStringLiteral("SEASON_GUBUN");
    c.field.column.field = c.field.name;
    c.field.caption = QStringLiteral("*시즌");
    c.field.component = QStringLiteral("edtSeason");
    c.field.column.maxBytes = 2;
    return c;
}

TReportCondition PageChoice(const QString &component, TCodeCombo **member, const QStringList &choices)
{
    TReportCondition c(Condition("SEARCH_CONDITION", QStringLiteral("검색조건"), component, member).code(choices, choices));
    c.choosesPage = true;
    return c;
}

TReportCondition PrintedLine(const QString &text)
{
    TReportCondition c{TField()};
    c.shape = TReportCondition::Text;
    c.field.caption = text;
    return c;
}

namespace {

QString valueOf(QWidget *input)
{
    if (auto *d = qobject_cast<TDateEdit *>(input))
        return d->dateText();
    if (auto *c = qobject_cast<TCodeCombo *>(input))
        return c->code();
    if (auto *m = qobject_cast<TMaskEdit *>(input))
        return m->value();
    if (auto *e = qobject_cast<QLineEdit *>(input))
        return e->text().trimmed();
    return QString();
}

// The name of a lookup's button or label beside its edit: "edtEventNo" → "bbtEventNo".
QString besideName(const QString &component, const char *prefix)
{
    return QString::fromLatin1(prefix) + component.mid(3);
}

} // namespace

// The lookup's edit, its button and its name label, on one row of the panel.
void TfrmReportList::addLookup(TReportCondition &row)
{
    const TField &f = row.field;
    auto *edit = addEdit(f.component, f.caption, f.column.maxBytes);
    edit->setMinimumWidth(40);
    edit->setMaximumWidth(f.column.maxBytes <= 2 ? 60 : 110);
    auto *button = new QToolButton(panSearch);
    button->setObjectName(besideName(f.component, "bbt"));
    button->setText(QStringLiteral("…"));
    button->setFocusPolicy(Qt::NoFocus);
    addBeside(edit, button);
    auto *name = new QLabel(panSearch);
    name->setObjectName(besideName(f.component, "wlb"));
    name->setMinimumWidth(row.nameWidth);
    addBeside(edit, name);
    row.input = edit;
    row.nameLabel = name;
    if (row.shape == TReportCondition::Season) {
        edtSeason = edit;
        wlbSeason = name;
        row.lookup = season = new TSeasonField(edit, button, name, cboArea);
    } else {
        row.field.assign(edit);
        row.lookup = row.makeLookup(edit, button, name);
    }
}

QWidget *TfrmReportList::addConditionInput(const TField &f)
{
    switch (f.kind) {
    case TField::DatePicker:
        return addDateEdit(f.component, f.caption);
    case TField::Code: {
        TCodeCombo *combo = addCodeCombo(f.component, f.caption, f.column.pickGroup, f.allEntry);
        if (!f.column.pickCodes.isEmpty())
            combo->setItems(f.column.pickCodes, f.column.pickLabels);
        return combo;
    }
    case TField::DateMask: {
        auto *e = new TMaskEdit(QStringLiteral("9999-99-99"), panSearch);   // may stay empty
        e->setObjectName(f.component);
        addCondition(e, f.caption, 90);
        return e;
    }
    case TField::Edit: {
        const int length = f.column.type == TColumn::Number ? f.maxDigits : f.column.type == TColumn::Date ? 8 : f.column.maxBytes;
        TEdit *e = addEdit(f.component, f.caption, length);
        if (f.column.type == TColumn::Number) {   // digits only, up to maxDigits
            e->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(f.maxDigits)), e));
            e->setMaximumWidth(qMax(70, f.maxDigits * 10));
        } else if (f.column.type == TColumn::Date) {   // an optional date typed as yyyymmdd
            e->setInputMask(QString());
            e->setPlaceholderText(QStringLiteral("년월일 8자리"));   // empty: no bound
        }
        return e;
    }
    default:
        Q_ASSERT_X(false, "TfrmReportList", "a report condition is a date picker, a code combo or an edit");
        return nullptr;
    }
}

void TfrmReportList::setConditions(const QVector<TReportCondition> &rows)
{
    m_conditionRows = rows;
    TCodeField *waiting = nullptr;   // the season's lookup moves on to the next input
    for (TReportCondition &row : m_conditionRows) {
        if (row.startsRow)
            newConditionRow();
        if (row.shape == TReportCondition::Text)
            continue;
        if (row.shape == TReportCondition::Season || row.shape == TReportCondition::Lookup) {
            addLookup(row);
        } else {
            row.input = addConditionInput(row.field);
            row.field.assign(row.input);
            if (row.shape == TReportCondition::Range) {
                TField upper = row.field;   // the upper bound is of the lower one's kind
                upper.caption = row.upper.caption;
                upper.component = row.upper.component;
                upper.assign = row.upper.assign;
                row.upper = upper;
                row.upperInput = addConditionInput(row.upper);
                row.upper.assign(row.upperInput);
            }
        }
        if (waiting)
            waiting->setNext(row.input);
        waiting = row.shape == TReportCondition::Season ? row.lookup : nullptr;
        if (row.choosesPage) {
            m_pageChoice = static_cast<TCodeCombo *>(row.input);
            m_pageChoice->setCurrentIndex(0);
            connect(m_pageChoice, &QComboBox::currentIndexChanged, this, &TfrmReportList::showConditionPage);
        }
    }
    if (m_pageChoice)
        showConditionPage();
}

bool TfrmReportList::chosen(const TReportCondition &row) const
{
    return row.page.isEmpty() || (m_pageChoice && m_pageChoice->currentText() == row.page);
}

void TfrmReportList::showConditionPage()
{
    for (const TReportCondition &row : std::as_const(m_conditionRows)) {
        if (row.page.isEmpty())
            continue;
        for (QWidget *input : {row.input, row.upperInput}) {
            if (!input)
                continue;
            input->setVisible(chosen(row));
            for (QLabel *caption : panSearch->findChildren<QLabel *>())
                if (caption->buddy() == input)
                    caption->setVisible(chosen(row));
        }
    }
}

QHash<QString, QVariant> TfrmReportList::conditionBinds() const
{
    QHash<QString, QVariant> binds;
    for (const TReportCondition &row : m_conditionRows) {
        if (row.shape == TReportCondition::Text)
            continue;
        if (row.lookup) {
            binds.insert(row.field.name, row.lookup->code());
        } else if (row.shape == TReportCondition::Range) {
            binds.insert(row.field.name + QStringLiteral("_FROM"), valueOf(row.input));
            binds.insert(row.field.name + QStringLiteral("_TO"), valueOf(row.upperInput));
        } else {
            binds.insert(row.field.name, valueOf(row.input));
        }
    }
    return binds;
}

Statement TfrmReportList::withConditions(Statement statement) const
{
    const QHash<QString, QVariant> binds = conditionBinds();
    for (auto it = binds.cbegin(); it != binds.cend(); ++it)
        if (!statement.binds.contains(it.key()))
            statement.binds.insert(it.key(), it.value());
    return statement;
}

bool TfrmReportList::checkRange(const TReportCondition &row)
{
    const QString wrong = row.field.caption + QStringLiteral("을(를) 정확히 입력하십시오.");
    if (auto *from = qobject_cast<TDateEdit *>(row.input))
        return row.anyOrder || from->dateText() <= static_cast<TDateEdit *>(row.upperInput)->dateText()
            || refuse(row.upperInput, row.field.column.title + QStringLiteral("을(를) 정확히 입력하십시오."));
    for (QWidget *bound : {row.input, row.upperInput}) {
        const QString value = valueOf(bound);
        const bool ok = row.field.column.type == TColumn::Number ? IsDigitText(value)
                        : qobject_cast<TMaskEdit *>(bound)    ? value.isEmpty() || IsValidDate8(value)
                                                              : value.isEmpty() || validDate(value);
        if (!ok)
            return refuse(bound, wrong);
    }
    return true;
}

bool TfrmReportList::validate()
{
    for (const TReportCondition &row : std::as_const(m_conditionRows)) {
        if (!chosen(row))
            continue;
        if (row.lookup) {
            const QString problem = row.lookup->problem();
            if (!problem.isEmpty())
                return refuse(row.input, problem);
        } else if (row.shape == TReportCondition::Range && !checkRange(row)) {
            return false;
        }
    }
    return true;
}

QString TfrmReportList::printedCondition(const TReportCondition &row) const
{
    const QString caption = (row.printedCaption.isEmpty() ? row.field.caption : row.printedCaption) + QStringLiteral(": ");
    switch (row.shape) {
    case TReportCondition::Text:
        return row.field.caption;
    case TReportCondition::Season:
    case TReportCondition::Lookup:
        return caption + row.nameLabel->text();
    case TReportCondition::Input:
        return row.bare ? shownValue(row.input) : conditionLine({row.input});
    case TReportCondition::Range:
        break;
    }
    const QString from = valueOf(row.input), to = valueOf(row.upperInput);
    QString bounds;
    if (qobject_cast<TDateEdit *>(row.input))
        bounds = row.asStored ? from + QStringLiteral(" ~ ") + to
                              : ToDisplayDate(from) + QStringLiteral("  ∼  ") + ToDisplayDate(to);
    else if (qobject_cast<TMaskEdit *>(row.input))
        bounds = reportsql::dateBoundsLine(from, to);
    else if (row.field.column.type == TColumn::Number)
        bounds = reportsql::boundsLine(from, to);
    else {
        auto *lower = static_cast<TEdit *>(row.input);
        auto *upper = static_cast<TEdit *>(row.upperInput);
        const QString emptyFrom = row.emptyFrom.isEmpty() ? kAll : row.emptyFrom;
        const QString emptyTo = row.emptyTo.isEmpty() ? kAll : row.emptyTo;
        bounds = (lower->text().isEmpty() ? emptyFrom : lower->text()) + QStringLiteral("  ∼  ")
            + (upper->text().isEmpty() ? emptyTo : upper->text());
    }
    return row.bare ? bounds : caption + bounds;
}

QStringList TfrmReportList::conditionLines()
{
    QVector<const TReportCondition *> printed;
    for (const TReportCondition &row : std::as_const(m_conditionRows))
        if (chosen(row))
            printed << &row;
    std::stable_partition(printed.begin(), printed.end(), [](const TReportCondition *row) { return row->first; });
    QStringList lines;
    for (const TReportCondition *row : std::as_const(printed)) {
        const QString text = printedCondition(*row);
        if (lines.isEmpty() || row->field.startsLine)
            lines << text;
        else
            lines.last() += kBlanks + text;
    }
    return lines;
}

// ---- date and area

TfrmDayReport::TfrmDayReport(const TReportDefinition &report, const QString &dateCaption,
                             DayStatement rows, DayStatement total, QWidget *parent)
    : TfrmReportList(report, parent), m_rows(rows), m_total(total)
{
    setConditions({Condition("REPORT_DATE", dateCaption, BIND(dtpDate)),
                   Condition("AREA_GUBUN", QStringLiteral("*지역구분"), BIND(cboArea)).code("E0017")});
}

Statement TfrmDayReport::statement() { return m_rows(dtpDate->dateText(), cboArea->code()); }

Statement TfrmDayReport::totalStatement()
{
    return m_total ? m_total(dtpDate->dateText(), cboArea->code()) : Statement();
}

