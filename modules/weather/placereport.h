#pragma once
// What the weather screens share: the observation place field, the base of EAS020 and EAS030 (a
// place's observations with the averages in the footer, the chart and the print) and their captions.
#include "framework/reportscreens.h"
#include <QPointer>

class QAbstractButton;
class QToolButton;
class TWeatherChart;

namespace db {
class Query;
}
namespace reportsql {
struct Statement;
}

namespace weather {
inline const char *const kPlaceCaption = "*관측장소";
inline const char *const kDateCaption = "*관측일자";
inline const char *const kAverage = "평 균";
// The values of the first row of a statement, empty texts when it has no row.
QStringList firstRow(db::Query &query, const reportsql::Statement &statement, int columns);
} // namespace weather

// The observation place: a code of group E0001 typed in the edit, its label beside it. Typing empties
// the label, leaving the edit shows the label of the code, and the lookup fills both.
class TObsePlaceField : public QObject {
    Q_OBJECT
public:
    TObsePlaceField(QLineEdit *edit, QAbstractButton *button, QLabel *label, QWidget *closeButton);
    QString code() const;
    // "*관측장소" + "을(를) 먼저 입력하십시오." / "…정확히…", empty when the place is known.
    QString problem();
    static QString group() { return QStringLiteral("E0001"); }

signals:
    void chosen();   // a place was picked in the lookup dialog

public slots:
    void lookup();
    void showLabel();

private:
    QLineEdit *m_edit;
    QLabel *m_label;
    QPointer<QWidget> m_close;
};

// EAS020 and EAS030: a place's observations with the averages in the footer, the chart and the print.
class TfrmEASPlaceReport : public TfrmReportList {
    Q_OBJECT
public:
    TfrmEASPlaceReport(const TReportDefinition &report, QWidget *parent);
    TEdit *edtObsePlace = nullptr;
    QToolButton *bbtObsePlace = nullptr;
    QLabel *wlbObsePlace = nullptr;
    TObsePlaceField *place = nullptr;
    TWeatherChart *chtWeather = nullptr;
    QStringList printedConditions() const { return searchedConditions(); }

protected:
    void addPlace();
    bool validate() override;
    virtual reportsql::Statement footerStatement() = 0;
    virtual bool byDay() const = 0;
    void search() override;
    void afterSearch() override;
    TfrmZZP010 *createLayout() override;
    void fillConditions(TfrmZZP010 *layout) override;
    QString placePair() const;

private:
    QStringList footerValues();
    reportsql::Statement m_searchedFooter;   // the last search's, for the print
};
