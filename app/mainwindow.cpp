#include "mainwindow.h"
#include "database/datamodule.h"
#include "core/messages.h"
#include "framework/screenregistry.h"
#include "framework/zzi000.h"
#include "singleinstance.h"
#include "core/settings.h"
#include "core/startupvalues.h"
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QMenuBar>
#include <QPainter>
#include <QSettings>
#include <QKeyEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {
TfrmZZMain *g_mainWindow = nullptr;

const char *kProgramId = "programId";
const char *kScreen = "screen";

QIcon markIcon(bool active)
{
    QPixmap pm(12, 12);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(active ? QColor(0x1e, 0x6f, 0xd9) : QColor(0xb0, 0xb0, 0xb0));
    p.drawEllipse(2, 2, 8, 8);
    return QIcon(pm);
}

const QString kSiteSql = QStringLiteral("SELECT   DETAIL_NAME FROM     ZX010MS WHERE    HEAD   = 'Z9999'  AND    DETAIL = :P0");
// The menus and the programs the employee may run in them, in one statement: the rights are the level's
// programs and the 'Y' exceptions, less the 'N' exceptions (the set operators work left to right). A menu
// without such a program is not listed.
const QString kMenuSql = QStringLiteral(
    "SELECT   M.MENU_ID,       M.MENU_NAME,       P.PROGRAM_ID,       P.PROGRAM_NAME "
    "  FROM   ZA040MS M JOIN ZA050MS P ON P.PROJECT_ID = M.PROJECT_ID AND P.MENU_ID = M.MENU_ID "
    " WHERE   M.PROJECT_ID  = :P0  AND    M.DISPLAY_SEQ > 0  AND    P.DISPLAY_SEQ > 0 "
    "   AND   P.PROGRAM_ID IN (SELECT   PROGRAM_ID                        FROM     ZA140MS "
    "                       WHERE    PROJECT_ID    = :P0                          AND    PROJECT_LEVEL = (SELECT   PROJECT_LEVEL "
    "                                                 FROM     ZA130MS                                                  WHERE    EMP_NO     = :P2 "
    "                                                   AND    PROJECT_ID = :P0)                        UNION ALL "
    "                       SELECT   PROGRAM_ID                        FROM     ZA150MS                        WHERE    EMP_NO     = :P2 "
    "                         AND    PROJECT_ID = :P0                          AND    ADD_YN     = 'Y'                        EXCEPT "
    "                       SELECT   PROGRAM_ID                        FROM     ZA150MS                        WHERE    EMP_NO     = :P2 "
    "                         AND    PROJECT_ID = :P0                          AND    ADD_YN     = 'N') "
    " ORDER BY M.DISPLAY_SEQ, M.MENU_ID, P.DISPLAY_SEQ");
} // namespace

TfrmZZMain *MainWindow() { return g_mainWindow; }

TfrmZZMain::TfrmZZMain(QWidget *parent) : QMainWindow(parent), m_projectId(ProjectId())
{
    g_mainWindow = this;
    // Screens reach the main window only through these hooks.
    TfrmZZI000::setHost({[this] { CloseActiveScreen(); }, [this](TfrmZZI000 *screen) { RemoveScreen(screen); },
                         [this](TfrmZZI000 *screen) { ShowScreen(screen); }});
    setObjectName(QStringLiteral("frmE0Main"));
    setWindowTitle(QStringLiteral("스포츠관리"));
    setMinimumSize(1024, 746);

    pgcMain = new QTabWidget(this);
    pgcMain->setObjectName(QStringLiteral("pgcMain"));
    pgcMain->setDocumentMode(true);
    pgcMain->setVisible(false);
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pgcMain);
    setCentralWidget(central);
    // The keyboard stays in the screens: Tab never reaches the tabs (Ctrl+Tab still turns the pages).
    pgcMain->tabBar()->setFocusPolicy(Qt::NoFocus);
    connect(pgcMain, &QTabWidget::currentChanged, this, [this] {
        refreshTabMarks();
        returnFocusTo(pgcMain->currentWidget());
    });

    mnuWindow = menuBar()->addMenu(QStringLiteral("창(&W)"));
    mnuWindow->setObjectName(QStringLiteral("mnuWindow"));
    mniClose = mnuWindow->addAction(QStringLiteral("종료"));
    mniClose->setObjectName(QStringLiteral("mniClose"));
    mniClose->setShortcut(QKeySequence(Qt::Key_F12));
    mniClose->setVisible(false);
    connect(mniClose, &QAction::triggered, this, &TfrmZZMain::CloseActiveScreen);
    // A hidden entry takes no key: the window carries F12 for it.
    auto *closeKey = new QAction(this);
    closeKey->setShortcut(QKeySequence(Qt::Key_F12));
    closeKey->setShortcutContext(Qt::WindowShortcut);
    addAction(closeKey);
    connect(closeKey, &QAction::triggered, mniClose, &QAction::trigger);
}

TfrmZZMain::~TfrmZZMain()
{
    if (g_mainWindow == this) {
        g_mainWindow = nullptr;
        TfrmZZI000::setHost({});
    }
}

QString TfrmZZMain::ProjectId()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toUpper();
}

int TfrmZZMain::ReadProgramCount(const QString &directory)
{
    return ::ReadProgramCount(directory);
}

QString TfrmZZMain::CutAccelerator(const QString &caption)
{
    const qsizetype at = caption.indexOf(QLatin1String("(&"));
    return at < 0 ? caption : caption.left(at);
}

bool TfrmZZMain::Initialize()
{
    m_programCount = Settings().programCount;
    if (!LoadMenu()) {
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }
    setWindowTitle(QStringLiteral("스포츠관리") + QLatin1Char('(') + m_siteName + QLatin1Char(')'));
    setWindowState(windowState() | Qt::WindowMaximized);
    return true;
}

bool TfrmZZMain::LoadMenu()
{
    TfrmZZD000 *dm = DM();
    if (!dm->isConnected() && !dm->Connect())
        return false;

    // Menus already built are replaced (a reload).
    for (QAction *a : menuBar()->actions())
        if (a != mnuWindow->menuAction()) {
            menuBar()->removeAction(a);
            delete a->menu();
        }

    db::Query &q = dm->qryQuery;
    m_siteName.clear();
    q.clear();
    q.setSql(kSiteSql);
    q.bind(QStringLiteral("P0"), Startup().databaseUser.toUpper());
    if (q.open() && q.next())
        m_siteName = q.value(0);
    q.close();
    Startup().siteName = m_siteName;

    q.clear();
    q.setSql(kMenuSql);
    q.bind(QStringLiteral("P0"), m_projectId);
    q.bind(QStringLiteral("P2"), Startup().employeeNumber);
    if (!q.open()) {
        const QString error = q.lastError();
        q.close();
        throw db::DatabaseError(error);
    }
    QMenu *menu = nullptr;
    QString menuId;
    while (q.next()) {
        if (!menu || q.value(0) != menuId) {
            menuId = q.value(0);
            menu = new QMenu(q.value(1), menuBar());
            menu->setObjectName(QStringLiteral("mnu") + menuId);
            menuBar()->insertMenu(mnuWindow->menuAction(), menu);
        }
        const QString caption = q.value(3), programId = q.value(2);
        QAction *a = menu->addAction(caption);
        a->setToolTip(programId);
        a->setStatusTip(programId);
        a->setData(programId);
        connect(a, &QAction::triggered, this, [this, caption, programId] { OpenProgram(caption, programId); });
    }
    if (q.failed()) {
        const QString error = q.lastError();
        q.close();
        throw db::DatabaseError(error);
    }
    q.close();
    return true;
}

QWidget *TfrmZZMain::CreateProgram(const QString &programId)
{
    Q_UNUSED(programId);
    return nullptr;
}

QWidget *TfrmE0Main::CreateProgram(const QString &programId)
{
    QWidget *screen = ScreenRegistry::instance().create(programId);
    return screen ? EmbedScreen(screen) : nullptr;
}

int TfrmZZMain::screenCount() const { return pgcMain->count(); }

QWidget *TfrmZZMain::screenAt(int index) const
{
    QWidget *page = pgcMain->widget(index);
    return page ? page->property(kScreen).value<QWidget *>() : nullptr;
}

QString TfrmZZMain::programIdAt(int index) const
{
    QWidget *page = pgcMain->widget(index);
    return page ? page->property(kProgramId).toString() : QString();
}

QWidget *TfrmZZMain::ActiveScreen() const { return screenAt(pgcMain->currentIndex()); }

bool TfrmZZMain::OpenProgram(const QString &caption, const QString &programId)
{
    for (int i = 0; i < pgcMain->count(); ++i) {
        if (programIdAt(i) == programId) {
            pgcMain->setCurrentIndex(i);
            refreshTabMarks();
            returnFocusTo(pgcMain->widget(i));
            return false;
        }
    }
    if (pgcMain->count() == m_programCount) {
        ShowError(QStringLiteral("최대 %1개의 프로그램만 동시에 실행할 수 있습니다.").arg(m_programCount));
        return false;
    }
    const QString text = CutAccelerator(caption);
    pgcMain->setVisible(true);
    auto *page = new QWidget;
    page->setProperty(kProgramId, programId);
    page->setToolTip(programId);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    page->installEventFilter(this);
    if (QWidget *current = pgcMain->currentWidget())
        page->resize(current->size());
    const QSignalBlocker block(pgcMain);
    const int index = pgcMain->addTab(page, text);
    pgcMain->setTabToolTip(index, programId);
    pgcMain->setCurrentIndex(index);

    QWidget *screen = CreateProgram(programId);
    if (!screen) {
        pgcMain->removeTab(pgcMain->indexOf(page));
        delete page;
        pgcMain->setVisible(pgcMain->count() > 0);
        refreshTabMarks();
        return false;
    }
    page->setProperty(kScreen, QVariant::fromValue<QWidget *>(screen));
    QAction *entry = mnuWindow->addAction(text);
    entry->setData(programId);
    entry->setProperty("page", QVariant::fromValue<QWidget *>(page));
    connect(entry, &QAction::triggered, this, [this, caption, programId] { OpenProgram(caption, programId); });
    refreshTabMarks();
    return true;
}

bool TfrmZZMain::InMenu(const QString &programId) const
{
    for (QAction *menu : menuBar()->actions())
        if (menu->menu() && menu->menu() != mnuWindow)
            for (QAction *entry : menu->menu()->actions())
                if (entry->data().toString() == programId)
                    return true;
    return false;
}

bool TfrmZZMain::OpenRequested(const QString &caption, const QString &programId)
{
    if (programId.isEmpty() || !InMenu(programId)) {
        qWarning("open request for %s refused: not in the menu of employee %s", qPrintable(programId),
                 qPrintable(Startup().employeeNumber));
        return false;
    }
    return OpenProgram(caption, programId);
}

QWidget *TfrmZZMain::EmbedScreen(QWidget *screen)
{
    QWidget *page = pgcMain->widget(pgcMain->count() - 1);
    if (!page || !screen)
        return nullptr;
    screen->setParent(page);
    screen->setWindowFlags(Qt::Widget);
    page->layout()->addWidget(screen);   // the screen fills its page and follows every resize
    screen->show();   // on its first showing the screen puts the focus on its first condition
    return screen;
}

void TfrmZZMain::returnFocusTo(QWidget *page)
{
    // Back to where the keyboard was on that page, or its first condition.
    QWidget *focus = QApplication::focusWidget();
    if (!page || (focus && page->isAncestorOf(focus)))
        return;
    if (QWidget *last = page->focusWidget(); last && last->isEnabled() && last->isVisible())
        last->setFocus(Qt::OtherFocusReason);
    else if (auto *screen = qobject_cast<TfrmZZI000 *>(page->property(kScreen).value<QWidget *>()))
        screen->focusFirstInput();
}

void TfrmZZMain::keyPressEvent(QKeyEvent *event)
{
    // A function key that reached the window reached no screen (the keyboard was outside every page):
    // it goes to the screen in front, as if it had been pressed there, and the keyboard with it.
    const int key = event->key();
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        if (auto *screen = qobject_cast<TfrmZZI000 *>(ActiveScreen())) {
            QWidget *focus = QApplication::focusWidget();
            if (!focus || !screen->isAncestorOf(focus)) {
                returnFocusTo(pgcMain->currentWidget());
                if (screen->runHotkey(QKeySequence(event->keyCombination()))) {
                    event->accept();
                    return;
                }
            }
        }
    QMainWindow::keyPressEvent(event);
}

int TfrmZZMain::indexOfScreen(QWidget *screen) const
{
    for (int i = 0; i < pgcMain->count(); ++i)
        if (screenAt(i) == screen)
            return i;
    return -1;
}

QAction *TfrmZZMain::windowEntry(QWidget *page) const
{
    for (QAction *a : mnuWindow->actions())
        if (a->property("page").value<QWidget *>() == page)
            return a;
    return nullptr;
}

void TfrmZZMain::CloseActiveScreen()
{
    QWidget *screen = ActiveScreen();
    if (!screen)
        return;
    screen->setProperty("closeFromMain", true);
    const QPointer<QWidget> guard(screen);
    const bool closed = screen->close();
    if (guard)
        guard->setProperty("closeFromMain", false);
    // A screen that agreed but did not remove itself is removed here.
    if (closed && guard && indexOfScreen(guard) >= 0)
        RemoveScreen(guard);
}

void TfrmZZMain::RemoveActiveScreen() { RemoveScreen(ActiveScreen()); }

void TfrmZZMain::ShowScreen(QWidget *screen)
{
    const int index = indexOfScreen(screen);
    if (index >= 0)
        pgcMain->setCurrentIndex(index);
}

void TfrmZZMain::RemoveScreen(QWidget *screen)
{
    const int index = indexOfScreen(screen);
    if (index < 0)
        return;
    QWidget *page = pgcMain->widget(index);
    delete windowEntry(page);
    pgcMain->removeTab(index);
    page->hide();
    page->deleteLater();   // the screen may be inside its own close handling
    pgcMain->setVisible(pgcMain->count() > 0);
    refreshTabMarks();
}

bool TfrmZZMain::eventFilter(QObject *watched, QEvent *event)
{
    // The visible page is sized by the tab area; the pages behind it (and their screens) take the same
    // size at once, so every open screen follows a resize of the main window.
    if (event->type() == QEvent::Resize && watched == pgcMain->currentWidget()) {
        const QSize size = static_cast<QWidget *>(watched)->size();
        for (int i = 0; i < pgcMain->count(); ++i) {
            QWidget *page = pgcMain->widget(i);
            if (page != watched)
                page->resize(size);
            if (QWidget *screen = screenAt(i))
                screen->resize(page->contentsRect().size());
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmZZMain::refreshTabMarks()
{
    const QIcon normal = markIcon(false), active = markIcon(true);
    for (int i = 0; i < pgcMain->count(); ++i) {
        const bool current = i == pgcMain->currentIndex();
        pgcMain->setTabIcon(i, current ? active : normal);
        if (QAction *a = windowEntry(pgcMain->widget(i)))
            a->setIcon(current ? active : normal);
    }
}

bool TfrmZZMain::NotifyLauncher(int timeoutMs)
{
    // The launcher listens on a local server of its own; the notification waits for its answer.
    QLocalSocket socket;
    socket.connectToServer(QStringLiteral("hallin-") + SingleInstance::userName());
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write("closed\t1924\n");
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    socket.waitForReadyRead(timeoutMs);
    socket.disconnectFromServer();
    return true;
}

void TfrmZZMain::closeEvent(QCloseEvent *event)
{
    // Every screen is asked in turn, over its own tab page: the ones let go close, one that keeps its
    // unsaved work stays, and then the program stays open with it.
    int index = 0;
    while (index < pgcMain->count()) {
        const QPointer<QWidget> screen(screenAt(index));
        if (!screen) {
            QWidget *page = pgcMain->widget(index);
            delete windowEntry(page);
            pgcMain->removeTab(index);
            page->deleteLater();
            continue;
        }
        pgcMain->setCurrentIndex(index);
        screen->setProperty("closeFromMain", true);
        const bool closed = screen->close();
        if (screen)
            screen->setProperty("closeFromMain", false);
        if (screen && indexOfScreen(screen) >= 0) {
            if (closed)
                RemoveScreen(screen);   // agreed but did not remove itself
            else
                ++index;                // kept, with its work
        }
    }
    if (pgcMain->count() > 0) {
        pgcMain->setCurrentIndex(0);   // back to the first screen kept
        event->ignore();
        return;
    }
    event->accept();
    NotifyLauncher(200);
}
