#include "eds050.h"
#include "framework/rowdetail.h"
#include "framework/sqltext.h"
#include "widgets/inputs.h"
#include <QFormLayout>

using reportsql::Statement;

namespace {
const QString kEveryone = QStringLiteral("[ 전 체 ]");
const QString kByReceipt = QStringLiteral("접수번호");
const QString kByName = QStringLiteral("참가자명");
const QString kByDate = QStringLiteral("신청일");
} // namespace

TfrmEDS050::TfrmEDS050(QWidget *parent)
    : TfrmContestReport({"EDS050", QStringLiteral("뱃지테스트 참가자 현황 조회,출력"),
                         QStringLiteral("뱃지테스트 참가자 현황"),
                         {{"RECV_NO", "접수번호", 60, true}, {"APPLY_DATE", "신청일", 80}, {"ENTRY_NAME_KOR", "참가자명", 80},
                          {"ID_NO", "주민등록번호", 110}, {"SKI_SKILL", "스키경력", 100}, {"MOBILE_NO", "핸드폰", 100},
                          {"APPLY_CLASS", "신청급수", 80}, {"APPLY_AMT", "참가비", 70, true}}},
                        parent)
{
    setConditions({
        SeasonCondition(),
        PageChoice(BIND(cboCondition), {kEveryone, kByReceipt, kByName, kByDate}).newLine(),
        Range(Condition("RECV_NO", kByReceipt, BIND(edtRecvNoFrom)).digits(6), BIND(edtRecvNoTo))
            .shownFor(kByReceipt).printedBare().newLine(),
        TReportCondition(Condition("ENTRY_NAME_KOR", kByName, BIND(edtEntryNameKor)).bytes(30))
            .shownFor(kByName).printedBare().newLine(),
        Range(Condition("APPLY_DATE", kByDate, BIND(wmeApplyDateFrom)).date(), BIND(wmeApplyDateTo))
            .shownFor(kByDate).printedBare().newLine(),
    });

    // below the grid, the current applicant's other fields
    detail = new TRowDetail(rgrGrid);
    detail->addField(detail->addGroup("grbEmail", QString()), "EMAIL", QStringLiteral("E-MAIL"));
    for (const QString place : {QStringLiteral("HOME"), QStringLiteral("OFFICE")}) {
        const bool home = place == QLatin1String("HOME");
        QFormLayout *box = home ? detail->addGroup("grbHome", QStringLiteral("자택정보"))
                                : detail->addGroup("grbOffice", QStringLiteral("직장정보"));
        detail->addField(box, place + "_TEL_NO", QStringLiteral("전화번호"));
        detail->addField(box, place + "_FAX_NO", QStringLiteral("FAX번호"));
        detail->addField(box, place + "_ZIP_CODE", QStringLiteral("주소"));
        detail->addField(box, place + "_ADDR1", QString());
        detail->addField(box, place + "_ADDR2", QString());
        if (home) {
            QFormLayout *names = detail->addGroup("grbEntryName", QStringLiteral("참가자명"));
            detail->addField(names, "ENTRY_NAME_CHI", QStringLiteral("한문"));
            detail->addField(names, "ENTRY_NAME_ENG", QStringLiteral("영문"));
        }
    }
    placeBelowGrid(detail->panel());
}

Statement TfrmEDS050::statement()
{
    Statement s;
    QStringList sql{
        "SELECT RECV_NO,",
        "       " + dashedDate("APPLY_DATE", "APPLY_DATE") + ",",
        "       ENTRY_NAME_KOR,",
        "       ENTRY_NAME_CHI,",
        "       ENTRY_NAME_ENG,",
        // personal data in a list: the registration number in its display form, with its dash
        "       " + maskedIdNo("ID_NO") + ",",
        "       SKI_SKILL,",
        "       " + dashedZip("HOME_ZIP_CODE") + ",",
        "       HOME_ADDR1,",
        "       HOME_ADDR2,",
        "       HOME_TEL_NO,",
        "       HOME_FAX_NO,",
        "       " + dashedZip("OFFICE_ZIP_CODE") + ",",
        "       OFFICE_ADDR1,",
        "       OFFICE_ADDR2,",
        "       OFFICE_TEL_NO,",
        "       OFFICE_FAX_NO,",
        "       MOBILE_NO,",
        "       EMAIL,",
        "       " + codeLabel("GC_APPLY_CLASS_CODE", "APPLY_CLASS", "APPLY_CLASS") + ",",
        "       TO_CHAR(APPLY_AMT,'FM9,999,999,999') AS APPLY_AMT",
        "  FROM ED020MS",
        " WHERE SEASON_GUBUN = :SEASON_GUBUN"};
    s.binds = {{"GC_APPLY_CLASS_CODE", QStringLiteral("E0026")}};
    const QString choice = cboCondition->currentText();
    if (choice == kByReceipt) {
        sql << "   AND RECV_NO BETWEEN NVL(CAST(:RECV_NO_FROM AS INTEGER),0) AND NVL(CAST(:RECV_NO_TO AS INTEGER),999999)";
    } else if (choice == kByName) {
        sql << "   AND ENTRY_NAME_KOR LIKE :ENTRY_NAME_KOR";
        s.binds.insert("ENTRY_NAME_KOR", QStringLiteral("%") + edtEntryNameKor->text() + QStringLiteral("%"));
    } else if (choice == kByDate) {
        sql << "   AND " + reportsql::period("APPLY_DATE", "APPLY_DATE_FROM", "APPLY_DATE_TO");
    }
    sql << " ORDER BY ED020MS.RECV_NO";
    s.sql = sql.join(QLatin1Char('\n'));
    return s;
}
