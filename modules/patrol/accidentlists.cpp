#include "accidentlists.h"
#include "core/utils.h"
#include "framework/ezp000.h"
#include "framework/sqltext.h"
#include "widgets/inputs.h"
#include <QDate>

using reportsql::Statement;

namespace {

QVector<TColumn> listColumns(bool period)
{
    QVector<TColumn> c;
    if (period)
        c.append({"TROB_DATE", "사고일자", 80});
    c += QVector<TColumn>{
        {"TROB_NO", "사고번호", 60, true}, {"TROB_TIME", "사고시간", 60}, {"WEATHER_STAT_GUBUN_NAME", "기상상태", 90},
        {"TEMPERATURE", "기온", 45, true}, {"TP_COURSE_GUBUN_NAME", "코스", 70}, {"TP_LIFT_GUBUN_NAME", "리프트", 80},
        {"IN_NAME", "부상자명", 70}, {"IN_SEX_NAME", "성별", 40}, {"IN_AGE", "나이", 40, true},
        {"IN_ID_NO", "주민등록번호", 110}, {"IN_POSITION_GUBUN_NAME", "부상위치", 70}, {"IN_DETAIL_GUBUN_NAME", "부상부위", 70},
        {"IN_STAT_GUBUN_NAME", "부상상태", 70}, {"IN_CAUSE_GUBUN_NAME", "부상원인", 80}, {"EV_METHOD_GUBUN_NAME", "후송방법", 70},
        {"TE_MEANS_GUBUN_NAME", "2차후송수단", 80}, {"TE_OBJECT_GUBUN_NAME", "2차후송목적지", 90}};
    return c;
}

// EEP020: the listed columns on landscape pages and the number of accidents under them.
class TfrmEEP020 : public TfrmReportLayout {
public:
    TfrmEEP020(const QVector<TColumn> &columns, int count)
        : TfrmReportLayout(QStringLiteral("EEP020"), QStringLiteral("일일 사고현황"), columns, false), m_count(count)
    {
    }
    int conditionLineCount() const override { return 2; }

protected:
    void design() override
    {
        TfrmReportLayout::design();
        addSummaryText(QStringLiteral("건수: %1").arg(m_count), 0, 3, Qt::AlignLeft | Qt::AlignVCenter);
    }

private:
    int m_count;
};

} // namespace

TfrmAccidentList::TfrmAccidentList(const QString &programId, bool period, QWidget *parent)
    : TfrmReportList({programId, QStringLiteral("일일 사고현황 조회,출력"), QStringLiteral("일일 사고현황"), listColumns(period)},
                     parent)
{
    const int first = period ? 1 : 0;
    for (int i = first + 4; i <= first + 5; ++i)
        rgrGrid->column(i).group(QStringLiteral("사고장소"));
    for (int i = first + 6; i <= first + 9; ++i)
        rgrGrid->column(i).group(QStringLiteral("부상자"));
    rgrGrid->applyColumns();
}

Statement TfrmAccidentList::listStatement(const QString &where, const QHash<QString, QVariant> &binds) const
{
    Statement s;
    s.binds = binds;
    QStringList items{QStringLiteral("TO_CHAR(TROB_NO, 'FM0000') AS TROB_NO"),
                      QStringLiteral("SUBSTR(TROB_TIME, 1, 2) || ':' || SUBSTR(TROB_TIME, 3, 2) AS TROB_TIME"),
                      s.codeLabel("WEATHER_STAT_GUBUN", "E0029"), QStringLiteral("TEMPERATURE"),
                      s.codeLabel("TP_COURSE_GUBUN", "E0006"), s.codeLabel("TP_LIFT_GUBUN", "E0007"), QStringLiteral("IN_NAME"),
                      s.codeLabel("IN_SEX", "Z0008"), QStringLiteral("IN_AGE"),
                      // the registration number as the display function gives it, its first six digits apart
                      QStringLiteral("SUBSTR(FN_ZA010MS_04(IN_ID_NO), 1, 6) || '-' || SUBSTR(FN_ZA010MS_04(IN_ID_NO), 7) AS IN_ID_NO"),
                      s.codeLabel("IN_POSITION_GUBUN", "E0034"), s.codeLabel("IN_DETAIL_GUBUN", "E0035"),
                      s.codeLabel("IN_STAT_GUBUN", "E0036"), s.codeLabel("IN_CAUSE_GUBUN", "E0037"),
                      s.codeLabel("EV_METHOD_GUBUN", "E0047"),
                      // the secondary transport means is entered from E0049: it is named from the same group
                      s.codeLabel("TE_MEANS_GUBUN", "E0049"), s.codeLabel("TE_OBJECT_GUBUN", "E0050")};
    if (m_report.columns.first().field == QByteArray("TROB_DATE"))
        items.prepend(dashedDate(QStringLiteral("TROB_DATE"), QStringLiteral("TROB_DATE")));
    s.sql = QStringLiteral("SELECT ") + items.join(QStringLiteral(", ")) + QStringLiteral(" FROM EE010MS WHERE ") + where;
    if (reportsql::isChosen(cboPeak->code())) {
        s.sql += QStringLiteral(" AND PEAK_GUBUN = :PEAK_GUBUN");
        s.binds.insert(QStringLiteral("PEAK_GUBUN"), cboPeak->code());
    }
    s.sql += QStringLiteral(" ORDER BY EE010MS.TROB_DATE, EE010MS.TROB_NO");
    return s;
}

TfrmZZP010 *TfrmAccidentList::createLayout()
{
    return new TfrmEEP020(m_report.columns, cdsQuery->rowCount());
}
