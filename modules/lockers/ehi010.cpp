#include "ehi010.h"
#include "lockercodes.h"
#include "core/messages.h"
#include "core/startupvalues.h"
#include "database/datamodule.h"
#include "database/transaction.h"
#include <QDate>

TfrmEHI010::TfrmEHI010(QWidget *parent) : TfrmZZI090(parent)
{
    setObjectName("frmEHI010");
    setWindowTitle(QStringLiteral("시즌락카 기본정보 등록"));
    setFields({
        Condition("SEASON_YEAR", "시즌년도", BIND(edt_SeasonYear)).bytes(4),
        ::Column("SEASON_YEAR", "시즌년도").sql("A.SEASON_YEAR").readOnlyCell().width(70),
        ::Column("SEQ_NO", "순번").sql("A.SEQ_NO").digits(9).readOnlyCell().width(50),
        ::Column("LOCATION", "위치").sql("A.LOCATION").bytes(10).width(60),
        ::Column("AREA_ZONE", "구역").sql("A.AREA_ZONE").bytes(10).width(60),
        ::Column("LOCKER_TYPE", "Type").sql("A.LOCKER_TYPE").bytes(10).width(60),
        ::Column("UNIT_AMT", "일반요금").sql("A.UNIT_AMT").thousands().width(90),
        ::Column("MEMBER_AMT", "회원요금").sql("A.MEMBER_AMT").thousands().width(90),
        ::Column("BEGINNING_NO", "시작락카번호").sql("A.BEGINNING_NO").bytes(4).width(90),
        ::Column("LOCKER_QTY", "락카수량").sql("A.LOCKER_QTY").digits(9).width(70),
        // the flag: lockers of the block's own numbers exist for the season
        ::Column("BATCH", "시즌락카일괄생성")
            .sql("CASE WHEN EXISTS (SELECT 1 FROM EH020MS B WHERE B.SEASON_YEAR = :SEASON_YEAR AND B.LOCATION = A.LOCATION "
                 "AND B.AREA_ZONE = A.AREA_ZONE AND B.LOCKER_TYPE = A.LOCKER_TYPE "
                 "AND TO_NUMBER(B.LOCKER_NO) BETWEEN TO_NUMBER(A.BEGINNING_NO) AND TO_NUMBER(A.BEGINNING_NO) + A.LOCKER_QTY - 1) "
                 "THEN 'Y' END")
            .readOnlyCell().width(110),
        Version("A.ROW_VERSION"),
    });
    edt_SeasonYear->setText(QString::number(QDate::currentDate().year()));

    bbtBatch = addButton("bbtBatch", QStringLiteral("시즌락카번호 일괄생성"));
    connect(bbtBatch, &QPushButton::clicked, this, &TfrmEHI010::bbtBatchClick);

    setLoadQuery(QStringLiteral("FROM EH010MS A WHERE A.SEASON_YEAR = :SEASON_YEAR"));
    prcProc->setProcedure("PR_EHI010_01");
    prcBatch = std::make_unique<db::StoredProc>(DM()->dbsDB, QStringLiteral("PR_EHI010_02"));
    setSearchAfterSave(true);   // a new block's number comes from the database
}

void TfrmEHI010::bbtAddClick()
{
    if (!beginAction(bbtAdd))
        return;
    const int row = rgrGrid->insertNewRow();
    if (row >= 0)
        rgrGrid->setCell(row, cSeasonYear, edt_SeasonYear->text().trimmed());
}

void TfrmEHI010::save()
{
    m_feeLockers = 0;
    TfrmZZI090::save();
    if (isSaved() && m_feeLockers > 0)
        ShowInfo(QStringLiteral("판매되지 않은 락카 %1개의 요금을 변경했습니다.").arg(m_feeLockers));
}

bool TfrmEHI010::ExecuteRow()
{
    if (!TfrmZZI090::ExecuteRow())
        return false;
    m_feeLockers += prcProc->aside("FEE_LOCKERS").toLongLong();
    return true;
}

void TfrmEHI010::bbtBatchClick()
{
    if (!beginAction(bbtBatch))
        return;
    rgrGrid->commitEditor();
    const int row = rgrGrid->currentRow();
    if (row < 0)
        return;
    if (rgrGrid->cell(row, cBatch) == QLatin1String("Y")) {
        ShowInfo(QStringLiteral("시즌락카 일괄처리 작업이 이미 완료되었습니다. 확인바랍니다."));
        return;
    }
    // only a block as it is stored: a new or changed row is saved first
    const QString id = rgrGrid->cell(row, rowIdColumn());
    bool pending = rgrGrid->rowState(row) != 1 || rgrGrid->isRowDirty(row);
    for (const TChangeBuffer::Entry &e : changeBuffer().entries())
        pending = pending || e.rowId == id;
    if (pending) {
        ShowError(QStringLiteral("저장되지 않은 락카 기본정보입니다. 먼저 저장하십시오."));
        return;
    }

    db::Database *db = prcBatch->database();
    if (db && !db->isOpen())
        db->open(db->settings());
    QString error;
    {
        db::Transaction transaction(db);
        if (!transaction.isActive()) {
            error = transaction.error();
        } else {
            static const char *const params[] = {"aSEASON_YEAR", "aSEQ_NO", "aLOCATION", "aAREA_ZONE", "aLOCKER_TYPE",
                                                 "aUNIT_AMT", "aMEMBER_AMT", "aBEGINNING_NO", "aLOCKER_QTY"};
            for (int c = cSeasonYear; c <= cLockerQty; ++c)
                prcBatch->setParam(QLatin1String(params[c]), rgrGrid->cell(row, c));
            prcBatch->setParam("aU_EMP_NO", Startup().employeeNumber);
            prcBatch->setParam("aU_IP", Startup().workstationAddress);
            if (!prcBatch->exec())
                error = prcBatch->lastError();
            else if (!transaction.commit())
                error = transaction.error();
        }
        if (!error.isEmpty())
            transaction.setError(error);
    }   // rolled back unless committed
    if (!error.isEmpty()) {
        ShowError(db::Database::saveFailedMessage(error));
        return;
    }
    SetStatusMessage(QStringLiteral("자료를 저장했습니다."));
    ShowInfo(QStringLiteral("시즌락카 일괄처리 작업이 끝났습니다."));
    cancel();
    if (isSearchMode())
        search();
}
