#include "framework/reportscreens.h"
#include "database/datamodule.h"
#include "core/messages.h"
#include "core/utils.h"
#include "framework/fieldlookups.h"
#include "widgets/inputs.h"
#include <QDate>
#include <map>
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

int columnOf(const QVector<TReportColumn> &columns, const char *field)
{
    for (int i = 0; i < columns.size(); ++i)
        if (qstrcmp(columns[i].field, field) == 0)
            return i;
    return -1;
}

} // namespace

const char *KeptText(const QString &text)
{
    static std::map<QString, QByteArray> kept;   // nodes never move: the texts handed out stay valid
    QByteArray &bytes = kept[text];
    if (bytes.isEmpty())
        bytes = text.toUtf8();
    return bytes.constData();
}

namespace {

bool validDate(const QString &yyyymmdd)
{
    return yyyymmdd.size() == 8 && QDate::fromString(yyyymmdd, QStringLiteral("yyyyMMdd")).isValid();
}

} // namespace

// ---- layouts

TfrmReportLayout::TfrmReportLayout(const QString &programId, const QString &title,
                                   const QVector<TReportColumn> &columns, bool summary)
    : m_summary(summary), m_columns(int(columns.size()))
{
    setObjectName(QStringLiteral("frm") + programId);
    setTitle(title);
    if (summary)
        qrpReport.setOrientation(QPageLayout::Portrait);   // summaries are short: portrait, as TfrmEZP000
    // columns wider than the page together are narrowed alike, so that the last one is printed too
    double width = 0;
    for (const TReportColumn &c : columns)
        width += c.width / 4.0;
    const double scale = width > qrpReport.printableWidth() ? qrpReport.printableWidth() / width : 1.0;
    for (int i = 0; i < columns.size(); ++i) {
        const TReportColumn &c = columns[i];
        addColumn(QString::fromUtf8(c.field), QString::fromUtf8(c.title), c.width / 4.0 * scale,
                  c.right ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter,
                  QString::fromUtf8(c.onceKey));
        const QStringList levels = c.band.isEmpty() ? QStringList() : c.band.split(QLatin1Char('\n'));
        m_levels.append(int(levels.size()));
        m_depth = qMax(m_depth, int(levels.size()));
        const QStringList before = i > 0 && !columns[i - 1].band.isEmpty() ? columns[i - 1].band.split(QLatin1Char('\n'))
                                                                           : QStringList();
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
    for (const TReportColumn &c : report.columns)
        rgrGrid->addColumn(QString::fromUtf8(c.field), QString::fromUtf8(c.title), c.width,
                           c.right ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter)
            .group(c.band);
    rgrGrid->applyColumns();   // the heading rows of banded columns
    for (int i = 0; i < report.columns.size(); ++i)
        if (const char *key = report.columns[i].onceKey) {
            const int keyColumn = columnOf(report.columns, key);
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

void TfrmReportList::addSeason()
{
    edtSeason = addEdit("edtSeason", QStringLiteral("*시즌"), 2);
    edtSeason->setMinimumWidth(40);
    edtSeason->setMaximumWidth(60);
    auto *button = new QToolButton(panSearch);
    button->setObjectName("bbtSeason");
    button->setText(QStringLiteral("…"));
    button->setFocusPolicy(Qt::NoFocus);
    addBeside(edtSeason, button);
    wlbSeason = new QLabel(panSearch);
    wlbSeason->setObjectName("wlbSeason");
    wlbSeason->setMinimumWidth(110);
    addBeside(edtSeason, wlbSeason);
    season = new TSeasonField(edtSeason, button, wlbSeason, cboArea);
}

bool TfrmReportList::checkSeason()
{
    const QString problem = season->problem();
    return problem.isEmpty() || refuse(edtSeason, problem);
}

QString TfrmReportList::seasonPair() const
{
    return QStringLiteral("*시즌: ") + wlbSeason->text();
}

TEdit *TfrmReportList::addOptionalDate(const QString &name, const QString &caption)
{
    TEdit *e = addEdit(name, caption, 8);
    e->setInputMask(QString());
    e->setPlaceholderText(QStringLiteral("년월일 8자리"));   // empty: no bound
    return e;
}

TMaskEdit *TfrmReportList::addDateBound(const QString &name, const QString &caption)
{
    auto *e = new TMaskEdit(QStringLiteral("9999-99-99"), panSearch);
    e->setObjectName(name);
    addCondition(e, caption, 90);
    return e;
}

TEdit *TfrmReportList::addNumberBound(const QString &name, const QString &caption, int digits)
{
    TEdit *e = addEdit(name, caption, digits);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(digits)), e));
    e->setMaximumWidth(qMax(70, digits * 10));
    return e;
}

bool TfrmReportList::checkDates(TMaskEdit *from, TMaskEdit *to, const QString &caption)
{
    for (TMaskEdit *e : {from, to}) {
        if (!e->value().isEmpty() && !IsValidDate8(e->value()))
            return refuse(e, caption + QStringLiteral("을(를) 정확히 입력하십시오."));
    }
    return true;
}

bool TfrmReportList::checkNumbers(TEdit *from, TEdit *to, const QString &caption)
{
    for (TEdit *e : {from, to}) {
        if (!IsDigitText(e->text()))
            return refuse(e, caption + QStringLiteral("을(를) 정확히 입력하십시오."));
    }
    return true;
}

TCodeCombo *TfrmReportList::addConditionPages(const QStringList &choices)
{
    m_pageChoice = new TCodeCombo(panSearch);
    m_pageChoice->setObjectName(QStringLiteral("cboCondition"));
    m_pageChoice->setItems(choices, choices);
    m_pageChoice->setCurrentIndex(0);
    addCondition(m_pageChoice, QStringLiteral("검색조건"));
    if (season)
        season->setNext(m_pageChoice);
    connect(m_pageChoice, &QComboBox::currentIndexChanged, this, &TfrmReportList::showConditionPage);
    return m_pageChoice;
}

void TfrmReportList::addToPage(const QString &choice, QWidget *input)
{
    m_pageInputs.append({choice, input});
    showConditionPage();
}

void TfrmReportList::showConditionPage()
{
    const QString chosen = m_pageChoice->currentText();
    for (const auto &[choice, input] : m_pageInputs) {
        input->setVisible(choice == chosen);
        for (QLabel *caption : panSearch->findChildren<QLabel *>())
            if (caption->buddy() == input)
                caption->setVisible(choice == chosen);
    }
}

bool TfrmReportList::checkDates(TEdit *from, TEdit *to, const QString &caption)
{
    for (TEdit *e : {from, to}) {
        if (!e->text().isEmpty() && !validDate(e->text()))
            return refuse(e, caption + QStringLiteral("을(를) 정확히 입력하십시오."));
    }
    return true;
}

QString TfrmReportList::periodPair(const QString &caption, TEdit *from, TEdit *to)
{
    auto shown = [](TEdit *e) { return e->text().isEmpty() ? kAll : e->text(); };
    return caption + QStringLiteral(": ") + shown(from) + QStringLiteral("  ∼  ") + shown(to);
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
    c.field.caption = QStringLiteral("*시즌");
    return c;
}

QWidget *TfrmReportList::addConditionInput(const TField &f)
{
    switch (f.kind) {
    case TField::DatePicker:
        return addDateEdit(f.component, f.caption);
    case TField::Code: {
        TCodeCombo *combo = addCodeCombo(f.component, f.caption, f.codeGroup, f.allEntry);
        if (!f.codes.isEmpty())
            combo->setItems(f.codes, f.labels);
        return combo;
    }
    case TField::DateMask:
        return addDateBound(f.component, f.caption);
    case TField::Edit:
        if (f.type == TGridColumn::Number)
            return addNumberBound(f.component, f.caption, f.maxDigits);
        if (f.type == TGridColumn::Date)
            return addOptionalDate(f.component, f.caption);
        return addEdit(f.component, f.caption, f.maxBytes);
    default:
        Q_ASSERT_X(false, "TfrmReportList", "a report condition is a date picker, a code combo or an edit");
        return nullptr;
    }
}

void TfrmReportList::setConditions(const QVector<TReportCondition> &rows)
{
    m_conditionRows = rows;
    bool seasonWaits = false;   // the season's lookup moves on to the next input
    for (TReportCondition &row : m_conditionRows) {
        if (row.startsRow)
            newConditionRow();
        if (row.shape == TReportCondition::Season) {
            addSeason();
            row.input = edtSeason;
            seasonWaits = true;
            continue;
        }
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
        if (seasonWaits)
            season->setNext(row.input);
        seasonWaits = false;
    }
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
} // namespace

QHash<QString, QVariant> TfrmReportList::conditionBinds() const
{
    QHash<QString, QVariant> binds;
    for (const TReportCondition &row : m_conditionRows) {
        if (row.shape == TReportCondition::Season) {
            binds.insert(row.field.name, season->code());
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

bool TfrmReportList::validate()
{
    for (const TReportCondition &row : m_conditionRows) {
        if (row.shape == TReportCondition::Season && !checkSeason())
            return false;
        if (row.shape != TReportCondition::Range)
            continue;
        const QString caption = row.field.caption;
        bool ok = true;
        if (auto *from = qobject_cast<TMaskEdit *>(row.input))
            ok = checkDates(from, static_cast<TMaskEdit *>(row.upperInput), caption);
        else if (auto *from = qobject_cast<TDateEdit *>(row.input))
            ok = from->dateText() <= static_cast<TDateEdit *>(row.upperInput)->dateText()
                || refuse(row.upperInput, row.field.title + QStringLiteral("을(를) 정확히 입력하십시오."));
        else if (row.field.type == TGridColumn::Number)
            ok = checkNumbers(static_cast<TEdit *>(row.input), static_cast<TEdit *>(row.upperInput), caption);
        else
            ok = checkDates(static_cast<TEdit *>(row.input), static_cast<TEdit *>(row.upperInput), caption);
        if (!ok)
            return false;
    }
    return true;
}

QString TfrmReportList::printedCondition(const TReportCondition &row) const
{
    if (row.shape == TReportCondition::Season)
        return seasonPair();
    if (row.shape == TReportCondition::Input)
        return conditionLine({row.input});
    const QString caption = row.field.caption + QStringLiteral(": ");
    if (auto *from = qobject_cast<TMaskEdit *>(row.input))
        return caption + reportsql::dateBoundsLine(from->value(), static_cast<TMaskEdit *>(row.upperInput)->value());
    if (auto *from = qobject_cast<TDateEdit *>(row.input))
        return caption + ToDisplayDate(from->dateText()) + QStringLiteral("  ∼  ")
            + ToDisplayDate(static_cast<TDateEdit *>(row.upperInput)->dateText());
    auto *from = static_cast<TEdit *>(row.input);
    auto *to = static_cast<TEdit *>(row.upperInput);
    if (row.field.type == TGridColumn::Number)
        return caption + reportsql::boundsLine(from->text(), to->text());
    return periodPair(row.field.caption, from, to);
}

QStringList TfrmReportList::conditionLines()
{
    QStringList lines;
    for (const TReportCondition &row : m_conditionRows) {
        const QString text = printedCondition(row);
        if (lines.isEmpty() || row.field.startsLine)
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

