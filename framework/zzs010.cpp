#include "zzs010.h"
#include "zzp010.h"
#include "core/messages.h"
#include "core/utils.h"
#include "widgets/inputs.h"
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmZZS010::TfrmZZS010(QWidget *parent) : TfrmZZI000(parent)
{
    FDate = TodayText();
    panSearch = new QFrame(panMain);
    panSearch->setObjectName("panSearch");
    panSearch->setFrameShape(QFrame::StyledPanel);
    auto *outer = new QHBoxLayout(panSearch);
    m_grid = new QGridLayout;
    outer->addLayout(m_grid);
    outer->addStretch(1);
    bbtSearch = new QPushButton(QStringLiteral("조회(F3)"), panSearch);
    bbtSearch->setObjectName("bbtSearch");
    bbtSearch->setAutoDefault(false);
    outer->addWidget(bbtSearch, 0, Qt::AlignBottom);
    static_cast<QVBoxLayout *>(panMain->layout())->addWidget(panSearch);
    connect(bbtSearch, &QPushButton::clicked, this, &TfrmZZS010::bbtSearchClick);

    bbtPrint = addButton("bbtPrint", QStringLiteral("출력(F11)"));
    bbtPreview = addButton("bbtPreview", QStringLiteral("미리보기"));
    connect(bbtPrint, &QPushButton::clicked, this, &TfrmZZS010::bbtPrintClick);
    connect(bbtPreview, &QPushButton::clicked, this, &TfrmZZS010::bbtPreviewClick);
    addHotkey(QStringLiteral("조회"), Qt::Key_F3, [this] { bbtSearchClick(); });
    addHotkey(QStringLiteral("출력"), Qt::Key_F11, [this] { bbtPrintClick(); });
    addHotkey(QStringLiteral("미리보기"), QKeySequence(Qt::SHIFT | Qt::Key_F11), [this] { bbtPreviewClick(); });
}

QWidget *TfrmZZS010::addCondition(QWidget *control, const QString &caption, int width)
{
    auto *label = new QLabel(caption, panSearch);
    label->setObjectName("lbl" + control->objectName().mid(3));
    label->setBuddy(control);
    control->setParent(panSearch);
    // a screen reader names the input by its caption; the end of a range by the range's
    if (control->accessibleName().isEmpty()) {
        QString name = caption;
        if (name.startsWith(QLatin1Char('*')))
            name.remove(0, 1);
        if (!name.isEmpty() && !name.front().isLetterOrNumber() && !m_conditions.isEmpty())
            name = m_conditions.last()->accessibleName() + QLatin1Char(' ') + name;
        control->setAccessibleName(name.trimmed());
    }
    if (width > 0)
        control->setMinimumWidth(width);
    m_grid->addWidget(label, m_row, m_col * 2, Qt::AlignRight);
    m_grid->addWidget(control, m_row, m_col * 2 + 1);
    ++m_col;
    m_conditions.append(control);
    m_labels.append(label);
    attachColouring(control);
    control->installEventFilter(this);
    return control;
}

void TfrmZZS010::addBeside(QWidget *condition, QWidget *extra)
{
    QWidget *pair = condition->parentWidget();
    auto *box = pair ? qobject_cast<QHBoxLayout *>(pair->layout()) : nullptr;
    if (!box || pair->objectName() != condition->objectName() + QStringLiteral("Pair")) {
        const int index = m_grid->indexOf(condition);
        if (index < 0)
            return;
        int row, column, rows, columns;
        m_grid->getItemPosition(index, &row, &column, &rows, &columns);
        m_grid->removeWidget(condition);
        pair = new QWidget(panSearch);
        pair->setObjectName(condition->objectName() + QStringLiteral("Pair"));
        box = new QHBoxLayout(pair);
        box->setContentsMargins(0, 0, 0, 0);
        box->setSpacing(2);
        condition->setParent(pair);
        box->addWidget(condition);
        box->addStretch(1);
        m_grid->addWidget(pair, row, column, rows, columns);
        if (QLabel *label = m_labels.value(int(m_conditions.indexOf(condition))))
            label->setBuddy(condition);
    }
    extra->setParent(pair);
    box->insertWidget(box->count() - 1, extra);
}

void TfrmZZS010::newConditionRow()
{
    ++m_row;
    m_col = 0;
}

TCodeCombo *TfrmZZS010::addCodeCombo(const QString &name, const QString &caption, const QString &group, bool allEntry)
{
    auto *c = new TCodeCombo(panSearch);
    c->setObjectName(name);
    if (!group.isEmpty()) {
        c->fillFromGroup(group, allEntry);
        if (c->count() > 0)
            c->setCurrentIndex(0);
    }
    addCondition(c, caption);
    return c;
}

TDateEdit *TfrmZZS010::addDateEdit(const QString &name, const QString &caption)
{
    auto *d = new TDateEdit(panSearch);
    d->setObjectName(name);
    d->setDateText(TodayText());
    if (name == "dtpDate") {
        FDate = d->dateText();
        connect(d, &QDateEdit::dateChanged, this, [this, d] { FDate = d->dateText(); });
    }
    addCondition(d, caption, 110);
    return d;
}

TEdit *TfrmZZS010::addEdit(const QString &name, const QString &caption, int maxBytes)
{
    auto *e = new TEdit(panSearch);
    e->setObjectName(name);
    e->setMaxBytes(maxBytes);
    addCondition(e, caption);
    return e;
}

QWidget *TfrmZZS010::firstInput() const
{
    for (QWidget *w : m_conditions)
        if (w->isEnabled() && w->isVisibleTo(this) && (w->focusPolicy() & Qt::TabFocus))
            return w;
    return bbtSearch;
}

QString TfrmZZS010::captionOf(QWidget *control) const
{
    int i = int(m_conditions.indexOf(control));
    return i < 0 ? QString() : m_labels[i]->text();
}

QString TfrmZZS010::shownValue(QWidget *control)
{
    if (auto *d = qobject_cast<TDateEdit *>(control))
        return ToDisplayDate(d->dateText());
    if (auto *c = qobject_cast<QComboBox *>(control))
        return c->currentIndex() < 0 ? QStringLiteral("[전체]") : c->currentText();
    if (auto *e = qobject_cast<QLineEdit *>(control))
        return e->text();
    return QString();
}

QString TfrmZZS010::conditionLine(const QList<QWidget *> &controls) const
{
    QStringList parts;
    for (QWidget *c : controls)
        parts << captionOf(c) + QStringLiteral(": ") + shownValue(c);
    return parts.join(QStringLiteral("   "));
}

void TfrmZZS010::bbtSearchClick()
{
    if (bbtSearch->isHidden() || !bbtSearch->isEnabled()) {
        SetStatusMessage(QString());
        return;
    }
    search();
}

void TfrmZZS010::bbtPrintClick()
{
    if (!beginPrint(bbtPrint))
        return;
    runLayout(false);
}

void TfrmZZS010::bbtPreviewClick()
{
    if (!beginPrint(bbtPreview))
        return;
    runLayout(true);
}

void TfrmZZS010::fillConditions(TfrmZZP010 *layout)
{
    layout->setConditionLines(m_searchedConditions.isEmpty() ? currentConditionLines() : m_searchedConditions);
}

void TfrmZZS010::runLayout(bool preview)
{
    beforeLayout();
    std::unique_ptr<TfrmZZP010> layout(createLayout());   // none: the screen prints its own way
    if (!layout)
        return;
    if (qryQuery->sql().isEmpty()) {   // nothing searched yet: nothing to print
        ShowInfo(QStringLiteral("조회 결과가 없습니다. 조회를 먼저 하십시오."));
        return;
    }
    fillConditions(layout.get());
    fitLayout(layout.get());
    layout->qryQuery->setDatabase(qryQuery->database());   // the list's own (a report's replica)
    layout->qryQuery->setSql(qryQuery->sql());
    layout->qryQuery->setBindings(qryQuery->bindings());
    if (preview)
        layout->preview(this);
    else
        layout->print(this);
    layout->close();
}

bool TfrmZZS010::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(event);
        int i = int(m_conditions.indexOf(static_cast<QWidget *>(watched)));
        if (i >= 0 && (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && k->modifiers() == Qt::NoModifier) {
            // The next enabled condition, or the search button after the last one.
            for (int j = i + 1; j < m_conditions.size(); ++j) {
                QWidget *w = m_conditions[j];
                if (w->isVisible() && w->isEnabled()) {
                    w->setFocus(Qt::TabFocusReason);
                    return true;
                }
            }
            bbtSearch->setFocus(Qt::TabFocusReason);
            bbtSearchClick();
            return true;
        }
    }
    return TfrmZZI000::eventFilter(watched, event);
}
