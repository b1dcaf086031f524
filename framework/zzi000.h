#pragma once
// TfrmZZI000: the frame every business screen stands on.
//
//   panMain     the data area; derived screens put their content here (it has a QVBoxLayout)
//   panButtons  the bottom bar (40 px); bbtClose "종료(F12)" sits at its right end; derived screens
//               put their buttons before it with addButton()
//   stbMessage  status bar: [program ID][status message][사용자 : name][workstation role]
//   popHotkey   a menu that is never shown; its actions carry the screen's function keys
//   qryQuery    the screen's own query on the data module's connection
//
// Every button action starts with beginAction(button): it clears the status message and answers
// false when the button is hidden or disabled, so the action stops silently, whether it came from
// a click or from its hot key. addHotkey() wires a key to such an action.
//
// Living in the main window: the main window sets the two host hooks. bbtClose on an embedded screen
// asks the host to close the active screen (the F12 path); the close request (closeEvent) closes the
// screen's queries and asks the host to remove the screen, which deletes the tab page later. A
// free-standing screen (a window of its own) simply closes and is destroyed.
//
// Work typed and not saved is never dropped without a question: every way out (the close button, F12,
// the close request the main window sends when it closes) runs mayClose() once. An editing screen
// tells what it holds through hasUnsavedWork() and the question through closeQuestion(); "아니요"
// keeps the screen open with everything as it was. What the screen holds for other counters is let go
// in releaseOnClose(), only once the screen goes.
#include "database/query.h"
#include <QFrame>
#include <QPushButton>
#include <QKeySequence>
#include <QWidget>
#include <functional>
#include <memory>

class QLabel;
class QMenu;
class QPushButton;
class QHBoxLayout;
class QAbstractButton;

class TfrmZZI000 : public QWidget {
    Q_OBJECT
public:
    explicit TfrmZZI000(QWidget *parent = nullptr);
    ~TfrmZZI000() override;

    // Program ID: the component name without its first three letters ("frmEBI040" → "EBI040");
    // when no name was given, the class name without "Tfrm".
    QString programId() const;

    void SetStatusMessage(const QString &text);
    QString statusMessage() const;
    QString statusPanelText(int panel) const;
    int statusPanelWidth(int panel) const;

    // The main window's services, set once by the main window.
    struct Host {
        std::function<void()> closeActiveScreen;           // what the F12 key reaches
        std::function<void(TfrmZZI000 *)> removeScreen;    // deletes the tab page later
        std::function<void(TfrmZZI000 *)> showScreen;      // brings the screen's tab page to the front
    };
    static void setHost(const Host &host);
    static Host &host();

    // Where the keyboard starts when the screen opens: its first condition (nullptr: the screen).
    virtual QWidget *firstInput() const { return nullptr; }
    void focusFirstInput();

    // The screen's own Tab stops in the clerk's order: the conditions, 조회(F3), the data, the bottom
    // bar with 종료(F12) last. Within each part the order of creation, or the one chainTabs() gave.
    // Tab and Shift+Tab cycle through them and never leave the screen (not to the main window's tabs);
    // what cannot be typed into (a read-only edit or memo) is passed over.
    QList<QWidget *> tabStops() const;
    // The stop after (before) from, wrapping round; from may be any widget of the screen.
    QWidget *nextTabStop(QWidget *from, bool forward = true) const;
    // Runs the screen's own key (a hidden-menu entry or a shortcut of the screen, not one of a single
    // field) as if it had been pressed inside the screen; false when the screen has none for it.
    bool runHotkey(const QKeySequence &key);

    static QString roleCaption();   // "사업장 - name", "팀 - name", "영업장 - name" or empty

    // Input colouring: tooltip colour while the control has the focus, white otherwise; read-only
    // edits are gray.
    void attachColouring(QWidget *control);
    static void paintInput(QWidget *control, bool focused);
    // An input drawn in the colour while it can be typed in, in the window's colour while disabled.
    static void setInputColour(QWidget *control, const QColor &colour);

    QWidget *panMain;
    QFrame *panButtons;
    QFrame *stbMessage;
    QMenu *popHotkey;
    QPushButton *bbtClose;
    std::unique_ptr<db::Query> qryQuery;

    // Typed work that is not saved: a change waiting to be saved, a new record typed, a value typed in a
    // field or cell and not yet taken into its row, something held for it.
    virtual bool hasUnsavedWork() { return false; }
    virtual QString closeQuestion() const;   // "변경된 자료가 있습니다.\r정말 종료하시겠습니까?"
    // Asks closeQuestion() when there is unsaved work; true when the screen may go (then it has let go
    // what it held). A screen that agreed is not asked again on the way out.
    bool mayClose();

public slots:
    virtual void bbtCloseClick();

protected:
    // Clears the status message; false when the button is hidden or disabled (stop silently).
    bool beginAction(QAbstractButton *button);
    // A hidden-menu entry that runs the action on the key (also while the focus is in a child).
    QAction *addHotkey(const QString &caption, const QKeySequence &key, std::function<void()> action);
    // A bottom-bar button, placed before bbtClose (or at the left when left is true).
    QPushButton *addButton(const QString &name, const QString &caption, bool left = false);
    QHBoxLayout *buttonLayout() const { return m_buttonLayout; }

    // Tab follows the clerk's work: each control of the list is followed by the next one.
    static void chainTabs(const QList<QWidget *> &order);

    void closeScreen();   // what bbtClose does once it may: close or ask the host
    virtual void closeQueries();
    // What goes with the screen once it may close (holds for other counters); false keeps it open.
    virtual bool releaseOnClose() { return true; }
    void closeEvent(QCloseEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    void layoutStatusBar();

private:
    QLabel *m_panels[4];
    QHBoxLayout *m_buttonLayout;
    int m_leftButtons = 0;
    bool m_shown = false;
    bool m_closeAgreed = false;
};
