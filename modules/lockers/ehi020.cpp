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

struct ColumnDesign {
    const char *field;
    const char *title;   // nullptr: a hidden column titled by its field
    TEditColumn::DataType type;
    int width;
};

const ColumnDesign kColumns[TfrmEHI020::cColumnCount] = {
    {"SEASON_YEAR", "시즌년도", TEditColumn::Text, 60},  {"LOCATION", "위치", TEditColumn::Text, 90},
    {"AREA_ZONE", "구역", TEditColumn::Text, 60},        {"LOCKER_TYPE", "TYPE", TEditColumn::Text, 50},
    {"LOCKER_NO", "락카번호", TEditColumn::Text, 60},    {"UNIT_AMT", nullptr, TEditColumn::Number, 80},
    {"MEMBER_AMT", nullptr, TEditColumn::Number, 80},    {"SALE_DATE", "판매일자", TEditColumn::Date, 85},
    {"M_ID", nullptr, TEditColumn::Text, 80},            {"M_NAME", "고객명", TEditColumn::Text, 80},
    {"M_IDNO", nullptr, TEditColumn::Text, 100},         {"M_TOPHONE", nullptr, TEditColumn::Text, 100},
    {"PAY_CODE", "입금구분", TEditColumn::Text, 70},     {"SALE_AMT", "판매금액", TEditColumn::Number, 80},
    {"IPGUM_AMT", "입금금액", TEditColumn::Number, 80},  {"IPGUM_YN", nullptr, TEditColumn::Text, 40},
    {"ASSURANCE_AMT", "보증금", TEditColumn::Number, 70}, {"KEY_RECEIPT_DATE", "수령일자", TEditColumn::Date, 85},
    {"KEY_RESTORE_DATE", "반납일자", TEditColumn::Date, 85}, {"DC_REMARKS", "DC Remaks", TEditColumn::Text, 90},
    {"USE_YN", "사용여부", TEditColumn::Text, 60},       {"TERMINAL_ID", nullptr, TEditColumn::Text, 60},
    {"APPROVAL_NO", nullptr, TEditColumn::Text, 60},     {"APPROVAL_TIME", nullptr, TEditColumn::Text, 60},
    {"ACQUIRE_CODE", nullptr, TEditColumn::Text, 60},    {"CARD_ISSUER", nullptr, TEditColumn::Text, 60},
    {"RESULT", nullptr, TEditColumn::Text, 60},          {"RESULT_MSG", nullptr, TEditColumn::Text, 60},
    {"STATUS_FLAG", nullptr, TEditColumn::Text, 60},     {"FAPPSTATE", nullptr, TEditColumn::Text, 60},
    {"FRESERVESTATE", nullptr, TEditColumn::Text, 60},   {"FCOMPLETECODE", nullptr, TEditColumn::Text, 60},
    {"FBANK", nullptr, TEditColumn::Text, 60},           {"CARD_SEQ_NO", nullptr, TEditColumn::Text, 60},
    {"CARD_JOIN_NO", nullptr, TEditColumn::Text, 60},
};

// The columns a cancellation empties on the locker.
const int kSaleColumns[] = {TfrmEHI020::cSaleDate, TfrmEHI020::cMId, TfrmEHI020::cMName, TfrmEHI020::cMIdno,
                            TfrmEHI020::cMTophone, TfrmEHI020::cPayCode, TfrmEHI020::cSaleAmt,
                            TfrmEHI020::cIpgumAmt, TfrmEHI020::cIpgumYn};

QGroupBox *newGroup(QWidget *parent, const QString &title, TFieldPanel **panel)
{
    auto *box = new QGroupBox(title, parent);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 4, 4, 4);
    *panel = new TFieldPanel(box, 1);
    layout->addWidget(*panel);
    return box;
}

} // namespace

TfrmEHI020::TfrmEHI020(QWidget *parent) : TfrmZZI090(parent)
{
    setObjectName("frmEHI020");
    setWindowTitle(QStringLiteral("시즌락카 판매/취소/변경"));

    // conditions
    TFieldPanel *c = conditions();
    edt_SeasonYear = NewSeasonYearEdit(QString::number(QDate::currentDate().year()));
    c->addControl(QStringLiteral("시즌년도"), edt_SeasonYear);
    wcbLocation = c->addCodeCombo("wcbLocation", QStringLiteral("위치"), QString());
    wcbAreaZone = c->addCodeCombo("wcbAreaZone", QStringLiteral("구역"), QString());
    wcbLockerType = c->addCodeCombo("wcbLockerType", QStringLiteral("TYPE"), QString());
    wcbLockerNo = c->addEdit("wcbLockerNo", QStringLiteral("락카번호"), {}, 4);
    wcbMname = c->addEdit("wcbMname", QStringLiteral("고객명"), {}, 30);
    wcb_SaleYN = c->addCodeCombo("wcb_SaleYN", QStringLiteral("판매여부"), QString());
    FillLockerLocations(wcbLocation);
    FillLockerCodes(wcbAreaZone, QStringLiteral("E0055"));
    FillLockerCodes(wcbLockerType, QStringLiteral("E0056"));
    FillSaleStates(wcb_SaleYN);

    // the grid: every column read-only, changed only through the sale area
    for (int i = 0; i < cColumnCount; ++i) {
        const ColumnDesign &d = kColumns[i];
        TEditColumn &col = rgrGrid->addColumn(d.title ? QString::fromUtf8(d.title) : QString::fromLatin1(d.field), d.type, d.width);
        col.readOnly().hidden(!d.title);
        if (d.type == TEditColumn::Number)
            col.thousands();
    }
    rgrGrid->column(cLocation).pickList(QStringLiteral("E0017"));
    rgrGrid->column(cAreaZone).pickList(QStringLiteral("E0055"));
    rgrGrid->column(cLockerType).pickList(QStringLiteral("E0056"));
    rgrGrid->column(cPayCode).pickList(QStringLiteral("C0003"));
    rgrGrid->applyColumns();
    bbtAdd->hide();
    bbtDelete->hide();

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

    TFieldPanel *p;
    saleLayout->addWidget(newGroup(panSale, QStringLiteral("[ 판매정보 ]"), &p));
    wlbUnitAmt = p->addLabel("wlbUnitAmt", QStringLiteral("일 반  요 금"));
    wcbPayCode = p->addCodeCombo("wcbPayCode", QStringLiteral("입 금  구 분"), QString());
    wcbPayCode->addItem(QString(), QString());
    try {
        FillCodeCombo(wcbPayCode, QStringLiteral("C0003"), {QStringLiteral("Y")});
    } catch (const db::DatabaseError &e) {
        ShowError(QStringLiteral("에러내용:\r") + e.message());
    }
    wneSaleAmt = p->addNumericEdit("wneSaleAmt", QStringLiteral("판 매  금 액"), {}, 12);
    wneIpgumAmt = p->addNumericEdit("wneIpgumAmt", QStringLiteral("입 금  금 액"), {}, 12);
    wmeSaleDate = p->addMaskEdit("wmeSaleDate", QStringLiteral("판 매  일 자"), {}, QStringLiteral("9999-99-99"));

    saleLayout->addWidget(newGroup(panSale, QStringLiteral("[ 고객정보 ]"), &p));
    edtMId = p->addEdit("edtMId", QStringLiteral("고객로그인ID "), {}, 30);
    edtMName = p->addEdit("edtMName", QStringLiteral("고객      성명"), {}, 10);
    wmeMIdno = p->addMaskEdit("wmeMIdno", QStringLiteral("고객주민번호"), {}, QStringLiteral("999999-9999999"));
    edtMTophone = p->addEdit("edtMTophone", QStringLiteral("고객   연락처"), {}, 30);

    saleLayout->addWidget(newGroup(panSale, QStringLiteral("[ 키 관리 ]"), &p));
    wneAssuranceAmt = p->addNumericEdit("wneAssuranceAmt", QStringLiteral("보 증  금 액"), {}, 12);
    wmeKeyReceiptDate = p->addMaskEdit("wmeKeyReceiptDate", QStringLiteral("키 수령일자"), {}, QStringLiteral("9999-99-99"));
    wmeKeyRestoreDate = p->addMaskEdit("wmeKeyRestoreDate", QStringLiteral("키 반납일자"), {}, QStringLiteral("9999-99-99"));
    wcbUseYn = p->addCodeCombo("wcbUseYn", QStringLiteral("사 용  여 부"), QString());
    for (const char *v : {"", "Y", "N"})
        wcbUseYn->addItem(QLatin1String(v), QLatin1String(v));

    auto *actions = new QHBoxLayout;
    bbtSaleRegist = new QPushButton(QStringLiteral("판매 등록"), panSale);
    bbtSaleRegist->setObjectName("bbtSaleRegist");
    bbtLockerKey = new QPushButton(QStringLiteral("락카키 관리"), panSale);
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
    bbtSaleCancel = new QPushButton(QStringLiteral("판매취소"), panNotice);
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
    bbtChange = new QPushButton(QStringLiteral("변경"), panNotice);
    bbtChange->setObjectName("bbtChange");
    changeLine->addWidget(bbtChange);
    noticeLayout->addLayout(changeLine);
    saleLayout->addWidget(panNotice);
    saleLayout->addStretch(1);
    panNotice->hide();
    panSale->hide();

    bbtSaleArea = addButton("bbtSaleArea", QStringLiteral("판매관리"));

    m_inputs = {wcbPayCode, wneSaleAmt, wneIpgumAmt, wmeSaleDate, edtMId, edtMName, wmeMIdno, edtMTophone,
                wneAssuranceAmt, wmeKeyReceiptDate, wmeKeyRestoreDate, wcbUseYn};

    // every input writes its value into the current row as it changes
    auto connectEdit = [this](QLineEdit *edit, int column) {
        connect(edit, &QLineEdit::textChanged, this, [this, edit, column] {
            if (m_filling)
                return;
            if (auto *mask = qobject_cast<TMaskEdit *>(edit))
                storeField(column, mask->value());
            else if (auto *number = qobject_cast<TNumericEdit *>(edit))
                storeField(column, number->text().isEmpty() ? QString() : QString::number(number->value()));
            else
                storeField(column, edit->text());
        });
    };
    connectEdit(wneSaleAmt, cSaleAmt);
    connectEdit(wneIpgumAmt, cIpgumAmt);
    connectEdit(wmeSaleDate, cSaleDate);
    connectEdit(edtMId, cMId);
    connectEdit(edtMName, cMName);
    connectEdit(wmeMIdno, cMIdno);
    connectEdit(edtMTophone, cMTophone);
    connectEdit(wneAssuranceAmt, cAssuranceAmt);
    connectEdit(wmeKeyReceiptDate, cKeyReceiptDate);
    connectEdit(wmeKeyRestoreDate, cKeyRestoreDate);
    connect(wcbPayCode, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            storeField(cPayCode, wcbPayCode->code());
    });
    connect(wcbUseYn, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            storeField(cUseYn, wcbUseYn->code());
    });
    connect(wmeMIdno, &QLineEdit::textChanged, this, [this] {
        if (!m_filling)
            lookUpFee();
    });

    connect(bbtSaleArea, &QPushButton::clicked, this, &TfrmEHI020::toggleSaleArea);
    connect(bbtSaleTitle, &QPushButton::clicked, this, &TfrmEHI020::toggleSaleArea);
    connect(bbtSaleRegist, &QPushButton::clicked, this, &TfrmEHI020::bbtSaleRegistClick);
    connect(bbtLockerKey, &QPushButton::clicked, this, &TfrmEHI020::bbtLockerKeyClick);
    connect(bbtSaleCancel, &QPushButton::clicked, this, &TfrmEHI020::bbtSaleCancelClick);
    connect(bbtChange, &QPushButton::clicked, this, &TfrmEHI020::bbtChangeClick);
    connect(bbtNoticeClose, &QPushButton::clicked, panNotice, &QWidget::hide);
    connect(rgrGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &current) {
        showRow(current.isValid() ? current.row() : -1);
        panNotice->hide();
    });

    QStringList select;
    for (const ColumnDesign &d : kColumns) {
        const QString f = QString::fromLatin1(d.field);
        select << (f == QLatin1String("M_IDNO") || f == QLatin1String("M_TOPHONE")
                       ? QStringLiteral("FN_ZA010MS_04(%1) AS %1").arg(f)
                       : f);
    }
    QString where = QStringLiteral(" FROM EH020MS WHERE SEASON_YEAR = :SEASON_YEAR");
    for (const char *f : {"LOCATION", "AREA_ZONE", "LOCKER_TYPE", "LOCKER_NO", "M_NAME", "USE_YN"})
        where += QStringLiteral(" AND (%1 = :%1 OR CAST(:%1 AS VARCHAR(30)) IS NULL)").arg(QLatin1String(f));
    qryQuery->setSql(QStringLiteral("SELECT ") + select.join(QStringLiteral(", ")) + where
                     + QStringLiteral(" ORDER BY SEASON_YEAR, TO_NUMBER(LOCKER_NO)"));
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

void TfrmEHI020::showRow(int row)
{
    const bool has = row >= 0 && row < rgrGrid->rowCount();
    auto cell = [&](int c) { return has ? rgrGrid->cell(row, c) : QString(); };
    auto number = [&](TNumericEdit *e, int c) {
        QString v = cell(c);
        v.remove(QLatin1Char(','));
        if (v.isEmpty())
            e->clear();
        else
            e->setValue(v.toLongLong());
    };
    m_filling = true;
    const QString unit = cell(cUnitAmt);
    wlbUnitAmt->setText(unit.isEmpty() ? QString() : FormatThousands(unit.toLongLong()));
    if (!wcbPayCode->setCode(cell(cPayCode)))
        wcbPayCode->setCurrentIndex(0);
    number(wneSaleAmt, cSaleAmt);
    number(wneIpgumAmt, cIpgumAmt);
    wmeSaleDate->setValue(cell(cSaleDate));
    edtMId->setText(cell(cMId));
    edtMName->setText(cell(cMName));
    wmeMIdno->setValue(cell(cMIdno));   // as FN_ZA010MS_04 shows it, stars and all
    edtMTophone->setText(cell(cMTophone));
    number(wneAssuranceAmt, cAssuranceAmt);
    wmeKeyReceiptDate->setValue(cell(cKeyReceiptDate));
    wmeKeyRestoreDate->setValue(cell(cKeyRestoreDate));
    if (!wcbUseYn->setCode(cell(cUseYn)))
        wcbUseYn->setCurrentIndex(0);
    m_filling = false;
    setInputsEnabled(m_inputs, false);
}

void TfrmEHI020::storeField(int column, const QString &value)
{
    const int row = rgrGrid->currentRow();
    if (row < 0 || rgrGrid->cell(row, column) == value)
        return;
    rgrGrid->setCell(row, column, value);
    const QString id = rgrGrid->cell(row, rowIdColumn());
    if (id.isEmpty())
        return;
    changeBuffer().record(id, rgrGrid->rowCells(row), rgrGrid->rowState(row));
    setModified(true);
}

void TfrmEHI020::toggleSaleArea()
{
    panSale->setVisible(!panSale->isVisible());
}

// ---- search, save, cancel -----------------------------------------------------------------

void TfrmEHI020::search()
{
    qryQuery->bind("SEASON_YEAR", edt_SeasonYear->text().trimmed());
    qryQuery->bind("LOCATION", wcbLocation->code());
    qryQuery->bind("AREA_ZONE", wcbAreaZone->code());
    qryQuery->bind("LOCKER_TYPE", wcbLockerType->code());
    qryQuery->bind("LOCKER_NO", wcbLockerNo->text().trimmed());
    qryQuery->bind("M_NAME", wcbMname->text().trimmed());
    qryQuery->bind("USE_YN", wcb_SaleYN->code());
    TfrmZZI090::search();
    m_saleRows.clear();
    showRow(rgrGrid->currentRow());
    panNotice->hide();
}

bool TfrmEHI020::SaveChanges()
{
    m_saveRan = true;
    return TfrmZZI090::SaveChanges();
}

// A row a sale was registered on goes as a new sale: the database refuses it when the locker was sold
// meanwhile. Any other row carries changes of the sale (or of the key) as it was read.
bool TfrmEHI020::ExecuteRow()
{
    if (m_saleRows.contains(savingRowId()))
        prcProc->setParam("AEDITSTATUS", QStringLiteral("2"));
    return TfrmZZI090::ExecuteRow();
}

void TfrmEHI020::save()
{
    m_saveRan = false;
    TfrmZZI090::save();
    if (!m_saveRan || !isSaved())
        return;
    m_saleRows.clear();
    showRow(rgrGrid->currentRow());
}

void TfrmEHI020::cancel()
{
    TfrmZZI090::cancel();
    if (!isSearchMode())
        return;
    m_saleRows.clear();
    showRow(-1);
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
    setInputsEnabled({edtMId, edtMName, wmeMIdno, edtMTophone, wcbPayCode, wneIpgumAmt}, true);
    m_saleRows.insert(rgrGrid->cell(row, rowIdColumn()));
    wmeSaleDate->setValue(TodayText());
    edtMId->setFocus();
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
    prcFee->setParam("aM_IDNO", wmeMIdno->value());
    prcFee->setParam("aSEASON_YEAR", rgrGrid->cell(row, cSeasonYear));
    prcFee->setParam("aLOCATION", rgrGrid->cell(row, cLocation));
    prcFee->setParam("aAREA_ZONE", rgrGrid->cell(row, cAreaZone));
    prcFee->setParam("aLOCKER_TYPE", rgrGrid->cell(row, cLockerType));
    prcFee->setParam("aLOCKER_NO", rgrGrid->cell(row, cLockerNo));
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
    storeField(cAssuranceAmt, QStringLiteral("30000"));
    setInputsEnabled({wneAssuranceAmt, wmeKeyReceiptDate, wmeKeyRestoreDate, wcbUseYn}, true);
    wneAssuranceAmt->setFocus();
}

// ---- cancellation and change --------------------------------------------------------------

bool TfrmEHI020::callChange(int row, const QString &newLocker, const QString &status, QString *error)
{
    prcChange->clearParams();
    prcChange->setParam("aSEASON_YEAR", rgrGrid->cell(row, cSeasonYear));
    prcChange->setParam("aLOCATION", rgrGrid->cell(row, cLocation));
    prcChange->setParam("aAREA_ZONE", rgrGrid->cell(row, cAreaZone));
    prcChange->setParam("aLOCKER_TYPE", rgrGrid->cell(row, cLockerType));
    prcChange->setParam("aLOCKER_NO", rgrGrid->cell(row, cLockerNo));
    prcChange->setParam("aLOCKER_NO_CHANGE", newLocker);
    prcChange->setParam("aeditstatus", status);
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
    const QString id = rgrGrid->cell(row, rowIdColumn());
    changeBuffer().forget(id);
    m_saleRows.remove(id);
    rgrGrid->setRowClean(row);
    setModified(!changeBuffer().isEmpty());
    showRow(row);
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
