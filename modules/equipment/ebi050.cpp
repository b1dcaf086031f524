#include "ebi050.h"
#include "core/messages.h"
#include "core/utils.h"
#include "database/database.h"
#include "framework/dialogs/lookupdialogs.h"
#include "refdata/lookups.h"
#include <QEvent>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kCols[] = {"보관번호", "보관상태", "입고일자", "출고일자", "우대번호", "우대명", "보관구분", "장비구분",
                         "장비명구분", "장비명기타", "고유번호", "폴유무", "폴명", "회원번호", "보관자명", "우편번호",
                         "주소1", "주소2", "연락처(자택)", "연락처(핸드폰)", "보관함번호", "비고", "질문", "답변"};
enum { cKeepNo, cStat, cInDate, cOutDate, cGuestNo, cGuestName, cKeepKind, cEquip, cEquipName, cEquipNameEtc,
       cNativeNo, cPoles, cPolesName, cMemberNo, cKeepName, cZip, cAddr1, cAddr2, cTel, cMobile, cBoxNo, cRemark,
       cQuestion, cAnswer, cColumnCount };
const char *kPickGroups[cColumnCount] = {nullptr, "E0015", nullptr, nullptr, nullptr, nullptr, "E0016", "E0009", "E0021"};

} // namespace

TfrmEBI050::TfrmEBI050(QWidget *parent, const QString &printerPort)
    : TfrmTicketCounter(parent, printerPort, QStringLiteral("보관증"), QStringLiteral("보관증 재발급"))
{
    setWindowTitle(QStringLiteral("장비 보관/불출 작업"));
    edtSeason = conditions()->addEdit("edtSeason", "*시즌", {}, 2);
    edtSeason->setMaximumWidth(60);
    bbtSeason = conditions()->addLookupButton(edtSeason, "bbtSeason");
    wlbSeason = conditions()->addLabel("wlbSeason", QString());
    cboArea = conditions()->addCodeCombo("cboArea", "*지역구분", "E0017");
    m_season = new TSeasonField(edtSeason, bbtSeason, wlbSeason, cboArea);

    for (int c = 0; c < cColumnCount; ++c) {
        const bool date = c == cInDate || c == cOutDate;
        TGridColumn &col =
            grid()->addColumn(kCols[c], date ? TGridColumn::Date : TGridColumn::Text, c == cKeepNo ? 100 : 90);
        if (kPickGroups[c])
            col.pickList(QString::fromLatin1(kPickGroups[c]));
        if (c == cPoles)
            col.pickList({"Y", "N"}, {QStringLiteral("유"), QStringLiteral("무")});
        col.hidden(c > cOutDate);
    }

    wlbKeepNo = body()->addLabel("wlbKeepNo", "보관번호", kCols[cKeepNo]);
    wmeKeepInDate = body()->addMaskEdit("wmeKeepInDate", "*입고일", kCols[cInDate], "9999-99-99");
    wmeKeepOutDate = body()->addMaskEdit("wmeKeepOutDate", "출고일", kCols[cOutDate], "9999-99-99");
    edtKeepWoodaeNo = body()->addEdit("edtKeepWoodaeNo", "우대번호", kCols[cGuestNo], 10);
    wlbKeepWoodaeNo = body()->addLabel("wlbKeepWoodaeNo", QString(), kCols[cGuestName]);
    cboKeep = body()->addCodeCombo("cboKeep", "*보관구분", kCols[cKeepKind]);
    cboKeepEquip = body()->addCodeCombo("cboKeepEquip", "*장비구분", kCols[cEquip]);
    cboKeepEquipName = body()->addCodeCombo("cboKeepEquipName", "*장비명", kCols[cEquipName]);
    edtKeepEquipNameEtc = body()->addEdit("edtKeepEquipNameEtc", "장비명기타", kCols[cEquipNameEtc], 40);
    edtKeepEquipID = body()->addEdit("edtKeepEquipID", "*고유번호", kCols[cNativeNo], 40);
    cboKeepPoles = body()->addCodeCombo("cboKeepPoles", "폴유무", kCols[cPoles]);
    edtKeepPolesName = body()->addEdit("edtKeepPolesName", "폴명", kCols[cPolesName], 40);
    edtKeepMemberNo = body()->addEdit("edtKeepMemberNo", "회원번호", kCols[cMemberNo], 10);
    bbtKeepMemberNo = body()->addLookupButton(edtKeepMemberNo, "bbtKeepMemberNo");
    edtKeepName = body()->addEdit("edtKeepName", "*보관자명", kCols[cKeepName], 30);
    body()->newLine();
    wmeKeepZipCode = body()->addMaskEdit("wmeKeepZipCode", "주소", kCols[cZip], "999-999");
    bbtKeepZipCode = body()->addLookupButton(wmeKeepZipCode, "bbtKeepZipCode");
    edtKeepAddr1 = body()->addEdit("edtKeepAddr1", QString(), kCols[cAddr1]);
    edtKeepAddr1->setReadOnly(true);
    wlbKeepAddr2 = body()->addEdit("wlbKeepAddr2", QString(), kCols[cAddr2], 60);
    edtKeepTel = body()->addEdit("edtKeepTel", "*연락처(자택)", kCols[cTel], 20);
    edtKeepMobile = body()->addEdit("edtKeepMobile", "연락처(핸드폰)", kCols[cMobile], 20);
    edtKeepBoxNo = body()->addEdit("edtKeepBoxNo", "*보관함번호", kCols[cBoxNo], 10);
    edtKeepRemark = body()->addEdit("edtKeepRemark", "비고", kCols[cRemark], 60);
    body()->newLine();

    grpKeepLoss = new QGroupBox(QStringLiteral("보관증 분실시 확인 질문/답변"));
    grpKeepLoss->setObjectName("grpKeepLoss");
    auto *loss = new TFieldPanel(grpKeepLoss, 2);
    (new QVBoxLayout(grpKeepLoss))->addWidget(loss);
    connect(loss, &TFieldPanel::controlAdded, this, &TfrmEZI000::attachDetailControl);
    edtKeepLossQuestion = loss->addEdit("edtKeepLossQuestion", "질문", kCols[cQuestion], 80);
    edtKeepLossAnswer = loss->addEdit("edtKeepLossAnswer", "답변", kCols[cAnswer], 80);
    body()->addControl(QString(), grpKeepLoss, 3);

    TStatusButtons *status = addStatusButtons(cStat);
    sbtKeepIn = status->add(body(), "sbtKeepIn", "보관[F5]", "K", Qt::Key_F5);
    sbtKeepOut = status->add(body(), "sbtKeepOut", "불출[F6]", "R", Qt::Key_F6);
    placeTicketButtons(body());

    connect(bbtKeepMemberNo, &QPushButton::clicked, this, &TfrmEBI050::bbtKeepMemberNoClick);
    BindLookupKey(edtKeepMemberNo, bbtKeepMemberNo);
    bindZipCode(wmeKeepZipCode, edtKeepAddr1, bbtKeepZipCode, wlbKeepAddr2);

    // The release date is proposed from the intake date and the storage kind's period whenever the
    // clerk leaves an intake date typed on this row; choosing another kind alone leaves the proposal as
    // it is. Only typed values count (see eventFilter), so walking through a stored item's fields never
    // rewrites its dates.
    connect(wmeKeepInDate, &QLineEdit::textEdited, this, [this] { m_inDateTyped = true; });
    connect(edtKeepMemberNo, &QLineEdit::editingFinished, this, [this] {
        if (edtKeepMemberNo->isModified() && !edtKeepMemberNo->text().isEmpty())
            edtKeepName->setText(refdata::GetMemberName(edtKeepMemberNo->text()));
    });
    connect(edtKeepMemberNo, &QLineEdit::textEdited, edtKeepName, &QLineEdit::clear);
    // The guest name belongs to the number it was stored with: another number typed over it (or the
    // number taken away) drops the name, so no item is saved with one guest's number and another's name.
    connect(edtKeepWoodaeNo, &QLineEdit::textEdited, this, [this] {
        wlbKeepWoodaeNo->clear();
        setModified(true);
        StoreControl(wlbKeepWoodaeNo);
    });

    // Items are listed by their number: new items receive ascending numbers, so they come last and in
    // the order they were entered.
    qryQuery->setSql("SELECT TO_CHAR(KEEP_NO, 'FM0000000000') AS KEEP_NO, KEEP_STAT, IPGO_DATE, CHULGO_DATE, "
                     "GUEST_NO, GUEST_NAME, KEEP_GUBUN, EQUIP_GUBUN, EQUIP_NAME_GUBUN, EQUIP_NAME_ETC, NATIVE_NO, "
                     "POELS_YN, POELS_NAME, MEMBER_NO, KEEP_NAME, ZIP_CODE, ADDR1, ADDR2, TEL_NO, MOBILE_NO, "
                     "KEEP_BOX_NO, REMARK, CONF_QUESTION, CONF_ANSWER FROM EB050MS "
                     "WHERE SEASON_GUBUN = :SEASON_GUBUN AND AREA_GUBUN = :AREA_GUBUN ORDER BY EB050MS.KEEP_NO");
    prcSaveData->setProcedure("PR_EBI050_01");
    setRowLeaveChecks(true);

    for (TCodeCombo *c : {cboArea, cboKeep, cboKeepEquip, cboKeepEquipName, cboKeepPoles})
        if (c->count() > 0)
            c->setCurrentIndex(0);
}

TfrmEBI050::~TfrmEBI050() = default;

void TfrmEBI050::search()
{
    if (!m_season->check())
        return;
    qryQuery->bind("SEASON_GUBUN", m_season->code());
    qryQuery->bind("AREA_GUBUN", cboArea->code());
    TfrmEZI000::search();
}

bool TfrmEBI050::eventFilter(QObject *watched, QEvent *event)
{
    // every time the focus leaves a typed intake date, not only after a change; a date mistyped or
    // typed only in part proposes nothing (the database cannot read it), the row check names it
    if (watched == wmeKeepInDate && event->type() == QEvent::FocusOut && m_inDateTyped
        && IsValidDate8(wmeKeepInDate->value()))
        proposeOutDate();
    return TfrmEZI000::eventFilter(watched, event);
}

void TfrmEBI050::proposeOutDate()
{
    // The period is the storage kind's ITEM1 in the code table; one that reads as no number gives no
    // date, like a kind without a period, rather than an error in the middle of a focus change.
    QString out;
    try {
        out = refdata::GetKeepOutDate(wmeKeepInDate->value(), cboKeep->code());
    } catch (const db::DatabaseError &) {
        // no date to propose
    }
    wmeKeepOutDate->setValue(out);
}

void TfrmEBI050::ShowRow()
{
    m_inDateTyped = false;
    TfrmEZI000::ShowRow();
}

bool TfrmEBI050::validateRow()
{
    if (grid()->rowCount() == 0)
        return true;
    if (!edtKeepWoodaeNo->text().isEmpty() && wlbKeepWoodaeNo->text().isEmpty())
        return refuse(edtKeepWoodaeNo, enterCorrectly("우대번호"));
    if (cboKeep->isEmpty())
        return refuse(cboKeep, enterFirst("*보관구분"));
    if (cboKeepEquip->isEmpty())
        return refuse(cboKeepEquip, enterFirst("*장비구분"));
    if (cboKeepEquipName->isEmpty())
        return refuse(cboKeepEquipName, enterFirst("*장비명"));
    if (edtKeepEquipID->text().isEmpty())
        return refuse(edtKeepEquipID, enterFirst("*고유번호"));
    const QString in = wmeKeepInDate->value(), out = wmeKeepOutDate->value();
    if (in.isEmpty())
        return refuse(wmeKeepInDate, enterFirst("*입고일"));
    if (!IsValidDate8(in))
        return refuse(wmeKeepInDate, enterCorrectly("*입고일"));
    if (edtKeepName->text().isEmpty())
        return refuse(edtKeepName, enterFirst("*보관자명"));
    if (edtKeepTel->text().isEmpty())
        return refuse(edtKeepTel, enterFirst("*연락처(자택)"));
    if (edtKeepBoxNo->text().isEmpty())
        return refuse(edtKeepBoxNo, enterFirst("*보관함번호"));
    const QString stat = statusButtons()->pressed();
    if (stat.isEmpty()) {
        ShowInfo(QStringLiteral("보관상태를 선택하십시요"));
        return false;
    }
    if (stat == "R" && out.isEmpty())
        return refuse(wmeKeepOutDate, QStringLiteral("보관상태가 [불출]일 경우 출고일을 입력하십시요"));
    if (!out.isEmpty() && !IsValidDate8(out))
        return refuse(wmeKeepOutDate, enterCorrectly("출고일"));
    return true;
}

void TfrmEBI050::save()
{
    m_committed = false;
    m_unprinted.clear();
    TfrmEZI000::save();
    if (!m_committed)
        return;
    OpenRecordWhenEmpty();
    printNewTickets();
}

bool TfrmEBI050::SaveData()
{
    m_newKeepNos.clear();
    prcSaveData->setParam("ASEASON_GUBUN", m_season->code());
    prcSaveData->setParam("AAREA_GUBUN", cboArea->code());
    return TfrmEZI000::SaveData();
}

void TfrmEBI050::EntrySaved(const QStringList &entry)
{
    if (entry.value(entry.size() - 1) == "2")
        m_newKeepNos << PadZeros(prcSaveData->param("AKEEP_NO"), 10);
}

bool TfrmEBI050::AfterSave()
{
    m_committed = true;
    return true;
}

void TfrmEBI050::printNewTickets()
{
    // Each ticket is filled from the reloaded row that carries the number the database gave that
    // very item, so a ticket never shows another customer's number, whatever else the reload brings.
    QString error;
    for (const QString &no : std::as_const(m_newKeepNos)) {
        int row = -1;
        for (int r = 0; r < grid()->rowCount() && row < 0; ++r)
            if (isLoadedRow(r) && grid()->cell(r, cKeepNo) == no)
                row = r;
        const QString ticketNo = m_season->code() + '-' + no;
        if (error.isEmpty()) {   // once printing stopped, the remaining tickets are only listed
            if (row < 0)
                error = QStringLiteral("저장된 보관자료를 다시 불러오지 못했습니다.");
            else if (!printTicket(row))
                error = cptPrinter.lastError();
            else
                continue;
        }
        m_unprinted << (row < 0 ? ticketNo : ticketNo + ' ' + grid()->cell(row, cKeepName));
    }
    m_newKeepNos.clear();
    reportUnprinted(m_unprinted, error);
}

TKeepTicketInfo TfrmEBI050::ticketFor(int row) const
{
    TKeepTicketInfo t;
    t.KeepNo = m_season->code() + '-' + grid()->cell(row, cKeepNo);
    t.KeepName = grid()->cell(row, cKeepName);
    t.EquipName = grid()->cellLabel(row, cEquipName);
    t.NativeNo = '(' + grid()->cell(row, cNativeNo) + ')';
    t.KeepKindName = grid()->cellLabel(row, cKeepKind);
    t.KeepInDate = ToSlashDate(grid()->cell(row, cInDate));
    t.KeepBoxNo = grid()->cell(row, cBoxNo);
    return t;
}

bool TfrmEBI050::printTicket(int row)
{
    return PrintKeepTicket(cptPrinter, ticketFor(row));
}

void TfrmEBI050::bbtKeepMemberNoClick()
{
    if (!beginAction(bbtKeepMemberNo))
        return;
    QString no = edtKeepMemberNo->text(), name;
    if (!SelectMember(no, name, this)) {
        edtKeepMemberNo->setFocus();
        return;
    }
    setModified(true);
    edtKeepMemberNo->setText(no);
    edtKeepName->setText(name);
    StoreControl(edtKeepMemberNo);
    StoreControl(edtKeepName);
    wmeKeepZipCode->setFocus();
}
