#pragma once
// The accident cross-tables (EES030 to EES090, EES140): each is the description of its rows and columns;
// beside the grid a bar chart of the same figures, printed after the table.
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

#define PATROL_CROSS_TABLE(ID)                                        \
    class Tfrm##ID : public TAccidentCrossTable {                     \
        Q_OBJECT                                                      \
    public:                                                           \
        explicit Tfrm##ID(QWidget *parent = nullptr);                 \
    };

PATROL_CROSS_TABLE(EES030)
PATROL_CROSS_TABLE(EES040)
PATROL_CROSS_TABLE(EES140)
PATROL_CROSS_TABLE(EES050)
PATROL_CROSS_TABLE(EES060)
PATROL_CROSS_TABLE(EES070)
PATROL_CROSS_TABLE(EES080)
PATROL_CROSS_TABLE(EES090)
