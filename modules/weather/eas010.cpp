#include "eas010.h"
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

// ---- EAS010

TfrmEAS010::TfrmEAS010(QWidget *parent) : TfrmEZS000(parent)
{
    setObjectName("frmEAS010");
    dtpDate = addDateEdit("dtpDate", QStringLiteral("기상일자"));
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    rgrGrid->addColumn("OBSE_TIME", "TIME", 50, Qt::AlignCenter).group("TIME");
    for (int p = 0; p < weather::placeCodes().size(); ++p) {
        const QString code = weather::placeCodes().at(p), title = weather::placeTitles().at(p);
        if (code == QLatin1String("A1")) {
            rgrGrid->addColumn("TEMPERATURE_MIN_A1", QStringLiteral("최소온도"), 62, right).group(title);
            rgrGrid->addColumn("TEMPERATURE_MAX_A1", QStringLiteral("최대온도"), 62, right).group(title);
        }
        rgrGrid->addColumn("TEMPERATURE_" + code, QStringLiteral("온도"), 52, right).group(title);
        rgrGrid->addColumn("HUMIDITY_" + code, QStringLiteral("습도"), 52, right).group(title);
        rgrGrid->addColumn("WIND_VELOCITY_" + code, QStringLiteral("풍속"), 52, right).group(title);
        rgrGrid->addColumn("WIND_DIRECTION_" + code, QStringLiteral("풍향"), 52, right).group(title);
    }
    rgrGrid->applyColumns();

    // beside the grid: temperature and wind of one place over the day, the place of the current column
    m_chartPlace = weather::placeCodes().value(0);
    chtWeather = new TWeatherChart(panInfo);
    placeBesideGrid(chtWeather);
    connect(rgrGrid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { showPlaceOf(current.column()); });
}

void TfrmEAS010::showPlaceOf(int column)
{
    const QString field = rgrGrid->column(column).field;
    const QString code = field.section(QLatin1Char('_'), -1);
    if (column <= 0 || !weather::placeCodes().contains(code) || code == m_chartPlace)
        return;
    m_chartPlace = code;
    drawChart();
}

void TfrmEAS010::drawChart()
{
    QVector<TWeatherPoint> points;
    const QDate day = QDate::fromString(dtpDate->dateText(), "yyyyMMdd");
    cdsQuery->fetchAll();
    for (int row = 0; row < cdsQuery->rowCount(); ++row) {
        TWeatherPoint p;
        p.at = QDateTime(day, QTime(cdsQuery->text(row, 0).left(2).toInt(), 0));   // the hour of the row
        p.temperature = cdsQuery->text(row, "TEMPERATURE_" + m_chartPlace);
        p.windVelocity = cdsQuery->text(row, "WIND_VELOCITY_" + m_chartPlace);
        if (p.at.isValid())
            points << p;
    }
    chtWeather->setPoints(points, false);
}

void TfrmEAS010::search()
{
    weather::hourly(dtpDate->dateText()).applyTo(*qryQuery);
    TfrmEZS000::search();
}

void TfrmEAS010::afterSearch()
{
    const int columns = rgrGrid->columnCount() - 1;
    const QStringList values = cdsQuery->rowCount() > 0
                                   ? firstRow(*qryFooter, weather::hourlyFooter(dtpDate->dateText()), columns)
                                   : QStringList(QList<QString>(columns));
    for (int i = 0; i < columns; ++i)
        rgrGrid->setFooter(i + 1, values.value(i));
    drawChart();
}
