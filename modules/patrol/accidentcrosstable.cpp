#include "accidentcrosstable.h"
#include <QSplitter>
#include <QVBoxLayout>

TAccidentCrossTable::TAccidentCrossTable(const TReportDefinition &report, const crosstab::Description &description,
                                         QWidget *parent)
    : TfrmCrossTable(report, description, parent)
{
    chtAccidents = new TAccidentChart(panInfo);
    placeBesideGrid(chtAccidents);
}

void TAccidentCrossTable::figuresShown()
{
    QStringList series;
    for (const crosstab::Bucket &b : buckets())
        series << b.title;
    chtAccidents->setFigures(rowLabels(), series, counts());
}

QImage TAccidentCrossTable::printedPicture() const { return chtAccidents->image(QSize(1000, 400)); }
