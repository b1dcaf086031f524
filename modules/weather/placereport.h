#pragma once
// What the weather screens share: the observation place field, the base of EAS020 and EAS030 (a
// place's observations with the averages in the footer, the chart and the print) and their captions.
#include "framework/reportscreens.h"
#include "framework/fieldlookups.h"
#include <QPointer>

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

// EAS020 and EAS030: a place's observations with the averages in the footer, the chart and the print.
class TfrmEASPlaceReport : public TfrmReportList {
    Q_OBJECT
public:
    TfrmEASPlaceReport(const TReportDefinition &report, QWidget *parent);
    TEdit *edtObsePlace = nullptr;    // with its lookup button bbtObsePlace
    QLabel *wlbObsePlace = nullptr;
    TCodeField *place = nullptr;      // the place: code group E0001, its name in wlbObsePlace
    TWeatherChart *chtWeather = nullptr;
    QStringList printedConditions() const { return searchedConditions(); }

protected:
    TReportCondition placeCondition();   // "*관측장소", its lookup and name; a choice searches at once
    virtual reportsql::Statement footerStatement() = 0;
    virtual bool byDay() const = 0;
    void search() override;
    void afterSearch() override;
    TfrmZZP010 *createLayout() override;
    void fillConditions(TfrmZZP010 *layout) override;

private:
    QStringList footerValues();
    reportsql::Statement m_searchedFooter;   // the last search's, for the print
};
