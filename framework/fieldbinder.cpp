#include "fieldbinder.h"
#include "fieldlookups.h"
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

namespace {

// Hands a control's notify signal to a function (a metamethod cannot be connected to a lambda).
class TChangeRelay : public QObject {
    Q_OBJECT
public:
    TChangeRelay(std::function<void()> changed, QObject *parent) : QObject(parent), m_changed(std::move(changed)) {}
public slots:
    void fire() { m_changed(); }
private:
    std::function<void()> m_changed;
};

QWidget *besideControl(const TField &f, TFieldPanel *panel, QWidget *target)
{
    QWidget *w = nullptr;
    if (f.kind == TField::Label) {
        auto *label = new TLabel;
        label->setFrameShape(QFrame::StyledPanel);
        label->setMinimumWidth(90);
        w = label;
    } else if (f.kind == TField::Edit) {
        auto *edit = new TEdit;
        edit->setMaxBytes(f.column.maxBytes);
        edit->setReadOnly(f.isReadOnly);
        w = edit;
    } else {
        return nullptr;
    }
    w->setObjectName(f.component);
    panel->addBeside(target, w);
    return w;
}

} // namespace

QVector<QWidget *> BuildFieldControls(const TFieldTable &fields, TFieldPanel *conditions, TFieldPanel *form,
                                      bool hintByTitle, const QStringList &order)
{
    QVector<QWidget *> controls(fields.size(), nullptr);
    QList<int> sequence;
    for (const QString &name : order)   // the form's order: conditions keep the table's
        for (int i = 0; i < fields.size(); ++i)
            if (!fields[i].isCondition && fields[i].name.compare(name, Qt::CaseInsensitive) == 0 && !sequence.contains(i))
                sequence << i;
    for (int i = 0; i < fields.size(); ++i)
        if (!sequence.contains(i))
            sequence << i;

    QString group;   // the title of the form's open box
    for (int i : std::as_const(sequence)) {
        const TField &f = fields[i];
        TFieldPanel *panel = f.isCondition ? conditions : form;
        if (!f.hasControl() || !panel || !f.besideField.isEmpty())
            continue;
        if (!f.isCondition && f.groupTitle != group) {
            group = f.groupTitle;
            if (group.isEmpty())
                panel->endGroup();
            else
                panel->beginGroup(group);
        }
        if (f.startsLine)
            panel->newLine();
        const QString hint = f.isCondition || !hintByTitle ? QString() : f.column.title;
        QWidget *w = nullptr;
        switch (f.kind) {
        case TField::Edit: {
            TEdit *edit = panel->addEdit(f.component, f.caption, hint, f.column.maxBytes);
            if (f.isReadOnly)
                edit->setFocusPolicy(Qt::ClickFocus);   // Tab passes over what cannot be typed into
            w = edit;
            break;
        }
        case TField::Code: {
            const QString key = f.isCondition || !hintByTitle ? f.column.pickGroup : f.column.title;
            TCodeCombo *combo = panel->addCodeCombo(f.component, f.caption, key, f.allEntry);
            if (!f.column.pickCodes.isEmpty() && combo->count() == 0)
                combo->setItems(f.column.pickCodes, f.column.pickLabels);
            if (f.isCondition && combo->count() > 0)
                combo->setCurrentIndex(0);
            w = combo;
            break;
        }
        case TField::Number: w = panel->addNumericEdit(f.component, f.caption, hint, f.maxDigits); break;
        case TField::Mask:
        case TField::DateMask: w = panel->addMaskEdit(f.component, f.caption, hint, f.inputMask); break;
        case TField::Label: w = panel->addLabel(f.component, f.caption, hint); break;
        case TField::DatePicker: w = panel->addDateEdit(f.component, f.caption, hint); break;
        case TField::Column: break;
        }
        if (auto *line = qobject_cast<QLineEdit *>(w); line && f.isReadOnly)
            line->setReadOnly(true);   // masked and numeric inputs too, not only plain edits
        f.assign(w);
        if (!f.lookupComponent.isEmpty()) {
            QPushButton *button = panel->addLookupButton(w, f.lookupComponent);
            if (f.lookupMember)
                *f.lookupMember = button;
            BindLookupKey(w, button);
        }
        if (!f.unitText.isEmpty())
            panel->addUnit(w, f.unitText);
        controls[i] = w;
    }
    if (form)
        form->endGroup();

    // what goes beside another field follows it, whichever comes first in the table
    for (int i = 0; i < fields.size(); ++i) {
        const TField &f = fields[i];
        if (!f.hasControl() || f.besideField.isEmpty() || f.isCondition || !form)
            continue;
        QWidget *target = nullptr;
        for (int j = 0; j < fields.size(); ++j)
            if (!fields[j].isCondition && fields[j].name.compare(f.besideField, Qt::CaseInsensitive) == 0)
                target = controls[j];
        if (!target)
            continue;
        QWidget *w = besideControl(f, form, target);
        if (!w)
            continue;
        if (hintByTitle)
            SetHint(w, f.column.title);
        f.assign(w);
        controls[i] = w;
    }
    return controls;
}

QString FieldValue(const QWidget *control)
{
    if (!control)
        return QString();
    if (auto *memo = qobject_cast<const QTextEdit *>(control))
        return memo->toPlainText();
    const QMetaProperty user = control->metaObject()->userProperty();
    if (user.isValid())
        return user.read(control).toString();
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    return QString();
}

void SetFieldValue(QWidget *control, const QString &value)
{
    if (!control)
        return;
    if (auto *memo = qobject_cast<QTextEdit *>(control)) {
        memo->setPlainText(value);
        return;
    }
    const QMetaProperty user = control->metaObject()->userProperty();
    if (user.isValid())
        user.write(control, value);
    else if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(value);
}

void OnFieldChange(QWidget *control, QObject *context, std::function<void()> changed)
{
    if (!control)
        return;
    if (auto *memo = qobject_cast<QTextEdit *>(control)) {
        QObject::connect(memo, &QTextEdit::textChanged, context, std::move(changed));
        return;
    }
    const QMetaProperty user = control->metaObject()->userProperty();
    if (!user.isValid() || !user.hasNotifySignal())
        return;   // a label: shown, never typed into
    auto *relay = new TChangeRelay(std::move(changed), context);
    QObject::connect(control, user.notifySignal(), relay,
                     relay->metaObject()->method(relay->metaObject()->indexOfSlot("fire()")));
}

#include "fieldbinder.moc"
