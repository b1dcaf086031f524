#include "accidentcrosstable.h"
#include <QSplitter>
#include <QVBoxLayout>

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
