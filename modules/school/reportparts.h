#pragma once
// Pieces the ski-school report screens share: the code groups their statements bind and the
// personnel code labels.
#include <QHash>
#include <QStringList>
#include <QVariant>

namespace schoolreports {

// The code groups the statements bind.
extern const QHash<QString, QVariant> kCodeGroups;

// The labels of code columns of the school's tables, "label, label, …": each column's code group by
// kCodeGroups (SEX, AREA_GUBUN and the lesson's LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN,
// LECTURE_DETAIL_GUBUN), read from the table named by prefix ("T2."), named after its column with
// suffix ("LECTURE_ITEM_GUBUN" + "_NAME").
QString codeLabels(const QStringList &columns, const QString &prefix = QString(), const QString &suffix = QString());
inline const QStringList kLessonCodes{"LECTURE_ITEM_GUBUN", "LECTURE_REC_GUBUN", "LECTURE_DETAIL_GUBUN"};

// "(SELECT CODE_NAME FROM ZX900DT …) AS alias": the label of a personnel code (team, grade).
QString personnelLabel(const QString &param, const QString &column, const QString &alias);

} // namespace schoolreports
