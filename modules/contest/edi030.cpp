#include "edi030.h"
#include "judgegroup.h"
#include "framework/dialogs/lookupdialogs.h"
#include "framework/fieldlookups.h"
#include "refdata/lookups.h"
#include <QApplication>
#include <QPushButton>

TfrmEDI030::TfrmEDI030(QWidget *parent) : TfrmEZI000(parent)
{
    setObjectName(QStringLiteral("frmEDI030"));
    setWindowTitle(QStringLiteral("뱃지테스트 심사 등록"));
    edtSeason = conditions()->addEdit("edtSeason", "*시즌", {}, 2);
    edtSeason->setMaximumWidth(60);
    bbtSeason = conditions()->addLookupButton(edtSeason, "bbtSeason");
    wlbSeason = conditions()->addLabel("wlbSeason", QString());

    TFieldTable fields{
        Condition("EXAMINE_DATE", "*심사일자", BIND(dtpDate)),
        // a sheet needs an applicant of the season: a number that found nobody is refused
        Field("RECV_NO", "*접수번호", BIND(edtRecvNo)).sql("TO_CHAR(T1.RECV_NO, 'FM000000')").bytes(6).key()
            .width(70).lookup(BIND(bbtRecvNo))
            .thenCheck([this] {
                return !edtEntryNameKor->text().isEmpty() || refuse(edtRecvNo, enterCorrectly("*접수번호"));
            }),
        Field("ENTRY_NAME_KOR", "참가자명", BIND(edtEntryNameKor)).sql("T2.ENTRY_NAME_KOR").readOnly().width(100),
        Field("APPLY_DATE", "신청일", BIND(wmeApplyDate)).sql("T2.APPLY_DATE").mask("9999-99-99").showsDate()
            .readOnly().width(90),
        Field("ID_NO", "주민등록번호", BIND(wmeIdNo)).sql("FN_ZA010MS_04(T2.ID_NO)").mask("999999-9999999").readOnly().width(120),
        Field("APPLY_CLASS_GUBUN_NAME", "신청급수", BIND(edtApplyClass)).sql("T3.APPLY_CLASS_GUBUN_NAME").readOnly()
            .width(100),
    };
    for (const QString &judge : {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}) {
        const QStringList names = TJudgeGroup::fieldNames(judge), titles = TJudgeGroup::columnTitles(judge);
        for (int i = 0; i < names.size(); ++i)
            fields << Column(names[i], titles[i]).hidden();
    }
    fields << Version("T1.ROW_VERSION");
    setFields(fields);
    m_season = new TSeasonField(edtSeason, bbtSeason, wlbSeason, dtpDate);
    connect(m_season, &TSeasonField::chosen, this, &TfrmEDI030::bbtSearchClick);

    body()->newLine();
    grpExaminerA = new TJudgeGroup(QStringLiteral("A"));
    grpExaminerB = new TJudgeGroup(QStringLiteral("B"));
    grpExaminerC = new TJudgeGroup(QStringLiteral("C"));
    for (TJudgeGroup *g : {grpExaminerA, grpExaminerB, grpExaminerC})
        body()->addControl(QString(), g);
    edtExaminerA = grpExaminerA->edtExaminer;
    edtExaminerB = grpExaminerB->edtExaminer;
    edtExaminerC = grpExaminerC->edtExaminer;

    connect(edtRecvNo, &QLineEdit::textEdited, this, &TfrmEDI030::clearApplicant);
    connect(edtRecvNo, &QLineEdit::editingFinished, this, [this] {
        if (edtRecvNo->isModified())
            showApplicant();
    });
    connect(bbtRecvNo, &QPushButton::clicked, this, &TfrmEDI030::bbtRecvNoClick);

    setLoadQuery(QStringLiteral(
        "FROM ED020DT T1 "
        "JOIN ED020MS T2 ON T2.SEASON_GUBUN = T1.SEASON_GUBUN AND T2.RECV_NO = T1.RECV_NO "
        // an applicant whose class is not (or no longer) a code of the group still lists
        "LEFT JOIN (SELECT DETAIL AS APPLY_CLASS_GUBUN, DETAIL_NAME AS APPLY_CLASS_GUBUN_NAME "
        "             FROM ZX010MS WHERE HEAD = :APPLY_CLASS_GUBUN) T3 ON T3.APPLY_CLASS_GUBUN = T2.APPLY_CLASS "
        "WHERE T1.EXAMINE_DATE = :EXAMINE_DATE AND T1.SEASON_GUBUN = :SEASON_GUBUN "
        "ORDER BY T1.RECV_NO"));
    prcSaveData->setProcedure(QStringLiteral("PR_EDI030_01"));
    setRowLeaveChecks(true);
    setOpenRecordAfterSave(true);
}

void TfrmEDI030::search()
{
    if (!m_season->check())
        return;
    qryQuery->bind("SEASON_GUBUN", m_season->code());
    qryQuery->bind("APPLY_CLASS_GUBUN", QStringLiteral("E0026"));
    TfrmEZI000::search();
}

void TfrmEDI030::clearApplicant()
{
    edtEntryNameKor->clear();
    wmeApplyDate->setValue(QString());
    wmeIdNo->setValue(QString());
    edtApplyClass->clear();
}

void TfrmEDI030::showApplicant()
{
    // what is typed is let go while the clerk leaves for Cancel or Close
    const QWidget *focus = QApplication::focusWidget();
    if (focus && (focus == bbtCancel || focus->objectName() == QLatin1String("bbtClose")))
        return;
    if (edtRecvNo->text().trimmed().isEmpty()) {
        clearApplicant();
        return;
    }
    QString no6, name, applyDate, idNo, applyClass;
    refdata::GetApplicantInfo(m_season->code(), edtRecvNo->text(), no6, name, applyDate, idNo, applyClass);
    edtRecvNo->setText(no6);
    edtEntryNameKor->setText(name);
    wmeApplyDate->setValue(applyDate);
    wmeIdNo->setValue(idNo);
    edtApplyClass->setText(applyClass);
}

void TfrmEDI030::bbtRecvNoClick()
{
    if (!beginAction(bbtRecvNo))
        return;
    QString no, name, applyDate, idNo, applyClass;
    if (!SelectApplicant(m_season->code(), no, name, applyDate, idNo, applyClass, this)) {
        edtRecvNo->setFocus();
        return;
    }
    edtRecvNo->setText(no);
    edtEntryNameKor->setText(name);
    wmeApplyDate->setValue(applyDate);
    wmeIdNo->setValue(idNo);
    edtApplyClass->setText(applyClass);
    edtExaminerA->setFocus();
}

bool TfrmEDI030::validateRow()
{
    const int row = rgrGrid->currentRow();
    if (row < 0)
        return true;
    const QList<QPair<TEdit *, QString>> judges{{edtExaminerA, QStringLiteral("심사자 A")},
                                                {edtExaminerB, QStringLiteral("심사자 B")},
                                                {edtExaminerC, QStringLiteral("심사자 C")}};
    for (const auto &[edit, caption] : judges)
        if (edit->text().trimmed().isEmpty())
            return refuse(edit, enterFirst(caption));
    if (!isLoadedRow(row) && IsDuplicateKey())
        return refuse(edtRecvNo, QStringLiteral("기존 등록된 자료와 중복됩니다. 다시 입력하십시오."));
    return true;
}

bool TfrmEDI030::SaveData()
{
    prcSaveData->setParam("ASEASON_GUBUN", m_season->code());
    return TfrmEZI000::SaveData();
}
