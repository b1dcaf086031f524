#include "eci080.h"
#include "schoolfields.h"
#include "framework/fieldlookups.h"
#include "widgets/countmatrix.h"
#include <QPushButton>

namespace {
const QStringList kDisciplines = {QStringLiteral("스키"), QStringLiteral("보드"), QStringLiteral("유아")};
const QStringList kTimes = {QStringLiteral("오전"), QStringLiteral("오후"), QStringLiteral("야간"), QStringLiteral("새벽")};
const QStringList kDisciplineFields = {"SKI", "BOARD", "BABY"};
const QStringList kTimeFields = {"AM", "PM", "NT", "DN"};
const QStringList kDisciplineNames = {"Ski", "Board", "Baby"};
const QStringList kTimeNames = {"Am", "Pm", "Nt", "Dn"};

struct CountColumns {
    QStringList fields, titles, inputs;
};

// The twelve counts of pupils ("TRAINER_CNT_", "강습생수", "wneTrainerCnt") or of instructors, by
// discipline and time of day in the order of the list.
CountColumns countColumns(const QString &field, const QString &title, const QString &input)
{
    CountColumns out;
    for (int d = 0; d < kDisciplines.size(); ++d)
        for (int t = 0; t < kTimes.size(); ++t) {
            out.fields << field + kDisciplineFields[d] + '_' + kTimeFields[t];
            out.titles << QStringLiteral("%1(%2)(%3)").arg(title, kDisciplines[d], kTimes[t]);
            out.inputs << input + kDisciplineNames[d] + kTimeNames[t];
        }
    return out;
}
} // namespace

TfrmECI080::TfrmECI080(QWidget *parent) : TfrmEZI000(parent)
{
    setWindowTitle(QStringLiteral("제휴단체강습 등록"));
    CountColumns pupils = countColumns("TRAINER_CNT_", QStringLiteral("강습생수"), "wneTrainerCnt");
    pupils.inputs[6] = QStringLiteral("wneTrainerCntBoardAmNt");   // the board night pupils, so named
    const CountColumns lecturers = countColumns("LECTURER_CNT_", QStringLiteral("강사수"), "wneLecturerCnt");
    TFieldTable fields{
        Condition("EVENT_NO", "*제휴단체번호", BIND(edtEventNo)).bytes(10).lookup(BIND(bbtEventNo)),
        Field("LECTURE_DATE", "*강습일자", BIND(wmeLectureDate)).date().key().width(100),
    };
    for (const CountColumns *c : std::initializer_list<const CountColumns *>{&pupils, &lecturers})
        for (int i = 0; i < c->fields.size(); ++i)
            fields << Column(c->fields[i], c->titles[i]).hidden();
    fields << Version();
    setFields(fields);
    wlbEventNo = conditions()->addLabel("wlbEventNo", QString());

    mtxTrainerCnt = new TCountMatrix(QStringLiteral("강습생"), kDisciplines, kTimes, 5, QStringLiteral("명"));
    mtxTrainerCnt->setObjectName("mtxTrainerCnt");
    mtxTrainerCnt->setCellNames(pupils.inputs);
    BindByUserProperty(mtxTrainerCnt, pupils.titles);
    mtxLecturerCnt = new TCountMatrix(QStringLiteral("강사"), kDisciplines, kTimes, 5, QStringLiteral("명"));
    mtxLecturerCnt->setObjectName("mtxLecturerCnt");
    mtxLecturerCnt->setCellNames(lecturers.inputs);
    BindByUserProperty(mtxLecturerCnt, lecturers.titles);
    body()->newLine();
    body()->addControl(QString(), mtxTrainerCnt, 3);
    body()->addControl(QString(), mtxLecturerCnt, 3);

    event = new TEventField(edtEventNo, bbtEventNo, wlbEventNo);
    event->setLeaveGuard([this] { return IsLeavingForCancel(this); });
    connect(event, &TEventField::chosen, this, &TfrmECI080::bbtSearchClick);
    // listed by day, so the reload after a save comes back to the same day
    setLoadQuery("FROM EC080MS WHERE EVENT_NO = :EVENT_NO ORDER BY EC080MS.LECTURE_DATE");
    prcSaveData->setProcedure("PR_ECI080_01");
    setRowLeaveChecks(true);
    setOpenRecordAfterSave(true);
}

void TfrmECI080::search()
{
    const QString problem = event->problem();
    if (!problem.isEmpty()) {
        refuse(edtEventNo, problem);
        return;
    }
    TfrmEZI000::search();
}

// One row per lesson day of the partner group.
bool TfrmECI080::validateRow()
{
    const int row = rgrGrid->currentRow();
    if (row < 0 || isLoadedRow(row) || !IsDuplicateKey())
        return true;
    return refuse(wmeLectureDate, QStringLiteral("기존 등록된 자료와 중복됩니다. 다시 입력하십시오."));
}
