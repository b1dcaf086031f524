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
    TColumn c(field, title);
    c.alignment = alignment;
    c.onceKey = onceKey;
    addColumn(c, widthMm);
}

void TfrmEZP000::addColumn(const TColumn &column, double widthMm)
{
    m_columns.append({column, widthMm});
}

void TfrmEZP000::noteText(int column, const QString &text, double pointSize, bool bold)
{
    if (column < 0 || column >= m_columns.size() || text.isEmpty())
        return;
    double &need = m_columns[column].need;
    need = qMax(need, qrpReport.textWidthMm(text, pointSize, bold));
}

void TfrmEZP000::hideColumn(const QString &field)
{
    for (Printed &c : m_columns)
        if (c.column.field.compare(field, Qt::CaseInsensitive) == 0)
            c.column.isHidden = true;
}

void TfrmEZP000::fitWidths()
{
    constexpr double pad = 2.0;   // the text's inset on both sides and a little air
    const double page = qrpReport.printableWidth();
    double sumNeed = 0, sumWide = 0, spare = 0;
    QVector<double> need;
    for (Printed &c : m_columns) {
        if (c.column.isHidden)
            c.width = c.need = 0;
        need << (c.column.isHidden ? 0.0 : qMax(c.need, qrpReport.textWidthMm(c.column.title, HeadingPointSize, true)) + pad);
        sumNeed += need.last();
        sumWide += qMax(c.width, need.last());
        spare += qMax(0.0, c.width - need.last());
    }
    if (m_columns.isEmpty())
        return;
    for (int i = 0; i < m_columns.size(); ++i) {
        Printed &c = m_columns[i];
        if (sumWide <= page + 1e-6)
            c.width = qMax(c.width, need[i]);   // every column as wide as its texts, the page holds them
        else if (sumNeed <= page)               // the room beyond the texts shared out as the widths had it
            c.width = need[i] + (page - sumNeed) * qMax(0.0, c.width - need[i]) / spare;
        else                                    // texts wider than the page: they shrink alike
            c.width = need[i] * page / sumNeed;
    }
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
    fitWidths();
    for (int i = 0; i < m_columns.size(); ++i) {
        const Printed &c = m_columns[i];
        const double left = columnLeft(i);
        qrbColumnHeader.addLabel({left, 0.5, c.width, qrbColumnHeader.height() - 1}, c.column.title, HeadingPointSize)
            .align(Qt::AlignCenter).framed().fill(QColor(230, 230, 230)).setBold().visible = !c.column.isHidden;
        report::Element &field = qrbDetail.addField({left, 0, c.width, qrbDetail.height()}, c.column.field, DetailPointSize)
                                     .align(c.column.align() | Qt::AlignVCenter);
        field.visible = !c.column.isHidden;
        if (!c.column.onceKey.isEmpty())
            field.blankRepeated(c.column.onceKey);
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
