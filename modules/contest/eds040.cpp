#include "eds040.h"
#include "framework/fieldlookups.h"
#include "framework/rowdetail.h"
#include "framework/sqltext.h"
#include "widgets/inputs.h"
#include <QFormLayout>

using reportsql::Statement;

TfrmEDS040::TfrmEDS040(QWidget *parent)
    : TfrmContestReport({"EDS040", QStringLiteral("스키대회 현황 조회,출력"), QStringLiteral("스키대회 현황"),
                         {{"SEQ_NO", "순번", 40, true}, {"GAME_NAME", "대회명", 160}, {"SOCIETY_NAME", "협회", 100},
                          {"SOCIETY_REP", "대표자", 60}, {"TEL_NO", "연락처", 90}, {"GAME_CONTENT", "대회내용", 140},
                          {"GAME_SCALE", "대회규모", 100}, {"SLOPE", "슬로프", 60},
                          {"SLOPE_AMT", "슬로프사용료", 80, true}, {"PROBLEM", "문제점", 100}, {"REMARK", "비고", 80}}},
                        parent)
{
    setConditions({Condition("GAME_DATE", QStringLiteral("*대회일자"), BIND(dtpDate))});
}

Statement TfrmEDS040::statement()
{
    Statement s;
    s.sql = QStringLiteral("SELECT SEQ_NO, GAME_NAME, SOCIETY_NAME, SOCIETY_REP, TEL_NO, GAME_CONTENT, GAME_SCALE, ")
        + codeLabel("GC_SLOPE_CODE", "SLOPE", "SLOPE")
        + QStringLiteral(", TO_CHAR(SLOPE_AMT,'FM9,999,999,999') AS SLOPE_AMT, PROBLEM, REMARK "
                         "FROM ED010MS WHERE GAME_DATE = :GAME_DATE ORDER BY ED010MS.SEQ_NO");
    s.binds = {{"GC_SLOPE_CODE", QStringLiteral("E0006")}};
    return s;
}
