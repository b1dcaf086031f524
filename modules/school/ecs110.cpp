#include "ecs110.h"
#include "reportparts.h"
#include "framework/fieldlookups.h"
#include "framework/sqltext.h"
#include "core/utils.h"
#include "widgets/inputs.h"

using reportsql::Statement;
using namespace schoolreports;

TfrmECS110::TfrmECS110(QWidget *parent)
    : TfrmSchoolReport({"ECS110", QStringLiteral("강사배정 현황 조회,출력"), QStringLiteral("강사배정 현황"),
                        {{"LECTURER_EMP_NO", "강사사번", 80}, {"LECTURER_NAME", "강사명", 80}, {"TEAM_NAME", "조", 70},
                         {"LECTURER_GUBUN_NAME", "강사구분", 80}, {"AREA_GUBUN", "강습지역", 80},
                         {"LECTURE_DETAIL_GUBUN", "강습세부", 80}, {"LECTURE_ITEM_GUBUN", "강습종목", 80},
                         {"LECTURE_REC_GUBUN", "강습접수", 80}, {"LECTURE_CNT", "강습인원", 60, true},
                         {"REMARK", "비고", 160}}},
                       parent)
{
    setConditions({Condition("LECTURE_DATE", QStringLiteral("*배정일자"), BIND(dtpDate))});
}

Statement TfrmECS110::statement()
{
    Statement s;
    s.sql = QStringList{
        "SELECT LECTURER_EMP_NO,",
        "       LECTURER_NAME,",
        "       " + personnelLabel("GC_TEAM_CODE", "TEAM", "TEAM_NAME") + ",",
        "       " + personnelLabel("GC_LECTURER_GUBUN", "LECTURER_GUBUN", "LECTURER_GUBUN_NAME") + ",",
        "       " + codeLabels({"AREA_GUBUN", "LECTURE_DETAIL_GUBUN", "LECTURE_ITEM_GUBUN", "LECTURE_REC_GUBUN"}) + ",",
        "       LECTURE_CNT,",
        "       REMARK",
        "  FROM EC030MS",
        " WHERE LECTURE_DATE = :LECTURE_DATE",
        " ORDER BY LECTURER_EMP_NO, AREA_GUBUN, LECTURE_DETAIL_GUBUN"}.join(QLatin1Char('\n'));
    s.binds = kCodeGroups;
    return s;
}
