#pragma once
// The status buttons of a record: one checkable button per status code ("일일대여[F5]" = "D" …),
// each with its function key. Showing a row presses the button of its code (another code leaves the
// buttons as they are); a click or the key presses the button and reports its code.
//
//   statusButtons.add(body(), "sbtKeep", "보관[F5]", "K", Qt::Key_F5);
//   connect(&statusButtons, &TStatusButtons::clicked, this, &TfrmEBI050::statusClick);
#include <QObject>
#include <QList>
#include <QString>

class QPushButton;
class QWidget;
class TFieldPanel;

class TStatusButtons : public QObject {
    Q_OBJECT
public:
    explicit TStatusButtons(QWidget *keyScope);

    // The button is placed in the panel; its key works anywhere inside keyScope.
    QPushButton *add(TFieldPanel *panel, const QString &name, const QString &caption, const QString &code,
                     Qt::Key key);
    void press(const QString &code);   // a code without a button changes nothing
    void release();                    // none pressed: flat, maroon text
    QString pressed() const;           // the pressed button's code, empty when none is

signals:
    void clicked(const QString &code);

private:
    void show(QPushButton *button, bool on);
    QWidget *m_scope;
    QList<QPair<QPushButton *, QString>> m_buttons;
};
