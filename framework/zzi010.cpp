#include "zzi010.h"
#include "listmodel.h"
#include "database/query.h"
#include "widgets/navigation.h"
#include "core/messages.h"
#include <QApplication>
#include <QDate>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

TfrmZZI010::TfrmZZI010(QWidget *parent) : TfrmZZI000(parent)
{
    panSearch = new QFrame(this);
    panSearch->setObjectName("panSearch");
    panSearch->setFrameShape(QFrame::StyledPanel);
    auto *row = new QHBoxLayout(panSearch);
    row->setContentsMargins(2, 2, 6, 2);
    m_conditions = new TFieldPanel(panSearch, 4);
    m_conditions->setObjectName("panConditions");
    row->addWidget(m_conditions, 1);
    bbtSearch = new QPushButton(QStringLiteral("조회(F3)"), panSearch);
    bbtSearch->setObjectName("bbtSearch");
    bbtSearch->setAutoDefault(false);
    row->addWidget(bbtSearch, 0, Qt::AlignVCenter);
    static_cast<QVBoxLayout *>(layout())->insertWidget(0, panSearch);

    bbtSave = addButton("bbtSave", QStringLiteral("저장(F2)"));
    bbtCancel = addButton("bbtCancel", QStringLiteral("취소(F8)"));

    connect(bbtSearch, &QPushButton::clicked, this, &TfrmZZI010::bbtSearchClick);
    connect(bbtSave, &QPushButton::clicked, this, &TfrmZZI010::bbtSaveClick);
    connect(bbtCancel, &QPushButton::clicked, this, &TfrmZZI010::bbtCancelClick);
    addHotkey(QStringLiteral("조회"), Qt::Key_F3, [this] { bbtSearchClick(); });
    addHotkey(QStringLiteral("저장"), Qt::Key_F2, [this] { bbtSaveClick(); });
    addHotkey(QStringLiteral("취소"), Qt::Key_F8, [this] { bbtCancelClick(); });
    connect(m_conditions, &TFieldPanel::controlAdded, this, &TfrmZZI010::attachConditionControl);

    setSearchMode(true);
}

void TfrmZZI010::bbtSearchClick()
{
    if (beginAction(bbtSearch))
        search();
}

void TfrmZZI010::bbtSaveClick()
{
    if (beginAction(bbtSave))
        save();
}

void TfrmZZI010::bbtCancelClick()
{
    if (beginAction(bbtCancel))
        cancel();
}

void TfrmZZI010::search() { setSearchMode(false); }
void TfrmZZI010::cancel() { setSearchMode(true); }

void TfrmZZI010::setSearchMode(bool search)
{
    m_searchMode = search;
    const auto all = findChildren<QWidget *>();
    for (QWidget *w : all) {
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith("qt_") || qobject_cast<QLabel *>(w) || qobject_cast<QMenu *>(w))
            continue;
        if (w == bbtClose || w == panMain || w == panButtons || w == stbMessage)
            continue;
        bool inData = false;
        QWidget *a = w->parentWidget();
        for (int level = 0; level < 6 && a; ++level, a = a->parentWidget())
            if (a == panMain) {
                inData = true;
                break;
            }
        bool onBar = w->parentWidget() == panButtons && qobject_cast<QAbstractButton *>(w);
        w->setEnabled((inData || onBar) ? !search : search);
    }
    if (!isVisible())
        return;
    if (search) {
        if (QWidget *first = firstCondition())
            first->setFocus();
    } else {
        focusNextFrom(panMain);
    }
}

QWidget *TfrmZZI010::firstCondition() const
{
    for (QWidget *w : m_conditions->findChildren<QWidget *>())
        if (!qobject_cast<QLabel *>(w) && w->focusPolicy() != Qt::NoFocus && w->isEnabled()
            && w->isVisibleTo(m_conditions) && !w->objectName().isEmpty())
            return w;
    return bbtSearch;
}

QString TfrmZZI010::screenDate() const
{
    if (auto *d = findChild<TDateEdit *>("dtpDate"))
        return d->dateText();
    return QDate::currentDate().toString("yyyyMMdd");
}

bool TfrmZZI010::refuse(QWidget *control, const QString &message)
{
    // a field on a page behind another (a tab page) is brought to the front first, so the clerk sees it
    for (QWidget *w = control; w && w != this; w = w->parentWidget())
        if (auto *pages = qobject_cast<QStackedWidget *>(w->parentWidget()))
            pages->setCurrentWidget(w);
    ShowInfo(message);
    if (control && control->isEnabled())
        control->setFocus();
    return false;
}

QString TfrmZZI010::enterFirst(const QString &caption) { return caption + QStringLiteral("을(를) 먼저 입력하십시오."); }
QString TfrmZZI010::enterCorrectly(const QString &caption) { return caption + QStringLiteral("을(를) 정확히 입력하십시오."); }

void TfrmZZI010::attachConditionControl(QWidget *control)
{
    control->setProperty("zzi010Condition", true);
    attachColouring(control);
    control->installEventFilter(this);
}

bool TfrmZZI010::handleEnter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *k = static_cast<QKeyEvent *>(event);
    if (k->key() != Qt::Key_Return && k->key() != Qt::Key_Enter)
        return false;
    auto *w = static_cast<QWidget *>(watched);
    if (focusNextFrom(w) == bbtSearch)
        bbtSearchClick();
    return true;
}

bool TfrmZZI010::eventFilter(QObject *watched, QEvent *event)
{
    // An input the screen moves to after a key (search, a refused check, the next row) shows its text
    // selected, as Tab does, so typing replaces it instead of adding to the previous value.
    if (event->type() == QEvent::FocusIn && static_cast<QFocusEvent *>(event)->reason() == Qt::OtherFocusReason)
        if (auto *edit = qobject_cast<QLineEdit *>(watched); edit && !edit->isReadOnly())
            edit->selectAll();
    // a condition with a lookup button or a name beside it sits one level down, in its pair
    if (watched->isWidgetType() && watched->property("zzi010Condition").toBool() && handleEnter(watched, event))
        return true;
    return TfrmZZI000::eventFilter(watched, event);
}

QWidget *TfrmZZI010::focusNextFrom(QWidget *w)
{
    // the screen's own order, which never leaves the screen
    for (QWidget *p = w; p; p = p->parentWidget())
        if (auto *screen = qobject_cast<TfrmZZI000 *>(p)) {
            QWidget *n = screen->nextTabStop(w, true);
            if (n)
                n->setFocus(Qt::TabFocusReason);
            return n;
        }
    QWidget *top = w->window();
    for (QWidget *n = w->nextInFocusChain(); n && n != w; n = n->nextInFocusChain()) {
        if ((n->focusPolicy() & Qt::TabFocus) && n->isEnabled() && n->isVisibleTo(top) && !n->focusProxy()) {
            n->setFocus(Qt::TabFocusReason);
            return n;
        }
    }
    return nullptr;
}

TfrmZZI010::RowButtons TfrmZZI010::addRowButtons(const QString &addCaption, const QString &deleteCaption,
                                                 std::function<int()> current, std::function<int()> count,
                                                 std::function<void(QToolButton *, int)> go)
{
    auto nav = [this, go](const char *name, NavigationStep step, int index, std::function<int()> row) {
        auto *b = new QToolButton(panButtons);
        b->setObjectName(name);
        SetNavigationGlyph(b, step);
        buttonLayout()->insertWidget(index, b);
        connect(b, &QToolButton::clicked, this, [b, go, row] { go(b, row()); });
        return b;
    };
    RowButtons r;
    r.first = nav("sbtFirst", NavigationStep::First, 0, [] { return 0; });
    r.prior = nav("sbtPrior", NavigationStep::Prior, 1, [current] { return current() - 1; });
    r.next = nav("sbtNext", NavigationStep::Next, 2, [current] { return current() + 1; });
    r.last = nav("sbtLast", NavigationStep::Last, 3, [count] { return count() - 1; });
    r.add = addButton("bbtAdd", addCaption);
    r.remove = addButton("bbtDelete", deleteCaption);
    // the bar reads: navigation … 추가 삭제 저장 취소 종료
    for (QPushButton *b : {r.add, r.remove}) {
        buttonLayout()->removeWidget(b);
        buttonLayout()->insertWidget(buttonLayout()->indexOf(bbtSave), b);
    }
    return r;
}

bool TfrmZZI010::readFailed(db::Query &query)
{
    if (!query.failed())
        return false;
    const QString error = query.lastError();
    query.close();
    SetStatusMessage(QString());
    ShowError(TListModel::readFailedMessage(error));
    return true;
}
