#include "framework/crosstable.h"
#include "database/query.h"
#include "widgets/inputs.h"

namespace crosstab {

namespace {
// inclusive; an empty bound is given as '00000000' or '99999999' (see bounds()), so the key's index serves
const QString kPeriod = QStringLiteral("T.TROB_DATE BETWEEN :TROB_DATE_FROM AND :TROB_DATE_TO");

QHash<QString, QVariant> bounds(const QString &from, const QString &to)
{
    return {{QStringLiteral("TROB_DATE_FROM"), from.isEmpty() ? QStringLiteral("00000000") : from},
            {QStringLiteral("TROB_DATE_TO"), to.isEmpty() ? QStringLiteral("99999999") : to}};
}

QString rowKey(Rows rows) { return rows == Rows::Hour ? QStringLiteral("SUBSTR(T.TROB_TIME, 1, 2)") : QStringLiteral("T.IN_STAT_GUBUN"); }
QString codeParam(Rows rows) { return rows == Rows::Hour ? QStringLiteral("GC_TROB_TIME_CODE") : QStringLiteral("GC_IN_STAT_GUBUN"); }
QString codeGroup(Rows rows) { return rows == Rows::Hour ? QStringLiteral("E0052") : QStringLiteral("E0036"); }
QString columnKey(Columns columns)
{
    switch (columns) {
    case Columns::Weekday: return QStringLiteral("C.YOIL_CODE");
    case Columns::Month: return QStringLiteral("SUBSTR(T.TROB_DATE, 5, 2)");
    case Columns::Sex: return QStringLiteral("T.IN_SEX");
    case Columns::Age: return QStringLiteral("CAST(NULLIF(TRIM(T.IN_AGE), '') AS INTEGER)");
    }
    return QString();
}

// The accidents of the period with their row and column keys, each worked out once per accident.
QString accidents(Rows rows, Columns columns)
{
    return QStringLiteral("(SELECT T.TROB_NO, %1 AS ROW_KEY, %2 AS COL_KEY FROM EE010MS T%3 WHERE %4) K")
        .arg(rowKey(rows), columnKey(columns),
             columns == Columns::Weekday ? QStringLiteral(" JOIN ZX020MS C ON C.CALN_DATE = T.TROB_DATE") : QString(),
             kPeriod);
}

// "pp.pp" of count in total, rounded half up, at least two digits before the point.
QString percent(qlonglong count, qlonglong total)
{
    const qlonglong hundredths = total == 0 ? 0 : (count * 10000 + total / 2) / total;
    return QStringLiteral("%1.%2").arg(hundredths / 100, 2, 10, QLatin1Char('0')).arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

// The same in SQL, in whole numbers so both back ends write it alike. Only the servers' own functions
// and operators: on PostgreSQL a function of the schema (LPAD, MOD, NVL …) would keep the server from
// counting with parallel workers.
QString percentSql(const QString &count, const QString &total)
{
    const QString h = QStringLiteral("(CASE WHEN %2 = 0 THEN 0 ELSE (%1 * 10000 + %2 / 2) / %2 END)").arg(count, total);
    const QString hundredths = QStringLiteral("(%1 - %1 / 100 * 100)").arg(h);
    return QStringLiteral("CASE WHEN %1 < 1000 THEN '0' ELSE '' END || CAST(%1 / 100 AS VARCHAR(6)) || '.' || "
                          "CASE WHEN %2 < 10 THEN '0' ELSE '' END || CAST(%2 AS VARCHAR(2))")
        .arg(h, hundredths);
}
} // namespace

QVector<Bucket> buckets(Columns columns)
{
    QVector<Bucket> out;
    switch (columns) {
    case Columns::Weekday: {
        static const char *days[] = {"월", "화", "수", "목", "금", "토", "일"};
        for (int i = 0; i < 7; ++i)   // Monday first; the calendar numbers Sunday 1
            out.append({QStringLiteral("YOIL_CODE%1").arg(i + 1), QString::fromUtf8(days[i]),
                        QStringLiteral("K.COL_KEY = '%1'").arg((i + 1) % 7 + 1)});
        break;
    }
    case Columns::Month:
        for (int i = 0; i < 12; ++i) {   // the season's order: December first
            const int month = i == 0 ? 12 : i;
            out.append({QStringLiteral("MONTH_CODE%1").arg(month), QStringLiteral("%1월").arg(month),
                        QStringLiteral("K.COL_KEY = '%1'").arg(month, 2, 10, QLatin1Char('0'))});
        }
        break;
    case Columns::Sex:
        out.append({"MAN", QStringLiteral("남(男)"), "K.COL_KEY = '1'"});
        out.append({"WOMAN", QStringLiteral("여(女)"), "K.COL_KEY = '2'"});
        break;
    case Columns::Age: {
        // the age in whole years: the decades to 59, then sixty to 159 together (three digits' first two,
        // "06" to "15")
        static const char *titles[] = {"9세이하", "10∼19세", "20∼29세", "30∼39세", "40∼49세", "50∼59세"};
        for (int i = 0; i < 6; ++i)
            out.append({QStringLiteral("AGE_%1").arg(i * 10, 2, 10, QLatin1Char('0')), QString::fromUtf8(titles[i]),
                        QStringLiteral("K.COL_KEY BETWEEN %1 AND %2").arg(i * 10).arg(i * 10 + 9)});
        out.append({"AGE_60", QStringLiteral("60세이상"), QStringLiteral("K.COL_KEY BETWEEN 60 AND 159")});
        break;
    }
    }
    return out;
}

QString rowLabelField(Rows rows) { return rows == Rows::Hour ? QStringLiteral("TROB_TIME_NAME") : QStringLiteral("IN_STAT_GUBUN_NAME"); }

QString sumField(const Description &d)
{
    return d.rows == Rows::Injury && d.columns == Columns::Weekday ? QStringLiteral("STAT_SUM_COUNT") : QStringLiteral("TIME_SUM_COUNT");
}

QString footerField(const QString &field) { return QStringLiteral("FOOT_") + field; }
QString footerCountField() { return QStringLiteral("FOOT_COUNT"); }

// The database counts the accidents once, grouped by row and column key (the only pass over them); the
// buckets, the rows' totals, the period's total and the footer are sums over those few groups.
reportsql::Statement table(const Description &d, const QString &from, const QString &to)
{
    const bool weekday = d.columns == Columns::Weekday;
    const QVector<Bucket> all = buckets(d.columns);
    // The groups: every accident of the period, those on a day the calendar lacks with no column key
    // (counted in the period's total only).
    const QString groups =
        QStringLiteral("(SELECT %1 AS ROW_KEY, %2 AS COL_KEY, COUNT(*) AS N FROM EE010MS T%3 WHERE %4 GROUP BY %1, %2) K")
            .arg(rowKey(d.rows), columnKey(d.columns),
                 weekday ? QStringLiteral(" LEFT JOIN ZX020MS C ON C.CALN_DATE = T.TROB_DATE") : QString(), kPeriod);
    // Per row key: its buckets and its count; over all row keys (those the code list lacks as well):
    // the footer and the period's total.
    QStringList perKey, overAll, picks;
    for (const Bucket &b : all) {
        perKey << QStringLiteral("CAST(SUM(CASE WHEN %1 THEN K.N ELSE 0 END) AS BIGINT) AS %2").arg(b.condition, b.field);
        overAll << QStringLiteral("CAST(SUM(P.%1) OVER () AS BIGINT) AS %2").arg(b.field, footerField(b.field));
        picks << QStringLiteral("COALESCE(Q.%1, 0) AS %1").arg(b.field);
    }
    perKey << (weekday ? QStringLiteral("CAST(SUM(CASE WHEN K.COL_KEY IS NOT NULL THEN K.N ELSE 0 END) AS BIGINT) AS ROW_COUNT")
                       : QStringLiteral("CAST(SUM(K.N) AS BIGINT) AS ROW_COUNT"))
           << QStringLiteral("CAST(SUM(K.N) AS BIGINT) AS ALL_COUNT");
    overAll << QStringLiteral("CAST(SUM(P.ROW_COUNT) OVER () AS BIGINT) AS %1").arg(footerCountField())
            << QStringLiteral("CAST(SUM(P.ALL_COUNT) OVER () AS BIGINT) AS TOTAL");
    QStringList footers;
    for (const Bucket &b : all)
        footers << QStringLiteral("Q.") + footerField(b.field);
    footers << QStringLiteral("Q.") + footerCountField();

    // A row of the code list without accidents has no total beside it: its share is 0 of any total.
    const QString rowCount = QStringLiteral("COALESCE(Q.ROW_COUNT, 0)");
    reportsql::Statement s;
    // The counts are worked out once, whatever way the server joins them with the code list (a code
    // list it takes for one row must not have it count the accidents once per code).
    s.sql = QStringLiteral("WITH Q AS MATERIALIZED (SELECT P.*, %1 FROM (SELECT K.ROW_KEY, %2 FROM %3 GROUP BY K.ROW_KEY) P) ")
                .arg(overAll.join(QStringLiteral(", ")), perKey.join(QStringLiteral(", ")), groups)
          + QStringLiteral("SELECT R.DETAIL_NAME AS %1, %2, ")
                .arg(rowLabelField(d.rows), picks.join(QStringLiteral(", ")))
          + QStringLiteral("CAST(%1 AS VARCHAR(10)) || '%4' || %2 || '%5' AS %3, %6 ")
                .arg(rowCount, percentSql(rowCount, QStringLiteral("COALESCE(Q.TOTAL, 0)")), sumField(d),
                     d.tightShare ? QStringLiteral("(") : QStringLiteral(" ("),
                     d.tightShare ? QStringLiteral("%)") : QStringLiteral(" %)"), footers.join(QStringLiteral(", ")))
          + QStringLiteral("  FROM (SELECT DETAIL, DETAIL_NAME FROM ZX010MS WHERE HEAD = :%1 AND TRIM(DETAIL) <> '') R ")
                .arg(codeParam(d.rows))
          + QStringLiteral("  LEFT JOIN Q ON Q.ROW_KEY = R.DETAIL ")
          + (d.rows == Rows::Hour ? QStringLiteral(" ORDER BY R.DETAIL_NAME") : QStringLiteral(" ORDER BY R.DETAIL"));
    s.binds = bounds(from, to);
    s.binds.insert(codeParam(d.rows), codeGroup(d.rows));
    return s;
}

QStringList footerFields(const Description &d)
{
    QStringList out;
    for (const Bucket &b : buckets(d.columns))
        out << footerField(b.field);
    out << footerCountField();
    return out;
}

reportsql::Statement footer(const Description &d, const QString &from, const QString &to)
{
    QStringList counts;
    for (const Bucket &b : buckets(d.columns))
        counts << QStringLiteral("SUM(CASE WHEN %1 THEN 1 ELSE 0 END) AS %2").arg(b.condition, b.field);
    reportsql::Statement s;
    s.sql = QStringLiteral("SELECT %1, COUNT(K.TROB_NO) AS TOTAL FROM %2")
                .arg(counts.join(QStringLiteral(", ")), accidents(d.rows, d.columns));
    s.binds = bounds(from, to);
    return s;
}

QString share(qlonglong count, qlonglong total)
{
    return QString::number(count) + QLatin1Char('(') + percent(count, total) + QStringLiteral("%)");
}

QString totalShare(qlonglong total)
{
    return total == 0 ? QStringLiteral("0( 00.00 %)") : QString::number(total) + QStringLiteral("(100.00%)");
}

} // namespace crosstab

namespace {

TReportDefinition withColumns(TReportDefinition report, const crosstab::Description &d)
{
    const QString heading = !d.rowHeading.isEmpty() ? d.rowHeading
                            : d.rows == crosstab::Rows::Hour ? QStringLiteral("시간대") : QStringLiteral("부상상태");
    report.columns.clear();
    report.columns.append({crosstab::rowLabelField(d.rows), heading, 110});
    const QVector<crosstab::Bucket> buckets = crosstab::buckets(d.columns);
    const int width = buckets.size() > 7 ? 64 : 70;
    for (const crosstab::Bucket &b : buckets)
        report.columns.append({b.field, b.title, width, true});
    report.columns.append({crosstab::sumField(d), QStringLiteral("계 (%)"), 120, true});
    return report;
}

// The printed cross-table: its columns, one total label per column under them, and the picture after.
class TfrmCrossLayout : public TfrmReportLayout {
public:
    TfrmCrossLayout(const QString &programId, const QString &title, const QVector<TColumn> &columns,
                    QStringList totals, QImage picture)
        : TfrmReportLayout(programId, title, columns, false), m_totals(std::move(totals)), m_picture(std::move(picture))
    {
    }

protected:
    void design() override
    {
        for (int i = 0; i < m_totals.size(); ++i)
            noteText(i, m_totals[i], HeadingPointSize, true);
        TfrmReportLayout::design();
        for (int i = 0; i < m_totals.size(); ++i)
            addSummaryText(m_totals[i], i, 1, i == 0 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
        qrpReport.setClosingPicture(m_picture);   // the chart on a page of its own
    }

private:
    QStringList m_totals;
    QImage m_picture;
};

} // namespace

TfrmCrossTable::TfrmCrossTable(const TReportDefinition &report, const crosstab::Description &description, QWidget *parent)
    : TfrmReportList(withColumns(report, description), parent), m_description(description),
      m_buckets(crosstab::buckets(description.columns))
{
    setConditions({Range(Condition("TROB_DATE", QStringLiteral("사고일자"), BIND(wmeDateFrom)).showsDate(), BIND(wmeDateTo))
                       .whenEmpty(QStringLiteral("[처음]"), QStringLiteral("[끝]"))});
    const int buckets = int(m_buckets.size());
    cdsQuery->keepFields(crosstab::footerFields(description));
    cdsQuery->readWithoutCursor();   // a row per code: the server counts in parallel
    cdsQuery->rowBackground = [this, buckets](int row) {
        for (int c = 1; c <= buckets; ++c)
            if (cdsQuery->text(row, c).toLongLong() > 0)
                return QColor(Qt::yellow);
        return QColor();
    };
}

reportsql::Statement TfrmCrossTable::statement()
{
    return crosstab::table(m_description, wmeDateFrom->text(), wmeDateTo->text());
}

void TfrmCrossTable::afterSearch()
{
    m_columnTotals.fill(0, m_buckets.size());
    m_total = 0;
    // The footer came with the table on every row that counts an accident; without such a row (no
    // accident, or none in the table's rows) it is counted on its own.
    const QStringList footers = crosstab::footerFields(m_description);
    int counting = -1;
    for (int r = 0; r < cdsQuery->rowCount() && counting < 0; ++r)
        if (!cdsQuery->text(r, footers.last()).isEmpty())
            counting = r;
    if (counting >= 0) {
        for (int i = 0; i < m_buckets.size(); ++i)
            m_columnTotals[i] = cdsQuery->text(counting, footers[i]).toLongLong();
        m_total = cdsQuery->text(counting, footers.last()).toLongLong();
    } else {
        crosstab::footer(m_description, wmeDateFrom->text(), wmeDateTo->text()).applyTo(*qryFooter);
        if (qryFooter->open() && qryFooter->next()) {
            for (int i = 0; i < m_buckets.size(); ++i)
                m_columnTotals[i] = qryFooter->value(i).toLongLong();
            m_total = qryFooter->value(int(m_buckets.size())).toLongLong();
        }
        qryFooter->close();
    }
    m_footerTexts = {QStringLiteral("계 (%)")};
    for (qlonglong c : std::as_const(m_columnTotals))
        m_footerTexts << crosstab::share(c, m_total);
    m_footerTexts << crosstab::totalShare(m_total);
    for (int i = 0; i < m_footerTexts.size(); ++i)
        rgrGrid->setFooter(i, m_footerTexts[i]);
    figuresShown();
}

QStringList TfrmCrossTable::rowLabels() const
{
    QStringList out;
    for (int r = 0; r < cdsQuery->rowCount(); ++r)
        out << cdsQuery->text(r, 0);
    return out;
}

QVector<QVector<qlonglong>> TfrmCrossTable::counts() const
{
    QVector<QVector<qlonglong>> out;
    for (int r = 0; r < cdsQuery->rowCount(); ++r) {
        QVector<qlonglong> row;
        for (int c = 1; c <= m_buckets.size(); ++c)
            row << cdsQuery->text(r, c).toLongLong();
        out << row;
    }
    return out;
}

TfrmZZP010 *TfrmCrossTable::createLayout()
{
    QString programId = m_report.programId;
    programId.replace(2, 1, QLatin1Char('P'));
    QStringList totals = m_footerTexts;
    if (!totals.isEmpty())
        totals[0] = QStringLiteral("계( %)");
    return new TfrmCrossLayout(programId, m_report.layoutTitle, m_report.columns, totals, printedPicture());
}
