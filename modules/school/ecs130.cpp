#include "ecs130.h"
#include "reportparts.h"
#include "framework/fieldlookups.h"
#include "framework/sqltext.h"
#include "core/utils.h"
#include "widgets/inputs.h"

using reportsql::Statement;
using namespace schoolreports;

TfrmECS130::TfrmECS130(QWidget *parent)
    : TfrmSchoolReport({"ECS130", QStringLiteral("직원예약 현황 조회,출력"), QStringLiteral("직원예약 현황"),
                        {{"EMP_NO", "사번", 80}, {"EMP_NAME", "사원명", 80}, {"LECTURE_ITEM_NAME", "강습종목", 90},
                         {"LECTURE_REC_NAME", "강습접수", 90}, {"LECTURE_DETAIL_NAME", "강습세부", 90},
                         {"YAEYAK_CNT", "강습인원", 60, true}, {"REMARK", "비고", 200}}},
                       parent)
{
    setConditions({Condition("YAEYAK_DATE", QStringLiteral("*예약일자"), BIND(dtpDate))});
}

Statement TfrmECS130::statement()
{
    Statement s;
    s.sql = QStringList{
        "SELECT TRIM(EMP_NO) AS EMP_NO,",
        "       EMP_NAME,",
        "       " + codeLabel("GC_LECTURE_ITEM_CODE", "LECTURE_ITEM_GUBUN", "LECTURE_ITEM_NAME") + ",",
        "       " + codeLabel("GC_LECTURE_REC_CODE", "LECTURE_REC_GUBUN", "LECTURE_REC_NAME") + ",",
        "       " + codeLabel("GC_LECTURE_DETAIL_CODE", "LECTURE_DETAIL_GUBUN", "LECTURE_DETAIL_NAME") + ",",
        "       YAEYAK_CNT,",
        "       REMARK",
        "  FROM EC050MS",
        " WHERE YAEYAK_DATE = :YAEYAK_DATE",
        " ORDER BY TRIM(EMP_NO), LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN"}.join(QLatin1Char('\n'));
    s.binds = kCodeGroups;
    return s;
}
