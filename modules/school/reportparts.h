#pragma once
// Pieces the ski-school report screens share: the code groups their statements bind, number and
// date bounds, the masked registration number and the personnel code labels.
#include <QHash>
#include <QVariant>
#include <initializer_list>

class QWidget;
class TEdit;
class TMaskEdit;

namespace schoolreports {

// The code groups the statements bind.
extern const QHash<QString, QVariant> kCodeGroups;

// A number bound typed as text: digits only, up to its width.
void numberBound(TEdit *edit, int digits);

// The registration number of a list, masked as everywhere in the system's lists, as ID_NO.
QString maskedIdNo(const QString &column);

// A date bound typed as "9999-99-99".
TMaskEdit *maskedDate(QWidget *parent, const char *name);
// The first of the bounds typed that is not a date (an empty one is open), or nullptr.
TMaskEdit *invalidDate(std::initializer_list<TMaskEdit *> bounds);

// "(SELECT CODE_NAME FROM ZX900DT …) AS alias": the label of a personnel code (team, grade).
QString personnelLabel(const QString &param, const QString &column, const QString &alias);

} // namespace schoolreports
