#include "eas020.h"
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

TfrmEAS020::TfrmEAS020(QWidget *parent)
    : TfrmEASPlaceReport({"EAS020", QStringLiteral("기상정보 현황 조회,출력"), QStringLiteral("기상정보 현황"),
                          {{"OBSE_TIME", "관측시간", 80}, {"TEMPERATURE", "온도", 70, true},
                           {"HUMIDITY", "습도", 70, true}, {"WIND_VELOCITY", "풍속", 70, true},
                           {"WIND_DIRECTION", "풍향", 70, true}, {"RADIATION", "일사량", 70, true},
                           {"ATMOSPHERIC", "기압", 70, true}, {"SNOWFALL", "강우량", 70, true}}},
                         parent)
{
    setConditions({Condition("OBSE_DATE", QString::fromUtf8(kDateCaption), BIND(dtpDate)).newLine(),
                   placeCondition().printedFirst()});
}

Statement TfrmEAS020::statement() { return weather::dayObservations(dtpDate->dateText(), place->code()); }

Statement TfrmEAS020::footerStatement()
{
    return weather::placeFooter(dtpDate->dateText(), dtpDate->dateText(), place->code());
}
