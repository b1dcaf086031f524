#include "zzi000.h"
#include <QApplication>
#include "database/datamodule.h"
#include "core/messages.h"
#include "core/settings.h"
#include "core/startupvalues.h"
#include "refdata/codes.h"
#include "widgets/inputs.h"
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QTextEdit>
#include <QToolTip>
#include <QVBoxLayout>

namespace {
const char *kColoured = "zzi000Coloured";

// What Tab passes over although it could hold the focus: an edit or memo that cannot be typed into.
bool cannotBeTyped(const QWidget *w)
{
    if (auto *e = qobject_cast<const QLineEdit *>(w))
        return e->isReadOnly();
    if (auto *t = qobject_cast<const QTextEdit *>(w))
        return t->isReadOnly();
    if (auto *p = qobject_cast<const QPlainTextEdit *>(w))
        return p->isReadOnly();
    return false;
}

bool isTabStop(const QWidget *screen, const QWidget *w)
{
    return (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(screen) && !w->focusProxy()
           && !cannotBeTyped(w);
}

// Every widget of the screen in the order of its parts (conditions, 조회, data, bottom bar, 종료), each
// part in the order of the focus chain.
QList<QWidget *> screenChain(const QWidget *screen)
{
    const QWidget *search = screen->findChild<QWidget *>(QStringLiteral("panSearch"));
    const QWidget *searchButton = screen->findChild<QWidget *>(QStringLiteral("bbtSearch"));
    const QWidget *bar = screen->findChild<QWidget *>(QStringLiteral("panButtons"));
    const QWidget *close = screen->findChild<QWidget *>(QStringLiteral("bbtClose"));
    QList<QWidget *> parts[5];
    int guard = 0;
    for (QWidget *w = screen->nextInFocusChain(); w && w != screen && guard < 100000;
         w = w->nextInFocusChain(), ++guard) {
        if (!screen->isAncestorOf(w))
            continue;
        const int part = w == searchButton                       ? 1
                         : w == close                            ? 4
                         : search && search->isAncestorOf(w)     ? 0
                         : bar && bar->isAncestorOf(w)           ? 3
                                                                 : 2;
        parts[part] << w;
    }
    QList<QWidget *> all;
    for (const QList<QWidget *> &p : parts)
        all += p;
    return all;
}
} // namespace

TfrmZZI000::TfrmZZI000(QWidget *parent) : QWidget(parent)
{
    // Code combos and pick lists filled by code group read the common code table.
    if (!HasCodeListSource())
        SetCodeListSource([](const QString &group, QStringList *codes, QStringList *labels) {
            try {
                FillCodeColumn(labels, codes, group);
            } catch (const std::exception &) {
                // an unreadable code table leaves the list empty
            }
        });

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    panMain = new QWidget(this);
    panMain->setObjectName("panMain");
    auto *mainLayout = new QVBoxLayout(panMain);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    mainLayout->setSpacing(0);
    outer->addWidget(panMain, 1);

    panButtons = new QFrame(this);
    panButtons->setObjectName("panButtons");
    panButtons->setFixedHeight(40);
    panButtons->setFrameShape(QFrame::StyledPanel);
    m_buttonLayout = new QHBoxLayout(panButtons);
    m_buttonLayout->setContentsMargins(6, 4, 6, 4);
    m_buttonLayout->addStretch(1);
    bbtClose = new QPushButton(QStringLiteral("종료(F12)"), panButtons);
    bbtClose->setObjectName("bbtClose");
    m_buttonLayout->addWidget(bbtClose);
    connect(bbtClose, &QPushButton::clicked, this, &TfrmZZI000::bbtCloseClick);
    outer->addWidget(panButtons);

    stbMessage = new QFrame(this);
    stbMessage->setObjectName("stbMessage");
    auto *statusLayout = new QHBoxLayout(stbMessage);
    statusLayout->setContentsMargins(0, 0, 0, 0);
    statusLayout->setSpacing(2);
    for (int i = 0; i < 4; ++i) {
        m_panels[i] = new QLabel(stbMessage);
        m_panels[i]->setObjectName(QStringLiteral("stbPanel%1").arg(i));
        m_panels[i]->setFrameShape(QFrame::Panel);
        m_panels[i]->setFrameShadow(QFrame::Sunken);
        m_panels[i]->setAlignment(i == 1 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        statusLayout->addWidget(m_panels[i], i == 1 ? 1 : 0);
    }
    outer->addWidget(stbMessage);

    popHotkey = new QMenu(this);
    popHotkey->setObjectName("popHotkey");

    qryQuery = std::make_unique<db::Query>(DM()->dbsDB);

    // Creation: program ID, user, workstation role, then the panel widths.
    m_panels[0]->setText(programId());
    m_panels[2]->setText(QStringLiteral("사용자 : ") + Startup().userName);
    m_panels[3]->setText(roleCaption());
    connect(this, &QObject::objectNameChanged, this, [this] {
        m_panels[0]->setText(programId());
        layoutStatusBar();
    });
    layoutStatusBar();
}

TfrmZZI000::~TfrmZZI000()
{
    // The derived screens are gone by now; closing the window still moves the focus out of an input,
    // and its signals must not reach their handlers any more.
    for (QWidget *w : findChildren<QWidget *>())
        w->blockSignals(true);
}

QString TfrmZZI000::programId() const
{
    if (!objectName().isEmpty())
        return objectName().mid(3);
    QString cls = QString::fromLatin1(metaObject()->className());
    return cls.startsWith("Tfrm") ? cls.mid(4) : cls;
}

void TfrmZZI000::SetStatusMessage(const QString &text)
{
    if (m_panels[1]->text() == text)
        return;
    m_panels[1]->setText(text);
    if (stbMessage->isVisible())
        stbMessage->repaint();   // visible during the database call that follows
}

QString TfrmZZI000::statusMessage() const { return m_panels[1]->text(); }
QString TfrmZZI000::statusPanelText(int panel) const { return m_panels[panel]->text(); }
int TfrmZZI000::statusPanelWidth(int panel) const
{
    if (panel == 1)
        return qMax(0, width() - statusPanelWidth(0) - statusPanelWidth(2) - statusPanelWidth(3));
    return m_panels[panel]->isHidden() ? 0 : m_panels[panel]->maximumWidth();
}

void TfrmZZI000::layoutStatusBar()
{
    for (int i : {0, 2, 3}) {
        QLabel *p = m_panels[i];
        if (p->text().isEmpty()) {
            p->setFixedWidth(0);
            p->hide();
        } else {
            p->setFixedWidth(p->fontMetrics().horizontalAdvance(p->text()) + 20);
            p->show();
        }
    }
}

void TfrmZZI000::showEvent(QShowEvent *event)
{
    // The derived class is complete now: its name gives the program ID.
    m_panels[0]->setText(programId());
    layoutStatusBar();
    QWidget::showEvent(event);
    // A screen opens with the keyboard on its first condition, never on the close button.
    if (!m_shown) {
        m_shown = true;
        focusFirstInput();
    }
}

void TfrmZZI000::chainTabs(const QList<QWidget *> &order)
{
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
}

QList<QWidget *> TfrmZZI000::tabStops() const
{
    QList<QWidget *> stops;
    for (QWidget *w : screenChain(this))
        if (isTabStop(this, w))
            stops << w;
    return stops;
}

QWidget *TfrmZZI000::nextTabStop(QWidget *from, bool forward) const
{
    const QList<QWidget *> all = screenChain(this);
    const int n = int(all.size());
    int at = -1;
    for (QWidget *w = from; w && w != this && at < 0; w = w->parentWidget())
        at = int(all.indexOf(w));
    if (at < 0)
        at = forward ? -1 : n;   // from the screen itself: its first (last) stop
    for (int i = 1; i <= n; ++i) {
        const int k = ((at + (forward ? i : -i)) % n + n) % n;
        if (isTabStop(this, all.at(k)))
            return all.at(k);
    }
    return nullptr;
}

bool TfrmZZI000::focusNextPrevChild(bool next)
{
    QWidget *from = QApplication::focusWidget();
    if (!from || !isAncestorOf(from))
        from = this;
    QWidget *to = nextTabStop(from, next);
    if (!to)
        return false;
    to->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool TfrmZZI000::runHotkey(const QKeySequence &key)
{
    for (QAction *a : actions())
        if (a->shortcut() == key && a->isEnabled()) {
            a->trigger();
            return true;
        }
    for (QShortcut *s : findChildren<QShortcut *>())
        if (s->key() == key && s->isEnabled() && s->context() != Qt::WidgetShortcut) {
            emit s->activated();
            return true;
        }
    return false;
}

void TfrmZZI000::focusFirstInput()
{
    QWidget *first = firstInput();
    if (first && first->isEnabled() && first->isVisibleTo(this))
        first->setFocus(Qt::OtherFocusReason);
    else
        setFocus(Qt::OtherFocusReason);
}

void TfrmZZI000::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutStatusBar();
}

TfrmZZI000::Host &TfrmZZI000::host()
{
    static Host h;
    return h;
}

void TfrmZZI000::setHost(const Host &h) { host() = h; }

QString TfrmZZI000::roleCaption()
{
    const ProgramSettings &s = Settings();
    if (s.roleName.isEmpty())
        return QString();
    switch (s.roleType) {
    case 1: return QStringLiteral("사업장 - ") + s.roleName;
    case 2: return QStringLiteral("팀 - ") + s.roleName;
    case 3: return QStringLiteral("영업장 - ") + s.roleName;
    default: return QString();
    }
}

bool TfrmZZI000::beginAction(QAbstractButton *button)
{
    SetStatusMessage(QString());
    return button && !button->isHidden() && button->isEnabled();
}

QAction *TfrmZZI000::addHotkey(const QString &caption, const QKeySequence &key, std::function<void()> action)
{
    QAction *a = popHotkey->addAction(caption);
    a->setShortcut(key);
    a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(a);   // the menu is never shown; the screen carries the shortcut
    connect(a, &QAction::triggered, this, [action] { action(); });
    return a;
}

QPushButton *TfrmZZI000::addButton(const QString &name, const QString &caption, bool left)
{
    auto *b = new QPushButton(caption, panButtons);
    b->setObjectName(name);
    b->setAutoDefault(false);
    if (left)
        m_buttonLayout->insertWidget(m_leftButtons++, b);
    else
        m_buttonLayout->insertWidget(m_buttonLayout->indexOf(bbtClose), b);
    return b;
}

void TfrmZZI000::bbtCloseClick()
{
    if (!beginAction(bbtClose) || !mayClose())
        return;
    closeScreen();
}

QString TfrmZZI000::closeQuestion() const
{
    return QStringLiteral("변경된 자료가 있습니다.\r정말 종료하시겠습니까?");
}

bool TfrmZZI000::mayClose()
{
    if (m_closeAgreed)
        return true;
    if (hasUnsavedWork()) {
        if (!isWindow() && host().showScreen)
            host().showScreen(this);   // the question is asked over the screen it is about
        if (!AskYesNo(closeQuestion()))
            return false;
    }
    if (!releaseOnClose())
        return false;
    m_closeAgreed = true;
    return true;
}

void TfrmZZI000::closeScreen()
{
    if (isWindow()) {
        close();
        return;
    }
    if (host().closeActiveScreen)
        host().closeActiveScreen();
    else
        close();
}

void TfrmZZI000::closeQueries()
{
    if (qryQuery)
        qryQuery->close();
}

void TfrmZZI000::closeEvent(QCloseEvent *event)
{
    if (!mayClose()) {
        event->ignore();   // the work stays, and so does the screen
        return;
    }
    closeQueries();
    if (isWindow()) {
        setAttribute(Qt::WA_DeleteOnClose);
        QWidget::closeEvent(event);
        return;
    }
    // Embedded: the main window removes the tab page (and this screen) after this handling.
    event->ignore();
    if (host().removeScreen)
        host().removeScreen(this);
    else
        deleteLater();
}

void TfrmZZI000::attachColouring(QWidget *control)
{
    if (!control || control->property(kColoured).toBool())
        return;
    control->setProperty(kColoured, true);
    control->installEventFilter(this);
    paintInput(control, false);
}

void TfrmZZI000::paintInput(QWidget *control, bool focused)
{
    bool readOnly = false;
    if (auto *e = qobject_cast<QLineEdit *>(control)) readOnly = e->isReadOnly();
    else if (auto *t = qobject_cast<QTextEdit *>(control)) readOnly = t->isReadOnly();
    else if (auto *p = qobject_cast<QPlainTextEdit *>(control)) readOnly = p->isReadOnly();
    else if (auto *s = qobject_cast<QAbstractSpinBox *>(control)) readOnly = s->isReadOnly();
    QColor colour = readOnly ? QColor(128, 128, 128)
                             : focused ? QToolTip::palette().color(QPalette::ToolTipBase) : QColor(Qt::white);
    setInputColour(control, colour);
}

void TfrmZZI000::setInputColour(QWidget *control, const QColor &colour)
{
    QPalette pal = control->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Base, colour);
        pal.setColor(group, QPalette::Button, colour);
    }
    // a disabled input (search mode) is drawn in the window's colour, not as a white field to type in
    const QPalette standard = QApplication::palette(control);
    pal.setColor(QPalette::Disabled, QPalette::Base, standard.color(QPalette::Disabled, QPalette::Window));
    pal.setColor(QPalette::Disabled, QPalette::Button, standard.color(QPalette::Disabled, QPalette::Button));
    control->setPalette(pal);
}

bool TfrmZZI000::eventFilter(QObject *watched, QEvent *event)
{
    if (watched->property(kColoured).toBool()) {
        if (event->type() == QEvent::FocusIn)
            paintInput(static_cast<QWidget *>(watched), true);
        else if (event->type() == QEvent::FocusOut)
            paintInput(static_cast<QWidget *>(watched), false);
    }
    return QWidget::eventFilter(watched, event);
}
