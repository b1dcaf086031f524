#pragma once
// TFieldPanel: a panel of captioned inputs laid out alike on every screen (caption, control,
// caption, control … per line). Each input gets its component name as object name and is the buddy
// of its caption label ("lbl" + the name without its three-letter prefix), so keyboard users, screen
// readers and tests find a field by its caption. The hint argument binds a detail control to the
// grid column of that title (empty: not bound).
#include "inputs.h"
#include <QFrame>

class QBoxLayout;
class QLabel;
class QGridLayout;
class QPushButton;

class TFieldPanel : public QFrame {
    Q_OBJECT
public:
    explicit TFieldPanel(QWidget *parent = nullptr, int pairsPerLine = 3);

    TEdit *addEdit(const QString &name, const QString &caption, const QString &hint = {}, int maxBytes = 0);
    // key: a code group for a condition panel, the bound column title for a detail panel.
    TCodeCombo *addCodeCombo(const QString &name, const QString &caption, const QString &key, bool allEntry = false);
    TNumericEdit *addNumericEdit(const QString &name, const QString &caption, const QString &hint = {}, int maxDigits = 9);
    TMaskEdit *addMaskEdit(const QString &name, const QString &caption, const QString &hint, const QString &mask);
    TDateEdit *addDateEdit(const QString &name, const QString &caption, const QString &hint = {});
    TLabel *addLabel(const QString &name, const QString &caption, const QString &hint = {});
    // A control of the screen's own, placed and captioned like the others (span: grid cells it takes).
    QWidget *addControl(const QString &caption, QWidget *control, int span = 1);
    void newLine();                         // the next field starts a new line
    // The fields placed until endGroup() go into a box titled so, on lines of their own.
    void beginGroup(const QString &title);
    void endGroup();
    // A small lookup button ("...") right beside a field already placed; it never takes the focus.
    QPushButton *addLookupButton(QWidget *field, const QString &name);
    // A widget right beside a field already placed (its name label, say), or below it (a footer).
    void addBeside(QWidget *field, QWidget *extra);
    void addBelow(QWidget *field, QWidget *extra);
    // The unit of a field ("명", "Cm") right after it.
    QLabel *addUnit(QWidget *field, const QString &unit);

    QLabel *captionOf(const QWidget *control) const;   // the label whose buddy is the control
    QWidget *field(const QString &caption) const;      // the control captioned so (asterisk included)

signals:
    void controlAdded(QWidget *control);

protected:
    // How a code combo is filled: by code group here; a detail panel copies its column's pick list.
    virtual void prepareCodeCombo(TCodeCombo *combo, const QString &key, bool allEntry);

private:
    void place(const QString &caption, QWidget *control, int span);
    QBoxLayout *pairOf(QWidget *field, bool vertical);
    QGridLayout *m_layout;
    QGridLayout *m_panelLayout;   // m_layout while no group is open
    int m_pairs;
    int m_line = 0;
    int m_slot = 0;
    int m_panelLine = 0;          // the panel's next line while a group is open
};
