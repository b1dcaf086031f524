#pragma once
// TJudgeGroup: one judge of a badge-test judging sheet, the group "심사자 A" with the judge's name
// ("*심사자", 30 bytes) and the six scores of the test elements (3 digits each). The group shows
// seven grid columns and is bound to them through its USER property (BindByUserProperty), in the
// order name, 프로그보겐, 슈템턴, 페러렐턴, 웨데른턴, 미들턴, 종합활강; a score not given reads empty.
#include "widgets/inputs.h"
#include <QGroupBox>
#include <QStringList>

class TJudgeGroup : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(QStringList sheet READ sheet WRITE setSheet NOTIFY sheetChanged USER true)
public:
    // judge: "A", "B" or "C"; the controls are named edtExaminerA, wnePflugBogenA … wneGenDescentA.
    explicit TJudgeGroup(const QString &judge, QWidget *parent = nullptr);

    // The seven column titles of a judge ("심사자A", "프로그보겐A" …) and their fields.
    static QStringList columnTitles(const QString &judge);
    static QStringList fieldNames(const QString &judge);

    QStringList sheet() const;
    void setSheet(const QStringList &values);

    TEdit *edtExaminer;
    QList<TNumericEdit *> scores;   // in the order of the test elements

signals:
    void sheetChanged();

private:
    bool m_setting = false;
};
