#include "salesscreens.h"
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
    BindLookupKey(edt_Upjang_No, sbtUpjang);   // F1 in the code, as in every key field
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
    viewer = ShowViewerInPlaceOfGrid(this);
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

// ---- the summaries

QString TfrmSalesScreen::saleLines(QHash<QString, QVariant> *binds, bool anyPlace) const
{
    binds->insert("FROM_DATE", FFromDate);
    binds->insert("TO_DATE", FToDate);
    binds->insert("UPJANG_CODE", edt_Upjang_No->text().trimmed());
    return QStringLiteral(
               "SELECT I.SALE_DATE, I.UPJANG_CODE, I.POS_NO, I.DC_RATE, I.SALE_QTY, I.SALE_AMT, I.ACCEPT_MEMBER_NO, "
               "(SELECT MAX(M.DAESO_CODE) FROM JB010MS M WHERE M.UPJANG_CODE = I.UPJANG_CODE AND M.MENU_CODE = I.MENU_CODE) AS DAESO, "
               "(SELECT Z.DETAIL_NAME FROM ZX010MS Z WHERE Z.HEAD = 'I0005' AND Z.DETAIL = "
               " (SELECT MAX(M.TICKET_KIND) FROM JB010MS M WHERE M.UPJANG_CODE = I.UPJANG_CODE AND M.MENU_CODE = I.MENU_CODE)) AS TICKET "
               "FROM IA010MS I WHERE I.SALE_DATE BETWEEN :FROM_DATE AND :TO_DATE AND ")
        + (anyPlace ? QStringLiteral("NVL(CAST(:UPJANG_CODE AS VARCHAR(4)), I.UPJANG_CODE) = I.UPJANG_CODE")
                    : QStringLiteral("I.UPJANG_CODE = :UPJANG_CODE"));
}

void TfrmSalesScreen::runSummary(const QString &sql, const QHash<QString, QVariant> &binds)
{
    qryQuery->setSql(sql);
    for (auto it = binds.cbegin(); it != binds.cend(); ++it)
        qryQuery->bind(it.key(), it.value());
    TfrmEZS000::search();
}

namespace {

// "SUM(CASE WHEN <when> THEN X.SALE_QTY ELSE 0 END) AS <name>_QTY, … AS <name>_AMT"
QString sums(const QString &when, const QString &name)
{
    return QStringLiteral("SUM(CASE WHEN %1 THEN X.SALE_QTY ELSE 0 END) AS %2_QTY, "
                          "SUM(CASE WHEN %1 THEN X.SALE_AMT ELSE 0 END) AS %2_AMT")
        .arg(when, name);
}

// "<name>_QTY" and "<name>_AMT" of a summary (of the select named by qualifier) shown #,##0.
QString grouped(const QString &name, const QString &qualifier = QString())
{
    return groupedNumber(qualifier + name + "_QTY", name + "_QTY") + ", "
        + groupedNumber(qualifier + name + "_AMT", name + "_AMT");
}

void addPair(TListGrid *grid, const QString &name, const QString &group, bool hidden = false)
{
    grid->addColumn(name + "_QTY", QStringLiteral("수량"), 55, Qt::AlignRight).group(group).hidden(hidden);
    grid->addColumn(name + "_AMT", QStringLiteral("금액"), 80, Qt::AlignRight).group(group).hidden(hidden);
}

struct Efs010Column {
    const char *name;
    const char *caption;
    const char *when;
    bool hidden;
};

// The rental registers of the two shops: first digit 0, 1, 2 or 4 and 5, 6 or 7.
const Efs010Column kEfs010[] = {
    {"S1", "소벨카빙셋트", "X.UPJANG_CODE = '5003' AND X.TYPE_CODE = '01' AND SUBSTR(X.POS_NO, 1, 1) IN ('0', '1', '2', '4')", false},
    {"S2", "소벨일반렌탈", "X.UPJANG_CODE = '5003' AND X.TYPE_CODE = '02' AND SUBSTR(X.POS_NO, 1, 1) IN ('0', '1', '2', '4')", false},
    {"S3", "소벨보드셋트", "X.UPJANG_CODE = '5003' AND X.TYPE_CODE = '03' AND SUBSTR(X.POS_NO, 1, 1) IN ('0', '1', '2', '4')", false},
    {"S4", "소벨블레이드", "X.UPJANG_CODE = '5003' AND X.TYPE_CODE = '04' AND SUBSTR(X.POS_NO, 1, 1) IN ('0', '1', '2', '4')", true},
    {"P1", "파론카빙셋트", "X.UPJANG_CODE = '5003' AND X.TYPE_CODE = '01' AND SUBSTR(X.POS_NO, 1, 1) IN ('5', '6', '7')", false},
    {"P2", "파론일반렌탈", "X.UPJANG_CODE = '5003' AND X.TYPE_CODE = '02' AND SUBSTR(X.POS_NO, 1, 1) IN ('5', '6', '7')", false},
    {"P3", "파론보드셋트", "X.UPJANG_CODE = '5003' AND X.TYPE_CODE = '03' AND SUBSTR(X.POS_NO, 1, 1) IN ('5', '6', '7')", false},
    {"P4", "파론블레이드", "X.UPJANG_CODE = '5003' AND X.TYPE_CODE = '04' AND SUBSTR(X.POS_NO, 1, 1) IN ('5', '6', '7')", true},
    {"C1", "소벨의류렌탈", "X.UPJANG_CODE = '5061' AND SUBSTR(X.POS_NO, 2, 1) = '1'", false},
    {"C2", "파론의류렌탈", "X.UPJANG_CODE = '5061' AND SUBSTR(X.POS_NO, 2, 1) = '2'", false},
    {"R1", "스 키 수 리", "X.UPJANG_CODE = '5007' AND X.TYPE_CODE = '01'", false},
    {"R2", "스 키 보 관", "X.UPJANG_CODE = '5007' AND X.TYPE_CODE = '02'", false},
    {"R3", "스 키 파 손", "X.UPJANG_CODE = '5007' AND X.TYPE_CODE = '03'", false},
    {"K1", "유  아  방", "X.UPJANG_CODE = '5005' AND X.TYPE_CODE = '01'", false},
    {"K2", "코 인 락 카", "X.UPJANG_CODE = '5005' AND X.TYPE_CODE = '02'", false},
    {"TT", "총      계", "1 = 1", false},
};

} // namespace

// ---- EFS010 렌탈/보관 매출 현황

TfrmEFS010::TfrmEFS010(QWidget *parent) : TfrmSalesScreen(parent)
{
    setObjectName("frmEFS010");
    setWindowTitle(QStringLiteral("렌탈/보관 매출 현황"));
    addPeriod();
    bbtPrint->hide();
    bbtPreview->hide();
    rgrGrid->addColumn("SALE_DATE", QStringLiteral("매출일자"), 80, Qt::AlignCenter);
    for (const Efs010Column &c : kEfs010)
        addPair(rgrGrid, c.name, QString::fromUtf8(c.caption), c.hidden);
    rgrGrid->applyColumns();
}

void TfrmEFS010::search()
{
    QHash<QString, QVariant> binds{{"FROM_DATE", FFromDate}, {"TO_DATE", FToDate}};
    // Each line typed by the item of its menu (every item part matching) and that item's type.
    const QString lines = QStringLiteral(
        "SELECT I.SALE_DATE, I.UPJANG_CODE, I.POS_NO, I.SALE_QTY, I.SALE_AMT, T.TYPE_CODE "
        "FROM IA010MS I "
        "LEFT JOIN JB010MS M ON M.UPJANG_CODE = I.UPJANG_CODE AND M.MENU_CODE = I.MENU_CODE AND M.MENU_CODE <> '00000000' "
        " AND M.MENU_ITEM1 = I.MENU_ITEM1 AND M.MENU_ITEM2 = I.MENU_ITEM2 AND M.MENU_ITEM3 = I.MENU_ITEM3 "
        " AND M.MENU_ITEM4 = I.MENU_ITEM4 AND M.MENU_ITEM5 = I.MENU_ITEM5 "
        "LEFT JOIN JB020MS T ON T.UPJANG_CODE = M.UPJANG_CODE AND T.TYPE_CODE = M.TYPE_CODE_1 "
        "WHERE I.SALE_DATE BETWEEN :FROM_DATE AND :TO_DATE AND I.UPJANG_CODE IN ('5003', '5005', '5007', '5061')");
    QStringList columns;
    for (const Efs010Column &c : kEfs010)
        columns << sums(QString::fromUtf8(c.when), c.name);
    const QString pivot = columns.join(", ");
    runSummary(QStringLiteral("SELECT SALE_DATE, %1 FROM (SELECT 0 AS SORT_KIND, %4, %2 FROM (%3) X "
                              "GROUP BY X.SALE_DATE "
                              "UNION ALL SELECT 1, '총    계', %2 FROM (%3) X) Y ORDER BY SORT_KIND, SALE_DATE")
                   .arg([] {
                       QStringList names;
                       for (const Efs010Column &c : kEfs010)
                           names << grouped(QString::fromLatin1(c.name));
                       return names.join(", ");
                   }(), pivot, lines, dashedDate("X.SALE_DATE", "SALE_DATE")),
               binds);
}

// ---- EFS020 고객구분별 매출 현황

namespace {
const char *const kClasses[][3] = {{"M", "회        원", "'00'"}, {"D", "일일스키", "'42'"}, {"G", "판촉단체", "'41'"}};
}

TfrmEFS020::TfrmEFS020(QWidget *parent) : TfrmSalesScreen(parent)
{
    setObjectName("frmEFS020");
    setWindowTitle(QStringLiteral("고객구분별 매출 현황"));
    bbtPrint->hide();     // the grid is its only output
    bbtPreview->hide();
    addUpjang(QString());
    addPeriod();
    rgrGrid->addColumn("SALE_DATE", QStringLiteral("매출일자"), 80, Qt::AlignCenter);
    rgrGrid->addColumn("DAESO_NAME", QStringLiteral("대소구분"), 70, Qt::AlignCenter);
    for (const auto &c : kClasses)
        addPair(rgrGrid, c[0], QString::fromUtf8(c[1]));
    addPair(rgrGrid, "N", QStringLiteral("일        반"));
    addPair(rgrGrid, "T", QStringLiteral("합        계"));
    rgrGrid->applyColumns();
}

void TfrmEFS020::search()
{
    QHash<QString, QVariant> binds;
    const QString lines = saleLines(&binds, true);
    QStringList columns;
    for (const auto &c : kClasses)
        columns << sums(QStringLiteral("SUBSTR(X.ACCEPT_MEMBER_NO, 1, 2) = %1").arg(QLatin1String(c[2])), c[0]);
    columns << sums(QStringLiteral("NVL(SUBSTR(X.ACCEPT_MEMBER_NO, 1, 2), '--') NOT IN ('00', '42', '41')"), "N")
            << sums(QStringLiteral("1 = 1"), "T");
    const QString pivot = columns.join(", ");
    const QString names = QStringList{grouped("M"), grouped("D"), grouped("G"), grouped("N"), grouped("T")}.join(", ");
    // ROLLUP(SALE_DATE, DAESO_CODE) written out, so both back ends run it: the class rows of a day,
    // the day's total after them and the grand total at the end.
    runSummary(QStringLiteral(
                   "SELECT SALE_DATE, DAESO_NAME, %1 FROM ("
                   "SELECT X.SALE_DATE AS SORT_DATE, 0 AS SORT_KIND, NVL(X.DAESO, 'Z') AS SORT_DAESO, %4, "
                   "CASE NVL(X.DAESO, 'Z') WHEN '1' THEN '대    인' WHEN '2' THEN '소    인' ELSE '구분없슴' END AS DAESO_NAME, %2 "
                   "FROM (%3) X GROUP BY X.SALE_DATE, NVL(X.DAESO, 'Z') "
                   "UNION ALL SELECT X.SALE_DATE, 1, '', %5, '일    계', %2 FROM (%3) X GROUP BY X.SALE_DATE "
                   "UNION ALL SELECT '99999999', 2, '', '총    계', '', %2 FROM (%3) X) Y "
                   "ORDER BY SORT_DATE, SORT_KIND, SORT_DAESO")
                   .arg(names, pivot, lines, dashedDate("X.SALE_DATE", "SALE_DATE"), dashedDate("X.SALE_DATE")),
               binds);
}

// ---- EFS030 할인율 권종별 매출 현황

TfrmEFS030::TfrmEFS030(QWidget *parent) : TfrmSalesScreen(parent)
{
    setObjectName("frmEFS030");
    setWindowTitle(QStringLiteral("할인율 권종별 매출 현황"));
    addUpjang(QStringLiteral("5001"));
    addPeriod();
    rgrGrid->addColumn("SALE_DATE", QStringLiteral("매출일자"), 80, Qt::AlignCenter);
    rgrGrid->addColumn("DC_RATE", QStringLiteral("DC율"), 45, Qt::AlignRight);
    rgrGrid->addColumn("TICKET", QStringLiteral("권종"), 110);
    for (const auto &[name, caption] : {std::pair{"Z", "구분없슴"}, {"A", "대인"}, {"C", "소인"}, {"T", "합계"}}) {
        rgrGrid->addColumn(QString(name) + "_QTY", QStringLiteral("수량"), 55, Qt::AlignRight).group(QString::fromUtf8(caption));
        rgrGrid->addColumn(QString(name) + "_AMT", QStringLiteral("매출금액"), 80, Qt::AlignRight).group(QString::fromUtf8(caption));
    }
    rgrGrid->applyColumns();
}

void TfrmEFS030::search()
{
    QHash<QString, QVariant> binds;
    const QString lines = saleLines(&binds, false);
    runSummary(QStringLiteral("SELECT %6, Y.DC_RATE, Y.TICKET, %7 FROM ("
                              "SELECT X.SALE_DATE, X.DC_RATE, X.TICKET, %1, %2, %3, %4 FROM (%5) X "
                              "GROUP BY X.SALE_DATE, X.DC_RATE, X.TICKET) Y ORDER BY Y.SALE_DATE, Y.DC_RATE, Y.TICKET")
                   .arg(sums("X.DAESO = 'Z'", "Z"), sums("X.DAESO = '1'", "A"), sums("X.DAESO = '2'", "C"),
                        sums("1 = 1", "T"), lines, dashedDate("Y.SALE_DATE", "SALE_DATE"),
                        QStringList{grouped("Z", "Y."), grouped("A", "Y."), grouped("C", "Y."), grouped("T", "Y.")}.join(", ")),
               binds);
}

TfrmZZP010 *TfrmEFS030::createLayout()
{
    TfrmEFH030::instance()->showReport({FFromDate, FToDate, edt_Upjang_No->text().trimmed()});
    return nullptr;
}
