#include "salesscreens.h"
#include "core/messages.h"
#include "database/datamodule.h"
#include "framework/dialogs/lookupdialogs.h"
#include "framework/reportviewer.h"
#include "widgets/inputs.h"
#include <QCheckBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

void openIn(TReportViewer *viewer, const QString &file, const QString &params)
{
    viewer->setAutoAdjust(0);
    viewer->setZoomRatio(90);
    viewer->Open(TReportViewer::location(file), params);
}

} // namespace

// ---- report windows

TfrmSalesViewerWindow::TfrmSalesViewerWindow(const QString &programId, const QString &caption, const QString &reportFile)
    : QWidget(nullptr, Qt::Window), m_file(reportFile)
{
    setObjectName(QStringLiteral("frm") + programId);
    setWindowTitle(caption);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    viewer = new TReportViewer(this);
    viewer->setObjectName(QStringLiteral("viewer"));
    layout->addWidget(viewer);
    setAttribute(Qt::WA_QuitOnClose, false);   // the program ends with its main window
    resize(1000, 720);
}

void TfrmSalesViewerWindow::showReport(const QStringList &values)
{
    FParams = ReportParams(values);
    openIn(viewer, m_file, FParams);
    show();
    raise();
    activateWindow();
}

TfrmEFH030::TfrmEFH030()
    : TfrmSalesViewerWindow("EFH030", QStringLiteral("영업장 할인율 권종별 매출집계"), QStringLiteral("영업장할인율권종별매출집계.mrd")) {}
TfrmEFR040::TfrmEFR040() : TfrmSalesViewerWindow("EFR040", QStringLiteral("메뉴별 매출조회"), QStringLiteral("MENU_UPJANG.mrd")) {}
TfrmEFR041::TfrmEFR041() : TfrmSalesViewerWindow("EFR041", QStringLiteral("POS별 매출조회"), QStringLiteral("POS_UPJANG.mrd")) {}

TfrmEFH030 *TfrmEFH030::instance()
{
    static auto *w = new TfrmEFH030;
    return w;
}
TfrmEFR040 *TfrmEFR040::instance()
{
    static auto *w = new TfrmEFR040;
    return w;
}
TfrmEFR041 *TfrmEFR041::instance()
{
    static auto *w = new TfrmEFR041;
    return w;
}

// ---- shared conditions

TfrmSalesScreen::TfrmSalesScreen(QWidget *parent) : TfrmEZS000(parent) {}

void TfrmSalesScreen::addUpjang(const QString &code)
{
    edt_Upjang_No = addEdit("edt_Upjang_No", QStringLiteral("영업장 :"), 4);
    sbtUpjang = new QToolButton(panSearch);
    sbtUpjang->setObjectName("sbtUpjang");
    sbtUpjang->setText(QStringLiteral("..."));
    sbtUpjang->setFocusPolicy(Qt::NoFocus);
    wlbUpjangName = new QLabel(panSearch);
    wlbUpjangName->setObjectName("wlbUpjangName");
    wlbUpjangName->setMinimumWidth(120);
    addBeside(edt_Upjang_No, sbtUpjang);
    addBeside(edt_Upjang_No, wlbUpjangName);
    connect(sbtUpjang, &QToolButton::clicked, this, &TfrmSalesScreen::upjangLookup);
    connect(edt_Upjang_No, &QLineEdit::textChanged, this, &TfrmSalesScreen::showUpjangName);
    edt_Upjang_No->setText(code);
    showUpjangName();
}

void TfrmSalesScreen::upjangLookup()
{
    QString code, name;
    if (SelectUpjang(QStringLiteral("영업장 선택"), code, name, this)) {
        edt_Upjang_No->setText(code);
        wlbUpjangName->setText(name);
    } else {
        edt_Upjang_No->setFocus();
    }
}

void TfrmSalesScreen::showUpjangName()
{
    const QString code = edt_Upjang_No->text().trimmed();
    wlbUpjangName->setText(code.isEmpty() ? QString()
        : db::Query::scalar(DM()->dbsDB, QStringLiteral("SELECT UPJANG_NAME FROM JA010MS WHERE UPJANG_CODE = :UPJANG_CODE"),
                            {{QStringLiteral("UPJANG_CODE"), code}}));
}

void TfrmSalesScreen::addPeriod(const QString &caption)
{
    dtpFromDate = addDateEdit("dtpFromDate", caption + QStringLiteral(" FROM"));
    dtpToDate = addDateEdit("dtpToDate", QStringLiteral("TO"));
    FFromDate = dtpFromDate->dateText();
    FToDate = dtpToDate->dateText();
    connect(dtpFromDate, &QDateEdit::dateChanged, this, [this] { FFromDate = dtpFromDate->dateText(); });
    connect(dtpToDate, &QDateEdit::dateChanged, this, [this] { FToDate = dtpToDate->dateText(); });
}

void TfrmSalesScreen::addViewer()
{
    viewer = new TReportViewer(splSplitter);
    viewer->setObjectName("viewer");
    splSplitter->insertWidget(0, viewer);
    splSplitter->setStretchFactor(0, 1);
    panGrid->hide();
    for (QWidget *b : {static_cast<QWidget *>(bbtPrint), static_cast<QWidget *>(bbtPreview),
                       static_cast<QWidget *>(bbtExcel), static_cast<QWidget *>(bbtCancel)})
        b->hide();
}

void TfrmSalesScreen::openReport(const QString &file, const QStringList &values)
{
    openIn(viewer, file, ReportParams(values));
}

// ---- EFS040 메뉴/POS별 매출 조회

TfrmEFS040::TfrmEFS040(QWidget *parent) : TfrmSalesScreen(parent)
{
    setObjectName("frmEFS040");
    setWindowTitle(QStringLiteral("메뉴/POS별 매출 조회"));
    addUpjang(QStringLiteral("5001"));
    addPeriod();
    bbtMenu = new QPushButton(QStringLiteral("메뉴별 매출조회"), panSearch);
    bbtMenu->setObjectName("bbtMenu");
    bbtPos = new QPushButton(QStringLiteral("POS별 매출조회"), panSearch);
    bbtPos->setObjectName("bbtPos");
    addBeside(dtpToDate, bbtMenu);
    addBeside(dtpToDate, bbtPos);
    connect(bbtMenu, &QPushButton::clicked, this, [this] {
        TfrmEFR040::instance()->showReport({edt_Upjang_No->text().trimmed(), FFromDate, FToDate});
    });
    connect(bbtPos, &QPushButton::clicked, this, [this] {
        TfrmEFR041::instance()->showReport({edt_Upjang_No->text().trimmed(), FFromDate, FToDate});
    });
    for (QWidget *b : {static_cast<QWidget *>(bbtSearch), static_cast<QWidget *>(bbtPrint),
                       static_cast<QWidget *>(bbtPreview), static_cast<QWidget *>(bbtExcel), static_cast<QWidget *>(bbtCancel)})
        b->hide();
}

// ---- EFS050 곤도라 발권 및 게이트 통과 현황

TfrmEFS050::TfrmEFS050(QWidget *parent) : TfrmSalesScreen(parent)
{
    setObjectName("frmEFS050");
    setWindowTitle(QStringLiteral("곤도라 발권 및 게이트 통과 현황"));
    addPeriod(QStringLiteral("영업일자 :"));
    dtpToDate->hide();
    if (QWidget *label = panSearch->findChild<QWidget *>("lblToDate"))
        label->hide();
    addViewer();
}

void TfrmEFS050::search()
{
    // The chosen day is both ends of the period: the hidden second date would otherwise stay at
    // the day the screen was opened and report a period the clerk never chose.
    openReport(QStringLiteral("곤도라발권및Gate통과현황.mrd"), {FFromDate, FFromDate});
}

// ---- EFS060 영업장 매출 집계

TfrmEFS060::TfrmEFS060(QWidget *parent) : TfrmSalesScreen(parent)
{
    setObjectName("frmEFS060");
    setWindowTitle(QStringLiteral("영업장 매출 집계"));
    addUpjang(QString());
    addPeriod();
    newConditionRow();
    auto *modes = new QWidget(panSearch);
    modes->setObjectName("panMode");
    auto *row = new QHBoxLayout(modes);
    row->setContentsMargins(0, 0, 0, 0);
    rdoDetail = new QRadioButton(QStringLiteral("상세집계"), modes);
    rdoTicket = new QRadioButton(QStringLiteral("권종별집계"), modes);
    rdoCustomer = new QRadioButton(QStringLiteral("고객구분별집계"), modes);
    chkVat = new QCheckBox(QStringLiteral("부가세별도"), modes);
    rdoDetail->setChecked(true);
    for (QWidget *w : {static_cast<QWidget *>(rdoDetail), static_cast<QWidget *>(rdoTicket),
                       static_cast<QWidget *>(rdoCustomer), static_cast<QWidget *>(chkVat)})
        row->addWidget(w);
    row->addStretch();
    addCondition(modes, QStringLiteral("집계구분 :"), 0);
    for (QRadioButton *r : {rdoDetail, rdoTicket, rdoCustomer})
        connect(r, &QRadioButton::toggled, this, [this] {
            chkVat->setChecked(false);
            chkVat->setVisible(rdoDetail->isChecked());
        });
    addViewer();
}

void TfrmEFS060::search()
{
    const QStringList values{FFromDate, FToDate, edt_Upjang_No->text().trimmed()};
    if (rdoDetail->isChecked()) {
        // " VAT별도" goes only with the report that leaves the tax out.
        if (chkVat->isChecked())
            openReport(QStringLiteral("영업장별고객구분별권종별판매집계(VAT별도).mrd"), values + QStringList{QStringLiteral(" VAT별도")});
        else
            openReport(QStringLiteral("영업장별고객구분별권종별판매집계.mrd"), values);
    } else if (rdoTicket->isChecked()) {
        openReport(QStringLiteral("영업장별권종별판매집계.mrd"), values);
    } else {
        openReport(QStringLiteral("영업장별고객구분별판매집계.mrd"), values);
    }
}

// ---- EFS070 영업장 할인율 권종별 매출 집계

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
    db::Query::run(DM()->dbsDB, QStringLiteral("SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = 'I0005' AND ITEM9 = 'Y' ORDER BY DETAIL"),
                   {}, &rows, nullptr, &error);
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
        "(SELECT Z.DETAIL_NAME FROM ZX010MS Z WHERE Z.HEAD = 'I0005' AND Z.DETAIL = I.TICKET_KIND) AS TICKET, "
        "I.SALE_DATE, (SELECT J.UPJANG_NAME FROM JA010MS J WHERE J.UPJANG_CODE = I.UPJANG_CODE) AS UPJANG_NAME, "
        "I.POS_NO, I.BILL_NO, "
        "CASE (SELECT MAX(M.DAESO_CODE) FROM JB010MS M WHERE M.UPJANG_CODE = I.UPJANG_CODE AND M.MENU_CODE = I.MENU_CODE) "
        "     WHEN '1' THEN '대인' ELSE '소인' END AS DAESO_CODE, "
        "I.UNIT_AMT, I.DC_RATE, I.SALE_QTY AS QTY, I.SALE_AMT AS AMT, I.ACCEPT_MEMBER_NO AS MEMBER_NO, "
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
