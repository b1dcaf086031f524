#pragma once
// TfrmEZP000: a detail list layout on A4 portrait: condition lines qrlCondition1 and qrlCondition2,
// the column header band qrbColumnHeader, the detail band qrbDetail (one per record) and the summary
// band qrbSummary. Columns are laid out from left to right:
//
//   TfrmEBP060::TfrmEBP060() { setTitle("일일 장비대여 현황");
//       addColumn("RENT_NO", "대여번호", 22, Qt::AlignCenter); addColumn("RENT_NAME", "대여자명", 25); … }
//   void design() override { TfrmEZP000::design(); addSummaryText("합계", 0); … }   // optional
#include "framework/zzp010.h"
#include "widgets/column.h"

class TfrmEZP000 : public TfrmZZP010 {
    Q_OBJECT
public:
    explicit TfrmEZP000(QObject *parent = nullptr);
    int conditionLineCount() const override { return 3; }

    report::Band &qrbColumnHeader;
    report::Band &qrbDetail;
    report::Band &qrbSummary;

    // A printed column: heading in the column header, the field in the detail band. With a onceKey the
    // field is left blank on lines repeating the key of the line above (a receipt over its trainees).
    void addColumn(const QString &field, const QString &title, double widthMm,
                   Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter, const QString &onceKey = {});
    void addColumn(const TColumn &column, double widthMm);   // its field, title, alignment and once-key
    // Summary text under column (index of addColumn), spanning span columns.
    report::Element &addSummaryText(const QString &text, int column, int span = 1,
                                    Qt::Alignment alignment = Qt::AlignCenter);
    double columnLeft(int column) const;
    int columnCount() const { return int(m_columns.size()); }
    QString columnField(int column) const { return m_columns.value(column).column.field; }
    // A text the column will print (a value, a total under it): before the bands are built, columns
    // too narrow for their texts widen, taking room from columns wider than theirs, within the page.
    void noteText(int column, const QString &text, double pointSize = DetailPointSize, bool bold = false);
    void hideColumn(const QString &field);   // a column the screen does not show: not printed, no room
    static constexpr double DetailPointSize = 8.5;
    static constexpr double HeadingPointSize = 9;

protected:
    void design() override;

private:
    void fitWidths();
    struct Printed {
        TColumn column;
        double width;      // millimetres on the page
        double need = 0;   // the widest text noted for it
    };
    QVector<Printed> m_columns;
};

// TfrmEZP010: as TfrmEZP000 on A4 landscape.
class TfrmEZP010 : public TfrmEZP000 {
    Q_OBJECT
public:
    explicit TfrmEZP010(QObject *parent = nullptr);
};
