#include "ezp000.h"

TfrmEZP000::TfrmEZP000(QObject *parent)
    : TfrmZZP010(parent),
      qrbColumnHeader(qrpReport.band(report::Band::ColumnHeader)),
      qrbDetail(qrpReport.band(report::Band::Detail)),
      qrbSummary(qrpReport.band(report::Band::Summary))
{
    qrbColumnHeader.setHeight(7);
    qrbDetail.setHeight(5.5);
}

double TfrmEZP000::columnLeft(int column) const
{
    double x = 0;
    for (int i = 0; i < column && i < m_columns.size(); ++i)
        x += m_columns[i].width;
    return x;
}

void TfrmEZP000::addColumn(const QString &field, const QString &title, double widthMm, Qt::Alignment alignment,
                           const QString &onceKey)
{
    m_columns.append({field, title, widthMm, alignment, onceKey});
}

report::Element &TfrmEZP000::addSummaryText(const QString &text, int column, int span, Qt::Alignment alignment)
{
    if (qrbSummary.height() <= 0)
        qrbSummary.setHeight(7);
    const double left = columnLeft(column);
    const double width = columnLeft(column + span) - left;
    return qrbSummary.addLabel({left, 1, width, 6}, text, 9).align(alignment).setBold();
}

void TfrmEZP000::design()
{
    TfrmZZP010::design();
    for (int i = 0; i < m_columns.size(); ++i) {
        const Column &c = m_columns[i];
        const double left = columnLeft(i);
        qrbColumnHeader.addLabel({left, 0.5, c.width, qrbColumnHeader.height() - 1}, c.title, 9)
            .align(Qt::AlignCenter).framed().fill(QColor(230, 230, 230)).setBold();
        report::Element &field = qrbDetail.addField({left, 0, c.width, qrbDetail.height()}, c.field, 8.5)
                                     .align(c.alignment | Qt::AlignVCenter);
        if (!c.onceKey.isEmpty())
            field.blankRepeated(c.onceKey);
    }
    const double right = columnLeft(int(m_columns.size()));
    if (!m_columns.isEmpty())
        qrbDetail.addLine({0, qrbDetail.height()}, {right, qrbDetail.height()}).pen(0.1).textColor(QColor(160, 160, 160));
    if (qrbSummary.height() > 0)
        qrbSummary.addLine({0, 0.5}, {right, 0.5}).pen(0.3);
}

TfrmEZP010::TfrmEZP010(QObject *parent) : TfrmEZP000(parent)
{
    qrpReport.setOrientation(QPageLayout::Landscape);
}
