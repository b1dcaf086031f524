#include "reports.h"
#include "reportparts.h"
#include "schoolfields.h"
#include "framework/fieldlookups.h"
#include "framework/sqltext.h"
#include "core/utils.h"
#include "widgets/inputs.h"

using reportsql::Statement;
using namespace schoolreports;

namespace {

const QString kEveryone = QStringLiteral("[ 전 체 ]");
const QString kByDate = QStringLiteral("접수일자");
const QString kByReceipt = QStringLiteral("접수번호");

} // namespace

TfrmSchoolReport::TfrmSchoolReport(const TReportDefinition &report, QWidget *parent) : TfrmReportList(report, parent)
{
    countLines();
}

// ---- ECS090

bool TfrmECS090::validate()
{
    return checkSeason() && checkNumbers(edtLectureNoFrom, edtLectureNoTo, QStringLiteral("수강번호"));
}

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
    addSeason();
    edtLectureNoFrom = addNumberBound("edtLectureNoFrom", QStringLiteral("수강번호"), 8);
    edtLectureNoTo = addNumberBound("edtLectureNoTo", QStringLiteral("∼"), 8);
    season->setNext(edtLectureNoFrom);
}

Statement TfrmECS090::statement()
{
    Statement s;
    s.sql = QStringList{
        "SELECT TO_CHAR(LECTURE_NO, 'FM00000000') AS LECTURE_NO,",
        "       MEMBER_NO,",
        "       TRAINER_NAME,",
        "       " + dashedDate("ENTER_DATE", "ENTER_DATE") + ",",
        "       " + codeLabel("GC_SEX_CODE", "SEX", "SEX") + ",",
        "       AGE,",
        "       " + maskedIdNo("ID_NO") + ",",
        "       TEL_NO,",
        "       MOBILE_NO,",
        "       EMAIL,",
        "       " + codeLabel("GC_LECTURE_ITEM_CODE", "LECTURE_ITEM_GUBUN", "LECTURE_ITEM_GUBUN") + ",",
        "       " + codeLabel("GC_LECTURE_REC_CODE", "LECTURE_REC_GUBUN", "LECTURE_REC_GUBUN") + ",",
        "       LECTURER_EMP_NO,",
        "       LECTURER_NAME",
        "  FROM EC010MS",
        " WHERE SEASON_GUBUN = :SEASON_GUBUN",
        "   AND LECTURE_NO BETWEEN NVL(CAST(:LECTURE_NO_FROM AS INTEGER),0) AND NVL(CAST(:LECTURE_NO_TO AS INTEGER),99999999)",
        " ORDER BY LECTURE_NO"}.join(QLatin1Char('\n'));
    s.binds = kCodeGroups;
    s.binds.insert("SEASON_GUBUN", season->code());
    s.binds.insert("LECTURE_NO_FROM", edtLectureNoFrom->text());
    s.binds.insert("LECTURE_NO_TO", edtLectureNoTo->text());
    return s;
}

QStringList TfrmECS090::conditionLines()
{
    return {seasonPair(),
            QStringLiteral("수강번호: ") + reportsql::boundsLine(edtLectureNoFrom->text(), edtLectureNoTo->text())};
}

// ---- ECS100

TfrmECS100::TfrmECS100(QWidget *parent)
    : TfrmSchoolReport({"ECS100", QStringLiteral("스키학교 수강생 현황 조회,출력"), QStringLiteral("스키학교 수강생현황"),
                        {{"RECEIPT_NO", "접수번호", 90, false, "RECEIPT_NO"}, {"ENTER_DATE", "접수일자", 80, false, "RECEIPT_NO"},
                         {"RECEIPT_NAME", "접수자명", 80, false, "RECEIPT_NO"},
                         {"RECEIPT_SEQ", "순번", 40, true}, {"MEMBER_NO", "회원번호", 70}, {"TRAINER_NAME", "수강자명", 70},
                         {"SEX", "성별", 40}, {"AGE", "나이", 40, true}, {"ID_NO", "주민등록번호", 110},
                         {"TEL_NO", "연락처(자택)", 90}, {"MOBILE_NO", "연락처(핸드폰)", 100},
                         {"LECTURE_ITEM_GUBUN", "강습종목", 70}, {"LECTURE_REC_GUBUN", "강습접수", 70},
                         {"LECTURE_DETAIL_GUBUN", "강습세부", 70}, {"LECTURER_EMP_NO", "담당강사사번", 80},
                         {"LECTURER_NAME", "담당강사명", 70}}},
                       parent)
{
    addSeason();
    cboCondition = addConditionPages({kEveryone, kByDate, kByReceipt});
    wmeEnterDateFrom = addDateBound("wmeEnterDateFrom", kByDate);
    wmeEnterDateTo = addDateBound("wmeEnterDateTo", QStringLiteral("∼"));
    edtReceiptNoFrom = addNumberBound("edtReceiptNoFrom", kByReceipt, 10);
    edtReceiptNoTo = addNumberBound("edtReceiptNoTo", QStringLiteral("∼"), 10);
    for (QWidget *w : {wmeEnterDateFrom, wmeEnterDateTo})
        addToPage(kByDate, w);
    for (QWidget *w : {edtReceiptNoFrom, edtReceiptNoTo})
        addToPage(kByReceipt, w);
}

bool TfrmECS100::validate()
{
    if (!checkSeason())
        return false;
    if (cboCondition->currentText() == kByDate)
        return checkDates(wmeEnterDateFrom, wmeEnterDateTo, kByDate);
    if (cboCondition->currentText() == kByReceipt)
        return checkNumbers(edtReceiptNoFrom, edtReceiptNoTo, kByReceipt);
    return true;
}

Statement TfrmECS100::statement()
{
    QStringList sql{
        "SELECT T1.RECEIPT_NO,",
        "       " + dashedDate("T1.ENTER_DATE", "ENTER_DATE") + ",",
        "       T1.RECEIPT_NAME,",
        "       T2.RECEIPT_SEQ,",
        "       T2.MEMBER_NO,",
        "       T2.TRAINER_NAME,",
        "       " + codeLabel("GC_SEX_CODE", "T2.SEX", "SEX") + ",",
        "       T2.AGE,",
        "       " + maskedIdNo("T2.ID_NO") + ",",
        "       T2.TEL_NO,",
        "       T2.MOBILE_NO,",
        "       " + codeLabel("GC_LECTURE_ITEM_CODE", "T2.LECTURE_ITEM_GUBUN", "LECTURE_ITEM_GUBUN") + ",",
        "       " + codeLabel("GC_LECTURE_REC_CODE", "T2.LECTURE_REC_GUBUN", "LECTURE_REC_GUBUN") + ",",
        "       " + codeLabel("GC_LECTURE_DETAIL_CODE", "T2.LECTURE_DETAIL_GUBUN", "LECTURE_DETAIL_GUBUN") + ",",
        "       T2.LECTURER_EMP_NO,",
        "       T2.LECTURER_NAME",
        "  FROM EC020MS T1, EC020DT T2",
        " WHERE T1.SEASON_GUBUN = :SEASON_GUBUN",
        "   AND T2.SEASON_GUBUN = T1.SEASON_GUBUN",
        "   AND T2.RECEIPT_NO = T1.RECEIPT_NO"};
    Statement s;
    s.binds = kCodeGroups;
    s.binds.insert("SEASON_GUBUN", season->code());
    const QString choice = cboCondition->currentText();
    if (choice == kByDate) {
        sql << "   AND " + reportsql::period("T1.ENTER_DATE", "ENTER_DATE_FROM", "ENTER_DATE_TO");
        s.binds.insert("ENTER_DATE_FROM", wmeEnterDateFrom->value());
        s.binds.insert("ENTER_DATE_TO", wmeEnterDateTo->value());
    } else if (choice == kByReceipt) {
        // receipt numbers are stored as ten digits: typed numbers compare in that form
        sql << "   AND T1.RECEIPT_NO BETWEEN NVL(CAST(:RECEIPT_NO_FROM AS VARCHAR(10)),'0000000000') AND NVL(CAST(:RECEIPT_NO_TO AS VARCHAR(10)),'9999999999')";
        auto padded = [](TEdit *e) { return PaddedReceiptNo(e->text()); };
        s.binds.insert("RECEIPT_NO_FROM", padded(edtReceiptNoFrom));
        s.binds.insert("RECEIPT_NO_TO", padded(edtReceiptNoTo));
    }
    // each receipt heads its own trainees
    sql << " ORDER BY T1.RECEIPT_NO, T2.RECEIPT_SEQ";
    s.sql = sql.join(QLatin1Char('\n'));
    return s;
}

QStringList TfrmECS100::conditionLines()
{
    const QString choice = cboCondition->currentText();
    QStringList lines{seasonPair(), QStringLiteral("검색조건: ") + choice};
    if (choice == kByDate)
        lines << reportsql::dateBoundsLine(wmeEnterDateFrom->value(), wmeEnterDateTo->value());
    else if (choice == kByReceipt)
        lines << reportsql::boundsLine(edtReceiptNoFrom->text(), edtReceiptNoTo->text());
    else
        lines << QString();
    return lines;
}

void TfrmECS100::afterSearch()
{
    TfrmSchoolReport::afterSearch();
    rgrGrid->viewport()->update();
}

// ---- ECS130

TfrmECS130::TfrmECS130(QWidget *parent)
    : TfrmSchoolReport({"ECS130", QStringLiteral("직원예약 현황 조회,출력"), QStringLiteral("직원예약 현황"),
                        {{"EMP_NO", "사번", 80}, {"EMP_NAME", "사원명", 80}, {"LECTURE_ITEM_NAME", "강습종목", 90},
                         {"LECTURE_REC_NAME", "강습접수", 90}, {"LECTURE_DETAIL_NAME", "강습세부", 90},
                         {"YAEYAK_CNT", "강습인원", 60, true}, {"REMARK", "비고", 200}}},
                       parent)
{
    dtpDate = addDateEdit("dtpDate", QStringLiteral("*예약일자"));
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
    s.binds.insert("YAEYAK_DATE", dtpDate->dateText());
    return s;
}

QStringList TfrmECS130::conditionLines() { return {conditionLine({dtpDate})}; }

// ---- ECS140

TfrmECS140::TfrmECS140(QWidget *parent)
    : TfrmSchoolReport({"ECS140", QStringLiteral("사설강습 현황 조회,출력"), QStringLiteral("사설강습 현황"),
                        {{"SEQ_NO", "순번", 40, true}, {"LECTURE_ITEM_GUBUN", "강습종목", 80},
                         {"LECTURER_NAME", "강사명", 80}, {"TEL_NO", "연락처", 100}, {"ISSUE_NO", "자격증번호", 100},
                         {"LECTURE_REC_GUBUN", "강습접수", 80}, {"LECTURE_DETAIL_GUBUN", "강습세부", 80},
                         {"LECTURE_AMT", "금액", 90, true}, {"REMARK", "비고", 160}}},
                       parent)
{
    dtpDate = addDateEdit("dtpDate", QStringLiteral("*강습일자"));
}

Statement TfrmECS140::statement()
{
    Statement s;
    s.sql = QStringList{
        "SELECT SEQ_NO,",
        "       " + codeLabel("GC_LECTURE_ITEM_CODE", "LECTURE_ITEM_GUBUN", "LECTURE_ITEM_GUBUN") + ",",
        "       LECTURER_NAME,",
        "       TEL_NO,",
        "       ISSUE_NO,",
        "       " + codeLabel("GC_LECTURE_REC_CODE", "LECTURE_REC_GUBUN", "LECTURE_REC_GUBUN") + ",",
        "       " + codeLabel("GC_LECTURE_DETAIL_CODE", "LECTURE_DETAIL_GUBUN", "LECTURE_DETAIL_GUBUN") + ",",
        "       TO_CHAR(LECTURE_AMT,'FM9,999,999,999') AS LECTURE_AMT,",
        "       REMARK",
        "  FROM EC060MS",
        " WHERE LECTURE_DATE = :LECTURE_DATE",
        " ORDER BY SEQ_NO"}.join(QLatin1Char('\n'));
    s.binds = kCodeGroups;
    s.binds.insert("LECTURE_DATE", dtpDate->dateText());
    return s;
}

QStringList TfrmECS140::conditionLines() { return {conditionLine({dtpDate})}; }

// ---- ECS110

TfrmECS110::TfrmECS110(QWidget *parent)
    : TfrmSchoolReport({"ECS110", QStringLiteral("강사배정 현황 조회,출력"), QStringLiteral("강사배정 현황"),
                        {{"LECTURER_EMP_NO", "강사사번", 80}, {"LECTURER_NAME", "강사명", 80}, {"TEAM_NAME", "조", 70},
                         {"LECTURER_GUBUN_NAME", "강사구분", 80}, {"AREA_GUBUN", "강습지역", 80},
                         {"LECTURE_DETAIL_GUBUN", "강습세부", 80}, {"LECTURE_ITEM_GUBUN", "강습종목", 80},
                         {"LECTURE_REC_GUBUN", "강습접수", 80}, {"LECTURE_CNT", "강습인원", 60, true},
                         {"REMARK", "비고", 160}}},
                       parent)
{
    dtpDate = addDateEdit("dtpDate", QStringLiteral("*배정일자"));
}

Statement TfrmECS110::statement()
{
    Statement s;
    s.sql = QStringList{
        "SELECT LECTURER_EMP_NO,",
        "       LECTURER_NAME,",
        "       " + personnelLabel("GC_TEAM_CODE", "TEAM", "TEAM_NAME") + ",",
        "       " + personnelLabel("GC_LECTURER_GUBUN", "LECTURER_GUBUN", "LECTURER_GUBUN_NAME") + ",",
        "       " + codeLabel("GC_AREA_GUBUN_CODE", "AREA_GUBUN", "AREA_GUBUN") + ",",
        "       " + codeLabel("GC_LECTURE_DETAIL_CODE", "LECTURE_DETAIL_GUBUN", "LECTURE_DETAIL_GUBUN") + ",",
        "       " + codeLabel("GC_LECTURE_ITEM_CODE", "LECTURE_ITEM_GUBUN", "LECTURE_ITEM_GUBUN") + ",",
        "       " + codeLabel("GC_LECTURE_REC_CODE", "LECTURE_REC_GUBUN", "LECTURE_REC_GUBUN") + ",",
        "       LECTURE_CNT,",
        "       REMARK",
        "  FROM EC030MS",
        " WHERE LECTURE_DATE = :LECTURE_DATE",
        " ORDER BY LECTURER_EMP_NO, AREA_GUBUN, LECTURE_DETAIL_GUBUN"}.join(QLatin1Char('\n'));
    s.binds = kCodeGroups;
    s.binds.insert("LECTURE_DATE", dtpDate->dateText());
    return s;
}

QStringList TfrmECS110::conditionLines() { return {conditionLine({dtpDate})}; }
