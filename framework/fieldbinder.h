#pragma once
// What the record screen and the grid-table screen share of a field table: the controls its rows
// declare, built into the condition panel and the form, and one registry of editors through which a
// bound control shows a value, gives it back and reports a change: the control's USER property, as a
// model/view form binds (widgets/inputs.h gives each editor of the component set one).
//
//   m_controls = BuildFieldControls(fields, conditions(), form, /*hintByTitle*/ false);
//   SetFieldValue(control, cell);   …   cell = FieldValue(control);
//   OnFieldChange(control, this, [this, control] { StoreControl(control); });
#include "fieldtable.h"
#include "widgets/fieldpanel.h"
#include <QVector>
#include <functional>

// The controls of the rows, one per row (nullptr for a Column row or without a panel): condition rows
// into `conditions`, the others into `form`, consecutive rows of one group() in a titled box, in the
// table's order after the rows `order` names first; a row placed beside() another follows that row's
// control without a caption. hintByTitle: a form control carries its column title as its hint and a
// code combo takes its column's list (the record screen's detail panel binds so); otherwise a code
// combo is filled from its code group or its fixed list.
QVector<QWidget *> BuildFieldControls(const TFieldTable &fields, TFieldPanel *conditions, TFieldPanel *form,
                                      bool hintByTitle, const QStringList &order = {});

// The value of a control as text, through its user property (a memo: its plain text).
QString FieldValue(const QWidget *control);
void SetFieldValue(QWidget *control, const QString &value);
// Calls changed whenever the control's value changes (the notify signal of its user property), while
// context lives.
void OnFieldChange(QWidget *control, QObject *context, std::function<void()> changed);
