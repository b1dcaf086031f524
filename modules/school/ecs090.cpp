#include "ecs090.h"
#include "reportparts.h"
#include "framework/fieldlookups.h"
#include "framework/sqltext.h"
#include "core/utils.h"
#include "widgets/inputs.h"

using reportsql::Statement;
using namespace schoolreports;

TfrmECS090::TfrmECS090(QWidget *parent)
    : TfrmSchoolReport({"ECS090", QStringLiteral("스키클럽 수강현황 조회,출력"), QStringLiteral("스키클럽 수강현황"),
                        {{"LECTURE_NO", "수강번호", 70}, {"MEMBER_NO", "회원번호", 70}, {"TRAINER_NAME", "수강자명", 70},
                         {"ENTER_DATE", "등록일자", 80}, {"SEX", "성별", 40}, {"AGE", "나이", 40, true},
                         {"ID_NO", "주민등록번호", 110}, {"TEL_NO", "연락처(자택)", 90},
                         {"MOBILE_NO", "연락처(핸드폰)", 100}, {"EMAIL", "E-MAIL", 120},
                         {"LECTURE_ITEM_GUBUN", "강습종목", 70}, {"LECTURE_REC_GUBUN", "강습접수", 70},
                         {"LECTURER_EMP_NO", "담당강사사번", 80}, {"LECTURER_NAME", "담당강사명", 70}}},
                       parent)
{
    setConditions({
        SeasonCondition(),
        Range(Condition("LECTURE_NO", QStringLiteral("수강번호"), BIND(edtLectureNoFrom)).digits(8), BIND(edtLectureNoTo)).newLine(),
    });
}

Statement TfrmECS090::statement()
{
    Statement s;
    s.sql = QStringList{
        "SELECT TO_CHAR(LECTURE_NO, 'FM00000000') AS LECTURE_NO,",
        "       MEMBER_NO,",
        "       TRAINER_NAME,",
        "       " + dashedDate("ENTER_DATE", "ENTER_DATE") + ",",
        "       " + codeLabels({"SEX"}) + ",",
        "       AGE,",
        "       " + maskedIdNo("ID_NO") + ",",
        "       TEL_NO,",
        "       MOBILE_NO,",
        "       EMAIL,",
        "       " + codeLabels({"LECTURE_ITEM_GUBUN", "LECTURE_REC_GUBUN"}) + ",",
        "       LECTURER_EMP_NO,",
        "       LECTURER_NAME",
        "  FROM EC010MS",
        " WHERE SEASON_GUBUN = :SEASON_GUBUN",
        "   AND LECTURE_NO BETWEEN NVL(CAST(:LECTURE_NO_FROM AS INTEGER),0) AND NVL(CAST(:LECTURE_NO_TO AS INTEGER),99999999)",
        " ORDER BY LECTURE_NO"}.join(QLatin1Char('\n'));
    s.binds = kCodeGroups;
    return s;
}
