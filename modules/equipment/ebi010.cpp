#include "ebi010.h"
#include "core/messages.h"
#include "database/database.h"
#include "framework/unitofwork.h"
#include "refdata/lookups.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QStyledItemDelegate>

int TfrmEBI010::creationWaitMs = 1000;

namespace {
// Stopped facilities (state "S") are drawn in red, also on the current row.
class RunStateDelegate : public QStyledItemDelegate {
public:
    RunStateDelegate(TEditGrid *grid, int stateColumn) : QStyledItemDelegate(grid), m_grid(grid), m_column(stateColumn) {}
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (m_grid->cell(index.row(), m_column) == QLatin1String("S")) {
            option->palette.setColor(QPalette::Text, Qt::red);
            option->palette.setColor(QPalette::HighlightedText, Qt::red);
        }
        // The facility kind is named once for its group of rows.
        if (index.column() == 0 && index.row() > 0 && m_grid->cell(index.row() - 1, 0) == m_grid->cell(index.row(), 0))
            option->text.clear();
    }
private:
    TEditGrid *m_grid;
    int m_column;
};
} // namespace

TfrmEBI010::TfrmEBI010(QWidget *parent) : TfrmEZI000(parent)
{
    setWindowTitle(QStringLiteral("코스,리프트 운영정보 등록"));
    setFields({
        Condition("RUN_DATE", "*운행일자", BIND(dtpDate)),
        Field("FAC_GUBUN_NAME", "코스,리프트구분", BIND(wlbFacGubunName)).sql("T2.FAC_GUBUN_NAME").width(120),
        Field("FAC_DETAIL_GUBUN_NAME", "세부구분", BIND(wlbFacDetailGubunName)).sql("T2.FAC_DETAIL_GUBUN_NAME").width(160),
        Field("RUN_YN", "*운행여부", BIND(cboRunGubun)).sql("T1.RUN_YN").code("E0008").width(90),
        Column("FAC_GUBUN", "코스,리프트구분코드").sql("T2.FAC_GUBUN").width(40).hidden(),
        Column("FAC_DETAIL_GUBUN", "세부구분코드").sql("T2.FAC_DETAIL_GUBUN").width(40).hidden(),
        Version("T1.ROW_VERSION"),
    });
    bbtAdd->hide();
    bbtDelete->hide();
    grid()->setItemDelegate(new RunStateDelegate(grid(), 2));

    panCreating = new QFrame(this);
    panCreating->setObjectName(QStringLiteral("panCreating"));
    panCreating->setFrameShape(QFrame::Panel);
    panCreating->setAutoFillBackground(true);
    auto *lay = new QHBoxLayout(panCreating);
    lay->addWidget(new QLabel(QStringLiteral("신규자료를 생성중입니다. . . . . "), panCreating));
    auto *busy = new QProgressBar(panCreating);
    busy->setRange(0, 0);   // a running bar while the day is created
    lay->addWidget(busy);
    panCreating->hide();

    // Ordered so that the rows of one facility kind stand together under its single name; neither back
    // end keeps the order of the union through the join.
    setLoadQuery(QStringLiteral(
        "  FROM EB010MS T1, "
        "       (SELECT C.DETAIL AS FAC_DETAIL_GUBUN, C.DETAIL_NAME AS FAC_DETAIL_GUBUN_NAME, C.ITEM1 AS FAC_GUBUN, "
        "               (SELECT F.DETAIL_NAME FROM ZX010MS F WHERE F.HEAD = :GC_FAC_GUBUN AND F.DETAIL = C.ITEM1) AS FAC_GUBUN_NAME "
        "          FROM ZX010MS C WHERE C.HEAD = :GC_COURSE_GUBUN "
        "        UNION ALL "
        "        SELECT L.DETAIL, L.DETAIL_NAME, L.ITEM1, "
        "               (SELECT F.DETAIL_NAME FROM ZX010MS F WHERE F.HEAD = :GC_FAC_GUBUN AND F.DETAIL = L.ITEM1) "
        "          FROM ZX010MS L WHERE L.HEAD = :GC_LIFT_GUBUN) T2 "
        " WHERE T1.RUN_DATE = :RUN_DATE "
        "   AND T1.FAC_GUBUN = T2.FAC_GUBUN "
        "   AND T1.FAC_DETAIL_GUBUN = T2.FAC_DETAIL_GUBUN "
        " ORDER BY T2.FAC_GUBUN, T2.FAC_DETAIL_GUBUN"));
    prcSaveData->setProcedure(QStringLiteral("PR_EBI010_02"));
    prcNewCreate = std::make_unique<db::StoredProc>(prcSaveData->database(), QStringLiteral("PR_EBI010_01"));
}

bool TfrmEBI010::createRunDate(const QString &runDate)
{
    panCreating->adjustSize();
    panCreating->move((width() - panCreating->width()) / 2, (height() - panCreating->height()) / 2);
    panCreating->raise();
    panCreating->show();
    // the panel and its bar are drawn, but keys and clicks wait: a second search must not start meanwhile
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    const QString error = CallInOwnUnit(*prcNewCreate, {{QStringLiteral("ARUN_DATE"), runDate}});
    if (!error.isEmpty()) {
        panCreating->hide();
        ShowError(db::Database::saveFailedMessage(error));
        return false;
    }
    QElapsedTimer wait;
    wait.start();
    while (wait.elapsed() < creationWaitMs)
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 50);
    panCreating->hide();
    return true;
}

void TfrmEBI010::search()
{
    const QString runDate = dtpDate->dateText();
    if (refdata::IsRunDateUnregistered(runDate) && !createRunDate(runDate))
        return;
    qryQuery->bind(QStringLiteral("GC_FAC_GUBUN"), QStringLiteral("E0005"));
    qryQuery->bind(QStringLiteral("GC_COURSE_GUBUN"), QStringLiteral("E0006"));
    qryQuery->bind(QStringLiteral("GC_LIFT_GUBUN"), QStringLiteral("E0007"));
    TfrmEZI000::search();
    // Rows are only created by the database: a day without facilities opens no new record to save.
    if (!isSearchMode() && grid()->rowCount() == 1 && !isLoadedRow(0)) {
        ClearRows();
        ClearDetail();
    }
}
