#include "framework/rowdetail.h"
#include "framework/zzs020.h"
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
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

QWidget *TRowDetail::panel()
{
    if (!m_panel) {
        m_panel = new QWidget;
        m_panel->setObjectName(QStringLiteral("panDetail"));
        new QHBoxLayout(m_panel);
        m_panel->layout()->setContentsMargins(0, 4, 0, 0);
    }
    return m_panel;
}

QFormLayout *TRowDetail::addGroup(const QString &name, const QString &title)
{
    auto *box = new QGroupBox(title, panel());
    box->setObjectName(name);
    static_cast<QHBoxLayout *>(panel()->layout())->addWidget(box, 1);
    return new QFormLayout(box);
}

QLineEdit *TRowDetail::addField(QFormLayout *group, const QString &field, const QString &caption)
{
    QString name = QStringLiteral("edt");
    for (const QString &part : field.split(QLatin1Char('_')))
        name += part.left(1) + part.mid(1).toLower();
    QLineEdit *edit = addField(field, caption, name, group->parentWidget());
    group->addRow(caption, edit);
    return edit;
}
