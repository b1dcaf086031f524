#include "ebi050.h"
#include "core/messages.h"
#include "core/utils.h"
#include "database/database.h"
#include "framework/dialogs/lookupdialogs.h"
#include "refdata/lookups.h"
#include <QEvent>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Positions of the grid columns, in the order of the field table.
enum { cKeepNo, cStat, cInDate, cOutDate, cGuestNo, cGuestName, cKeepKind, cEquip, cEquipName, cEquipNameEtc,
       cNativeNo, cPoles, cPolesName, cMemberNo, cKeepName, cZip, cAddr1, cAddr2, cTel, cMobile, cBoxNo, cRemark,
       cQuestion, cAnswer, cColumnCount };
} // namespace

TfrmEBI050::TfrmEBI050(QWidget *parent, const QString &printerPort)
    : TfrmTicketCounter(parent, printerPort, QStringLiteral("보관증"), QStringLiteral("보관증 재발급"))
{
    setWindowTitle(QStringLiteral("장비 보관/불출 작업"));
    edtSeason = conditions()->addEdit("edtSeason", "*시즌", {}, 2);
    edtSeason->setMaximumWidth(60);
    bbtSeason = conditions()->addLookupButton(edtSeason, "bbtSeason");
    wlbSeason = new TLabel;   // the season's name, right beside its field
    wlbSeason->setObjectName("wlbSeason");
    wlbSeason->setFrameShape(QFrame::StyledPanel);
    wlbSeason->setMinimumWidth(120);
    conditions()->addBeside(edtSeason, wlbSeason);
    cboArea = conditions()->addCodeCombo("cboArea", "*지역구분", "E0017");
    m_season = new TSeasonField(edtSeason, bbtSeason, wlbSeason, cboArea);

    setFields({
        Field("KEEP_NO", "보관번호", BIND(wlbKeepNo)).sql("TO_CHAR(KEEP_NO, 'FM0000000000')").width(100),
        Column("KEEP_STAT", "보관상태").code("E0015").width(90),
        Field("IPGO_DATE", "입고일자", BIND(wmeKeepInDate)).date().captioned("*입고일").width(90),
        Field("CHULGO_DATE", "출고일자", BIND(wmeKeepOutDate)).mask("9999-99-99").showsDate().captioned("출고일").width(90),
        Field("GUEST_NO", "우대번호", BIND(edtKeepWoodaeNo)).bytes(10),
        // the guest name belongs to the number: one typed but not found is refused before anything else
        Field("GUEST_NAME", "우대명", BIND(wlbKeepWoodaeNo)).captioned({}).thenCheck([this] {
            return edtKeepWoodaeNo->text().isEmpty() || !wlbKeepWoodaeNo->text().isEmpty()
                || refuse(edtKeepWoodaeNo, enterCorrectly("우대번호"));
        }),
        Field("KEEP_GUBUN", "*보관구분", BIND(cboKeep)).code("E0016"),
        Field("EQUIP_GUBUN", "*장비구분", BIND(cboKeepEquip)).code("E0009"),
        Field("EQUIP_NAME_GUBUN", "*장비명", BIND(cboKeepEquipName)).code("E0021"),
        Field("EQUIP_NAME_ETC", "장비명기타", BIND(edtKeepEquipNameEtc)).bytes(40),
        Field("NATIVE_NO", "*고유번호", BIND(edtKeepEquipID)).bytes(40),
        Field("POELS_YN", "폴유무", BIND(cboKeepPoles)).code({"Y", "N"}, {QStringLiteral("유"), QStringLiteral("무")}),
        Field("POELS_NAME", "폴명", BIND(edtKeepPolesName)).bytes(40),
        Field("MEMBER_NO", "회원번호", BIND(edtKeepMemberNo)).bytes(10).lookup(BIND(bbtKeepMemberNo)),
        Field("KEEP_NAME", "*보관자명", BIND(edtKeepName)).bytes(30),
        Field("ZIP_CODE", "우편번호", BIND(wmeKeepZipCode)).mask("999-999").captioned("주소").newLine()
            .lookup(BIND(bbtKeepZipCode)),
        Field("ADDR1", "주소1", BIND(edtKeepAddr1)).captioned({}).readOnly(),
        Field("ADDR2", "주소2", BIND(wlbKeepAddr2)).captioned({}).bytes(60),
        Field("TEL_NO", "*연락처(자택)", BIND(edtKeepTel)).bytes(20),
        Field("MOBILE_NO", "연락처(핸드폰)", BIND(edtKeepMobile)).bytes(20),
        Field("KEEP_BOX_NO", "*보관함번호", BIND(edtKeepBoxNo)).bytes(10),
        Field("REMARK", "비고", BIND(edtKeepRemark)).bytes(60),
        Column("CONF_QUESTION", "질문"),
        Column("CONF_ANSWER", "답변"),
        Version(),
    });
    setCheckOrder({"GUEST_NAME", "KEEP_GUBUN", "EQUIP_GUBUN", "EQUIP_NAME_GUBUN", "NATIVE_NO", "IPGO_DATE"});
    for (int c = cOutDate + 1; c < cColumnCount; ++c)
        grid()->column(c).hidden();
    grid()->applyColumns();
    body()->newLine();

    grpKeepLoss = new QGroupBox(QStringLiteral("보관증 분실시 확인 질문/답변"));
    grpKeepLoss->setObjectName("grpKeepLoss");
    auto *loss = new TFieldPanel(grpKeepLoss, 2);
    (new QVBoxLayout(grpKeepLoss))->addWidget(loss);
    connect(loss, &TFieldPanel::controlAdded, this, &TfrmEZI000::attachDetailControl);
    edtKeepLossQuestion = loss->addEdit("edtKeepLossQuestion", "질문", "질문", 80);
    edtKeepLossAnswer = loss->addEdit("edtKeepLossAnswer", "답변", "답변", 80);
    body()->addControl(QString(), grpKeepLoss, 3);

    TStatusButtons *status = addStatusButtons(cStat);
    sbtKeepIn = status->add(body(), "sbtKeepIn", "보관[F5]", "K", Qt::Key_F5);
    sbtKeepOut = status->add(body(), "sbtKeepOut", "불출[F6]", "R", Qt::Key_F6);
    placeTicketButtons(body());

    // finding an item above the list: a ticket scanned at the release, or the owner's name
    TFieldPanel *find = headPanel();
    edtKeepFind = find->addEdit("edtKeepFind", "보관증번호/보관자명", {}, 30);
    attachColouring(edtKeepFind);
    edtKeepFind->installEventFilter(this);

    connect(bbtKeepMemberNo, &QPushButton::clicked, this, &TfrmEBI050::bbtKeepMemberNoClick);
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
    setLoadQuery("FROM EB050MS WHERE SEASON_GUBUN = :SEASON_GUBUN AND AREA_GUBUN = :AREA_GUBUN ORDER BY EB050MS.KEEP_NO");
    prcSaveData->setProcedure("PR_EBI050_01");
    setRowLeaveChecks(true);

    for (TCodeCombo *c : {cboArea, cboKeep, cboKeepEquip, cboKeepEquipName, cboKeepPoles})
        if (c->count() > 0)
            c->setCurrentIndex(0);

    // The storage kind comes before the intake date, so the proposed release date fits the kind.
    chainTabs({edtSeason, cboArea, bbtSearch, edtKeepFind, cboKeep, wmeKeepInDate, wmeKeepOutDate, edtKeepWoodaeNo, cboKeepEquip,
               cboKeepEquipName, edtKeepEquipNameEtc, edtKeepEquipID, cboKeepPoles, edtKeepPolesName, edtKeepMemberNo,
               edtKeepName, wmeKeepZipCode, wlbKeepAddr2, edtKeepTel, edtKeepMobile, edtKeepBoxNo, edtKeepRemark,
               edtKeepLossQuestion, edtKeepLossAnswer, sbtKeepIn, sbtKeepOut, grid()});
}

TfrmEBI050::~TfrmEBI050() = default;

void TfrmEBI050::search()
{
    if (!m_season->check())
        return;
    qryQuery->bind("SEASON_GUBUN", m_season->code());
    qryQuery->bind("AREA_GUBUN", cboArea->code());
    TfrmEZI000::search();
    // a stored item is found by its ticket or its owner; an empty season starts with its first item
    if (!isSearchMode() && grid()->rowCount() > 0 && isLoadedRow(0))
        edtKeepFind->setFocus(Qt::OtherFocusReason);
}

bool TfrmEBI050::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == edtKeepFind && event->type() == QEvent::KeyPress) {
        const auto *k = static_cast<QKeyEvent *>(event);
        if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && k->modifiers() == Qt::NoModifier) {
            if (edtKeepFind->text().trimmed().isEmpty())
                focusNextFrom(edtKeepFind);
            else
                findItem(edtKeepFind->text());
            return true;
        }
    }
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
    TfrmEZI000::ShowRow();
    // a new item without a release date proposes one when its intake date is left, typed or not
    const int row = grid()->currentRow();
    m_inDateTyped = row >= 0 && !isLoadedRow(row) && wmeKeepOutDate->value().isEmpty();
}

void TfrmEBI050::StartNewRow(int row, int previous)
{
    // an item comes in today; the same guest's next item (typed just before, not yet saved) starts with
    // the guest's name, telephones and box
    grid()->setCell(row, cInDate, TodayText());
    if (previous < 0 || previous >= grid()->rowCount() || isLoadedRow(previous))
        return;
    for (int c : {cKeepName, cTel, cMobile, cBoxNo})
        grid()->setCell(row, c, grid()->cell(previous, c));
}

bool TfrmEBI050::findItem(const QString &typed)
{
    const QString text = typed.trimmed();
    auto refused = [this](const QString &message) {
        ShowInfo(message);
        edtKeepFind->setFocus(Qt::OtherFocusReason);
        edtKeepFind->selectAll();   // the next scan replaces it
        return false;
    };
    if (isSearchMode() || text.isEmpty())
        return false;
    int found = -1;
    // a ticket: "26-0000000906" as printed, or the number alone
    static const QRegularExpression ticket(QStringLiteral("^(?:([0-9A-Za-z]{2})\\s*-\\s*)?([0-9]{1,10})$"));
    const QRegularExpressionMatch m = ticket.match(text);
    if (m.hasMatch()) {
        if (!m.captured(1).isEmpty() && m.captured(1).toUpper() != m_season->code())
            return refused(QStringLiteral("보관증의 시즌[%1]이 조회한 시즌[%2]과 다릅니다").arg(m.captured(1).toUpper(),
                                                                                          m_season->code()));
        const qlonglong no = m.captured(2).toLongLong();
        for (int r = 0; r < grid()->rowCount() && found < 0; ++r)
            if (isLoadedRow(r) && grid()->cell(r, cKeepNo).toLongLong() == no)
                found = r;
        if (found < 0)
            return refused(QStringLiteral("보관번호[%1]에 해당하는 보관자료가 없습니다").arg(PadZeros(m.captured(2), 10)));
    } else {
        // the owner's items one after the other, from the row after the current one
        const int n = grid()->rowCount(), current = grid()->currentRow();
        for (int i = 1; i <= n && found < 0; ++i) {
            const int r = (current + i) % n;
            if (grid()->cell(r, cKeepName).contains(text, Qt::CaseInsensitive))
                found = r;
        }
        if (found < 0)
            return refused(QStringLiteral("보관자명[%1]에 해당하는 보관자료가 없습니다").arg(text));
    }
    moveTo(found);
    if (grid()->currentRow() != found)
        return false;   // the row on screen could not be left: its check said why
    grid()->scrollTo(grid()->model()->index(found, 0));
    edtKeepFind->setFocus(Qt::OtherFocusReason);
    edtKeepFind->selectAll();
    return true;
}

bool TfrmEBI050::validateRow()
{
    if (grid()->rowCount() == 0)
        return true;
    const QString stat = statusButtons()->pressed();
    if (stat.isEmpty()) {
        ShowInfo(QStringLiteral("보관상태를 선택하십시요"));
        return false;
    }
    const QString out = wmeKeepOutDate->value();
    if (stat == "R" && out.isEmpty())
        return refuse(wmeKeepOutDate, QStringLiteral("보관상태가 [불출]일 경우 출고일을 입력하십시요"));
    if (!out.isEmpty() && !IsDateText(out))
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
    edtKeepFind->setFocus(Qt::OtherFocusReason);   // the next guest's ticket, or F4 for a new item
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
