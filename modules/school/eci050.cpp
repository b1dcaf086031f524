#include "eci050.h"
#include "core/messages.h"
#include "database/datamodule.h"
#include "framework/dialogs/lookupdialogs.h"
#include "framework/fieldlookups.h"
#include "framework/unitofwork.h"
#include "reportparts.h"
#include "refdata/lookups.h"
#include "widgets/fieldpanel.h"
#include <QDate>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLocale>
#include <QPlainTextEdit>
#include <QVBoxLayout>

using schoolreports::kCodeGroups;
using schoolreports::codeLabels;
using schoolreports::kLessonCodes;

namespace {

// The lesson's three names, then its three codes hidden.
void addLessonColumns(TEditGrid *grid)
{
    for (const char *title : {"강습종목", "강습접수", "강습세부"})
        grid->addColumn(QString::fromUtf8(title), TColumn::Text, 100);
}

void addLessonCodeColumns(TEditGrid *grid)
{
    for (const char *title : {"강습종목구분", "강습접수구분", "강습세부구분"})
        grid->addColumn(QString::fromUtf8(title), TColumn::Text, 40).hidden();
}

} // namespace

TfrmECI050::TfrmECI050(QWidget *parent) : TfrmZZI010(parent)
{
    setObjectName(QStringLiteral("frmECI050"));
    setWindowTitle(QStringLiteral("직원예약 등록"));
    bbtSave->setText(QStringLiteral("예약(F2)"));

    dtpDate = conditions()->addDateEdit(QStringLiteral("dtpDate"), QStringLiteral("*예약일자"));
    dtpDate->setLocale(QLocale(QLocale::Korean, QLocale::SouthKorea));
    dtpDate->setDisplayFormat(QStringLiteral("yyyy년 M월 d일 dddd"));

    auto *top = new QHBoxLayout;
    top->addWidget(createLecturePanel(), 3);
    top->addWidget(createInputPanel(), 2);
    auto *mainLayout = static_cast<QVBoxLayout *>(panMain->layout());
    mainLayout->addLayout(top, 3);
    mainLayout->addWidget(createYaeyakPanel(), 2);

    qryQuery->setSql(QStringLiteral(
        "SELECT %1, YAEYAK_CNT, YAEYAK_ABILITY_CNT, REMARK, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN "
        "  FROM (SELECT T1.LECTURE_ITEM_GUBUN, T1.LECTURE_REC_GUBUN, T1.LECTURE_DETAIL_GUBUN, "
        "               NVL(T2.YAEYAK_CNT, 0) AS YAEYAK_CNT, T1.YAEYAK_ABILITY_CNT, T1.REMARK "
        "          FROM EC040MS T1 "
        "          LEFT JOIN (SELECT LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, "
        "                            SUM(YAEYAK_CNT) AS YAEYAK_CNT "
        "                       FROM EC050MS "
        "                      WHERE YAEYAK_DATE = :YAEYAK_DATE "
        "                      GROUP BY LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN) T2 "
        "            ON T1.LECTURE_ITEM_GUBUN   = T2.LECTURE_ITEM_GUBUN "
        "           AND T1.LECTURE_REC_GUBUN    = T2.LECTURE_REC_GUBUN "
        "           AND T1.LECTURE_DETAIL_GUBUN = T2.LECTURE_DETAIL_GUBUN "
        "         WHERE T1.YAEYAK_DATE = :YAEYAK_DATE) T "
        " ORDER BY LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN")
                          .arg(codeLabels(kLessonCodes, QString(), QStringLiteral("_NAME"))));

    qryYaeyak = std::make_unique<db::Query>(DM()->dbsDB);
    qryYaeyak->setSql(QStringLiteral(
        "SELECT SUBSTR(YAEYAK_DATE,1,4) || '-' || SUBSTR(YAEYAK_DATE,5,2) || '-' || SUBSTR(YAEYAK_DATE,7,2) AS YAEYAK_DATE, "
        "       %1, YAEYAK_CNT, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN "
        "  FROM EC050MS "
        " WHERE YAEYAK_DATE  >= TO_CHAR(SYSDATE(), 'YYYYMMDD') "
        "   AND TRIM(EMP_NO) = :EMP_NO "
        " ORDER BY 1, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN")
                          .arg(codeLabels(kLessonCodes, QString(), QStringLiteral("_NAME"))));
    prcYaeyak = std::make_unique<db::StoredProc>(DM()->dbsDB, QStringLiteral("PR_ECI050_01"));

    connect(rgrGrid, &TEditGrid::currentRowChanged, this, [this](int current, int) { showLecture(current); });
    connect(rgrGridYaeyak, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        if (index.column() == YcMarker)
            rgrGridYaeyakMarkerClick(index.row());
    });
    connect(edtEmpNo, &QLineEdit::textChanged, this, [this] {
        wlbEmpName->clear();
        closeReservations();
    });
    connect(edtEmpNo, &QLineEdit::editingFinished, this, [this] { empNoLeft(); });
    connect(bbtEmpNo, &QPushButton::clicked, this, &TfrmECI050::bbtEmpNoClick);
    BindLookupKey(edtEmpNo, bbtEmpNo);
    for (QWidget *w : {static_cast<QWidget *>(edtEmpNo), static_cast<QWidget *>(wneLectureCnt),
                       static_cast<QWidget *>(edtRemark)})
        w->installEventFilter(this);

    setSearchMode(true);
}

TfrmECI050::~TfrmECI050() = default;

QGroupBox *TfrmECI050::createLecturePanel()
{
    auto *box = new QGroupBox(QStringLiteral("강습 현황"), panMain);
    box->setObjectName(QStringLiteral("panLecture"));
    auto *layout = new QVBoxLayout(box);
    rgrGrid = new TEditGrid(box);
    rgrGrid->setReadOnly();
    rgrGrid->setObjectName(QStringLiteral("rgrGrid"));
    addLessonColumns(rgrGrid);
    rgrGrid->addColumn(QStringLiteral("강습예약인원"), TColumn::Number, 90);
    rgrGrid->addColumn(QStringLiteral("예약가능인원"), TColumn::Number, 90).hidden();
    rgrGrid->addColumn(QStringLiteral("비고"), TColumn::Text, 100).hidden();
    addLessonCodeColumns(rgrGrid);
    rgrGrid->applyColumns();
    layout->addWidget(rgrGrid, 1);

    auto *remarkBox = new QGroupBox(QStringLiteral("비고"), box);
    remarkBox->setObjectName(QStringLiteral("panRemark"));
    auto *remarkLayout = new QVBoxLayout(remarkBox);
    detRemark = new QPlainTextEdit(remarkBox);
    detRemark->setObjectName(QStringLiteral("detRemark"));
    detRemark->setReadOnly(true);
    detRemark->setFixedHeight(60);
    remarkLayout->addWidget(detRemark);
    layout->addWidget(remarkBox);
    return box;
}

QWidget *TfrmECI050::createInputPanel()
{
    auto *panel = new TFieldPanel(panMain, 1);
    panel->setObjectName(QStringLiteral("panInput"));
    panel->setFrameShape(QFrame::StyledPanel);
    detLectureItem = panel->addEdit(QStringLiteral("detLectureItem"), QStringLiteral("강습종목구분"));
    detLectureRec = panel->addEdit(QStringLiteral("detLectureRec"), QStringLiteral("강습접수구분"));
    detLectureDetail = panel->addEdit(QStringLiteral("detLectureDetail"), QStringLiteral("강습세부구분"));
    for (TEdit *e : {detLectureItem, detLectureRec, detLectureDetail}) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
    }
    edtEmpNo = panel->addEdit(QStringLiteral("edtEmpNo"), QStringLiteral("사번"), QString(), 10);
    bbtEmpNo = panel->addLookupButton(edtEmpNo, QStringLiteral("bbtEmpNo"));
    wlbEmpName = panel->addLabel(QStringLiteral("wlbEmpName"), QString());

    // the persons with their unit beside them
    wneLectureCnt = panel->addNumericEdit(QStringLiteral("wneLectureCnt"), QStringLiteral("강습인원"), {}, 4);
    wneLectureCnt->setValue(0);
    panel->addUnit(wneLectureCnt, QStringLiteral("명"));

    edtRemark = panel->addEdit(QStringLiteral("edtRemark"), QStringLiteral("비고"), QString(), 500);
    for (QWidget *w : {static_cast<QWidget *>(edtEmpNo), static_cast<QWidget *>(wneLectureCnt),
                       static_cast<QWidget *>(edtRemark)})
        attachColouring(w);
    return panel;
}

QGroupBox *TfrmECI050::createYaeyakPanel()
{
    auto *box = new QGroupBox(QStringLiteral("예약현황"), panMain);
    box->setObjectName(QStringLiteral("panYaeyak"));
    auto *layout = new QVBoxLayout(box);
    rgrGridYaeyak = new TEditGrid(box);
    rgrGridYaeyak->setReadOnly();
    rgrGridYaeyak->setObjectName(QStringLiteral("rgrGridYaeyak"));
    rgrGridYaeyak->addColumn(QString(), TColumn::Text, 70);
    rgrGridYaeyak->addColumn(QStringLiteral("예약일자"), TColumn::Text, 90);
    addLessonColumns(rgrGridYaeyak);
    rgrGridYaeyak->addColumn(QStringLiteral("강습인원"), TColumn::Number, 70);
    addLessonCodeColumns(rgrGridYaeyak);
    rgrGridYaeyak->applyColumns();
    layout->addWidget(rgrGridYaeyak);
    return box;
}

QString TfrmECI050::yaeyakDate() const { return dtpDate->dateText(); }

void TfrmECI050::closeQueries()
{
    qryYaeyak->close();
    TfrmZZI010::closeQueries();
}

// ---- lists ---------------------------------------------------------------------------------

bool TfrmECI050::openLectures()
{
    for (auto it = kCodeGroups.begin(); it != kCodeGroups.end(); ++it)
        if (qryQuery->hasParam(it.key()))
            qryQuery->bind(it.key(), it.value());
    qryQuery->bind(QStringLiteral("YAEYAK_DATE"), yaeyakDate());
    const bool ok = LoadGridRows(*qryQuery, rgrGrid);
    if (!ok)
        SetStatusMessage(qryQuery->lastError());
    if (rgrGrid->rowCount() > 0)
        rgrGrid->setCurrentRow(0);
    showLecture(rgrGrid->currentRow());
    return ok;
}

void TfrmECI050::showLecture(int row)
{
    const bool any = row >= 0 && row < rgrGrid->rowCount();
    detLectureItem->setText(any ? rgrGrid->cell(row, LcItemName) : QString());
    detLectureRec->setText(any ? rgrGrid->cell(row, LcRecName) : QString());
    detLectureDetail->setText(any ? rgrGrid->cell(row, LcDetailName) : QString());
    detRemark->setPlainText(any ? rgrGrid->cell(row, LcRemark) : QString());
}

void TfrmECI050::openReservations()
{
    for (auto it = kCodeGroups.begin(); it != kCodeGroups.end(); ++it)
        if (qryYaeyak->hasParam(it.key()))
            qryYaeyak->bind(it.key(), it.value());
    qryYaeyak->bind(QStringLiteral("EMP_NO"), edtEmpNo->text());
    if (!LoadGridRows(*qryYaeyak, rgrGridYaeyak, QStringLiteral("예약취소")))
        SetStatusMessage(qryYaeyak->lastError());
}

void TfrmECI050::closeReservations()
{
    qryYaeyak->close();
    rgrGridYaeyak->clearRows();
}

// ---- staff member --------------------------------------------------------------------------

void TfrmECI050::empNoLeft()
{
    if (edtEmpNo->text().isEmpty())
        return;
    QString name;
    try {
        name = refdata::GetStaffName(edtEmpNo->text());
    } catch (const db::DatabaseError &e) {
        SetStatusMessage(e.message());
    }
    wlbEmpName->setText(name);
    openReservations();
}

void TfrmECI050::bbtEmpNoClick()
{
    if (!beginAction(bbtEmpNo))
        return;
    QString no, name;
    if (!SelectEmployee(no, name, this)) {
        edtEmpNo->setFocus();
        return;
    }
    edtEmpNo->setText(no);
    wlbEmpName->setText(name);
    openReservations();
    wneLectureCnt->setFocus();
}

// ---- actions -------------------------------------------------------------------------------

void TfrmECI050::search()
{
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
    if (!(yaeyakDate() > today)) {
        refuse(dtpDate, QStringLiteral("지난일자[오늘일자 포함]는 예약할 수 없습니다"));
        return;
    }
    openLectures();
    if (rgrGrid->rowCount() == 0) {
        refuse(dtpDate, QStringLiteral("선택하신 일자는 예약할 수 없습니다"));
        return;
    }
    setSearchMode(false);
    rgrGrid->setFocus();
}

void TfrmECI050::save()
{
    if (edtEmpNo->text().isEmpty()) {
        refuse(edtEmpNo, enterFirst(QStringLiteral("사번")));
        return;
    }
    if (wlbEmpName->text().isEmpty()) {
        refuse(edtEmpNo, enterCorrectly(QStringLiteral("사번")));
        return;
    }
    if (wneLectureCnt->value() <= 0) {
        refuse(wneLectureCnt, enterFirst(QStringLiteral("강습인원")));
        return;
    }
    const int row = rgrGrid->currentRow();
    if (row < 0)
        return;
    const QString day = yaeyakDate();
    const QString item = rgrGrid->cell(row, LcItem), rec = rgrGrid->cell(row, LcRec),
                  detail = rgrGrid->cell(row, LcDetail);
    const qint64 requested = wneLectureCnt->value();
    // The procedure checks, under the lesson's lock, that the staff member holds no place in it yet and
    // that the places are free (the database's counts). A refusal the screen could have told from what
    // it shows is the screen's own, at the input concerned; one it could not (another desk booked in
    // the meantime) is a failed reservation.
    const qint64 shownFree = rgrGrid->cell(row, LcCapacity).toLongLong() - rgrGrid->cell(row, LcBooked).toLongLong();
    m_refusals = {{QStringLiteral("선택한신 강습은 이미 예약이 되었습니다"), edtEmpNo}};
    if (shownFree < requested)
        m_refusals.insert(QStringLiteral("예약가능 인원을 초과했습니다. 현재 가능한 강습인원은 ["), wneLectureCnt);
    runAction({{"AYAEYAK_DATE", day},
               {"ALECTURE_ITEM_GUBUN", item},
               {"ALECTURE_REC_GUBUN", rec},
               {"ALECTURE_DETAIL_GUBUN", detail},
               {"AEMP_NO", edtEmpNo->text()},
               {"AEMP_NAME", wlbEmpName->text()},
               {"AYAEYAK_CNT", QString::number(requested)},
               {"AREMARK", edtRemark->text()},
               {"AEDITSTATUS", "1"}},
              QStringLiteral("예약이 정상적으로 처리되었습니다"));
    m_refusals.clear();
}

void TfrmECI050::rgrGridYaeyakMarkerClick(int row)
{
    if (rgrGridYaeyak->rowCount() == 0 || row < 0 || row >= rgrGridYaeyak->rowCount() || isSearchMode())
        return;
    SetStatusMessage(QString());
    if (!AskYesNo(QStringLiteral("정말 예약취소 하시겠습니까?")))
        return;
    QString reason;
    if (!InputCancelRemark(reason, this))
        reason.clear();   // closed without OK: cancelled all the same, without a reason
    QString day = rgrGridYaeyak->cell(row, YcDate);
    day.remove(QLatin1Char('-'));
    runAction({{"AYAEYAK_DATE", day},
               {"ALECTURE_ITEM_GUBUN", rgrGridYaeyak->cell(row, YcItem)},
               {"ALECTURE_REC_GUBUN", rgrGridYaeyak->cell(row, YcRec)},
               {"ALECTURE_DETAIL_GUBUN", rgrGridYaeyak->cell(row, YcDetail)},
               {"AEMP_NO", edtEmpNo->text()},
               {"ACANCEL_REMARK", reason},
               {"AEDITSTATUS", "2"}},
              QStringLiteral("예약취소가 정상적으로 처리되었습니다"));
}

bool TfrmECI050::runAction(const QHash<QString, QString> &params, const QString &done)
{
    QString error;
    {
        WaitCursor wait;
        error = CallInOwnUnit(*prcYaeyak, params);
    }
    const bool ok = error.isEmpty();
    if (!ok)
        for (auto it = m_refusals.cbegin(); it != m_refusals.cend(); ++it)
            if (error.startsWith(it.key())) {
                refuse(it.value(), error);   // nothing changed: the lists stay as they are
                return false;
            }
    if (ok)
        ShowInfo(done);
    else
        ShowError(db::Database::saveFailedMessage(error));
    // the booked counts changed, and so did the staff member's reservations
    const int lecture = rgrGrid->currentRow();
    openLectures();
    if (lecture >= 0 && lecture < rgrGrid->rowCount())
        rgrGrid->setCurrentRow(lecture);
    openReservations();
    return ok;
}

void TfrmECI050::cancel()
{
    TfrmZZI010::cancel();
    edtEmpNo->clear();
    wlbEmpName->clear();
    wneLectureCnt->setValue(0);
    qryQuery->close();
    rgrGrid->clearRows();
    showLecture(-1);
    closeReservations();
}

bool TfrmECI050::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == edtEmpNo || watched == wneLectureCnt || watched == edtRemark) && handleEnter(watched, event))
        return true;
    return TfrmZZI010::eventFilter(watched, event);
}
