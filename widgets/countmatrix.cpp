#include "countmatrix.h"
#include "inputs.h"
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>

TCountMatrix::TCountMatrix(const QString &caption, const QStringList &rows, const QStringList &columns, int maxDigits,
                           const QString &unit, QWidget *parent)
    : QGroupBox(caption, parent), m_rows(int(rows.size())), m_columns(int(columns.size()))
{
    auto *grid = new QGridLayout(this);
    grid->setHorizontalSpacing(4);
    for (int r = 0; r < m_rows; ++r) {
        for (int c = 0; c < m_columns; ++c) {
            auto *edit = new TNumericEdit(this, maxDigits);
            edit->setMaximumWidth(60);
            edit->installEventFilter(this);
            connect(edit, &QLineEdit::textEdited, this, &TCountMatrix::valuesChanged);
            grid->addWidget(edit, r + 1, 1 + c * 2);
            auto *unitLabel = new QLabel(unit, this);
            unitLabel->setBuddy(edit);   // a caption: a screen clearing its inputs keeps it
            grid->addWidget(unitLabel, r + 1, 2 + c * 2);
            m_cells.append(edit);
        }
    }
    for (int r = 0; r < m_rows; ++r) {
        auto *label = new QLabel(rows[r], this);
        label->setBuddy(m_cells[r * m_columns]);
        grid->addWidget(label, r + 1, 0);
    }
    for (int c = 0; c < m_columns; ++c) {
        auto *label = new QLabel(columns[c], this);
        label->setAlignment(Qt::AlignCenter);
        label->setBuddy(m_cells.value(c));
        grid->addWidget(label, 0, 1 + c * 2, 1, 2);
    }
}

QStringList TCountMatrix::values() const
{
    QStringList out;
    for (TNumericEdit *e : m_cells)
        out << QString::number(e->value());
    return out;
}

void TCountMatrix::setValues(const QStringList &values)
{
    for (int i = 0; i < m_cells.size(); ++i)
        m_cells[i]->setValue(values.value(i).toLongLong());
}

void TCountMatrix::setCellNames(const QStringList &names)
{
    for (int i = 0; i < m_cells.size() && i < names.size(); ++i)
        m_cells[i]->setObjectName(names[i]);
}

TNumericEdit *TCountMatrix::cell(int row, int column) const { return m_cells.value(row * m_columns + column); }

bool TCountMatrix::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            auto *w = qobject_cast<QWidget *>(watched);
            for (QWidget *next = w ? w->nextInFocusChain() : nullptr; next && next != w; next = next->nextInFocusChain())
                if (next->isEnabled() && next->isVisible() && (next->focusPolicy() & Qt::TabFocus)) {
                    next->setFocus(Qt::TabFocusReason);
                    break;
                }
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}
