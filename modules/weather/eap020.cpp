#include "eap020.h"
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

// ---- the layout

const QStringList &TfrmEAP020::averageNames()
{
    static const QStringList names = {"qrlAvgTemperature", "qrlAvgHumidity", "qrlAvgWindVelocity", "qrlAvgWindDirection",
                                      "qrlAvgRadiation", "qrlAvgAtmospheric", "qrlAvgSnowfall"};
    return names;
}

TfrmEAP020::TfrmEAP020(const QString &firstField, const QString &firstTitle)
{
    setObjectName(QStringLiteral("frmEAP020"));
    setTitle(QStringLiteral("기상정보 현황"));
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    addColumn(firstField, firstTitle, 26, Qt::AlignCenter);
    addColumn("TEMPERATURE", QStringLiteral("온도"), 23, right);
    addColumn("HUMIDITY", QStringLiteral("습도"), 23, right);
    addColumn("WIND_VELOCITY", QStringLiteral("풍속"), 23, right);
    addColumn("WIND_DIRECTION", QStringLiteral("풍향"), 23, right);
    addColumn("RADIATION", QStringLiteral("일사량"), 23, right);
    addColumn("ATMOSPHERIC", QStringLiteral("기압"), 23, right);
    addColumn("SNOWFALL", QStringLiteral("적설량"), 23, right);
}

void TfrmEAP020::design()
{
    addSummaryText(QStringLiteral("평균"), 0);
    for (int i = 0; i < averageNames().size(); ++i)
        addSummaryText(m_averages.value(i), i + 1, 1, Qt::AlignRight | Qt::AlignVCenter);
    if (!m_chart.isNull()) {
        qrbSummary.setHeight(7 + 82);
        qrbSummary.addPicture({0, 10, columnLeft(8), 78}, m_chart);
    }
    TfrmEZP000::design();
}
