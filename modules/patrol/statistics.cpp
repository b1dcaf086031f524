#include "statistics.h"
#include <QSplitter>
#include <QVBoxLayout>

using crosstab::Columns;
using crosstab::Rows;

TAccidentCrossTable::TAccidentCrossTable(const TReportDefinition &report, const crosstab::Description &description,
                                         QWidget *parent)
    : TfrmCrossTable(report, description, parent)
{
    chtAccidents = new TAccidentChart(panInfo);
    auto *layout = new QVBoxLayout(panInfo);
    layout->setContentsMargins(2, 0, 0, 0);
    layout->addWidget(chtAccidents);
    panInfo->show();
    splSplitter->setStretchFactor(0, 3);
    splSplitter->setStretchFactor(1, 2);
}

void TAccidentCrossTable::figuresShown()
{
    QStringList series;
    for (const crosstab::Bucket &b : buckets())
        series << b.title;
    chtAccidents->setFigures(rowLabels(), series, counts());
}

QImage TAccidentCrossTable::printedPicture() const { return chtAccidents->image(QSize(1000, 400)); }

TfrmEES030::TfrmEES030(QWidget *parent)
    : TAccidentCrossTable({"EES030", QStringLiteral("요일별 사고발생시간 현황 조회,출력"), QStringLiteral("요일별 사고발생시간"), {}},
                          {Rows::Hour, Columns::Weekday, {}}, parent)
{
}

TfrmEES040::TfrmEES040(QWidget *parent)
    : TAccidentCrossTable({"EES040", QStringLiteral("요일별 부상상태 현황 조회,출력"), QStringLiteral("요일별 부상상태 현황"), {}},
                          {Rows::Injury, Columns::Weekday, {}}, parent)
{
}

// the same table under a second program ID of the menu
TfrmEES140::TfrmEES140(QWidget *parent)
    : TAccidentCrossTable({"EES140", QStringLiteral("요일별 부상상태 현황 조회,출력"), QStringLiteral("요일별 부상상태 현황"), {}},
                          {Rows::Injury, Columns::Weekday, {}}, parent)
{
}

TfrmEES050::TfrmEES050(QWidget *parent)
    : TAccidentCrossTable({"EES050", QStringLiteral("월별 부상 발생시간 현황 조회,출력"), QStringLiteral("월별 부상 발생시간 현황"), {}},
                          {Rows::Hour, Columns::Month, {}, true}, parent)
{
}

TfrmEES060::TfrmEES060(QWidget *parent)
    : TAccidentCrossTable({"EES060", QStringLiteral("월별 부상형태 현황 조회,출력"), QStringLiteral("월별 부상형태 현황"), {}},
                          {Rows::Injury, Columns::Month, {}, true}, parent)
{
}

TfrmEES070::TfrmEES070(QWidget *parent)
    : TAccidentCrossTable({"EES070", QStringLiteral("성별 부상발생 시간 현황 조회,출력"), QStringLiteral("성별 부상발생 시간 현황"), {}},
                          {Rows::Hour, Columns::Sex, {}}, parent)
{
}

TfrmEES080::TfrmEES080(QWidget *parent)
    : TAccidentCrossTable({"EES080", QStringLiteral("성별 부상형태 현황 조회,출력"), QStringLiteral("성별 부상형태 현황"), {}},
                          {Rows::Injury, Columns::Sex, QStringLiteral("부상상태"), true}, parent)
{
}

TfrmEES090::TfrmEES090(QWidget *parent)
    : TAccidentCrossTable({"EES090", QStringLiteral("연령별 부상발생시간 현황 조회,출력"), QStringLiteral("연령별 부상발생 시간 현황"), {}},
                          {Rows::Hour, Columns::Age, {}}, parent)
{
}
