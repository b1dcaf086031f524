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
    reportsql::Statement listStatement(const QString &where, const QHash<QString, QVariant> &binds) const;
    TfrmZZP010 *createLayout() override;
};

class TfrmEES020 : public TfrmAccidentList {
    Q_OBJECT
public:
    explicit TfrmEES020(QWidget *parent = nullptr);
    TDateEdit *dtpDate;

protected:
    reportsql::Statement statement() override;
    QStringList conditionLines() override;
};

class TfrmEES120 : public TfrmAccidentList {
    Q_OBJECT
public:
    explicit TfrmEES120(QWidget *parent = nullptr);
    TDateEdit *dtpfromDate, *dtptoDate;

protected:
    bool validate() override;
    reportsql::Statement statement() override;
    QStringList conditionLines() override;
};
