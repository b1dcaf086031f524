#pragma once
// What the ski school's record screens give their fields alike: the instructor and member numbers
// with their names, and multi-line notes limited in bytes.
#include "framework/ezi000.h"
#include <functional>

class QPlainTextEdit;

// The instructor's number: typing empties what the number fills, leaving a changed number (also an
// empty one) fills it from GetEmpInfo, and the lookup button (or F1) fills it from the instructor dialog
// and moves on to next. What is filled: the name, or everything fill writes
// (name, team code, team label, grade code, grade label).
using TLecturerFill = std::function<void(const QStringList &info)>;
void BindLecturer(TfrmEZI000 *screen, QLineEdit *empNo, QAbstractButton *button, QLineEdit *name, QWidget *next,
                  TLecturerFill fill = {}, bool lookUpEmpty = true);

// The member number: typing empties the name, leaving a changed number shows the member's name (members
// not cancelled), the lookup fills both and moves on to next.
void BindMember(TfrmEZI000 *screen, QLineEdit *memberNo, QAbstractButton *button, QLineEdit *name, QWidget *next);

// A multi-line note bound to the grid column titled hint, cut to maxBytes CP949 bytes as it is typed.
QPlainTextEdit *AddMemo(TfrmEZI000 *screen, const QString &name, const QString &caption, const QString &hint,
                        int maxBytes, int span = 3);

// A receipt number as typed, written as the stored ones are: ten digits with leading zeros ("3" →
// "0000000003"); blanks around it dropped; a text that is not all digits (or longer) stays as typed.
QString PaddedReceiptNo(const QString &typed);

// Whether a text change should count: not while the user is on the way to Cancel or Close.
bool IsLeavingForCancel(TfrmEZI000 *screen);
