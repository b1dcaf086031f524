#include "fieldpanel.h"
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QPushButton>
#include <QGridLayout>
#include <QGroupBox>

TFieldPanel::TFieldPanel(QWidget *parent, int pairsPerLine)
    : QFrame(parent), m_layout(new QGridLayout(this)), m_panelLayout(m_layout), m_pairs(qMax(1, pairsPerLine))
{
    m_layout->setContentsMargins(6, 6, 6, 6);
    m_layout->setHorizontalSpacing(6);
    m_layout->setVerticalSpacing(4);
}

void TFieldPanel::place(const QString &caption, QWidget *control, int span)
{
    span = qBound(1, span, m_pairs);
    if (m_slot + span > m_pairs)
        newLine();
    QWidget *owner = m_layout->parentWidget();   // the panel, or the open group's box
    auto *label = new QLabel(caption, owner);
    QString base = control->objectName();
    label->setObjectName(QStringLiteral("lbl") + (base.size() > 3 ? base.mid(3) : base));
    label->setBuddy(control);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    control->setParent(owner);
    control->setAccessibleName(caption);
    m_layout->addWidget(label, m_line, m_slot * 2);
    m_layout->addWidget(control, m_line, m_slot * 2 + 1, 1, span * 2 - 1);
    m_slot += span;
    if (m_slot >= m_pairs)
        newLine();
    emit controlAdded(control);
}

QPushButton *TFieldPanel::addLookupButton(QWidget *field, const QString &name)
{
    auto *button = new QPushButton(QStringLiteral("..."));
    button->setObjectName(name);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 16);
    addBeside(field, button);
    return button;
}

// The field and what goes with it share the field's cell: a row (beside) or a column (below).
QBoxLayout *TFieldPanel::pairOf(QWidget *field, bool vertical)
{
    const int index = m_layout->indexOf(field);
    if (index < 0) {
        QWidget *pair = field->parentWidget();
        auto *box = pair ? qobject_cast<QBoxLayout *>(pair->layout()) : nullptr;
        const bool alike = box && (box->direction() == QBoxLayout::TopToBottom) == vertical;
        return alike && pair->objectName() == field->objectName() + QStringLiteral("Pair") ? box : nullptr;
    }
    int row, column, rows, columns;
    m_layout->getItemPosition(index, &row, &column, &rows, &columns);
    m_layout->removeWidget(field);
    auto *pair = new QWidget(m_layout->parentWidget());
    pair->setObjectName(field->objectName() + QStringLiteral("Pair"));
    QBoxLayout *box = vertical ? static_cast<QBoxLayout *>(new QVBoxLayout(pair)) : new QHBoxLayout(pair);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(vertical ? 0 : 2);
    box->addWidget(field, 1);
    if (!vertical)
        box->addStretch(0);   // a field of limited width keeps what goes with it beside it
    m_layout->addWidget(pair, row, column, rows, columns);
    return box;
}

void TFieldPanel::addBeside(QWidget *field, QWidget *extra)
{
    QBoxLayout *box = pairOf(field, false);
    if (!box) {
        place(QString(), extra, 1);
        return;
    }
    box->insertWidget(box->count() - 1, extra);   // before the closing stretch
}

QLabel *TFieldPanel::addUnit(QWidget *field, const QString &unit)
{
    auto *label = new QLabel(unit);
    label->setObjectName(field->objectName() + QStringLiteral("Unit"));
    addBeside(field, label);
    return label;
}

void TFieldPanel::addBelow(QWidget *field, QWidget *extra)
{
    QBoxLayout *box = pairOf(field, true);
    if (!box) {
        place(QString(), extra, 1);
        return;
    }
    box->addWidget(extra);
}

void TFieldPanel::newLine()
{
    if (m_slot == 0)
        return;
    ++m_line;
    m_slot = 0;
}

void TFieldPanel::beginGroup(const QString &title)
{
    endGroup();
    newLine();
    auto *box = new QGroupBox(title, this);
    box->setObjectName(QStringLiteral("grp") + title);
    m_layout->addWidget(box, m_line, 0, 1, m_pairs * 2);
    m_panelLine = m_line + 1;
    m_layout = new QGridLayout(box);
    m_layout->setContentsMargins(6, 4, 6, 4);
    m_layout->setHorizontalSpacing(6);
    m_layout->setVerticalSpacing(4);
    m_line = 0;
    m_slot = 0;
}

void TFieldPanel::endGroup()
{
    if (m_layout == m_panelLayout)
        return;
    m_layout = m_panelLayout;
    m_line = m_panelLine;
    m_slot = 0;
}

TEdit *TFieldPanel::addEdit(const QString &name, const QString &caption, const QString &hint, int maxBytes)
{
    auto *e = new TEdit(this);
    e->setObjectName(name);
    SetHint(e, hint);
    e->setMaxBytes(maxBytes);
    place(caption, e, 1);
    return e;
}

TCodeCombo *TFieldPanel::addCodeCombo(const QString &name, const QString &caption, const QString &key, bool allEntry)
{
    auto *c = new TCodeCombo(this);
    c->setObjectName(name);
    prepareCodeCombo(c, key, allEntry);
    place(caption, c, 1);
    return c;
}

void TFieldPanel::prepareCodeCombo(TCodeCombo *combo, const QString &key, bool allEntry)
{
    if (!key.isEmpty())
        combo->fillFromGroup(key, allEntry);
}

TNumericEdit *TFieldPanel::addNumericEdit(const QString &name, const QString &caption, const QString &hint, int maxDigits)
{
    auto *e = new TNumericEdit(this, maxDigits);
    e->setObjectName(name);
    SetHint(e, hint);
    place(caption, e, 1);
    return e;
}

TMaskEdit *TFieldPanel::addMaskEdit(const QString &name, const QString &caption, const QString &hint, const QString &mask)
{
    auto *e = new TMaskEdit(mask, this);
    e->setObjectName(name);
    SetHint(e, hint);
    place(caption, e, 1);
    return e;
}

TDateEdit *TFieldPanel::addDateEdit(const QString &name, const QString &caption, const QString &hint)
{
    auto *d = new TDateEdit(this);
    d->setObjectName(name);
    SetHint(d, hint);
    place(caption, d, 1);
    return d;
}

TLabel *TFieldPanel::addLabel(const QString &name, const QString &caption, const QString &hint)
{
    auto *l = new TLabel(this);
    l->setObjectName(name);
    l->setFrameShape(QFrame::StyledPanel);
    SetHint(l, hint);
    place(caption, l, 1);
    return l;
}

QWidget *TFieldPanel::addControl(const QString &caption, QWidget *control, int span)
{
    place(caption, control, span);
    return control;
}

QLabel *TFieldPanel::captionOf(const QWidget *control) const
{
    for (QLabel *l : findChildren<QLabel *>())
        if (l->buddy() == control)
            return l;
    return nullptr;
}

QWidget *TFieldPanel::field(const QString &caption) const
{
    for (QLabel *l : findChildren<QLabel *>())
        if (l->buddy() && l->text() == caption)
            return l->buddy();
    return nullptr;
}
