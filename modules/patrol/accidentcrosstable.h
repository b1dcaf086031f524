#pragma once
// The base of the accident cross-tables (EES030 to EES090, EES140): each is the description of its
// rows and columns; beside the grid a bar chart of the same figures, printed after the table.
#include "accidentchart.h"
#include "framework/crosstable.h"

class TAccidentCrossTable : public TfrmCrossTable {
    Q_OBJECT
public:
    TAccidentCrossTable(const TReportDefinition &report, const crosstab::Description &description, QWidget *parent);
    TAccidentChart *chtAccidents;

protected:
    void figuresShown() override;
    QImage printedPicture() const override;
};
