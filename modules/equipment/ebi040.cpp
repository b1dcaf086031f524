#include "ebi040.h"
#include "database/transaction.h"
#include "core/messages.h"
#include "core/utils.h"
#include "database/query.h"
#include "refdata/lookups.h"
#include "framework/dialogs/lookupdialogs.h"
#include "framework/dialogs/zzh000.h"
#include "framework/fieldlookups.h"
#include "framework/listmodel.h"
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <QShortcut>
#include <QTimer>
#include <QGuiApplication>
#include "core/startupvalues.h"

namespace {
// Positions of the grid columns, in the order of the field table.
enum { cSeq, cTicket, cStat, cEquip, cEquipNo, cName, cTel, cHeight, cWeight, cBoots, cBinding, cZip, cAddr1,
       cAddr2, cFrom, cTo, cRemark };

const QString kTaken = QStringLiteral("선택하신 장비는 이미 대여되었거나 작업중입니다");

// One equipment number that several kinds carry: the clerk picks the kind in one step, with Enter on
// the entry shown first or with the entry's digit.
class TEquipKindChoice : public TfrmZZH000 {
public:
    TEquipKindChoice(const QString &no, const QStringList &entries, int current, QWidget *parent)
        : TfrmZZH000(parent)
    {
        setObjectName(QStringLiteral("frmEquipKindChoice"));
        setWindowTitle(QStringLiteral("장비 선택"));
        mainLayout()->addWidget(
            new QLabel(QStringLiteral("장비번호[%1]인 장비가 여럿입니다. 장비구분을 선택하십시오.").arg(no), panMain));
        m_list = new QListWidget(panMain);
        m_list->setObjectName(QStringLiteral("lstKinds"));
        for (int i = 0; i < entries.size(); ++i)
            m_list->addItem(QStringLiteral("%1. %2").arg(i + 1).arg(entries.at(i)));
        m_list->setCurrentRow(qMax(0, current));
        m_list->installEventFilter(this);
        mainLayout()->addWidget(m_list);
        connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
        m_list->setFocus();
    }
    int chosen() const { return m_list->currentRow(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_list && event->type() == QEvent::KeyPress) {
            const auto *k = static_cast<QKeyEvent *>(event);
            if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
                accept();
                return true;
            }
            const int digit = k->key() - Qt::Key_1;
            if (digit >= 0 && digit < qMin(9, m_list->count())) {
                m_list->setCurrentRow(digit);
                accept();
                return true;
            }
        }
        return TfrmZZH000::eventFilter(watched, event);
    }

private:
    QListWidget *m_list;
};

} // namespace

TfrmEBI040::TfrmEBI040(QWidget *parent, const QString &printerPort)
    : TfrmTicketCounter(parent, printerPort, QStringLiteral("대여증"), QStringLiteral("대여증 재발급(F99)"))
{
    setWindowTitle(QStringLiteral("장비 대여/반납 작업"));
    dtpDate = conditions()->addDateEdit("dtpDate", "*대여일자");
    cboArea = conditions()->addCodeCombo("cboArea", "*지역구분", "E0017");
    edtRentNo = conditions()->addEdit("edtRentNo", "대여번호", {}, 10);
    bbtRentNo = conditions()->addLookupButton(edtRentNo, "bbtRentNo");

    // the header of the rental sits above the rows and keeps its values from row to row
    TFieldPanel *head = headPanel();
    edtDealName = head->addEdit("edtDealName", "*취급자", {}, 30);
    cboKeepKind = head->addCodeCombo("cboKeepKind", "*보관내용구분", "E0013");
    edtKeepBoxNo = head->addEdit("edtKeepBoxNo", "*보관함번호", {}, 5);
    for (QWidget *w : std::initializer_list<QWidget *>{edtDealName, cboKeepKind, edtKeepBoxNo})
        attachHeaderControl(w);

    setFields({
        Column("RENT_SEQ", "대여순번").width(60),
        Field("TICKET_KIND", "*권종", BIND(cboRentTicketKind)).code("I0005").width(100),
        Column("RENT_STAT", "대여상태").code("E0012"),
        Field("EQUIP_GUBUN", "*장비구분", BIND(cboRentEquip)).code("E0009").hidden(),
        Field("EQUIP_NO", "*장비번호", BIND(edtRentEquipNo)).bytes(5).readOnly().hidden(),
        Field("RENT_NAME", "*대여자명", BIND(edtRentName)).bytes(30).hidden(),
        Field("TEL_NO", "연락처", BIND(edtRentTel)).bytes(20).hidden(),
        Field("HEIGHT", "신장", BIND(wneRentHeight)).digits(3).unit("Cm").hidden(),
        Field("WEIGHT", "체중", BIND(wneRentWeight)).digits(3).unit("Kg").hidden(),
        Field("SHOES_SIZE", "*부츠사이즈", BIND(cboRentBootsSize)).code("E0011").hidden(),
        Field("BINDING", "바인딩강도", BIND(wneRentBinding)).digits(3).hidden(),
        Field("ZIP_CODE", "우편번호", BIND(wmeRentZipCode)).mask("999-999").captioned("주소").hidden()
            .lookup(BIND(bbtRentZipCode)),
        Field("ADDR1", "주소1", BIND(edtRentAddr1)).captioned({}).readOnly().hidden(),
        Field("ADDR2", "주소2", BIND(wlbRentAddr2)).captioned({}).bytes(60).hidden(),
        Field("SVRL_RENT_FROM_DATE", "연일대여시작일자", BIND(wmeRentSvrlDateFrom)).mask("9999-99-99")
            .captioned("연일대여기간").hidden(),
        Field("SVRL_RENT_TO_DATE", "연일대여끝일자", BIND(wmeRentSvrlDateTo)).mask("9999-99-99").captioned("∼").hidden(),
        Field("REMARK", "비고", BIND(edtRentRemark)).bytes(60).hidden(),
        Version(),
    });
    // the row's checks: the header (validateHeader), then these, then the rules of validateRow
    setCheckOrder({"EQUIP_GUBUN", "EQUIP_NO", "RENT_NAME", "SHOES_SIZE", "TICKET_KIND"});
    body()->newLine();

    auto button = [this](const QString &name, const QString &caption) {
        auto *b = new QPushButton(caption);
        b->setObjectName(name);
        body()->addControl(QString(), b);
        return b;
    };
    TStatusButtons *status = addStatusButtons(cStat);
    sbtRentDay = status->add(body(), "sbtRentDay", "일일대여[F5]", "D", Qt::Key_F5);
    sbtRentSvrl = status->add(body(), "sbtRentSvrl", "연일대여[F6]", "S", Qt::Key_F6);
    sbtRentReturn = status->add(body(), "sbtRentReturn", "반납[F7]", "R", Qt::Key_F7);
    body()->newLine();
    // a scanned number lands here; it belongs to no column of the row
    auto *scanHolder = new QWidget;
    scanHolder->setObjectName("scanHolder");
    auto *scanLayout = new QHBoxLayout(scanHolder);
    scanLayout->setContentsMargins(0, 0, 0, 0);
    edtEquipNoScan = new TEdit(scanHolder);
    edtEquipNoScan->setObjectName("edtEquipNoScan");
    edtEquipNoScan->setMaxBytes(10);
    edtEquipNoScan->setAccessibleName(QStringLiteral("번호입력"));
    scanLayout->addWidget(edtEquipNoScan);
    body()->addControl("번호입력", scanHolder);
    attachColouring(edtEquipNoScan);
    edtEquipNoScan->installEventFilter(this);
    cboEquipSizeGubun = new TCodeCombo;
    cboEquipSizeGubun->setObjectName("cboEquipSizeGubun");
    body()->addControl("사이즈", cboEquipSizeGubun);
    rgrEquipNo = new TEditGrid;
    rgrEquipNo->setReadOnly();
    rgrEquipNo->setObjectName("rgrEquipNo");
    rgrEquipNo->addColumn("장비번호", TColumn::Text, 80);
    body()->addControl(" 장비선택 ", rgrEquipNo);
    rgrEquipNoFooter = new TRowCountFooter(rgrEquipNo);
    body()->addBelow(rgrEquipNo, rgrEquipNoFooter);
    bbtEquipNoRef = button("bbtEquipNoRef", "다시보기");
    sbtEquipOk = button("sbtEquipOk", "선택(F10)");
    sbtEquipCancel = button("sbtEquipCancel", "취소(F11)");
    placeTicketButtons(body());

    connect(bbtEquipNoRef, &QPushButton::clicked, this, &TfrmEBI040::refreshEquipList);
    connect(sbtEquipOk, &QPushButton::clicked, this, &TfrmEBI040::sbtEquipOkClick);
    connect(sbtEquipCancel, &QPushButton::clicked, this, &TfrmEBI040::sbtEquipCancelClick);
    // A piece belongs to the kind and size it was picked for: choosing another one gives it back, so a
    // row never carries the number of another kind.
    connect(cboRentEquip, &QComboBox::currentIndexChanged, this, [this] {
        if (isFilling() || m_restoringKind)
            return;
        if (!givePieceBack(m_rowKind)) {
            m_restoringKind = true;
            cboRentEquip->setCode(m_rowKind);
            m_restoringKind = false;
            return;
        }
        m_rowKind = cboRentEquip->code();
        equipKindChanged();
        m_pieceSize = cboEquipSizeGubun->code();
    });
    connect(cboEquipSizeGubun, &QComboBox::currentIndexChanged, this, [this] {
        if (givePieceBack(m_rowKind))
            m_pieceSize = cboEquipSizeGubun->code();
        else {
            const QSignalBlocker block(cboEquipSizeGubun);
            cboEquipSizeGubun->setCode(m_pieceSize);
        }
        showFreeList();
    });
    connect(edtRentEquipNo, &QLineEdit::textChanged, this,
            [this](const QString &t) { sbtEquipOk->setEnabled(t.isEmpty()); });
    bindZipCode(wmeRentZipCode, edtRentAddr1, bbtRentZipCode, wlbRentAddr2);
    for (auto [key, b] : {std::pair{Qt::Key_F10, sbtEquipOk}, {Qt::Key_F11, sbtEquipCancel}}) {
        auto *sc = new QShortcut(QKeySequence(key), this);
        sc->setContext(Qt::WidgetWithChildrenShortcut);
        QPushButton *target = b;
        connect(sc, &QShortcut::activated, target, [target] {
            if (target->isVisible() && target->isEnabled())
                target->click();
        });
    }

    bbtNewRental = addButton("bbtNewRental", QStringLiteral("새 대여(Shift+F4)"));
    connect(bbtNewRental, &QPushButton::clicked, this, &TfrmEBI040::bbtNewRentalClick);
    addHotkey(QStringLiteral("새 대여"), QKeySequence(Qt::SHIFT | Qt::Key_F4), [this] { bbtNewRentalClick(); });

    connect(bbtRentNo, &QPushButton::clicked, this, &TfrmEBI040::bbtRentNoClick);
    BindLookupKey(edtRentNo, bbtRentNo);
    setRowLeaveChecks(true);

    db::Database *db = prcSaveData->database();
    setLoadQuery("FROM EB040DT WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN AND RENT_NO = :RENT_NO");
    prcSaveData->setProcedure("PR_EBI040_02");
    prcSaveDataMaster = std::make_unique<db::StoredProc>(db, "PR_EBI040_01");
    prcSaveTempEquipNo = std::make_unique<db::StoredProc>(db, "PR_EBI040_03");

    for (TCodeCombo *c : {cboArea, cboKeepKind, cboRentTicketKind, cboRentEquip, cboRentBootsSize})
        if (c->count() > 0)
            c->setCurrentIndex(0);

    // The clerk's way through a piece: its number scanned (or ticket kind, kind, size and the free list,
    // where Enter picks), then the guest with the required boots size right after the name; what is
    // rarely typed comes last and read-only fields are passed over.
    chainTabs({dtpDate, cboArea, edtRentNo, bbtSearch, edtDealName, cboKeepKind, edtKeepBoxNo, edtEquipNoScan,
               cboRentTicketKind, cboRentEquip, cboEquipSizeGubun, rgrEquipNo, edtRentName, cboRentBootsSize,
               edtRentTel, wneRentHeight, wneRentWeight, wneRentBinding, wmeRentZipCode, wlbRentAddr2,
               wmeRentSvrlDateFrom, wmeRentSvrlDateTo, edtRentRemark, sbtRentDay, sbtRentSvrl, sbtRentReturn,
               sbtEquipOk, sbtEquipCancel, bbtEquipNoRef, grid()});
    bbtNewRental->setEnabled(true);
    cboEquipSizeGubun->installEventFilter(this);
    rgrEquipNo->installEventFilter(this);
}

bool TfrmEBI040::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *k = static_cast<QKeyEvent *>(event);
        const bool enter = (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && k->modifiers() == Qt::NoModifier;
        // a number typed or scanned on the free list is a number, never a search within the list
        const bool plain = !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (watched == rgrEquipNo && plain && !k->text().isEmpty() && k->text().at(0).isPrint()
            && !k->text().at(0).isSpace() && edtEquipNoScan->isEnabled()) {
            edtEquipNoScan->setFocus(Qt::OtherFocusReason);
            edtEquipNoScan->selectAll();
            edtEquipNoScan->insert(k->text());
            return true;
        }
        if (watched == edtEquipNoScan && enter) {
            if (edtEquipNoScan->text().trimmed().isEmpty())
                focusNextFrom(edtEquipNoScan);
            else
                pickByNumber(edtEquipNoScan->text());
            return true;
        }
    }
    if ((watched == cboEquipSizeGubun || watched == rgrEquipNo) && event->type() == QEvent::KeyPress) {
        const auto *k = static_cast<QKeyEvent *>(event);
        if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && k->modifiers() == Qt::NoModifier) {
            if (watched == rgrEquipNo)
                sbtEquipOkClick();   // Enter on a free piece picks it
            else
                focusNextFrom(cboEquipSizeGubun);
            return true;
        }
    }
    return TfrmTicketCounter::eventFilter(watched, event);
}

TfrmEBI040::~TfrmEBI040()
{
    // the last chance for holds left behind by a screen closed without its close button
    for (const QString &h : std::as_const(m_holds)) {
        prcSaveTempEquipNo->clearParams();
        prcSaveTempEquipNo->setParam("ARENT_DATE", workDate());
        prcSaveTempEquipNo->setParam("AAREA_GUBUN", cboArea->code());
        prcSaveTempEquipNo->setParam("AEQUIP_GUBUN", h.section('/', 0, 0));
        prcSaveTempEquipNo->setParam("AEQUIP_NO", h.section('/', 1));
        prcSaveTempEquipNo->setParam("AEDITSTATUS", "3");
        prcSaveTempEquipNo->exec();
    }
}

QStringList TfrmEBI040::heldPieces() const
{
    QStringList l(m_holds.begin(), m_holds.end());
    l.sort();
    return l;
}

QStringList TfrmEBI040::freeEquipment() const
{
    QStringList l;
    for (int r = 0; r < rgrEquipNo->rowCount(); ++r)
        l << rgrEquipNo->cell(r, 0);
    return l;
}

void TfrmEBI040::search()
{
    db::Query master(prcSaveData->database());
    master.setSql("SELECT DEAL_NAME, KEEP_KIND_GUBUN, KEEP_BOX_NO, ROW_VERSION FROM EB040MS WHERE RENT_DATE = :RENT_DATE "
                  "AND AREA_GUBUN = :AREA_GUBUN AND RENT_NO = :RENT_NO");
    master.bind("RENT_DATE", workDate());
    master.bind("AREA_GUBUN", cboArea->code());
    master.bind("RENT_NO", edtRentNo->text());
    m_headerStatus = 2;
    m_headerVersion = QVariant();
    if (master.open() && master.next()) {
        edtDealName->setText(master.value(0));
        cboKeepKind->setCode(master.value(1));
        edtKeepBoxNo->setText(master.value(2));
        m_headerStatus = 1;
        m_headerVersion = master.value(3).toLongLong();
    }
    qryQuery->bind("RENT_DATE", workDate());
    qryQuery->bind("AREA_GUBUN", cboArea->code());
    qryQuery->bind("RENT_NO", edtRentNo->text());
    m_freeFresh = false;
    TfrmEZI000::search();
    if (cboKeepKind->isEmpty() && cboKeepKind->count() > 0)
        cboKeepKind->setCurrentIndex(0);
    showFreeList();
    bbtNewRental->setEnabled(true);
    edtDealName->setFocus();
    edtDealName->selectAll();   // also when the focus arrives later, with the window (after a lookup)
}

QWidget *TfrmEBI040::firstDetailControl() const
{
    // a row still without its piece starts at the number, where a scan lands
    const int row = grid()->currentRow();
    if (row >= 0 && !isLoadedRow(row) && edtRentEquipNo->text().isEmpty() && edtEquipNoScan->isEnabled()
        && edtEquipNoScan->isVisibleTo(this))
        return edtEquipNoScan;
    return TfrmTicketCounter::firstDetailControl();
}

void TfrmEBI040::StartNewRow(int row, int previous)
{
    // the same rental's next piece is mostly the same guest's: the guest's data come along, still editable
    if (previous < 0 || previous >= grid()->rowCount())
        return;
    for (int c : {cName, cTel, cHeight, cWeight, cBoots})
        grid()->setCell(row, c, grid()->cell(previous, c));
}

void TfrmEBI040::bbtNewRentalClick()
{
    if (!beginAction(bbtNewRental))
        return;
    const QString handler = edtDealName->text();
    if (!isSearchMode()) {
        cancel();   // asks when something is not saved, gives the holds back
        if (!isSearchMode())
            return;
    }
    edtRentNo->clear();
    if (edtDealName->text().isEmpty())
        edtDealName->setText(handler);   // the same clerk hands the next rental out
    bbtSearchClick();
    if (!isSearchMode() && !edtDealName->text().isEmpty()) {
        edtKeepBoxNo->setFocus(Qt::OtherFocusReason);
        edtKeepBoxNo->selectAll();
    }
}

void TfrmEBI040::ShowRow()
{
    TfrmEZI000::ShowRow();
    const int row = grid()->currentRow();
    m_rowKind = cboRentEquip->code();
    equipKindChanged();
    m_pieceSize = cboEquipSizeGubun->code();
    const bool fresh = row >= 0 && !isLoadedRow(row);
    sbtEquipCancel->setEnabled(fresh);
    bbtDelete->setEnabled(fresh);
    sbtEquipOk->setEnabled(edtRentEquipNo->text().isEmpty());
}

void TfrmEBI040::equipKindChanged()
{
    const QString kind = cboRentEquip->code();
    const QString item = kind == "CS" ? "ITEM1" : kind == "SB" ? "ITEM2" : kind == "NS" ? "ITEM3" : QString();
    if (!item.isEmpty()) {
        // the sizes of a kind come from the code table, read once per kind for the screen's life (as
        // the code lists of the other fields are)
        QStringList codes, labels;
        if (const auto cached = m_sizeLists.constFind(kind); cached != m_sizeLists.constEnd()) {
            codes = cached->first;
            labels = cached->second;
        } else {
            db::Query q(prcSaveData->database());
            q.setSql("SELECT DETAIL, DETAIL_NAME FROM ZX010MS WHERE HEAD = 'E0010' AND " + item + " = 'Y' ORDER BY DETAIL");
            const bool read = q.open();
            while (read && q.next()) {
                codes << q.value(0);
                labels << q.value(1);
            }
            if (read)
                m_sizeLists.insert(kind, {codes, labels});
        }
        const QSignalBlocker block(cboEquipSizeGubun);
        cboEquipSizeGubun->setItems(codes, labels);
        // the list starts at the first size that still has a free piece, or stays empty when none has
        QSet<QString> free;
        if (!isSearchMode())
            for (const auto &piece : freeOfKind())
                free.insert(piece.first);
        int first = -1;
        for (int i = 0; i < codes.size() && first < 0; ++i)
            if (isSearchMode() || free.contains(codes.at(i)))
                first = i;
        cboEquipSizeGubun->setCurrentIndex(first);
    }
    if (cboEquipSizeGubun->count() == 0 || cboEquipSizeGubun->isEmpty())
        rgrEquipNo->clearRows();
    showFreeList();
}

// The pieces of the row's kind that are rentable and neither out today nor held by a live counter (the
// hold of a counter silent past the stale time does not count).
static QString freePiecesFrom()
{
    return QStringLiteral("FROM EB020MS WHERE AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN "
                          "AND EQUIP_RENT_YN    = 'Y' AND SVRL_RENT_YN     = 'N' "
                          "AND EQUIP_NO NOT IN (SELECT EQUIP_NO FROM EB040DT WHERE RENT_DATE = :RENT_DATE "
                          "AND AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN AND RENT_STAT = :RENT_STAT) "
                          "AND EQUIP_NO NOT IN (SELECT EQUIP_NO FROM EB020TM H WHERE RENT_DATE = :RENT_DATE "
                          "AND AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN AND ")
           + db::Database::liveHold(QStringLiteral("H")) + QStringLiteral(") ");
}

const QVector<QPair<QString, QString>> &TfrmEBI040::freeOfKind()
{
    // One read of every free piece of the kind (size and number) serves the sizes that have one and
    // the list of the chosen size: all that one action shows (a save's reload shows its rows one
    // after the other) comes from the same read. It is read again by the next action, after this
    // counter held or gave back a piece, and by "다시보기".
    const QString key = cboArea->code() + QLatin1Char('/') + cboRentEquip->code() + QLatin1Char('/') + workDate();
    if (m_freeFresh && key == m_freeKey)
        return m_free;
    m_free.clear();
    db::Query q(prcSaveData->database());
    q.setSql("SELECT EQUIP_SIZE_GUBUN, EQUIP_NO " + freePiecesFrom() + "ORDER  BY EQUIP_NO");
    q.bind("AREA_GUBUN", cboArea->code());
    q.bind("EQUIP_GUBUN", cboRentEquip->code());
    q.bind("RENT_DATE", workDate());
    q.bind("RENT_STAT", "D");
    const bool read = q.open();
    while (read && q.next())
        m_free.append({q.value(0), q.value(1)});
    m_freeKey = key;
    m_freeFresh = read;
    if (read)
        QTimer::singleShot(0, this, [this] { m_freeFresh = false; });   // until the next action
    return m_free;
}

void TfrmEBI040::refreshEquipList()
{
    m_freeFresh = false;
    showFreeList();
}

void TfrmEBI040::showFreeList()
{
    if (cboArea->isEmpty() || cboRentEquip->isEmpty() || cboEquipSizeGubun->isEmpty() || isSearchMode())
        return;
    rgrEquipNo->clearRows();
    const QString size = cboEquipSizeGubun->code();
    QVector<QStringList> rows;
    for (const auto &piece : freeOfKind())
        if (piece.first == size)
            rows << QStringList{piece.second};
    rgrEquipNo->setRows(rows);
}

bool TfrmEBI040::callHold(const QString &kind, const QString &no, const QString &status)
{
    // A hold is committed at once (a call outside a unit of work is one of its own; on PostgreSQL one
    // statement without BEGIN and COMMIT), or with the unit of work it joins, so that other counters
    // see it.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    prcSaveTempEquipNo->clearParams();
    prcSaveTempEquipNo->setParam("ARENT_DATE", workDate());
    prcSaveTempEquipNo->setParam("AAREA_GUBUN", cboArea->code());
    prcSaveTempEquipNo->setParam("AEQUIP_GUBUN", kind);
    prcSaveTempEquipNo->setParam("AEQUIP_NO", no);
    prcSaveTempEquipNo->setParam("AU_EMP_NO", Startup().employeeNumber);
    prcSaveTempEquipNo->setParam("AU_IP", Startup().workstationAddress);
    prcSaveTempEquipNo->setParam("AEDITSTATUS", status);
    const bool ok = prcSaveTempEquipNo->exec();
    const QString error = ok ? QString() : prcSaveTempEquipNo->lastError();
    QGuiApplication::restoreOverrideCursor();
    m_freeFresh = false;   // whatever happened, the free list is read again
    if (!ok) {
        if (error == kTaken)
            ShowInfo(error);   // the piece went to another counter or rental since the list was read
        else
            ShowError(db::Database::saveFailedMessage(error));
        return false;
    }
    if (status == "2")
        m_holds.insert(kind + '/' + no);
    else
        m_holds.remove(kind + '/' + no);
    return true;
}

bool TfrmEBI040::releaseHolds()
{
    // all of them or none: a failure leaves every hold in place
    const QStringList held = heldPieces();
    if (held.isEmpty())
        return true;
    const QSet<QString> before = m_holds;
    db::Transaction transaction(prcSaveTempEquipNo->database());
    if (!transaction.isActive()) {
        ShowError(db::Database::saveFailedMessage(transaction.error()));
        return false;
    }
    for (const QString &h : held)
        if (!callHold(h.section('/', 0, 0), h.section('/', 1), "3")) {
            m_holds = before;   // rolled back with the unit of work
            return false;
        }
    if (!transaction.commit()) {
        m_holds = before;
        ShowError(db::Database::saveFailedMessage(transaction.error()));
        return false;
    }
    return true;
}

void TfrmEBI040::sbtEquipOkClick()
{
    if (!beginAction(sbtEquipOk))
        return;
    const int r = rgrEquipNo->currentRow();
    if (rgrEquipNo->rowCount() == 0) {
        ShowInfo(QStringLiteral("조건[지역, 장비, 장비사이즈]에 맞는 잔여장비가 없습니다"));
        return;
    }
    // the hold checks, under the piece's lock, that it is still free (a piece another counter took since
    // the list was read is refused there)
    const QString no = rgrEquipNo->cell(r < 0 ? 0 : r, 0);
    takePiece(cboRentEquip->code(), no);
}

bool TfrmEBI040::takePiece(const QString &kind, const QString &no)
{
    if (!callHold(kind, no, "2"))
        return false;
    putPiece(no);
    return true;
}

void TfrmEBI040::putPiece(const QString &no)
{
    m_pieceSize = cboEquipSizeGubun->code();
    setModified(true);
    edtRentEquipNo->setText(no);
    StoreControl(edtRentEquipNo);
    StoreControl(cboRentEquip);
    edtEquipNoScan->clear();
    showFreeList();
    edtRentName->setFocus();   // the piece is the guest's now: on to the guest's data
}

bool TfrmEBI040::pickByNumber(const QString &typed)
{
    SetStatusMessage(QString());
    QString no = typed.trimmed().toUpper();
    bool digits = !no.isEmpty();
    for (QChar c : std::as_const(no))
        digits = digits && c.isDigit();
    if (digits && no.size() < 5)
        no = PadZeros(no, 5);   // "7" is piece 00007, as the numbers are given
    auto refused = [this](const QString &message) {
        ShowInfo(message);
        edtEquipNoScan->setFocus(Qt::OtherFocusReason);
        edtEquipNoScan->selectAll();   // the next scan replaces it
        return false;
    };
    const int row = grid()->currentRow();
    if (isSearchMode() || row < 0)
        return false;
    if (isLoadedRow(row) || !edtRentEquipNo->text().isEmpty())
        return refused(QStringLiteral("현재 행에는 이미 선택된 장비가 있습니다. 신규(F4)로 행을 추가한 후 입력하십시오."));

    // every kind that carries the number in the area, whatever kind and size the row shows
    db::Query q(prcSaveData->database());
    q.setSql("SELECT M.EQUIP_GUBUN, M.EQUIP_SIZE_GUBUN, K.DETAIL_NAME, S.DETAIL_NAME FROM EB020MS M "
             "LEFT JOIN ZX010MS K ON K.HEAD = 'E0009' AND K.DETAIL = M.EQUIP_GUBUN "
             "LEFT JOIN ZX010MS S ON S.HEAD = 'E0010' AND S.DETAIL = M.EQUIP_SIZE_GUBUN "
             "WHERE M.AREA_GUBUN = :AREA_GUBUN AND M.EQUIP_NO = :EQUIP_NO ORDER BY M.EQUIP_GUBUN");
    q.bind("AREA_GUBUN", cboArea->code());
    q.bind("EQUIP_NO", no);
    QStringList kinds, sizes, entries;
    if (!q.open()) {
        ShowError(TListModel::readFailedMessage(q.lastError()));
        return false;
    }
    while (q.next()) {
        kinds << q.value(0);
        sizes << q.value(1);
        entries << (q.value(2).isEmpty() ? q.value(0) : q.value(2)) + ' ' + (q.value(3).isEmpty() ? q.value(1) : q.value(3));
    }
    q.close();
    if (kinds.isEmpty())
        return refused(QStringLiteral("장비번호[%1]에 해당하는 장비가 없습니다").arg(no));
    int chosen = 0;
    if (kinds.size() > 1) {
        TEquipKindChoice choice(no, entries, int(kinds.indexOf(cboRentEquip->code())), this);
        if (choice.runModal() != QDialog::Accepted) {
            edtEquipNoScan->setFocus(Qt::OtherFocusReason);
            edtEquipNoScan->selectAll();
            return false;
        }
        chosen = choice.chosen();
    }
    const QString kind = kinds.at(chosen), size = sizes.at(chosen);
    // The hold checks under the piece's lock that it may go out (a piece out or held elsewhere is
    // refused there, in the same words); only a held piece changes the row's kind and size. A piece
    // this counter holds already is another row's.
    if (m_holds.contains(kind + '/' + no))
        return refused(kTaken);
    if (!callHold(kind, no, "2")) {
        edtEquipNoScan->setFocus(Qt::OtherFocusReason);
        edtEquipNoScan->selectAll();
        return false;
    }
    if (cboRentEquip->code() != kind && !cboRentEquip->setCode(kind)) {
        callHold(kind, no, "3");
        return refused(QStringLiteral("장비번호[%1]에 해당하는 장비가 없습니다").arg(no));
    }
    if (cboEquipSizeGubun->code() != size)
        cboEquipSizeGubun->setCode(size);
    putPiece(no);
    return true;
}

bool TfrmEBI040::givePieceBack(const QString &kind)
{
    const int row = grid()->currentRow();
    const QString no = edtRentEquipNo->text();
    if (row < 0 || no.isEmpty() || isLoadedRow(row) || !m_holds.contains(kind + '/' + no))
        return true;
    if (!callHold(kind, no, "3"))
        return false;
    setModified(true);
    edtRentEquipNo->clear();
    StoreControl(edtRentEquipNo);
    SetStatusMessage(QStringLiteral("장비구분이나 사이즈가 바뀌어 선택했던 장비 %1을(를) 돌려놓았습니다.").arg(no));
    return true;
}

void TfrmEBI040::sbtEquipCancelClick()
{
    if (!beginAction(sbtEquipCancel))
        return;
    if (edtRentEquipNo->text().isEmpty()) {
        ShowInfo(QStringLiteral("선택된 장비가 없습니다"));
        return;
    }
    if (!callHold(cboRentEquip->code(), edtRentEquipNo->text(), "3"))
        return;
    setModified(true);
    edtRentEquipNo->clear();
    StoreControl(edtRentEquipNo);
    showFreeList();
}

bool TfrmEBI040::validateHeader()
{
    if (edtDealName->text().isEmpty())
        return refuse(edtDealName, enterFirst("*취급자"));
    if (cboKeepKind->isEmpty())
        return refuse(cboKeepKind, enterFirst("*보관내용구분"));
    if (edtKeepBoxNo->text().isEmpty())
        return refuse(edtKeepBoxNo, enterFirst("*보관함번호"));
    return true;
}

bool TfrmEBI040::validateRow()
{
    if (grid()->rowCount() == 0)
        return true;
    if (!wmeRentZipCode->value().isEmpty() && edtRentAddr1->text().isEmpty())
        return refuse(wmeRentZipCode, enterCorrectly("주소"));
    const QString from = wmeRentSvrlDateFrom->value(), to = wmeRentSvrlDateTo->value();
    if (!from.isEmpty() && !IsValidDate8(from))
        return refuse(wmeRentSvrlDateFrom, enterCorrectly("연일대여기간"));
    if (!to.isEmpty() && !IsValidDate8(to))
        return refuse(wmeRentSvrlDateTo, enterCorrectly("연일대여기간"));
    if (!from.isEmpty() && to.isEmpty())
        return refuse(wmeRentSvrlDateTo, enterCorrectly("연일대여기간"));
    const QString stat = statusButtons()->pressed();
    if (stat.isEmpty()) {
        ShowInfo(QStringLiteral("대여상태를 선택하십시요"));
        return false;
    }
    if (!from.isEmpty() && !to.isEmpty() && stat == "D") {
        ShowInfo(QStringLiteral("연일대여기간 등록시 대여상태는 [연일대여]만 설정가능합니다"));
        return false;
    }
    if (stat == "S" && (from.isEmpty() || to.isEmpty()))
        return refuse(wmeRentSvrlDateFrom, QStringLiteral("대여상태가 [연일대여]일 경우 연일대여기간을 입력하십시요"));
    return true;
}

void TfrmEBI040::save()
{
    const QString rentNo = edtRentNo->text();
    const int header = m_headerStatus;
    m_committed = false;
    m_unprinted.clear();
    TfrmEZI000::save();
    if (!m_committed) {
        // rolled back: the number the database gave exists no more
        edtRentNo->setText(rentNo);
        m_headerStatus = header;
        return;
    }
    OpenRecordWhenEmpty();
    showFreeList();
}

bool TfrmEBI040::SaveData()
{
    m_newRows.clear();
    for (int r = 0; r < grid()->rowCount(); ++r)
        if (!isLoadedRow(r))
            m_newRows << r;
    db::StoredProc &m = *prcSaveDataMaster;
    m.clearParams();
    m.setParam("ARENT_DATE", workDate());
    m.setParam("AAREA_GUBUN", cboArea->code());
    m.setParam("ARENT_NO", edtRentNo->text());
    m.setParam("ADEAL_NAME", edtDealName->text());
    m.setParam("AKEEP_KIND_GUBUN", cboKeepKind->code());
    m.setParam("AKEEP_BOX_NO", edtKeepBoxNo->text());
    m.setParam("AU_EMP_NO", Startup().employeeNumber);
    m.setParam("AU_IP", Startup().workstationAddress);
    m.setParam("AEDITSTATUS", QString::number(m_headerStatus));
    m.setRowVersion(m_headerStatus == 1 ? m_headerVersion : QVariant());
    if (!m.exec())
        return failSave(m.lastError());
    m_savedHeaderVersion = m.rowVersionAfter();
    if (m_headerStatus == 2)
        edtRentNo->setText(m.param("ANEW_RENT_NO"));
    qryQuery->bind("RENT_NO", edtRentNo->text());
    prcSaveData->setParam("ARENT_DATE", workDate());
    prcSaveData->setParam("AAREA_GUBUN", cboArea->code());
    prcSaveData->setParam("ARENT_NO", edtRentNo->text());
    m_headerStatus = 1;
    return TfrmEZI000::SaveData();
}

TRentTicketInfo TfrmEBI040::ticketFor(int row) const
{
    TRentTicketInfo t;
    t.TicketKindName = grid()->cellLabel(row, cTicket);
    t.EquipKindName = grid()->cellLabel(row, cEquip);
    t.RentStatName = grid()->cellLabel(row, cStat);
    t.AreaName = cboArea->currentText();
    const QString d = workDate();
    t.RentDate = d.left(4) + '.' + d.mid(4, 2) + '.' + d.mid(6, 2);
    t.RentName = grid()->cell(row, cName);
    t.Height = grid()->cell(row, cHeight);
    t.Weight = grid()->cell(row, cWeight);
    t.BootsSizeName = grid()->cellLabel(row, cBoots);
    if (!grid()->cell(row, cFrom).isEmpty()) {
        t.SvrlFromDate = ToSlashDate(grid()->cell(row, cFrom));
        t.SvrlToDate = ToSlashDate(grid()->cell(row, cTo));
    }
    t.RentNo = PadZeros(edtRentNo->text(), 10);
    t.KeepBoxNo = edtKeepBoxNo->text();
    return t;
}

bool TfrmEBI040::AfterSave()
{
    m_committed = true;
    m_freeFresh = false;   // the saved pieces are out now
    m_headerStatus = 1;
    m_headerVersion = m_savedHeaderVersion;
    // saved rows took over their holds; whatever is left belonged to rows deleted before the save
    for (int r : std::as_const(m_newRows))
        m_holds.remove(grid()->cell(r, cEquip) + '/' + grid()->cell(r, cEquipNo));
    releaseHolds();
    QString error;
    for (int r : std::as_const(m_newRows)) {
        if (!error.isEmpty() || !printTicket(r)) {
            if (error.isEmpty())
                error = cptPrinter.lastError();
            m_unprinted << grid()->cell(r, cEquipNo) + " " + grid()->cell(r, cName);
        }
    }
    m_newRows.clear();
    reportUnprinted(m_unprinted, error);
    return true;
}

bool TfrmEBI040::printTicket(int row)
{
    return PrintRentTicket(cptPrinter, ticketFor(row));
}

bool TfrmEBI040::beforeCancel()
{
    // every hold of the unsaved rows goes, not only the one in the edit panel; the work is cleared
    // only once they are released
    return releaseHolds();
}

void TfrmEBI040::cancel()
{
    TfrmEZI000::cancel();
    bbtNewRental->setEnabled(true);
    if (!isSearchMode())
        return;   // the clerk kept the changes, or the holds could not be released
    if (cboKeepKind->count() > 0)
        cboKeepKind->setCurrentIndex(0);
    edtKeepBoxNo->clear();
    rgrEquipNo->clearRows();
    m_headerStatus = 2;
}

bool TfrmEBI040::hasUnsavedWork()
{
    return TfrmTicketCounter::hasUnsavedWork() || (!isSearchMode() && !m_holds.isEmpty());
}

bool TfrmEBI040::releaseOnClose()
{
    // the pieces go back to the other counters; a failure keeps the screen and its holds
    return releaseHolds();
}

void TfrmEBI040::bbtRentNoClick()
{
    if (!beginAction(bbtRentNo))
        return;
    QString no = edtRentNo->text();
    if (SelectRentNo(workDate(), cboArea->code(), no, this)) {
        edtRentNo->setText(no);
        bbtSearchClick();
    } else {
        edtRentNo->setFocus();
    }
}
