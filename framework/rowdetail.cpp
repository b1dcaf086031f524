#include "framework/rowdetail.h"
#include "framework/zzs020.h"
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>

TRowDetail::TRowDetail(TListGrid *grid) : QObject(grid), m_grid(grid)
{
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { show(current.row()); });
    // a new search resets the result before it moves to its first row
    connect(grid->model(), &QAbstractItemModel::modelReset, this, [this] { show(m_grid->currentRow()); });
}

void TRowDetail::bind(const QString &field, const QString &title, std::function<void(const QString &)> setText)
{
    if (m_grid->columnByField(field) < 0) {
        m_grid->addColumn(field, title, 80).hidden();
        m_grid->applyColumns();
    }
    m_bindings.append({field, std::move(setText)});
}

QLabel *TRowDetail::addLabel(const QString &field, const QString &title, const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    bind(field, title, [label](const QString &text) { label->setText(text); });
    return label;
}

QLineEdit *TRowDetail::addField(const QString &field, const QString &title, const QString &name, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::ClickFocus);   // Tab stays among the conditions and the grid
    bind(field, title, [edit](const QString &text) {
        edit->setText(text);
        edit->setCursorPosition(0);
    });
    return edit;
}

void TRowDetail::show(int row)
{
    const bool shown = row >= 0 && row < m_grid->model()->rowCount();
    for (const Binding &b : m_bindings)
        b.setText(shown ? m_grid->model()->text(row, b.field) : QString());
}
