#include "placereport.h"
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
using namespace weather;

namespace weather {

// The values of the first row of a statement, empty texts when it has no row.
QStringList firstRow(db::Query &query, const Statement &statement, int columns)
{
    QStringList values;
    statement.applyTo(query);
    const bool found = query.open() && query.next();
    for (int i = 0; i < columns; ++i)
        values << (found ? query.value(i) : QString());
    query.close();
    return values;
}

} // namespace weather

// ---- EAS020 and EAS030

TfrmEASPlaceReport::TfrmEASPlaceReport(const TReportDefinition &report, QWidget *parent)
    : TfrmReportList(report, parent)
{
    chtWeather = new TWeatherChart(panInfo);
    placeBesideGrid(chtWeather);
}

TReportCondition TfrmEASPlaceReport::placeCondition()
{
    return LookupCondition("OBSE_PLACE", QString::fromUtf8(kPlaceCaption), 2, BIND(edtObsePlace),
                           [this](QLineEdit *edit, QAbstractButton *button, QLabel *name) {
                               wlbObsePlace = name;
                               place = new TCodeField({QString::fromUtf8(kPlaceCaption), QStringLiteral("E0001"),
                                                       QStringLiteral("관측장소 구분")},
                                                      edit, button, name);
                               place->clearNameOnEveryChange(bbtClose);
                               connect(place, &TCodeField::chosen, this, [this] { bbtSearchClick(); });
                               return place;
                           })
        .newLine();
}

void TfrmEASPlaceReport::search()
{
    if (!validate())
        return;
    // the print averages what this search listed, whatever the conditions show later
    m_searchedFooter = footerStatement();
    statement().applyTo(*qryQuery);
    TfrmEZS000::search();
}

QStringList TfrmEASPlaceReport::footerValues()
{
    return firstRow(*qryFooter, m_searchedFooter, int(TfrmEAP020::averageNames().size()));
}

void TfrmEASPlaceReport::afterSearch()
{
    const bool found = cdsQuery->rowCount() > 0;
    const QStringList values = found ? footerValues() : QStringList(QList<QString>(7));
    rgrGrid->setFooter(0, QString::fromUtf8(kAverage));
    for (int i = 0; i < values.size(); ++i)
        rgrGrid->setFooter(i + 1, values.at(i));

    QVector<TWeatherPoint> points;
    if (found) {
        cdsQuery->fetchAll();
        const QDate day = QDate::fromString(m_searchedFooter.binds.value("OBSE_DATE_FROM").toString(), "yyyyMMdd");
        for (int row = 0; row < cdsQuery->rowCount(); ++row) {
            TWeatherPoint p;
            const QString key = cdsQuery->text(row, 0);
            p.at = byDay() ? QDateTime(QDate::fromString(key, "yyyyMMdd"), QTime(0, 0))
                           : QDateTime(day, QTime::fromString(key, "hh:mm"));
            p.temperature = cdsQuery->text(row, QStringLiteral("TEMPERATURE"));
            p.windVelocity = cdsQuery->text(row, QStringLiteral("WIND_VELOCITY"));
            p.snowfall = cdsQuery->text(row, QStringLiteral("SNOWFALL"));
            if (p.at.isValid())
                points << p;
        }
    }
    chtWeather->setPoints(points, byDay());
}

TfrmZZP010 *TfrmEASPlaceReport::createLayout()
{
    return byDay() ? new TfrmEAP020("OBSE_DATE", QStringLiteral("관측일"))
                   : new TfrmEAP020("OBSE_TIME", QStringLiteral("관측시간"));
}

void TfrmEASPlaceReport::fillConditions(TfrmZZP010 *layout)
{
    auto *l = static_cast<TfrmEAP020 *>(layout);
    l->setConditionLines(searchedConditions());
    l->setAverages(footerValues());
    l->setChart(chtWeather->image(QSize(760, 330)));
}
