#pragma once
// Cross-tables of the accident records: the accidents of a period counted by a row dimension (the hour
// of the accident, the kind of injury) against a column dimension (weekday, month, sex, age band), with
// the row totals and their shares of the period, the column totals in the footer and the rows that
// count anything drawn in yellow. A screen is its description:
//
//   TfrmEES030(QWidget *parent)
//       : TfrmCrossTable({"EES030", "요일별 사고발생시간 현황 조회,출력", "요일별 사고발생시간"},
//                        {crosstab::Rows::Hour, crosstab::Columns::Weekday}, parent) {}
//
// The weekday tables count through the calendar (ZX020MS): an accident on a day the calendar lacks is
// in none of their rows, columns or footer, yet its period's total (the shares' base) counts it.
#include "framework/reportscreens.h"
#include <QImage>

namespace crosstab {

enum class Rows { Hour, Injury };                   // E0052 by TROB_TIME's hour, E0036 by IN_STAT_GUBUN
enum class Columns { Weekday, Month, Sex, Age };

struct Bucket {
    QString field;       // YOIL_CODE1, MONTH_CODE12, MAN, AGE_00 …
    QString title;       // "월", "12월", "남(男)", "9세이하" …
    QString condition;   // on the accident's column key K.COL_KEY
};

struct Description {
    Rows rows;
    Columns columns;
    QString rowHeading;   // the first column's title; empty: "시간대" or "부상상태"
    bool tightShare = false;   // the total column as "n(pp.pp%)" rather than "n (pp.pp %)"
};

QVector<Bucket> buckets(Columns columns);
QString rowLabelField(Rows rows);    // TROB_TIME_NAME, IN_STAT_GUBUN_NAME
QString sumField(const Description &d);   // TIME_SUM_COUNT, STAT_SUM_COUNT
// The table: every row entry with its counts per bucket (0 when none) and "n (pp.pp %)" last
// ("n(pp.pp%)" for a description with tightShare); after them, not shown, the footer's figures
// (footerFields()) on every row that counts an accident. One grouped pass over the accidents.
reportsql::Statement table(const Description &d, const QString &from, const QString &to);
// The footer's fields of the table: each bucket's count and the counted total.
QStringList footerFields(const Description &d);
// The footer alone, one row: each bucket's count and the counted total (through the calendar for
// weekday tables); for a period whose accidents all lie outside the table's rows.
reportsql::Statement footer(const Description &d, const QString &from, const QString &to);
// "n(pp.pp%)" of a count in a total; the total's own cell reads "n(100.00%)", or "0( 00.00 %)" for none.
QString share(qlonglong count, qlonglong total);
QString totalShare(qlonglong total);

} // namespace crosstab

class TfrmCrossTable : public TfrmReportList {
    Q_OBJECT
public:
    TfrmCrossTable(const TReportDefinition &report, const crosstab::Description &description, QWidget *parent);

    TEdit *wmeDateFrom = nullptr;   // the period, either bound may stay empty
    TEdit *wmeDateTo = nullptr;
    const crosstab::Description &description() const { return m_description; }
    const QVector<crosstab::Bucket> &buckets() const { return m_buckets; }
    // The figures shown: row labels, counts per row and bucket, and the footer's counts.
    QStringList rowLabels() const;
    QVector<QVector<qlonglong>> counts() const;
    QVector<qlonglong> columnTotals() const { return m_columnTotals; }
    qlonglong periodTotal() const { return m_total; }

protected:
    reportsql::Statement statement() override;
    void afterSearch() override;
    TfrmZZP010 *createLayout() override;
    // After every search, with the figures in place (a chart beside the grid).
    virtual void figuresShown() {}
    // A picture printed after the table (a chart of the same figures); none by default.
    virtual QImage printedPicture() const { return {}; }

private:
    crosstab::Description m_description;
    QVector<crosstab::Bucket> m_buckets;
    QVector<qlonglong> m_columnTotals;
    qlonglong m_total = 0;
    QStringList m_footerTexts;
};
