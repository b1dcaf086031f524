#include "eas030.h"
#include "core/utils.h"
#include "core/messages.h"
#include "framework/dialogs/lookupdialogs.h"
#include "framework/fieldlookups.h"
#include "modules/weather/statements.h"
#include "modules/weather/weatherchart.h"
#include "refdata/codes.h"
#include "widgets/inputs.h"
#include <QApplication>
#include <QDate>
#include <QLabel>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

using reportsql::Statement;
using namespace weather;

TfrmEAS030::TfrmEAS030(QWidget *parent)
    : TfrmEASPlaceReport({"EAS030", QStringLiteral("월별 평균 기상정보 현황 조회"), QStringLiteral("기상정보 현황"),
                          {{"OBSE_DATE", "관측일", 80}, {"TEMPERATURE", "온도", 70, true},
                           {"HUMIDITY", "습도", 70, true}, {"WIND_VELOCITY", "풍속", 70, true},
                           {"WIND_DIRECTION", "풍향", 70, true}, {"RADIATION", "일사량", 70, true},
                           {"ATMOSPHERIC", "기압", 70, true}, {"SNOWFALL", "강우량", 70, true}}},
                         parent)
{
    // both today once, when the screen opens: a period chosen stays while the tab is switched
    setConditions({placeCondition(),
                   Range(Condition("OBSE_DATE", QString::fromUtf8(kDateCaption), BIND(dtpFromDate)), BIND(dtpToDate),
                         QStringLiteral("~"))
                       .printedAsStored()
                       .searchedAsGiven()
                       .newLine()});
    dtpFromDate->setToolTip(QStringLiteral("FROM"));
    dtpToDate->setToolTip(QStringLiteral("TO"));
    FFromDate = dtpFromDate->dateText();
    FToDate = dtpToDate->dateText();
    connect(dtpFromDate, &QDateEdit::dateChanged, this, [this] { FFromDate = dtpFromDate->dateText(); });
    connect(dtpToDate, &QDateEdit::dateChanged, this, [this] { FToDate = dtpToDate->dateText(); });
}

Statement TfrmEAS030::statement() { return weather::dailyAverages(FFromDate, FToDate, place->code()); }

Statement TfrmEAS030::footerStatement() { return weather::placeFooter(FFromDate, FToDate, place->code()); }
