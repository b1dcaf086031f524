#pragma once
// Pieces the ski-school report screens share: the code groups their statements bind and the
// personnel code labels.
#include <QHash>
#include <QVariant>

namespace schoolreports {

// The code groups the statements bind.
extern const QHash<QString, QVariant> kCodeGroups;

// "(SELECT CODE_NAME FROM ZX900DT …) AS alias": the label of a personnel code (team, grade).
QString personnelLabel(const QString &param, const QString &column, const QString &alias);

} // namespace schoolreports
