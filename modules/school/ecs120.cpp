#include "ecs120.h"
#include "reportparts.h"
#include "core/messages.h"
#include "framework/sqltext.h"
#include "widgets/inputs.h"

using reportsql::Statement;
using namespace schoolreports;

namespace {

const QString kPeriodCaption = QStringLiteral("*출역일자");

QString inPeriod() { return reportsql::period("LECTURE_DATE", "LECTURE_DATE_FROM", "LECTURE_DATE_TO"); }

} // namespace

TfrmECS120::TfrmECS120(QWidget *parent)
    : TfrmReportList({"ECS120", QStringLiteral("기간별 강사출역현황 조회,출력"), QStringLiteral("기간별 강사출역현황"),
                      {{"DIS_LECTURER_EMP_NO", "강사사번", 80}, {"LECTURER_NAME", "강사명", 80}, {"TEAM_NAME", "조", 70},
                       {"LECTURER_GUBUN_NAME", "강사구분", 80}, {"AREA_GUBUN_NAME", "강습지역", 110},
                       {"LECTURE_DETAIL_GUBUN_NAME", "강습세부", 80}, {"LECTURE_ITEM_GUBUN_NAME", "강습종목", 80},
                       {"LECTURE_REC_GUBUN_NAME", "강습접수", 80}}},
                     parent)
{
    setConditions({Range(Condition("LECTURE_DATE", kPeriodCaption, BIND(wmeDateFrom)).date(), BIND(wmeDateTo))});
    showTotal(QStringLiteral("합  계"));
    // a subtotal row shows no instructor number
    highlightRows([this](int row) { return cdsQuery->textView(row, 0).trimmed().isEmpty(); });
}

Statement TfrmECS120::statement()
{
    Statement s;
    // the subtotal row of an instructor sorts after the assignments: its blank number is the lowest
    s.sql = QStringList{
        "SELECT LECTURER_EMP_NO,",
        "       LECTURER_NAME,",
        "       TEAM_NAME,",
        "       LECTURER_GUBUN_NAME,",
        "       AREA_GUBUN_NAME,",
        "       LECTURE_DETAIL_GUBUN_NAME,",
        "       LECTURE_ITEM_GUBUN_NAME,",
        "       LECTURE_REC_GUBUN_NAME,",
        "       DECODE(LECTURE_ITEM_GUBUN_NAME, '소계',  ' ', LECTURER_EMP_NO) AS DIS_LECTURER_EMP_NO",
        "  FROM (SELECT LECTURER_EMP_NO,",
        "               LECTURER_NAME,",
        "               " + personnelLabel("GC_TEAM_CODE", "TEAM", "TEAM_NAME") + ",",
        "               " + personnelLabel("GC_LECTURER_GUBUN", "LECTURER_GUBUN", "LECTURER_GUBUN_NAME") + ",",
        "               " + codeLabels({"AREA_GUBUN", "LECTURE_DETAIL_GUBUN", "LECTURE_ITEM_GUBUN", "LECTURE_REC_GUBUN"}, "", "_NAME") + ",",
        "               LECTURE_DATE, AREA_GUBUN, LECTURE_DETAIL_GUBUN",
        "          FROM EC030MS",
        "         WHERE " + inPeriod(),
        "        UNION  ALL",
        "        SELECT LECTURER_EMP_NO,",
        "               ' ',",
        "               NULL, NULL, NULL, NULL,",
        "               '소계',",
        "               CAST(COUNT(LECTURER_EMP_NO) AS VARCHAR(10)),",
        "               NULL, NULL, NULL",
        "          FROM EC030MS",
        "         WHERE " + inPeriod(),
        "         GROUP BY LECTURER_EMP_NO) T",
        " ORDER BY LECTURER_EMP_NO, DIS_LECTURER_EMP_NO DESC, LECTURE_DATE, AREA_GUBUN, LECTURE_DETAIL_GUBUN"}
                .join(QLatin1Char('\n'));
    s.binds = kCodeGroups;
    return s;
}

Statement TfrmECS120::totalStatement()
{
    return {"SELECT COUNT(LECTURER_EMP_NO) AS TOT_COUNT FROM EC030MS WHERE " + inPeriod()};
}
