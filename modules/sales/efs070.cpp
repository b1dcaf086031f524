#include "efs070.h"
#include "salesviewer.h"
#include "efh030.h"
#include "efr040.h"
#include "efr041.h"
#include "core/messages.h"
#include "database/datamodule.h"
#include "framework/dialogs/lookupdialogs.h"
#include "framework/reportviewer.h"
#include "framework/fieldlookups.h"
#include "framework/sqltext.h"
#include "widgets/inputs.h"
#include <QCheckBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

TfrmEFS070::TfrmEFS070(QWidget *parent) : TfrmSalesScreen(parent)
{
    setObjectName("frmEFS070");
    setWindowTitle(QStringLiteral("영업장 할인율 권종별 매출 집계"));
    addUpjang(QStringLiteral("5003"));
    addPeriod();
    newConditionRow();
    cboMemGubun = addCodeCombo("cboMemGubun", QStringLiteral("고객구분 :"), QString());
    cboMemGubun->setItems({QString(), QStringLiteral("회원"), QStringLiteral("단체"), QStringLiteral("일반")},
                          {QString(), QStringLiteral("회원"), QStringLiteral("단체"), QStringLiteral("일반")});
    cboTicket = addCodeCombo("cboTicket", QStringLiteral("권종구분 :"), QString());
    QStringList tickets{QString()};
    QVector<QStringList> rows;
    QString error;
    if (!db::Query::run(DM()->dbsDB,
                        QStringLiteral("SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = 'I0005' AND ITEM9 = 'Y' ORDER BY DETAIL"), {},
                        &rows, nullptr, &error))
        ShowError(QStringLiteral("에러내용:\r") + error);
    for (const QStringList &r : rows)
        tickets << r.value(0);
    cboTicket->setItems(tickets, tickets);
    cboDcRate = addCodeCombo("cboDcRate", QStringLiteral("DC율 :"), QString());
    readDcRates();
    connect(dtpFromDate, &QDateEdit::dateChanged, this, &TfrmEFS070::readDcRates);
    connect(dtpToDate, &QDateEdit::dateChanged, this, &TfrmEFS070::readDcRates);

    rgrGrid->addColumn("MEM_GUBUN1", QStringLiteral("고객구분"), 60, Qt::AlignCenter);
    rgrGrid->addColumn("MEM_GUBUN2", QStringLiteral("고객세부구분"), 80, Qt::AlignCenter);
    rgrGrid->addColumn("TICKET", QStringLiteral("권종"), 100);
    rgrGrid->addColumn("SALE_DATE", QStringLiteral("매출일자"), 75, Qt::AlignCenter);
    rgrGrid->addColumn("UPJANG_NAME", QStringLiteral("영업장명"), 100);
    rgrGrid->addColumn("POS_NO", QStringLiteral("POS_NO"), 55, Qt::AlignCenter);
    rgrGrid->addColumn("BILL_NO", QStringLiteral("BILL_NO"), 60, Qt::AlignCenter);
    rgrGrid->addColumn("DAESO_CODE", QStringLiteral("대소구분"), 55, Qt::AlignCenter);
    rgrGrid->addColumn("UNIT_AMT", QStringLiteral("단가"), 70, Qt::AlignRight);
    rgrGrid->addColumn("DC_RATE", QStringLiteral("DC율"), 45, Qt::AlignRight);
    rgrGrid->addColumn("QTY", QStringLiteral("수량"), 45, Qt::AlignRight);
    rgrGrid->addColumn("AMT", QStringLiteral("판매금액"), 80, Qt::AlignRight);
    rgrGrid->addColumn("MEMBER_NO", QStringLiteral("고객우대번호"), 100);
    rgrGrid->addColumn("MEMBER_NAME", QStringLiteral("고객우대번호명"), 100);
    rgrGrid->applyColumns();
}

void TfrmEFS070::readDcRates()
{
    QVector<QStringList> rows;
    QString error;
    QStringList rates{QString()};
    if (!db::Query::run(DM()->dbsDB,
                        QStringLiteral("SELECT DC_RATE FROM IA010MS WHERE UPJANG_CODE = :UPJANG_CODE "
                                       "AND SALE_DATE BETWEEN :FROM_DATE AND :TO_DATE GROUP BY DC_RATE ORDER BY DC_RATE"),
                        {{"UPJANG_CODE", edt_Upjang_No->text().trimmed()}, {"FROM_DATE", FFromDate}, {"TO_DATE", FToDate}},
                        &rows, nullptr, &error)) {
        ShowError(QStringLiteral("에러내용:\r") + error);
    }
    for (const QStringList &r : rows)
        rates << r.value(0);
    cboDcRate->setItems(rates, rates);
    cboDcRate->setCurrentIndex(0);
}

void TfrmEFS070::search()
{
    QString sql = QStringLiteral(
        "SELECT * FROM (SELECT "
        "CASE SUBSTR(I.ACCEPT_MEMBER_NO, 1, 2) WHEN '00' THEN '회원' WHEN '41' THEN '단체' WHEN '25' THEN '연합회' ELSE '일반' END AS MEM_GUBUN1, "
        "CASE WHEN SUBSTR(I.ACCEPT_MEMBER_NO, 1, 1) = '6' THEN '시즌권' "
        "     WHEN SUBSTR(I.ACCEPT_MEMBER_NO, 1, 1) IN ('5', '7') THEN '쿠폰외' "
        "     WHEN SUBSTR(I.ACCEPT_MEMBER_NO, 1, 2) = '00' THEN '회원' "
        "     WHEN SUBSTR(I.ACCEPT_MEMBER_NO, 1, 2) = '25' THEN '연합회' "
        "     WHEN SUBSTR(I.ACCEPT_MEMBER_NO, 1, 2) = '41' THEN "
        "          CASE WHEN (SELECT F.MARKET_CODE FROM FA010MS F WHERE F.EVENT_NO = I.ACCEPT_MEMBER_NO) = '024' THEN '캠프' ELSE '기타' END "
        "     WHEN I.ACCEPT_MEMBER_NO IS NULL THEN '기타' "
        "     ELSE (SELECT CASE B.BIRTH_DAY WHEN 'CARD' THEN '카드' WHEN '직원' THEN '직원할인' ELSE '기타' END "
        "           FROM BA040MS B WHERE B.MEMBER_NO = I.ACCEPT_MEMBER_NO) END AS MEM_GUBUN2, "
        "(SELECT Z.DETAIL_NAME FROM ZX010MS Z WHERE Z.HEAD = 'I0005' AND Z.DETAIL = I.TICKET_KIND) AS TICKET, ")
        + dashedDate("I.SALE_DATE", "SALE_DATE") + ", (SELECT J.UPJANG_NAME FROM JA010MS J WHERE J.UPJANG_CODE = I.UPJANG_CODE) AS UPJANG_NAME, "
        "I.POS_NO, I.BILL_NO, "
        "CASE (SELECT MAX(M.DAESO_CODE) FROM JB010MS M WHERE M.UPJANG_CODE = I.UPJANG_CODE AND M.MENU_CODE = I.MENU_CODE) "
        "     WHEN '1' THEN '대인' ELSE '소인' END AS DAESO_CODE, "
        + groupedNumber("I.UNIT_AMT", "UNIT_AMT") + ", I.DC_RATE, " + groupedNumber("I.SALE_QTY", "QTY") + ", "
        + groupedNumber("I.SALE_AMT", "AMT") + QStringLiteral(", I.ACCEPT_MEMBER_NO AS MEMBER_NO, "
        "(SELECT B.MEMBER_NAME FROM BB010MS B WHERE B.MEMBER_NO = I.ACCEPT_MEMBER_NO) AS MEMBER_NAME "
        "FROM IA010MS I WHERE I.SALE_DATE BETWEEN :FROM_DATE AND :TO_DATE AND I.UPJANG_CODE = :UPJANG_CODE) X WHERE 1 = 1 ");
    QHash<QString, QVariant> binds{{"FROM_DATE", FFromDate}, {"TO_DATE", FToDate}, {"UPJANG_CODE", edt_Upjang_No->text().trimmed()}};
    if (!cboMemGubun->code().isEmpty()) {
        sql += QStringLiteral("AND X.MEM_GUBUN1 = :MEM_GUBUN ");
        binds.insert("MEM_GUBUN", cboMemGubun->code());
    }
    if (!cboTicket->code().isEmpty()) {
        sql += QStringLiteral("AND X.TICKET = :TICKET ");
        binds.insert("TICKET", cboTicket->code());
    }
    if (!cboDcRate->code().isEmpty()) {
        sql += QStringLiteral("AND X.DC_RATE = TO_NUMBER(:DC_RATE) ");
        binds.insert("DC_RATE", cboDcRate->code());
    }
    qryQuery->setSql(sql);
    for (auto it = binds.cbegin(); it != binds.cend(); ++it)
        qryQuery->bind(it.key(), it.value());
    TfrmSalesScreen::search();
}

TfrmZZP010 *TfrmEFS070::createLayout()
{
    TfrmEFH030::instance()->showReport({FFromDate, FToDate, edt_Upjang_No->text().trimmed()});
    return nullptr;
}
