#include "ehi020.h"
#include "lockercodes.h"
#include "core/messages.h"
#include "core/utils.h"
#include "database/datamodule.h"
#include "refdata/codes.h"
#include <QDate>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// The columns a cancellation empties on the locker.
const int kSaleColumns[] = {TfrmEHI020::cSaleDate, TfrmEHI020::cMId, TfrmEHI020::cMName, TfrmEHI020::cMIdno,
                            TfrmEHI020::cMTophone, TfrmEHI020::cPayCode, TfrmEHI020::cSaleAmt,
                            TfrmEHI020::cIpgumAmt, TfrmEHI020::cIpgumYn};

// The locker's key: the fields PR_EHI020_02 and PR_EHI020_03 find it by.
const QStringList kLockerKey{"SEASON_YEAR", "LOCATION", "AREA_ZONE", "LOCKER_TYPE", "LOCKER_NO"};

// A column of the locker kept hidden, titled by its field.
TField hiddenColumn(const QString &field, int width = 60) { return Column(field, field).hidden().readOnlyCell().width(width); }

} // namespace

TfrmEHI020::TfrmEHI020(QWidget *parent) : TfrmZZI090(parent)
{
    setObjectName("frmEHI020");
    setWindowTitle(QStringLiteral("시즌락카 판매/취소/변경"));

    // the sale area beside the grid, hidden at first
    panSale = new QFrame;
    panSale->setObjectName("panSale");
    panSale->setFixedWidth(300);
    placeBesideGrid(panSale, 1, 0);
    auto *saleLayout = new QVBoxLayout(panSale);
    saleLayout->setContentsMargins(2, 0, 2, 0);
    bbtSaleTitle = new QPushButton(QStringLiteral("판매관리"), panSale);
    bbtSaleTitle->setObjectName("bbtSaleTitle");
    bbtSaleTitle->setFocusPolicy(Qt::NoFocus);
    saleLayout->addWidget(bbtSaleTitle);
    auto *form = new TFieldPanel(panSale, 1);
    form->setObjectName("panSaleForm");
    saleLayout->addWidget(form);

    // The grid: every column read-only, changed only through the sale area, whose inputs write their
    // values into the current row as they change.
    const QString sale = QStringLiteral("[ 판매정보 ]"), customer = QStringLiteral("[ 고객정보 ]"),
                  key = QStringLiteral("[ 키 관리 ]");
    TFieldTable fields{
        Condition("SEASON_YEAR", "시즌년도", BIND(edt_SeasonYear)).bytes(4),
        Condition("LOCATION", "위치", BIND(wcbLocation)),
        Condition("AREA_ZONE", "구역", BIND(wcbAreaZone)),
        Condition("LOCKER_TYPE", "TYPE", BIND(wcbLockerType)),
        Condition("LOCKER_NO", "락카번호", BIND(wcbLockerNo)).bytes(4),
        Condition("M_NAME", "고객명", BIND(wcbMname)).bytes(30),
        Condition("USE_YN", "판매여부", BIND(wcb_SaleYN)),
        ::Column("SEASON_YEAR", "시즌년도").readOnlyCell().width(60),
        ::Column("LOCATION", "위치").code("E0017").readOnlyCell().width(115),
        ::Column("AREA_ZONE", "구역").code("E0055").readOnlyCell().width(60),
        ::Column("LOCKER_TYPE", "TYPE").code("E0056").readOnlyCell().width(50),
        ::Column("LOCKER_NO", "락카번호").readOnlyCell().width(60),
        Field("UNIT_AMT", "일 반  요 금", BIND(wlbUnitAmt)).titled("UNIT_AMT").thousands().hidden().readOnlyCell().width(80)
            .group(sale),
        hiddenColumn("MEMBER_AMT", 80).thousands(),
        Field("SALE_DATE", "판 매  일 자", BIND(wmeSaleDate)).titled("판매일자").date().readOnlyCell().width(85).group(sale),
        Field("M_ID", "고객로그인ID ", BIND(edtMId)).titled("M_ID").bytes(30).hidden().readOnlyCell().group(customer),
        Field("M_NAME", "고객      성명", BIND(edtMName)).titled("고객명").bytes(10).readOnlyCell().group(customer),
        Field("M_IDNO", "고객주민번호", BIND(wmeMIdno)).titled("M_IDNO").mask("999999-9999999").personal().hidden()
            .readOnlyCell().width(100).group(customer),
        Field("M_TOPHONE", "고객   연락처", BIND(edtMTophone)).titled("M_TOPHONE").bytes(30).sql("FN_ZA010MS_04(M_TOPHONE)")
            .hidden().readOnlyCell().width(100).group(customer),
        Field("PAY_CODE", "입 금  구 분", BIND(wcbPayCode)).titled("입금구분").code("C0003").readOnlyCell().width(70).group(sale),
        Field("SALE_AMT", "판 매  금 액", BIND(wneSaleAmt)).titled("판매금액").digits(12).thousands().readOnlyCell().group(sale),
        Field("IPGUM_AMT", "입 금  금 액", BIND(wneIpgumAmt)).titled("입금금액").digits(12).thousands().readOnlyCell().group(sale),
        hiddenColumn("IPGUM_YN", 40),
        Field("ASSURANCE_AMT", "보 증  금 액", BIND(wneAssuranceAmt)).titled("보증금").digits(12).thousands().readOnlyCell()
            .width(70).group(key),
        Field("KEY_RECEIPT_DATE", "키 수령일자", BIND(wmeKeyReceiptDate)).titled("수령일자").date().readOnlyCell().width(85)
            .group(key),
        Field("KEY_RESTORE_DATE", "키 반납일자", BIND(wmeKeyRestoreDate)).titled("반납일자").date().readOnlyCell().width(85)
            .group(key),
        ::Column("DC_REMARKS", "DC Remaks").readOnlyCell().width(90),
        Field("USE_YN", "사 용  여 부", BIND(wcbUseYn)).titled("사용여부").code({"", "Y", "N"}, {"", "Y", "N"}).readOnlyCell()
            .width(60).group(key),
    };
    // the card payment approval of a sale: carried with the row, never edited here
    for (const char *f : {"TERMINAL_ID", "APPROVAL_NO", "APPROVAL_TIME", "ACQUIRE_CODE", "CARD_ISSUER", "RESULT",
                          "RESULT_MSG", "STATUS_FLAG", "FAPPSTATE", "FRESERVESTATE", "FCOMPLETECODE", "FBANK",
                          "CARD_SEQ_NO", "CARD_JOIN_NO"})
        fields << hiddenColumn(QLatin1String(f));
    fields << Version();
    setFields(fields, form,
              {"UNIT_AMT", "PAY_CODE", "SALE_AMT", "IPGUM_AMT", "SALE_DATE", "M_ID", "M_NAME", "M_IDNO", "M_TOPHONE",
               "ASSURANCE_AMT", "KEY_RECEIPT_DATE", "KEY_RESTORE_DATE", "USE_YN"});
    edt_SeasonYear->setText(QString::number(QDate::currentDate().year()));
    FillLockerLocations(wcbLocation);
    FillLockerCodes(wcbAreaZone, QStringLiteral("E0055"));
    FillLockerCodes(wcbLockerType, QStringLiteral("E0056"));
    FillSaleStates(wcb_SaleYN);
    // the payment kinds taken at the counter (ITEM1 = 'Y'), after an empty entry
    wcbPayCode->clear();
    wcbPayCode->addItem(QString(), QString());
    try {
        FillCodeCombo(wcbPayCode, QStringLiteral("C0003"), {QStringLiteral("Y")});
    } catch (const db::DatabaseError &e) {
        ShowError(QStringLiteral("에러내용:\r") + e.message());
    }
    bbtAdd->hide();
    bbtDelete->hide();

    auto *actions = new QHBoxLayout;
    bbtSaleRegist = new QPushButton(QStringLiteral("판매 등록(F6)"), panSale);
    bbtSaleRegist->setObjectName("bbtSaleRegist");
    bbtLockerKey = new QPushButton(QStringLiteral("락카키 관리(F7)"), panSale);
    bbtLockerKey->setObjectName("bbtLockerKey");
    actions->addWidget(bbtSaleRegist);
    actions->addWidget(bbtLockerKey);
    saleLayout->addLayout(actions);

    panNotice = new QFrame(panSale);
    panNotice->setObjectName("panNotice");
    panNotice->setFrameShape(QFrame::Box);
    auto *noticeLayout = new QVBoxLayout(panNotice);
    for (const char *line : {"이미 판매된 락카입니다. ", "판매취소를 원하시면 취소버튼을 눌러주세요.", "락카변경을 원하시면 변경버튼을",
                             "판매취소시 신용카드 결재의 경우", "카드결재 취소의뢰를 하시기 바랍니다."})
        noticeLayout->addWidget(new QLabel(QString::fromUtf8(line), panNotice));
    auto *noticeButtons = new QHBoxLayout;
    bbtSaleCancel = new QPushButton(QStringLiteral("판매취소(F9)"), panNotice);
    bbtSaleCancel->setObjectName("bbtSaleCancel");
    bbtNoticeClose = new QPushButton(QStringLiteral("종  료"), panNotice);
    bbtNoticeClose->setObjectName("bbtNoticeClose");
    noticeButtons->addWidget(bbtSaleCancel);
    noticeButtons->addWidget(bbtNoticeClose);
    noticeLayout->addLayout(noticeButtons);
    auto *changeLine = new QHBoxLayout;
    changeLine->addWidget(new QLabel(QStringLiteral("현재락카"), panNotice));
    wlbCurrentLocker = new TLabel(panNotice);
    wlbCurrentLocker->setObjectName("wlbCurrentLocker");
    wlbCurrentLocker->setFrameShape(QFrame::StyledPanel);
    wlbCurrentLocker->setMinimumWidth(40);
    changeLine->addWidget(wlbCurrentLocker);
    auto *changeCaption = new QLabel(QStringLiteral("변경락카"), panNotice);
    changeLine->addWidget(changeCaption);
    edtChangeLocker = new TEdit(panNotice);
    edtChangeLocker->setObjectName("edtChangeLocker");
    edtChangeLocker->setMaxBytes(4);
    changeCaption->setBuddy(edtChangeLocker);
    changeLine->addWidget(edtChangeLocker);
    bbtChange = new QPushButton(QStringLiteral("변경(F10)"), panNotice);
    bbtChange->setObjectName("bbtChange");
    changeLine->addWidget(bbtChange);
    noticeLayout->addLayout(changeLine);
    saleLayout->addWidget(panNotice);
    saleLayout->addStretch(1);
    panNotice->hide();
    panSale->hide();

    bbtSaleArea = addButton("bbtSaleArea", QStringLiteral("판매관리(F5)"));

    m_inputs = {wcbPayCode, wneSaleAmt, wneIpgumAmt, wmeSaleDate, edtMId, edtMName, wmeMIdno, edtMTophone,
                wneAssuranceAmt, wmeKeyReceiptDate, wmeKeyRestoreDate, wcbUseYn};
    setInputsEnabled(m_inputs, false);
    // after the number was written into the row
    connect(wmeMIdno, &QLineEdit::textChanged, this, [this] {
        if (!isFilling())
            lookUpFee();
    });

    connect(bbtSaleArea, &QPushButton::clicked, this, &TfrmEHI020::toggleSaleArea);
    connect(bbtSaleTitle, &QPushButton::clicked, this, &TfrmEHI020::toggleSaleArea);
    connect(bbtSaleRegist, &QPushButton::clicked, this, &TfrmEHI020::bbtSaleRegistClick);
    connect(bbtLockerKey, &QPushButton::clicked, this, &TfrmEHI020::bbtLockerKeyClick);
    connect(bbtSaleCancel, &QPushButton::clicked, this, &TfrmEHI020::bbtSaleCancelClick);
    connect(bbtChange, &QPushButton::clicked, this, &TfrmEHI020::bbtChangeClick);
    connect(bbtNoticeClose, &QPushButton::clicked, panNotice, &QWidget::hide);
    connect(rgrGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, panNotice, &QWidget::hide);
    // The counter's keys, wherever the focus is: the sale and the key open the area when it is closed;
    // the cancellation and the change act only while the notice box of a sold locker is shown.
    addHotkey(QStringLiteral("판매관리"), Qt::Key_F5, [this] {
        if (beginAction(bbtSaleArea))
            toggleSaleArea();
    });
    for (auto [key, button] : {std::pair{Qt::Key_F6, bbtSaleRegist}, {Qt::Key_F7, bbtLockerKey}})
        addHotkey(button->text(), key, [this, button] {
            if (isSearchMode() || !button->isEnabled())
                return;
            panSale->show();
            button->click();
        });
    for (auto [key, button] : {std::pair{Qt::Key_F9, bbtSaleCancel}, {Qt::Key_F10, bbtChange}})
        addHotkey(button->text(), key, [button] {
            if (button->isVisible() && button->isEnabled())
                button->click();
        });
    // the sale typed in the order of the work: the customer, then the payment, then the key
    chainTabs({edtMId, edtMName, wmeMIdno, edtMTophone, wcbPayCode, wneIpgumAmt, wmeSaleDate, wneSaleAmt,
               wneAssuranceAmt, wmeKeyReceiptDate, wmeKeyRestoreDate, wcbUseYn, bbtSaleRegist, bbtLockerKey,
               bbtSaleCancel, bbtNoticeClose, edtChangeLocker, bbtChange});

    QString where = QStringLiteral("FROM EH020MS WHERE SEASON_YEAR = :SEASON_YEAR");
    for (const char *f : {"LOCATION", "AREA_ZONE", "LOCKER_TYPE", "LOCKER_NO", "M_NAME", "USE_YN"})
        where += QStringLiteral(" AND (%1 = :%1 OR CAST(:%1 AS VARCHAR(30)) IS NULL)").arg(QLatin1String(f));
    setLoadQuery(where + QStringLiteral(" ORDER BY SEASON_YEAR, TO_NUMBER(LOCKER_NO)"));
    prcProc->setProcedure("PR_EHI020_01");
    prcFee = std::make_unique<db::StoredProc>(DM()->dbsDB, QStringLiteral("PR_EHI020_02"));
    prcChange = std::make_unique<db::StoredProc>(DM()->dbsDB, QStringLiteral("PR_EHI020_03"));
    setSearchAfterSave(true);   // the stored row shown again, personal data masked
}

// ---- the row and the sale area ------------------------------------------------------------

void TfrmEHI020::setInputsEnabled(const QList<QWidget *> &inputs, bool on)
{
    for (QWidget *w : inputs)
        w->setEnabled(on);
}

void TfrmEHI020::ShowRow()
{
    TfrmZZI090::ShowRow();
    setInputsEnabled(m_inputs, false);
}

void TfrmEHI020::toggleSaleArea()
{
    panSale->setVisible(!panSale->isVisible());
}

// ---- search, save, cancel -----------------------------------------------------------------

void TfrmEHI020::search()
{
    TfrmZZI090::search();
    m_saleRows.clear();
    panNotice->hide();
}

// A row a sale was registered on goes as a new sale: the database refuses it when the locker was sold
// meanwhile. Any other row carries changes of the sale (or of the key) as it was read.
bool TfrmEHI020::ExecuteRow()
{
    if (m_saleRows.contains(savingRowId()))
        prcProc->setParam("AEDITSTATUS", QStringLiteral("2"));
    return TfrmZZI090::ExecuteRow();
}

// The rows were read again: none holds a sale registered on this screen any more.
void TfrmEHI020::AfterSave()
{
    m_saleRows.clear();
    ShowRow();
}

void TfrmEHI020::cancel()
{
    TfrmZZI090::cancel();
    if (!isSearchMode())
        return;
    m_saleRows.clear();
    ShowRow();
    wcbPayCode->setCurrentIndex(0);
    panNotice->hide();
    edtChangeLocker->clear();
    wlbCurrentLocker->clear();
    wcbMname->clear();
}

// ---- sale, fee and key --------------------------------------------------------------------

void TfrmEHI020::bbtSaleRegistClick()
{
    if (!beginAction(bbtSaleRegist))
        return;
    const int row = rgrGrid->currentRow();
    if (row < 0)
        return;
    if (rgrGrid->cell(row, cSaleDate).size() == 8) {
        wlbCurrentLocker->setText(rgrGrid->cell(row, cLockerNo));
        panNotice->show();
        return;
    }
    ShowInfo(QStringLiteral("고객정보와 판매정보를 등록하신 후 Save 버튼을 누르세요"));
    openSale(row);
    wmeSaleDate->setValue(TodayText());
    // a sale starts with nothing of an earlier holder: no key deposit or key dates, the locker in use
    wneAssuranceAmt->clear();
    wmeKeyReceiptDate->setValue(QString());
    wmeKeyRestoreDate->setValue(QString());
    wcbUseYn->setCode(QStringLiteral("Y"));
    for (QWidget *input : QList<QWidget *>{wneAssuranceAmt, wmeKeyReceiptDate, wmeKeyRestoreDate, wcbUseYn})
        StoreControl(input);
    edtMId->setFocus();
}

void TfrmEHI020::openSale(int row)
{
    setInputsEnabled({edtMId, edtMName, wmeMIdno, edtMTophone, wcbPayCode, wneIpgumAmt}, true);
    m_saleRows.insert(rgrGrid->cell(row, rowIdColumn()));
}

// A sale needs its buyer's name and its amount (found from the registration number).
bool TfrmEHI020::validateRows()
{
    for (int row = 0; row < rgrGrid->rowCount(); ++row) {
        if (!m_saleRows.contains(rgrGrid->cell(row, rowIdColumn())))
            continue;
        QString amount = rgrGrid->cell(row, cSaleAmt);
        amount.remove(QLatin1Char(','));
        QWidget *field = nullptr;
        QString caption;
        if (rgrGrid->cell(row, cMName).trimmed().isEmpty())
            field = edtMName, caption = QStringLiteral("고객      성명");
        else if (amount.toLongLong() <= 0)
            field = wmeMIdno, caption = QStringLiteral("판 매  금 액");
        if (!field)
            continue;
        rgrGrid->setCurrentRow(row);
        panSale->show();
        openSale(row);
        ShowError(caption + QStringLiteral("을(를) 먼저 입력하십시오."));
        field->setFocus();
        return false;
    }
    return true;
}

// The fee is looked up once the registration number is complete, while the sale amount is still 0.
void TfrmEHI020::lookUpFee()
{
    const int row = rgrGrid->currentRow();
    if (row < 0 || rgrGrid->cell(row, cMIdno).size() != 13)
        return;
    QString amount = rgrGrid->cell(row, cSaleAmt);
    amount.remove(QLatin1Char(','));
    if (amount.toLongLong() != 0)
        return;
    prcFee->clearParams();
    form()->setRowParams(prcFee.get(), row, kLockerKey);
    prcFee->setParam("aM_IDNO", wmeMIdno->value());
    if (!prcFee->exec()) {
        ShowError(QStringLiteral("시즌락카 요금조회 오류") + prcFee->lastError());
        return;
    }
    wneSaleAmt->setValue(prcFee->param("aSALE_AMT").toLongLong());
}

void TfrmEHI020::bbtLockerKeyClick()
{
    if (!beginAction(bbtLockerKey) || rgrGrid->currentRow() < 0)
        return;
    wneAssuranceAmt->setValue(30000);
    StoreControl(wneAssuranceAmt);
    setInputsEnabled({wneAssuranceAmt, wmeKeyReceiptDate, wmeKeyRestoreDate, wcbUseYn}, true);
    wneAssuranceAmt->setFocus();
}

// ---- cancellation and change --------------------------------------------------------------

bool TfrmEHI020::callChange(int row, const QString &newLocker, const QString &status, QString *error)
{
    prcChange->clearParams();
    form()->setRowParams(prcChange.get(), row, kLockerKey);
    prcChange->setParam("aLOCKER_NO_CHANGE", newLocker);
    prcChange->setParam("aeditstatus", status);
    // the sale as this screen read it: refused when another counter changed the locker since
    prcChange->setRowVersion(form()->rowVersion(row));
    // a unit of work of its own, committed at once, whatever else waits for Save
    if (prcChange->exec())
        return true;
    *error = prcChange->lastError();
    return false;
}

// The sale is gone from the database: the row shows it so, and nothing buffered for it can bring the
// sale back on the next Save.
void TfrmEHI020::saleCancelled(int row)
{
    for (int c : kSaleColumns)
        rgrGrid->setCell(row, c, QString());
    form()->setRowVersion(row, prcChange->rowVersionAfter());   // the locker as the cancellation left it
    const QString id = rgrGrid->cell(row, rowIdColumn());
    changeBuffer().forget(id);
    m_saleRows.remove(id);
    rgrGrid->setRowClean(row);
    setModified(!changeBuffer().isEmpty());
    ShowRow();
}

void TfrmEHI020::bbtSaleCancelClick()
{
    if (!beginAction(bbtSaleCancel))
        return;
    const int row = rgrGrid->currentRow();
    if (row < 0 || !AskYesNo(QStringLiteral("판매를 취소하시겠습니까?")))
        return;
    QString error;
    if (!callChange(row, edtChangeLocker->text().trimmed(), QStringLiteral("3"), &error)) {
        ShowError(QStringLiteral("판매취소 오류") + error);
        return;
    }
    ShowInfo(QStringLiteral("판매가 취소되었습니다."));
    panNotice->hide();
    rgrGrid->setCell(row, cUseYn, QStringLiteral("C"));
    saleCancelled(row);
}

void TfrmEHI020::bbtChangeClick()
{
    if (!beginAction(bbtChange))
        return;
    const int row = rgrGrid->currentRow();
    if (row < 0)
        return;
    const QString target = edtChangeLocker->text().trimmed();
    // the new locker by the same key the change uses: the row's season, location, zone and type
    qryTemp->setSql(QStringLiteral("SELECT SALE_DATE, LOCKER_TYPE FROM EH020MS WHERE SEASON_YEAR = :SEASON_YEAR "
                                   "AND LOCATION = :LOCATION AND AREA_ZONE = :AREA_ZONE AND LOCKER_TYPE = :LOCKER_TYPE "
                                   "AND LOCKER_NO = :LOCKER_NO"));
    qryTemp->bind("SEASON_YEAR", rgrGrid->cell(row, cSeasonYear));
    qryTemp->bind("LOCATION", rgrGrid->cell(row, cLocation));
    qryTemp->bind("AREA_ZONE", rgrGrid->cell(row, cAreaZone));
    qryTemp->bind("LOCKER_TYPE", rgrGrid->cell(row, cLockerType));
    qryTemp->bind("LOCKER_NO", target);
    if (!qryTemp->open()) {
        ShowError(QStringLiteral("에러내용:\r") + qryTemp->lastError());
        return;
    }
    const bool found = qryTemp->next();
    const QString saleDate = found ? qryTemp->value(0) : QString();
    const QString type = found ? qryTemp->value(1) : QString();
    qryTemp->close();
    if (target.size() <= 2) {
        ShowError(QStringLiteral("변경 락카번호 입력을 확인하세요."));
        edtChangeLocker->setFocus();
        return;
    }
    if (!saleDate.isEmpty()) {
        ShowError(QStringLiteral("이미 판매된 락카번호로는 변경이 불가합니다."));
        return;
    }
    if (!found || type != rgrGrid->cell(row, cLockerType)) {
        ShowError(QStringLiteral("변경 락카번호의 락카형이 달라서 변경할수 없습니다.확인하세요"));
        return;
    }
    if (!AskYesNo(QStringLiteral("락카를 변경하시겠습니까?")))
        return;
    QString error;
    if (!callChange(row, target, QStringLiteral("4"), &error)) {
        ShowError(QStringLiteral("판매취소 오류") + error);
        return;
    }
    ShowInfo(QStringLiteral("락카가 변경되었습니다."));
    panNotice->hide();
    saleCancelled(row);
    cancel();
    if (isSearchMode())
        search();
}
