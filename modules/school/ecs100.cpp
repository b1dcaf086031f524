#include "ecs100.h"
#include "schoolfields.h"
#include "reportparts.h"
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
    setConditions({
        SeasonCondition(),
        PageChoice(BIND(cboCondition), {kEveryone, kByDate, kByReceipt}).newLine(),
        PrintedLine(QString()).shownFor(kEveryone).newLine(),
        Range(Condition("ENTER_DATE", kByDate, BIND(wmeEnterDateFrom)).date(), BIND(wmeEnterDateTo))
            .shownFor(kByDate).printedBare().newLine(),
        Range(Condition("RECEIPT_NO", kByReceipt, BIND(edtReceiptNoFrom)).digits(10), BIND(edtReceiptNoTo))
            .shownFor(kByReceipt).printedBare().newLine(),
    });
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
        "       " + codeLabels({"SEX"}, "T2.") + ",",
        "       T2.AGE,",
        "       " + maskedIdNo("T2.ID_NO") + ",",
        "       T2.TEL_NO,",
        "       T2.MOBILE_NO,",
        "       " + codeLabels(kLessonCodes, "T2.") + ",",
        "       T2.LECTURER_EMP_NO,",
        "       T2.LECTURER_NAME",
        "  FROM EC020MS T1, EC020DT T2",
        " WHERE T1.SEASON_GUBUN = :SEASON_GUBUN",
        "   AND T2.SEASON_GUBUN = T1.SEASON_GUBUN",
        "   AND T2.RECEIPT_NO = T1.RECEIPT_NO"};
    Statement s;
    s.binds = kCodeGroups;
    const QString choice = cboCondition->currentText();
    if (choice == kByDate) {
        sql << "   AND " + reportsql::period("T1.ENTER_DATE", "ENTER_DATE_FROM", "ENTER_DATE_TO");
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

void TfrmECS100::afterSearch()
{
    TfrmSchoolReport::afterSearch();
    rgrGrid->viewport()->update();
}
