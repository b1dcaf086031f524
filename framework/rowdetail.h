#pragma once
// Read-only fields that show the current row of a list: each stands for a field of the result and
// follows the grid's current row; an empty result empties them. A field the grid does not list is
// held by a hidden column of its own.
//
//   auto *detail = new TRowDetail(rgrGrid);
//   form->addRow("피해자명", detail->addField("LOSS_NAME", "피해자명", "edtLossName", box));
//
// or, as titled boxes side by side in one panel the screen places below its grid:
//
//   QFormLayout *victim = detail->addGroup("grbLoss", "피해자");
//   detail->addField(victim, "LOSS_NAME", "피해자명");     // edtLossName
//   placeBelowGrid(detail->panel());
#include <QHash>
#include <QObject>
#include <QVector>
#include <functional>

class QFormLayout;
class QLabel;
class QLineEdit;
class QWidget;
class TListGrid;

class TRowDetail : public QObject {
    Q_OBJECT
public:
    explicit TRowDetail(TListGrid *grid);

    // title: the hidden column's, as the column chooser lists it
    QLabel *addLabel(const QString &field, const QString &title, const QString &name, QWidget *parent);
    QLineEdit *addField(const QString &field, const QString &title, const QString &name, QWidget *parent);
    void show(int row);   // -1 empties every field

    // A titled box in the row of boxes of panel(), its fields one per line, caption before value.
    QFormLayout *addGroup(const QString &name, const QString &title);
    // A field on a line of its box, named "edt" and the field in camel case ("LOSS_ZIP_CODE": edtLossZipCode).
    QLineEdit *addField(QFormLayout *group, const QString &field, const QString &caption);
    QWidget *panel();

private:
    void bind(const QString &field, const QString &title, std::function<void(const QString &)> setText);
    TListGrid *m_grid;
    QWidget *m_panel = nullptr;
    struct Binding {
        QString field;
        std::function<void(const QString &)> setText;
    };
    QVector<Binding> m_bindings;
};
