#include "weatherscreens.h"
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

namespace {

const char *kPlaceCaption = "*관측장소";
const char *kDateCaption = "*관측일자";
const char *kAverage = "평 균";

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

} // namespace

// ---- the observation place

TObsePlaceField::TObsePlaceField(QLineEdit *edit, QAbstractButton *button, QLabel *label, QWidget *closeButton)
    : QObject(edit), m_edit(edit), m_label(label), m_close(closeButton)
{
    m_edit->setMaxLength(2);
    connect(m_edit, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (text != text.toUpper()) {
            const int cursor = m_edit->cursorPosition();
            m_edit->setText(text.toUpper());
            m_edit->setCursorPosition(cursor);
        }
    });
    connect(m_edit, &QLineEdit::textChanged, this, [this] {
        if (!m_close || QApplication::focusWidget() != m_close)
            m_label->clear();
    });
    connect(m_edit, &QLineEdit::editingFinished, this, &TObsePlaceField::showLabel);
    connect(button, &QAbstractButton::clicked, this, &TObsePlaceField::lookup);
    BindLookupKey(m_edit, button);
}

QString TObsePlaceField::code() const { return m_edit->text().trimmed(); }

void TObsePlaceField::showLabel()
{
    if (!code().isEmpty())
        m_label->setText(GetCodeName(group(), code()));
}

void TObsePlaceField::lookup()
{
    QString code = this->code(), name;
    if (!SelectCode(QStringLiteral("관측장소 구분"), group(), code, name, m_edit->window())) {
        m_edit->setFocus();
        return;
    }
    m_edit->setText(code);
    m_label->setText(name);
    emit chosen();
}

QString TObsePlaceField::problem()
{
    const QString caption = QString::fromUtf8(kPlaceCaption);
    if (code().isEmpty())
        return caption + QStringLiteral("을(를) 먼저 입력하십시오.");
    if (m_label->text().isEmpty())
        showLabel();
    if (m_label->text().isEmpty())
        return caption + QStringLiteral("을(를) 정확히 입력하십시오.");
    return QString();
}

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
    auto *layout = new QVBoxLayout(panInfo);
    layout->setContentsMargins(2, 0, 0, 0);
    layout->addWidget(chtWeather);
    panInfo->show();
    splSplitter->setStretchFactor(0, 3);
    splSplitter->setStretchFactor(1, 2);
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

// ---- EAS020 and EAS030

TfrmEASPlaceReport::TfrmEASPlaceReport(const TReportDefinition &report, QWidget *parent)
    : TfrmReportList(report, parent)
{
    chtWeather = new TWeatherChart(panInfo);
    auto *layout = new QVBoxLayout(panInfo);
    layout->setContentsMargins(2, 0, 0, 0);
    layout->addWidget(chtWeather);
    panInfo->show();
    splSplitter->setStretchFactor(0, 3);
    splSplitter->setStretchFactor(1, 2);
}

void TfrmEASPlaceReport::addPlace()
{
    edtObsePlace = addEdit("edtObsePlace", QString::fromUtf8(kPlaceCaption), 2);
    bbtObsePlace = new QToolButton(panSearch);
    bbtObsePlace->setObjectName("bbtObsePlace");
    bbtObsePlace->setText(QStringLiteral("…"));
    bbtObsePlace->setFocusPolicy(Qt::NoFocus);
    addBeside(edtObsePlace, bbtObsePlace);
    wlbObsePlace = new QLabel(panSearch);
    wlbObsePlace->setObjectName("wlbObsePlace");
    wlbObsePlace->setMinimumWidth(110);
    addBeside(edtObsePlace, wlbObsePlace);
    place = new TObsePlaceField(edtObsePlace, bbtObsePlace, wlbObsePlace, bbtClose);
    connect(place, &TObsePlaceField::chosen, this, [this] { bbtSearchClick(); });
}

QString TfrmEASPlaceReport::placePair() const
{
    return QString::fromUtf8(kPlaceCaption) + QStringLiteral(": ") + wlbObsePlace->text();
}

bool TfrmEASPlaceReport::validate()
{
    const QString problem = place->problem();
    return problem.isEmpty() || refuse(edtObsePlace, problem);
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

TfrmEAS020::TfrmEAS020(QWidget *parent)
    : TfrmEASPlaceReport({"EAS020", QStringLiteral("기상정보 현황 조회,출력"), QStringLiteral("기상정보 현황"),
                          {{"OBSE_TIME", "관측시간", 80}, {"TEMPERATURE", "온도", 70, true},
                           {"HUMIDITY", "습도", 70, true}, {"WIND_VELOCITY", "풍속", 70, true},
                           {"WIND_DIRECTION", "풍향", 70, true}, {"RADIATION", "일사량", 70, true},
                           {"ATMOSPHERIC", "기압", 70, true}, {"SNOWFALL", "강우량", 70, true}}},
                         parent)
{
    dtpDate = addDateEdit("dtpDate", QString::fromUtf8(kDateCaption));
    addPlace();
}

Statement TfrmEAS020::statement() { return weather::dayObservations(dtpDate->dateText(), place->code()); }

Statement TfrmEAS020::footerStatement()
{
    return weather::placeFooter(dtpDate->dateText(), dtpDate->dateText(), place->code());
}

QStringList TfrmEAS020::conditionLines()
{
    return {placePair(), QString::fromUtf8(kDateCaption) + QStringLiteral(": ") + ToDisplayDate(dtpDate->dateText())};
}

TfrmEAS030::TfrmEAS030(QWidget *parent)
    : TfrmEASPlaceReport({"EAS030", QStringLiteral("월별 평균 기상정보 현황 조회"), QStringLiteral("기상정보 현황"),
                          {{"OBSE_DATE", "관측일", 80}, {"TEMPERATURE", "온도", 70, true},
                           {"HUMIDITY", "습도", 70, true}, {"WIND_VELOCITY", "풍속", 70, true},
                           {"WIND_DIRECTION", "풍향", 70, true}, {"RADIATION", "일사량", 70, true},
                           {"ATMOSPHERIC", "기압", 70, true}, {"SNOWFALL", "강우량", 70, true}}},
                         parent)
{
    addPlace();
    // both today once, when the screen opens: a period chosen stays while the tab is switched
    dtpFromDate = addDateEdit("dtpFromDate", QString::fromUtf8(kDateCaption));
    dtpToDate = addDateEdit("dtpToDate", QStringLiteral("~"));
    dtpFromDate->setToolTip(QStringLiteral("FROM"));
    dtpToDate->setToolTip(QStringLiteral("TO"));
    FFromDate = dtpFromDate->dateText();
    FToDate = dtpToDate->dateText();
    connect(dtpFromDate, &QDateEdit::dateChanged, this, [this] { FFromDate = dtpFromDate->dateText(); });
    connect(dtpToDate, &QDateEdit::dateChanged, this, [this] { FToDate = dtpToDate->dateText(); });
}

Statement TfrmEAS030::statement() { return weather::dailyAverages(FFromDate, FToDate, place->code()); }

Statement TfrmEAS030::footerStatement() { return weather::placeFooter(FFromDate, FToDate, place->code()); }

QStringList TfrmEAS030::conditionLines()
{
    return {placePair(), QString::fromUtf8(kDateCaption) + QStringLiteral(": ") + FFromDate + QStringLiteral(" ~ ") + FToDate};
}
