#pragma once
// The accident lists: EES020 the accidents of one day, EES120 those of a period, each with the area as a
// condition; both print as EEP020 "일일 사고현황" with the number of accidents.
#include "framework/reportscreens.h"

class TfrmAccidentList : public TfrmReportList {
    Q_OBJECT
public:
    TCodeCombo *cboPeak;

protected:
    TfrmAccidentList(const QString &programId, bool period, QWidget *parent);
    // The list's select list and its table, the day or period condition left to the screen.
    reportsql::Statement listStatement(const QString &where, const QHash<QString, QVariant> &binds = {}) const;
    TfrmZZP010 *createLayout() override;
};
