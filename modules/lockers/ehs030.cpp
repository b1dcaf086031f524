#include "ehs030.h"
#include "lockercodes.h"
#include "widgets/inputs.h"

TfrmEHS030::TfrmEHS030(QWidget *parent)
    : TfrmReportList({"EHS030", QStringLiteral("시즌락카 판매 현황"), QStringLiteral("시즌락카 판매 현황"),
                      {{"SEASON_YEAR", "시즌년도", 50}, {"LOCATION", "위치", 40}, {"AREA_ZONE", "장소", 40},
                       {"LOCKER_TYPE", "락카TYPE", 45}, {"LOCKER_NO", "락카번호", 45}, {"SALE_DATE", "판매일자", 60},
                       {"M_ID", "고객ID", 60}, {"M_NAME", "성명", 55}, {"M_IDNO", "주민번호", 80},
                       {"M_TOPHONE", "연락처", 75}, {"PAY_CODE", "결재방법", 45}, {"SALE_AMT", "판매금액", 60, true},
                       {"DC_REMARKS", "할인종류", 55}, {"IPGUM_AMT", "입금금액", 60, true}, {"IPGUM_YN", "입금여부", 40},
                       {"ASSURANCE_AMT", "보증금", 50, true}, {"KEY_RECEIPT_DATE", "키수령일자", 60},
                       {"KEY_RESTORE_DATE", "키반환일자", 60}, {"USE_YN", "사용여부", 40}, {"APPROVAL_NO", "승인번호", 55}}},
                     parent)
{
    setConditions({
        Condition("SEASON_YEAR", QStringLiteral("시즌년도"), BIND(edt_SeasonYear)).bytes(4),
        Condition("LOCATION", QStringLiteral("위치"), BIND(wcbLocation)),
        Condition("AREA_ZONE", QStringLiteral("구역"), BIND(wcbAreaZone)),
        Condition("LOCKER_TYPE", QStringLiteral("TYPE"), BIND(wcbLockerType)),
        Condition("SALE_YN", QStringLiteral("판매여부"), BIND(wcb_SaleYN)),
    });
    edt_SeasonYear->setText(QStringLiteral("2010"));   // a fixed first text, not the current year
    FillLockerLocations(wcbLocation);
    FillLockerCodes(wcbAreaZone, QStringLiteral("E0055"));
    FillLockerCodes(wcbLockerType, QStringLiteral("E0056"));
    FillSaleStates(wcb_SaleYN);
}

reportsql::Statement TfrmEHS030::statement()
{
    reportsql::Statement s;
    s.sql = QStringLiteral(
        "SELECT SEASON_YEAR, LOCATION, AREA_ZONE, LOCKER_TYPE, LOCKER_NO, SALE_DATE, M_ID, M_NAME, "
        "FN_ZA010MS_04(M_IDNO) AS M_IDNO, FN_ZA010MS_04(M_TOPHONE) AS M_TOPHONE, PAY_CODE, SALE_AMT, DC_REMARKS, "
        "IPGUM_AMT, IPGUM_YN, ASSURANCE_AMT, KEY_RECEIPT_DATE, KEY_RESTORE_DATE, USE_YN, APPROVAL_NO "
        "FROM EH020MS WHERE SEASON_YEAR = :SEASON_YEAR ");
    s.binds.insert("SEASON_YEAR", edt_SeasonYear->text().trimmed());
    for (const auto &[combo, field] : {std::pair{wcbLocation, "LOCATION"}, {wcbAreaZone, "AREA_ZONE"}, {wcbLockerType, "LOCKER_TYPE"}})
        if (combo->currentIndex() > 0) {
            s.sql += QStringLiteral("  AND %1 = :%1 ").arg(QLatin1String(field));
            s.binds.insert(QLatin1String(field), combo->code());
        }
    if (wcb_SaleYN->currentIndex() > 0) {
        s.sql += QStringLiteral("   AND USE_YN   = :SALE_YN ");
        s.binds.insert("SALE_YN", wcb_SaleYN->code());
    }
    s.sql += QStringLiteral("ORDER BY TO_NUMBER(LOCKER_NO)");
    return s;
}
