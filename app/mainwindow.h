#pragma once
// The main window: the menu built from the menu and rights tables for the employee, one tab page per
// open screen, the window menu "창(&W)" and the open-screen limit of Main.ini.
//
// TfrmZZMain carries the behaviour; TfrmE0Main adds only the creation of a screen from a program ID
// through the screen registry. Screens find the main window through MainWindow().
#include <QMainWindow>
#include <QPointer>
#include <QString>

class QTabWidget;
class QMenu;
class QAction;

class TfrmZZMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmZZMain(QWidget *parent = nullptr);
    ~TfrmZZMain() override;

    // Creation steps after construction: the limit, the menu, the caption. False when the connection is
    // not open: the caller ends the program without showing the window.
    bool Initialize();

    // Overridable: a new screen for the program ID embedded in the last tab page, or nullptr.
    virtual QWidget *CreateProgram(const QString &programId);

    bool OpenProgram(const QString &caption, const QString &programId);
    // An open request from outside the menu (the local "open" message): only a program of the
    // employee's menu opens; any other is refused and written to the log.
    bool OpenRequested(const QString &caption, const QString &programId);
    bool InMenu(const QString &programId) const;
    QWidget *EmbedScreen(QWidget *screen);   // into the last tab page, filling it
    void CloseActiveScreen();                // F12: asks the active screen to close
    void RemoveActiveScreen();               // a screen that agreed to close
    void RemoveScreen(QWidget *screen);      // the same for a given screen (its tab page goes)
    void ShowScreen(QWidget *screen);        // its tab page to the front (a screen about to ask)

    QWidget *ActiveScreen() const;
    QWidget *screenAt(int index) const;
    QString programIdAt(int index) const;
    int screenCount() const;

    int programCount() const { return m_programCount; }
    void setProgramCount(int limit) { m_programCount = limit; }
    QString projectId() const { return m_projectId; }
    void setProjectId(const QString &id) { m_projectId = id; }

    static QString ProjectId();                                  // program file's base name, upper case
    static int ReadProgramCount(const QString &directory);       // Main.ini [MAIN] PROGRAM_COUNT, default 10
    static QString CutAccelerator(const QString &caption);       // the caption before "(&"
    static bool NotifyLauncher(int timeoutMs = 1000);            // close notification to the launcher

    bool LoadMenu();
    QString siteName() const { return m_siteName; }

    QTabWidget *pgcMain;
    QMenu *mnuWindow;
    QAction *mniClose;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void refreshTabMarks();
    void returnFocusTo(QWidget *page);
    int indexOfScreen(QWidget *screen) const;
    QAction *windowEntry(QWidget *page) const;

    int m_programCount = 10;
    QString m_projectId;
    QString m_siteName;
};

class TfrmE0Main : public TfrmZZMain {
    Q_OBJECT
public:
    using TfrmZZMain::TfrmZZMain;
    QWidget *CreateProgram(const QString &programId) override;
};

TfrmZZMain *MainWindow();   // the main window of the process, or nullptr
