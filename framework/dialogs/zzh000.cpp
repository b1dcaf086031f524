#include "framework/dialogs/zzh000.h"
#include "database/datamodule.h"
#include "core/messages.h"
#include "framework/zzi000.h"
#include <QAbstractButton>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {
TfrmZZH000::ModalRunner &modalRunner()
{
    static TfrmZZH000::ModalRunner runner;
    return runner;
}
}

// ---------------------------------------------------------------------------------------------------
TfrmZZH000::TfrmZZH000(QWidget *parent) : QDialog(parent)
{
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setSizeGripEnabled(false);
    setModal(true);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    panMain = new QWidget(this);
    panMain->setObjectName("panMain");
    auto *mainLay = new QVBoxLayout(panMain);
    mainLay->setContentsMargins(4, 4, 4, 4);
    outer->addWidget(panMain, 1);

    panButtons = new QFrame(this);
    panButtons->setObjectName("panButtons");
    panButtons->setFixedHeight(40);
    auto *bar = new QHBoxLayout(panButtons);
    bar->addStretch(1);
    bbtOK = new QPushButton(QStringLiteral("확인(F10)"), panButtons);
    bbtOK->setObjectName("bbtOK");
    bbtOK->setDefault(true);
    bbtOK->setAutoDefault(false);
    bbtClose = new QPushButton(QStringLiteral("종료(F12)"), panButtons);
    bbtClose->setObjectName("bbtClose");
    bbtClose->setAutoDefault(false);
    bar->addWidget(bbtOK);
    bar->addWidget(bbtClose);
    outer->addWidget(panButtons);

    connect(bbtOK, &QPushButton::clicked, this, &TfrmZZH000::bbtOKClick);
    connect(bbtClose, &QPushButton::clicked, this, &TfrmZZH000::bbtCloseClick);
    addHotkey(Qt::Key_F10, [this] { bbtOKClick(); });
    addHotkey(Qt::Key_F12, [this] { bbtCloseClick(); });
}

TfrmZZH000::~TfrmZZH000() = default;

void TfrmZZH000::setModalRunner(ModalRunner runner) { modalRunner() = std::move(runner); }

int TfrmZZH000::runModal()
{
    if (modalRunner())
        return modalRunner()(this);
    return exec();
}

QString TfrmZZH000::dialogId() const
{
    QString name = objectName();
    if (name.startsWith(QLatin1String("frm")))
        name = name.mid(3);
    return name;
}

QVBoxLayout *TfrmZZH000::mainLayout() const { return static_cast<QVBoxLayout *>(panMain->layout()); }

bool TfrmZZH000::beginAction(QAbstractButton *button)
{
    SetStatusMessage(QString());
    return button && button->isVisible() && button->isEnabled();
}

void TfrmZZH000::addHotkey(const QKeySequence &key, std::function<void()> action)
{
    auto *shortcut = new QShortcut(key, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, [action] { action(); });
}

void TfrmZZH000::attachColouring(QWidget *control)
{
    control->installEventFilter(this);
    TfrmZZI000::paintInput(control, false);
}

void TfrmZZH000::bbtOKClick()
{
    if (!beginAction(bbtOK))
        return;
    OKAction();
}

void TfrmZZH000::bbtCloseClick()
{
    if (!beginAction(bbtClose))
        return;
    reject();
}

void TfrmZZH000::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        QTimer::singleShot(0, this, [this] { Activated(); });
    }
}

bool TfrmZZH000::eventFilter(QObject *watched, QEvent *event)
{
    if (watched->isWidgetType() && qobject_cast<QLineEdit *>(watched)) {
        if (event->type() == QEvent::FocusIn)
            TfrmZZI000::paintInput(static_cast<QWidget *>(watched), true);
        else if (event->type() == QEvent::FocusOut)
            TfrmZZI000::paintInput(static_cast<QWidget *>(watched), false);
    }
    return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------------
TfrmZZH010::TfrmZZH010(QWidget *parent)
    : TfrmZZH000(parent), qryQuery(std::make_unique<db::Query>(DM()->dbsDB))
{
    qryQuery->setPaged(true);
    panSearch = new QFrame(panMain);
    panSearch->setObjectName("panSearch");
    auto *lay = new QHBoxLayout(panSearch);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addStretch(1);
    bbtSearch = new QPushButton(QStringLiteral("조회(F3)"), panSearch);
    bbtSearch->setObjectName("bbtSearch");
    bbtSearch->setAutoDefault(false);
    lay->addWidget(bbtSearch);
    mainLayout()->addWidget(panSearch);
    connect(bbtSearch, &QPushButton::clicked, this, &TfrmZZH010::bbtSearchClick);
    addHotkey(Qt::Key_F3, [this] { bbtSearchClick(); });
}

TfrmZZH010::~TfrmZZH010() { qryQuery->close(); }

QLineEdit *TfrmZZH010::addSearchField(const QString &objectName, const QString &label, const QString &param)
{
    auto *lay = static_cast<QHBoxLayout *>(panSearch->layout());
    const int at = lay->indexOf(bbtSearch) - 1;   // before the stretch that precedes the button
    auto *caption = new QLabel(label, panSearch);
    auto *edit = new QLineEdit(panSearch);
    edit->setObjectName(objectName);
    caption->setBuddy(edit);
    lay->insertWidget(at, caption);
    lay->insertWidget(at + 1, edit, 1);
    attachColouring(edit);
    m_fields << edit;
    m_fieldParams << param;
    return edit;
}

void TfrmZZH010::bindSearchFields()
{
    for (int i = 0; i < m_fields.size(); ++i)
        qryQuery->bind(m_fieldParams.at(i), QStringLiteral("%") + m_fields.at(i)->text() + QStringLiteral("%"));
}

void TfrmZZH010::bbtSearchClick()
{
    if (!beginAction(bbtSearch))
        return;
    Search();
}

// ---------------------------------------------------------------------------------------------------
TfrmZZH020::TfrmZZH020(QWidget *parent) : TfrmZZH010(parent)
{
    cdsQuery = new TResultSet(this);
    rgrGrid = new QTableView(panMain);
    rgrGrid->setObjectName("rgrGrid");
    rgrGrid->setModel(cdsQuery);
    rgrGrid->setTabKeyNavigation(false);
    rgrGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    rgrGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    rgrGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rgrGrid->horizontalHeader()->setStretchLastSection(true);
    rgrGrid->installEventFilter(this);
    mainLayout()->addWidget(rgrGrid, 1);
    connect(rgrGrid, &QTableView::doubleClicked, this, [this] { chooseCurrent(); });
    connect(rgrGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { CurrentRowChanged(current.isValid() ? current.row() : -1); });

    auto *nav = new QHBoxLayout;
    const QStringList names{"bbtFirst", "bbtPrior", "bbtNext", "bbtLast"};
    const QStringList captions{"처음 자료", "앞 자료", "다음 자료", "마지막 자료"};
    QPushButton **buttons[] = {&bbtFirst, &bbtPrior, &bbtNext, &bbtLast};
    for (int i = 0; i < 4; ++i) {
        auto *b = new QPushButton(captions.at(i), panButtons);
        b->setObjectName(names.at(i));
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        nav->addWidget(b);
        *buttons[i] = b;
    }
    static_cast<QHBoxLayout *>(panButtons->layout())->insertLayout(0, nav);
    connect(bbtFirst, &QPushButton::clicked, this, [this] { moveTo(0); });
    connect(bbtPrior, &QPushButton::clicked, this, [this] { moveTo(currentRow() - 1); });
    connect(bbtNext, &QPushButton::clicked, this, [this] { moveTo(currentRow() + 1); });
    connect(bbtLast, &QPushButton::clicked, this, [this] { cdsQuery->fetchAll(); moveTo(cdsQuery->rowCount() - 1); });

    stbMessage = new QFrame(this);
    stbMessage->setObjectName("stbMessage");
    auto *st = new QHBoxLayout(stbMessage);
    st->setContentsMargins(2, 0, 2, 0);
    for (int i = 0; i < 2; ++i) {
        m_panels[i] = new QLabel(stbMessage);
        m_panels[i]->setFrameShape(QFrame::Panel);
        m_panels[i]->setFrameShadow(QFrame::Sunken);
        st->addWidget(m_panels[i], i);
    }
    m_panels[0]->setFixedWidth(70);
    layout()->addWidget(stbMessage);
}

TfrmZZH020::~TfrmZZH020() = default;

int TfrmZZH020::currentRow() const { return rgrGrid->currentIndex().isValid() ? rgrGrid->currentIndex().row() : -1; }

QString TfrmZZH020::statusPanelText(int panel) const
{
    return panel == 0 || panel == 1 ? m_panels[panel]->text() : QString();
}

void TfrmZZH020::showEvent(QShowEvent *event)
{
    m_panels[0]->setText(dialogId());   // the concrete dialog names itself after construction
    TfrmZZH010::showEvent(event);
}

void TfrmZZH020::SetStatusMessage(const QString &text) { m_panels[1]->setText(text); }

void TfrmZZH020::setStatement(const QString &sql, const QHash<QString, QVariant> &fixed)
{
    qryQuery->setSql(sql);
    m_fixed = fixed;
}

void TfrmZZH020::setColumns(const QStringList &titles, const QList<int> &hidden)
{
    cdsQuery->setTitles(titles);
    m_hidden = hidden;
}

void TfrmZZH020::moveTo(int row)
{
    if (cdsQuery->rowCount() == 0)
        return;
    row = qBound(0, row, cdsQuery->rowCount() - 1);
    rgrGrid->setCurrentIndex(cdsQuery->index(row, 0));
}

void TfrmZZH020::Search()
{
    cdsQuery->clear();
    qryQuery->close();
    const QString sql = qryQuery->sql();
    qryQuery->setSql(sql);
    bindSearchFields();
    for (auto it = m_fixed.cbegin(); it != m_fixed.cend(); ++it)
        qryQuery->bind(it.key(), it.value());
    if (!qryQuery->open()) {
        ShowError(qryQuery->lastError());
        return;
    }
    cdsQuery->load(qryQuery.get());
    for (int c = 0; c < cdsQuery->columnCount(); ++c)
        rgrGrid->setColumnHidden(c, m_hidden.contains(c));
    if (cdsQuery->rowCount() > 0) {
        rgrGrid->setFocus();
        moveTo(0);
    } else {
        ShowInfo(QStringLiteral("조회할 내용이 없습니다."));
        if (!m_fields.isEmpty())
            m_fields.first()->setFocus();
        CurrentRowChanged(-1);
    }
    SetStatusMessage(QString());
}

void TfrmZZH020::OKAction()
{
    if (!cdsQuery->isActive() || cdsQuery->rowCount() == 0) {
        ClearResults();
        return;
    }
    const int row = currentRow() < 0 ? 0 : currentRow();
    if (TakeResults(row))
        accept();
}

void TfrmZZH020::chooseCurrent()
{
    const int row = currentRow();
    if (cdsQuery->isActive() && row >= 0 && !cdsQuery->field(row, 0).isEmpty())
        bbtOKClick();
}

void TfrmZZH020::Activated()
{
    bool typed = false;
    for (QLineEdit *e : std::as_const(m_fields))
        typed = typed || !e->text().isEmpty();
    if (typed || HasPreset())
        bbtSearchClick();
    else if (!m_fields.isEmpty())
        m_fields.first()->setFocus();
}

QTableView *TfrmZZH020::addDetailGrid(TResultSet **model)
{
    *model = new TResultSet(this);
    auto *grid = new QTableView(panMain);
    grid->setTabKeyNavigation(false);
    grid->setObjectName("rgrDetail");
    grid->setModel(*model);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->horizontalHeader()->setStretchLastSection(true);
    mainLayout()->addWidget(grid, 1);
    return grid;
}

bool TfrmZZH020::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == rgrGrid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            chooseCurrent();
            return true;
        }
    }
    return TfrmZZH010::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------------
TfrmEZH000::TfrmEZH000(QWidget *parent) : TfrmZZH020(parent)
{
    rgrGrid->setAlternatingRowColors(true);
    QPalette pal = rgrGrid->palette();
    pal.setColor(QPalette::AlternateBase, QColor(0xF0, 0xF8, 0xFF));
    pal.setColor(QPalette::Highlight, QColor(0x31, 0x6A, 0xC5));
    rgrGrid->setPalette(pal);
}

void TfrmEZH000::showEvent(QShowEvent *event)
{
    for (QLineEdit *e : std::as_const(m_fields))
        e->installEventFilter(this);
    TfrmZZH020::showEvent(event);
}

bool TfrmEZH000::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const int at = int(m_fields.indexOf(qobject_cast<QLineEdit *>(watched)));
        if (at >= 0 && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            // the next search field, or the search button (which searches) after the last one
            if (at + 1 < m_fields.size())
                m_fields.at(at + 1)->setFocus();
            else
                bbtSearchClick();
            return true;
        }
    }
    return TfrmZZH020::eventFilter(watched, event);
}
