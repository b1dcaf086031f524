#include "ecs140.h"
#include "reportparts.h"
#include "framework/fieldlookups.h"
#include "framework/sqltext.h"
#include "core/utils.h"
#include "widgets/inputs.h"

using reportsql::Statement;
using namespace schoolreports;

TfrmECS140::TfrmECS140(QWidget *parent)
    : TfrmSchoolReport({"ECS140", QStringLiteral("사설강습 현황 조회,출력"), QStringLiteral("사설강습 현황"),
                        {{"SEQ_NO", "순번", 40, true}, {"LECTURE_ITEM_GUBUN", "강습종목", 80},
                         {"LECTURER_NAME", "강사명", 80}, {"TEL_NO", "연락처", 100}, {"ISSUE_NO", "자격증번호", 100},
                         {"LECTURE_REC_GUBUN", "강습접수", 80}, {"LECTURE_DETAIL_GUBUN", "강습세부", 80},
                         {"LECTURE_AMT", "금액", 90, true}, {"REMARK", "비고", 160}}},
                       parent)
{
    setConditions({Condition("LECTURE_DATE", QStringLiteral("*강습일자"), BIND(dtpDate))});
}

Statement TfrmECS140::statement()
{
    Statement s;
    s.sql = QStringList{
        "SELECT SEQ_NO,",
        "       " + codeLabels({"LECTURE_ITEM_GUBUN"}) + ",",
        "       LECTURER_NAME,",
        "       TEL_NO,",
        "       ISSUE_NO,",
        "       " + codeLabels({"LECTURE_REC_GUBUN", "LECTURE_DETAIL_GUBUN"}) + ",",
        "       TO_CHAR(LECTURE_AMT,'FM9,999,999,999') AS LECTURE_AMT,",
        "       REMARK",
        "  FROM EC060MS",
        " WHERE LECTURE_DATE = :LECTURE_DATE",
        " ORDER BY SEQ_NO"}.join(QLatin1Char('\n'));
    s.binds = kCodeGroups;
    return s;
}
