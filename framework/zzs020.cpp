#include "zzs020.h"
#include "framework/ezp000.h"
#include "xlsexport.h"
#include "xlsxexport.h"
#include <type_traits>
#include "core/messages.h"
#include "widgets/navigation.h"
#include "database/database.h"
#include "database/query.h"
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

// ---- heading rows and footer ----

class TListHeader : public QHeaderView {
public:
    explicit TListHeader(TListModel *model, QWidget *parent) : QHeaderView(Qt::Horizontal, parent), m_model(model)
    {
        setSectionsMovable(true);
        setSectionsClickable(false);
        setHighlightSections(false);
    }
    // The number of heading levels above the titles (0: titles only).
    int depth() const
    {
        int d = 0;
        for (const TColumn &c : m_model->columns())
            d = qMax(d, int(c.bandLevels().size()));
        return d;
    }
    QSize sizeHint() const override
    {
        QSize s = QHeaderView::sizeHint();
        s.setHeight(s.height() * (depth() + 1));
        return s;
    }

protected:
    // The headings of a column's levels, each spanning the neighbours shown beside it whose levels agree
    // up to that one; the title takes the rows left below them.
    void paintSection(QPainter *painter, const QRect &rect, int logical) const override
    {
        const QStringList levels = m_model->columns()[logical].bandLevels();
        const int rows = depth() + 1;
        if (levels.isEmpty()) {
            QHeaderView::paintSection(painter, rect, logical);
            return;
        }
        const int h = rect.height() / rows;
        const int titleTop = rect.top() + h * int(levels.size());
        QHeaderView::paintSection(painter, QRect(rect.left(), titleTop, rect.width(), rect.bottom() + 1 - titleTop), logical);
        const int visual = visualIndex(logical);
        for (int k = 0; k < levels.size(); ++k) {
            const QStringList prefix = levels.mid(0, k + 1);
            auto same = [&](int v) {
                const int l = logicalIndex(v);
                return !isSectionHidden(l) && m_model->columns()[l].bandLevels().mid(0, k + 1) == prefix;
            };
            int firstVisual = visual, lastVisual = visual;
            while (firstVisual > 0 && same(firstVisual - 1))
                --firstVisual;
            while (lastVisual < count() - 1 && same(lastVisual + 1))
                ++lastVisual;
            const int left = sectionViewportPosition(logicalIndex(firstVisual));
            const int l2 = logicalIndex(lastVisual);
            const int right = sectionViewportPosition(l2) + sectionSize(l2);
            const QRect band(left, rect.top() + h * k, right - left, h);
            painter->save();
            painter->setClipRect(QRect(rect.left(), band.top(), rect.width(), h));
            painter->fillRect(band, palette().button());
            painter->setPen(palette().color(QPalette::Mid));
            painter->drawRect(band.adjusted(0, 0, -1, -1));
            painter->setPen(palette().color(QPalette::ButtonText));
            painter->drawText(band, Qt::AlignCenter, levels[k]);
            painter->restore();
        }
    }

private:
    TListModel *m_model;
};

// The footer line is a widget of its own below the grid (the list screen puts it under the grid in
// its layout): a table view lays out its viewport itself and would cover room reserved inside it.
class TListFooter : public QWidget {
public:
    explicit TListFooter(TListGrid *grid) : QWidget(nullptr), m_grid(grid)
    {
        setObjectName("rgrFooter");
        setFixedHeight(fontMetrics().height() + 6);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().button());
        QHeaderView *h = m_grid->horizontalHeader();
        const int offset = m_grid->verticalHeader()->isVisible() ? m_grid->verticalHeader()->width() : 0;
        for (int l = 0; l < m_grid->columnCount(); ++l) {
            if (h->isSectionHidden(l))
                continue;
            QRect r(offset + h->sectionViewportPosition(l) + m_grid->frameWidth(), 0, h->sectionSize(l), height());
            p.setPen(palette().color(QPalette::Mid));
            p.drawRect(r.adjusted(0, 0, -1, -1));
            p.setPen(palette().color(QPalette::ButtonText));
            p.drawText(r.adjusted(3, 0, -3, 0), int(m_grid->column(l).align() | Qt::AlignVCenter),
                       m_grid->footerText(l));
        }
    }

private:
    TListGrid *m_grid;
};

TListGrid::TListGrid(QWidget *parent) : QTableView(parent)
{
    m_model = new TListModel(this);
    setHorizontalHeader(new TListHeader(m_model, this));
    setModel(m_model);
    setEditTriggers(NoEditTriggers);
    setTabKeyNavigation(false);   // Tab and Shift+Tab leave the grid; the arrows move inside it
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setAlternatingRowColors(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->hide();
    m_footer = new TListFooter(this);
    m_footer->hide();
    connect(horizontalHeader(), &QHeaderView::sectionResized, m_footer, qOverload<>(&QWidget::update));
    connect(horizontalHeader(), &QHeaderView::sectionMoved, m_footer, qOverload<>(&QWidget::update));
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_footer, qOverload<>(&QWidget::update));
}

TListGrid::~TListGrid()
{
    if (!m_footer->parent())
        delete m_footer;   // a grid whose footer was never placed
}

TColumn &TListGrid::addColumn(const QString &field, const QString &title, int width, Qt::Alignment alignment)
{
    TColumn c;
    c.field = field;
    c.title = title;
    c.width = width;
    c.alignment = alignment;
    return addColumn(c);
}

TColumn &TListGrid::addColumn(const TColumn &c)
{
    m_model->addColumn(c);
    m_footerTexts.append(QString());
    applyColumns();
    return m_model->columns().last();
}

void TListGrid::applyColumns()
{
    ApplyColumns(this, m_model->columns());
    horizontalHeader()->updateGeometry();
    m_footer->update();
}

void TListGrid::setCurrentRow(int row)
{
    if (row < 0 || m_model->rowCount() == 0) {
        setCurrentIndex({});
        return;
    }
    row = qMin(row, m_model->rowCount() - 1);
    int col = currentIndex().isValid() ? currentIndex().column() : horizontalHeader()->logicalIndex(0);
    setCurrentIndex(m_model->index(row, qMax(0, col)));
    scrollTo(currentIndex());
}

QList<int> TListGrid::visibleColumnsInOrder() const
{
    QList<int> out;
    QHeaderView *h = horizontalHeader();
    for (int v = 0; v < h->count(); ++v) {
        int l = h->logicalIndex(v);
        if (!h->isSectionHidden(l))
            out.append(l);
    }
    return out;
}

void TListGrid::setFooter(int column, const QString &text)
{
    if (column < 0 || column >= m_footerTexts.size())
        return;
    // a total is never cut: its column widens to it
    const int need = m_footer->fontMetrics().horizontalAdvance(text) + 8;
    if (columnWidth(column) < need)
        setColumnWidth(column, need);
    m_footerTexts[column] = text;
    m_footer->update();
}

void TListGrid::setFooterVisible(bool on) { m_footer->setVisible(on); }

// ---- the screen ----

namespace {
TfrmZZS020::SaveAsker &saveAsker()
{
    static TfrmZZS020::SaveAsker a;
    return a;
}
TfrmZZS020::FileOpener &fileOpener()
{
    static TfrmZZS020::FileOpener o;
    return o;
}
} // namespace

void TfrmZZS020::setSaveAsker(SaveAsker asker) { saveAsker() = std::move(asker); }
void TfrmZZS020::setFileOpener(FileOpener opener) { fileOpener() = std::move(opener); }

TfrmZZS020::TfrmZZS020(QWidget *parent) : TfrmZZS010(parent)
{
    splSplitter = new QSplitter(Qt::Horizontal, panMain);
    splSplitter->setObjectName("splSplitter");
    panGrid = new QWidget(splSplitter);
    auto *gl = new QVBoxLayout(panGrid);
    gl->setContentsMargins(0, 0, 0, 0);
    rgrGrid = new TListGrid(panGrid);
    rgrGrid->setObjectName("rgrGrid");
    gl->setSpacing(0);
    gl->addWidget(rgrGrid, 1);
    gl->addWidget(rgrGrid->footer());
    rgrGrid->footer()->hide();
    cdsQuery = rgrGrid->model();
    cdsQuery->setObjectName("cdsQuery");
    panInfo = new QWidget(splSplitter);
    panInfo->setObjectName("panInfo");
    panInfo->hide();
    splSplitter->addWidget(panGrid);
    splSplitter->addWidget(panInfo);
    splSplitter->setStretchFactor(0, 1);
    static_cast<QVBoxLayout *>(panMain->layout())->addWidget(splSplitter, 1);

    popGrid = new QMenu(this);
    popGrid->setObjectName("popGrid");
    rgrGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(rgrGrid, &QWidget::customContextMenuRequested, this, [this](const QPoint &p) {
        popGrid->popup(rgrGrid->viewport()->mapToGlobal(p));
    });

    auto nav = [this](const char *name, NavigationStep step, void (TfrmZZS020::*slot)()) {
        auto *b = new QToolButton(panButtons);
        b->setObjectName(name);
        SetNavigationGlyph(b, step);
        buttonLayout()->insertWidget(buttonLayout()->indexOf(bbtPrint) >= 0 ? 0 : 0, b);
        connect(b, &QToolButton::clicked, this, slot);
        return b;
    };
    sbtLast = nav("sbtLast", NavigationStep::Last, &TfrmZZS020::sbtLastClick);
    sbtNext = nav("sbtNext", NavigationStep::Next, &TfrmZZS020::sbtNextClick);
    sbtPrior = nav("sbtPrior", NavigationStep::Prior, &TfrmZZS020::sbtPriorClick);
    sbtFirst = nav("sbtFirst", NavigationStep::First, &TfrmZZS020::sbtFirstClick);

    bbtExcel = addButton("bbtExcel", QStringLiteral("Excel"));
    buttonLayout()->removeWidget(bbtExcel);
    buttonLayout()->insertWidget(buttonLayout()->indexOf(bbtPrint), bbtExcel);
    connect(bbtExcel, &QPushButton::clicked, this, &TfrmZZS020::bbtExcelClick);
    addHotkey(QStringLiteral("Excel"), QKeySequence(Qt::CTRL | Qt::Key_F11), [this] { bbtExcelClick(); });
}

void TfrmZZS020::placeBelowGrid(QWidget *panel)
{
    panel->setParent(panGrid);
    static_cast<QVBoxLayout *>(panGrid->layout())->addWidget(panel);
}

void TfrmZZS020::placeBesideGrid(QWidget *part)
{
    part->setParent(panInfo);
    auto *layout = new QVBoxLayout(panInfo);
    layout->setContentsMargins(2, 0, 0, 0);
    layout->addWidget(part);
    panInfo->show();
    splSplitter->setStretchFactor(0, 3);
    splSplitter->setStretchFactor(1, 2);
}

bool TfrmZZS020::openResult()
{
    // a column marked hidden after it was added stays hidden: in the grid, the export and the print
    for (int i = 0; i < rgrGrid->columnCount(); ++i)
        if (rgrGrid->isColumnHidden(i) != rgrGrid->column(i).isHidden)
            rgrGrid->setColumnHidden(i, rgrGrid->column(i).isHidden);
    cdsQuery->close();
    cdsQuery->open(qryQuery.get());
    keepSearchedConditions();
    if (cdsQuery->rowCount() > 0)
        rgrGrid->setCurrentRow(0);
    return cdsQuery->rowCount() > 0;
}

void TfrmZZS020::beforeLayout()
{
    if (cdsQuery->isActive())
        cdsQuery->fetchAll();
}

void TfrmZZS020::closeResult() { cdsQuery->close(); }

void TfrmZZS020::closeQueries()
{
    cdsQuery->close();
    TfrmZZS010::closeQueries();
}

void TfrmZZS020::rebuildColumnChooser()
{
    popGrid->clear();
    for (int i = 0; i < rgrGrid->columnCount(); ++i) {
        QAction *a = popGrid->addAction(rgrGrid->column(i).title);
        a->setCheckable(true);
        a->setChecked(!rgrGrid->isColumnHidden(i));
        connect(a, &QAction::toggled, this, [this, i](bool on) { setColumnShown(i, on); });
    }
}

void TfrmZZS020::setColumnShown(int column, bool shown)
{
    rgrGrid->column(column).isHidden = !shown;
    rgrGrid->setColumnHidden(column, !shown);
    m_hiddenByUser.removeAll(rgrGrid->column(column).field);
    if (!shown)
        m_hiddenByUser << rgrGrid->column(column).field;
    rgrGrid->footer()->update();
}

void TfrmZZS020::sbtFirstClick()
{
    if (cdsQuery->rowCount() > 0)
        rgrGrid->setCurrentRow(0);
}

void TfrmZZS020::sbtPriorClick()
{
    if (cdsQuery->rowCount() > 0)
        rgrGrid->setCurrentRow(qMax(0, rgrGrid->currentRow() - 1));
}

void TfrmZZS020::sbtNextClick()
{
    if (cdsQuery->rowCount() == 0)
        return;
    int next = rgrGrid->currentRow() + 1;
    if (next >= cdsQuery->rowCount())
        cdsQuery->fetchMore();
    rgrGrid->setCurrentRow(next);
}

void TfrmZZS020::sbtLastClick()
{
    if (cdsQuery->rowCount() == 0)
        return;
    cdsQuery->fetchAll();
    rgrGrid->setCurrentRow(cdsQuery->rowCount() - 1);
}

void TfrmZZS020::fitLayout(TfrmZZP010 *layout)
{
    auto *columns = qobject_cast<TfrmEZP000 *>(layout);
    if (!columns)
        return;
    for (int i = 0; i < rgrGrid->columnCount(); ++i)
        if (rgrGrid->isColumnHidden(i) && (printsGridColumns() || m_hiddenByUser.contains(rgrGrid->column(i).field)))
            columns->hideColumn(rgrGrid->column(i).field);
    cdsQuery->fetchAll();
    for (int c = 0; c < columns->columnCount(); ++c) {
        const int source = cdsQuery->columnOf(columns->columnField(c));
        if (source < 0)
            continue;
        // only texts about as long as the longest so far can be the widest
        qsizetype longest = 0;
        for (int r = 0; r < cdsQuery->rowCount(); ++r) {
            const QStringView text = cdsQuery->textView(r, source);
            if (text.size() * 2 < longest)
                continue;
            longest = qMax(longest, text.size());
            columns->noteText(c, text.toString());
        }
    }
}

namespace {
// The rows of a result through either file writer, under the caption, the bands and the titles.
template <class Writer>
bool writeResult(Writer &out, TListGrid *grid, TListModel *rows, const QString &caption, QWidget *window)
{
    out.label(0, 0, caption);
    const QList<int> cols = grid->visibleColumnsInOrder();
    int depth = 1;
    for (int c : cols)
        depth = qMax(depth, int(grid->column(c).bandLevels().size()));
    const int titleRow = 1 + depth;
    // each level's heading over a run of columns stands above the run, as the heading shows it: the
    // run goes on while the neighbours' levels agree up to that level
    const auto levelsOf = [&](int c) { return grid->column(cols[c]).bandLevels(); };
    for (int k = 0; k < depth; ++k) {
        for (int c = 0; c < cols.size(); ++c) {
            const QStringList levels = levelsOf(c);
            if (k >= levels.size() || (c > 0 && levelsOf(c - 1).mid(0, k + 1) == levels.mid(0, k + 1)))
                continue;
            int last = c;
            while (last + 1 < cols.size() && levelsOf(last + 1).mid(0, k + 1) == levels.mid(0, k + 1))
                ++last;
            if constexpr (std::is_same_v<Writer, TXlsxWriter>)
                out.band(1 + k, c, last, levels[k]);
            else
                out.label(1 + k, c, levels[k]);
        }
    }
    for (int c = 0; c < cols.size(); ++c)   // row by row: a workbook is written in row order
        out.label(titleRow, c, grid->column(cols[c]).title);
    std::unique_ptr<QProgressDialog> progress;
    if (window->isVisible()) {
        progress = std::make_unique<QProgressDialog>(QStringLiteral("Excel 파일로 저장하고 있습니다."), QString(), 0,
                                                     rows->rowCount(), window);
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(500);
    }
    QVector<bool> right;
    for (int c : cols)
        right.append(grid->column(c).rightAligned());
    for (int r = 0; r < rows->rowCount(); ++r) {
        for (int c = 0; c < cols.size(); ++c)
            out.cell(r + titleRow + 1, c, rows->textView(r, cols[c]), right[c]);
        if (progress && r % 2000 == 0)
            progress->setValue(r);
        if (out.failed())
            break;
    }
    if (out.failed()) {
        out.abandon();
        return false;
    }
    return out.finish();
}
} // namespace

bool TfrmZZS020::writeSpreadsheet(const QString &path)
{
    if (path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive)) {
        TXlsxWriter xlsx;
        return xlsx.open(path) && writeResult(xlsx, rgrGrid, cdsQuery, windowTitle(), this);
    }
    TXlsWriter xls;
    return xls.open(path) && writeResult(xls, rgrGrid, cdsQuery, windowTitle(), this);
}

void TfrmZZS020::bbtExcelClick()
{
    if (!beginAction(bbtExcel))
        return;
    if (!cdsQuery->isActive()) {
        SetStatusMessage(QStringLiteral("조회 결과가 없습니다. 조회를 먼저 하십시오."));
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    struct Restore { ~Restore() { QApplication::restoreOverrideCursor(); } } restore;

    cdsQuery->fetchAll();
    // .xls, the default, and the workbook .xlsx
    const QString filter = QStringLiteral("Excel 파일(*.xls)|*.xls|Excel 통합 문서(*.xlsx)|*.xlsx");
    const QString proposed = statusPanelText(0);
    QString chosenFilter;
    QString file = saveAsker() ? saveAsker()(this, proposed, filter)
                               : QFileDialog::getSaveFileName(this, QString(), proposed,
                                                              filter.section('|', 0, 0) + QStringLiteral(";;")
                                                                  + filter.section('|', 2, 2),
                                                              &chosenFilter);
    if (file.isEmpty()) {
        SetStatusMessage(QStringLiteral("저장할 파일 이름을 지정하지 않았습니다."));
        return;
    }
    QFileInfo fi(file);
    const QString suffix = fi.suffix().toLower();
    const QString kind = suffix == QLatin1String("xlsx") || (suffix != QLatin1String("xls") && chosenFilter.contains(QLatin1String("xlsx")))
                             ? QStringLiteral("xlsx") : QStringLiteral("xls");
    if (suffix != kind)
        file = fi.path() + '/' + (suffix.isEmpty() ? fi.fileName() : fi.completeBaseName()) + '.' + kind;
    // Rows are 16-bit numbers in a .xls file: a larger result is refused before anything is written.
    if (kind == QLatin1String("xls") && cdsQuery->rowCount() > TXlsWriter::MaxRecords) {
        ShowError(QStringLiteral("조회 결과가 %1건으로 Excel 파일에 저장할 수 있는 %2건을 넘습니다.\r"
                                 "조회 조건을 좁혀 다시 조회하십시오.")
                      .arg(cdsQuery->rowCount()).arg(TXlsWriter::MaxRecords));
        return;
    }
    if (QFileInfo::exists(file) && !AskYesNo(QStringLiteral("이미 존재하는 파일입니다.\r새 내용으로 덮어쓸까요?")))
        return;

    const int current = rgrGrid->currentRow();
    rgrGrid->setUpdatesEnabled(false);
    const bool ok = writeSpreadsheet(file);
    rgrGrid->setCurrentRow(current);
    rgrGrid->setUpdatesEnabled(true);
    if (!ok) {
        ShowError(QStringLiteral("Excel 파일로 저장할 수 없습니다."));
        return;
    }
    if (AskYesNo(QStringLiteral("저장한 파일(") + QFileInfo(file).fileName() + QStringLiteral(")을 Excel로 불러올까요?"))) {
        if (fileOpener())
            fileOpener()(file);
        else
            QDesktopServices::openUrl(QUrl::fromLocalFile(file));
    }
}
