// Slope operation rows, the equipment register, boots standard stock and the storage counter.
#include "../procedure.h"

namespace db {

namespace {

const QStringList kAudit = {QStringLiteral("AU_EMP_NO"), QStringLiteral("AU_IP"), QStringLiteral("AEDITSTATUS")};

QList<Parameter> params(const QStringList &names)
{
    QList<Parameter> list;
    for (const QString &n : names)
        list << in(n);
    return list;
}

bool isNew(const ProcedureCall &call) { return call.param(QStringLiteral("AEDITSTATUS")) == QLatin1String("2"); }

// A key number sent back as displayed ("0000000012") addresses the stored number 12.
void normaliseNumber(ProcedureCall &call, const QString &name)
{
    bool ok = false;
    const qlonglong n = call.param(name).trimmed().toLongLong(&ok);
    if (ok)
        call.setOut(name, QString::number(n));
}

// The rows of a run date: one per course (E0006) and lift (E0007), the facility kind taken from ITEM1,
// running unless the operation states lack "Y". Facilities that already have a row keep it, so a
// second call for the same day changes nothing.
void createRunDate(ProcedureCall &call)
{
    const QString runDate = call.param(QStringLiteral("ARUN_DATE"));
    if (runDate.size() != 8)
        call.fail(QStringLiteral("운행일자가 올바르지 않습니다: '%1'").arg(runDate));
    QString runYn = call.scalar(QStringLiteral("SELECT DETAIL FROM ZX010MS WHERE HEAD = 'E0008' AND DETAIL = 'Y'"));
    if (runYn.isEmpty())
        runYn = call.scalar(QStringLiteral("SELECT MIN(DETAIL) FROM ZX010MS WHERE HEAD = 'E0008'"));
    QHash<QString, QVariant> binds = call.audit();
    binds.insert(QStringLiteral("RUN_DATE"), runDate);
    binds.insert(QStringLiteral("RUN_YN"), runYn);
    call.exec(QStringLiteral(
                  "INSERT INTO EB010MS (RUN_DATE, FAC_GUBUN, FAC_DETAIL_GUBUN, RUN_YN, U_EMP_NO, U_IP, U_DATE) "
                  "SELECT CAST(:RUN_DATE AS VARCHAR(8)), C.ITEM1, C.DETAIL, CAST(:RUN_YN AS VARCHAR(10)), "
                  "       CAST(:U_EMP_NO AS VARCHAR(20)), CAST(:U_IP AS VARCHAR(20)), CAST(:U_DATE AS VARCHAR(14)) "
                  "  FROM ZX010MS C "
                  " WHERE C.HEAD IN ('E0006', 'E0007') "
                  "   AND NULLIF(TRIM(C.ITEM1), '') IS NOT NULL "
                  "   AND NOT EXISTS (SELECT 1 FROM EB010MS E "
                  "                    WHERE E.RUN_DATE = :RUN_DATE "
                  "                      AND E.FAC_GUBUN = C.ITEM1 "
                  "                      AND E.FAC_DETAIL_GUBUN = C.DETAIL)"),
              binds);
}

// A new piece of equipment takes the next number of its area and kind, five digits, from the counter row
// EB020NO. Numbers only go up: a piece taken out of the register leaves its number to its old rental rows
// alone. The first numbering of an area and kind starts above every number its register and its rental
// rows carry.
void saveEquipment(ProcedureCall &call)
{
    if (isNew(call)) {
        const QHash<QString, QVariant> key{{QStringLiteral("AREA_GUBUN"), call.value(QStringLiteral("AAREA_GUBUN"))},
                                           {QStringLiteral("EQUIP_GUBUN"), call.value(QStringLiteral("AEQUIP_GUBUN"))}};
        const QString where = QStringLiteral(" WHERE AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN");
        if (call.scalar(QStringLiteral("SELECT COUNT(*) FROM EB020NO") + where, key).toInt() == 0)
            call.exec(QStringLiteral("INSERT INTO EB020NO (AREA_GUBUN, EQUIP_GUBUN, LAST_EQUIP_NO) "
                                     "SELECT CAST(:AREA_GUBUN AS VARCHAR(10)), CAST(:EQUIP_GUBUN AS VARCHAR(10)), "
                                     "NVL(MAX(TO_NUMBER(EQUIP_NO)), 0) FROM EB040DT")
                          + where + QStringLiteral(" ON CONFLICT (AREA_GUBUN, EQUIP_GUBUN) DO NOTHING"),
                      key);
        const qlonglong next = call.takeNumber(QStringLiteral("EB020NO"), QStringLiteral("LAST_EQUIP_NO"), key,
                                               QStringLiteral("EB020MS"), QStringLiteral("TO_NUMBER(EQUIP_NO)"));
        call.setOut(QStringLiteral("AEQUIP_NO"), QString::number(next).rightJustified(5, QLatin1Char('0')));
        // A piece just bought is not out on a multi-day rental.
        call.setOut(QStringLiteral("ASVRL_RENT_YN"), QStringLiteral("N"));
        call.saveByEditStatus(QStringLiteral("EB020MS"),
                              {QStringLiteral("AREA_GUBUN"), QStringLiteral("EQUIP_GUBUN"), QStringLiteral("EQUIP_NO")},
                              {QStringLiteral("EQUIP_SIZE_GUBUN"), QStringLiteral("EQUIP_RENT_YN"),
                               QStringLiteral("BUY_DATE"), QStringLiteral("REMARK"), QStringLiteral("SVRL_RENT_YN")});
        return;
    }
    // The multi-day flag and period belong to the rental counter; the register never changes them.
    call.saveByEditStatus(QStringLiteral("EB020MS"),
                          {QStringLiteral("AREA_GUBUN"), QStringLiteral("EQUIP_GUBUN"), QStringLiteral("EQUIP_NO")},
                          {QStringLiteral("EQUIP_SIZE_GUBUN"), QStringLiteral("EQUIP_RENT_YN"),
                           QStringLiteral("BUY_DATE"), QStringLiteral("REMARK")});
}

const QStringList kKeepColumns = {
    QStringLiteral("KEEP_STAT"),        QStringLiteral("IPGO_DATE"),     QStringLiteral("CHULGO_DATE"),
    QStringLiteral("GUEST_NO"),         QStringLiteral("GUEST_NAME"),    QStringLiteral("KEEP_GUBUN"),
    QStringLiteral("EQUIP_GUBUN"),      QStringLiteral("EQUIP_NAME_GUBUN"), QStringLiteral("EQUIP_NAME_ETC"),
    QStringLiteral("NATIVE_NO"),        QStringLiteral("POELS_YN"),      QStringLiteral("POELS_NAME"),
    QStringLiteral("MEMBER_NO"),        QStringLiteral("KEEP_NAME"),     QStringLiteral("ZIP_CODE"),
    QStringLiteral("ADDR1"),            QStringLiteral("ADDR2"),         QStringLiteral("TEL_NO"),
    QStringLiteral("MOBILE_NO"),        QStringLiteral("KEEP_BOX_NO"),   QStringLiteral("REMARK"),
    QStringLiteral("CONF_QUESTION"),    QStringLiteral("CONF_ANSWER")};

// Storage items are numbered within season and area in the order they are saved, so a list ordered
// by the number shows new items last and in the order they were entered. The counter row keeps the
// last number given and only goes up, so a deleted item's number (still printed on its owner's ticket)
// is never given again; items stored without the counter (loaded by hand) are never overtaken. Every
// save takes the counter first, which holds other counters back until this save ends.
QString keepCounter(ProcedureCall &call, bool takeNumber)
{
    const QHash<QString, QVariant> key{{QStringLiteral("SEASON_GUBUN"), call.value(QStringLiteral("ASEASON_GUBUN"))},
                                       {QStringLiteral("AREA_GUBUN"), call.value(QStringLiteral("AAREA_GUBUN"))}};
    return QString::number(call.takeNumber(QStringLiteral("EB050NO"), QStringLiteral("LAST_KEEP_NO"), key,
                                           QStringLiteral("EB050MS"), QStringLiteral("KEEP_NO"), takeNumber));
}

void saveKeepItem(ProcedureCall &call)
{
    const QString number = keepCounter(call, isNew(call));
    if (isNew(call))
        call.setOut(QStringLiteral("AKEEP_NO"), number);
    else
        normaliseNumber(call, QStringLiteral("AKEEP_NO"));
    if (call.param(QStringLiteral("AKEEP_STAT")) == QLatin1String("R") && call.isEmpty(QStringLiteral("ACHULGO_DATE"))
        && call.param(QStringLiteral("AEDITSTATUS")) != QLatin1String("3"))
        call.fail(QStringLiteral("보관상태가 [불출]일 경우 출고일을 입력하십시요"));
    call.saveByEditStatus(QStringLiteral("EB050MS"),
                          {QStringLiteral("SEASON_GUBUN"), QStringLiteral("AREA_GUBUN"), QStringLiteral("KEEP_NO")},
                          kKeepColumns);
}

} // namespace

void registerEquipmentMasterProcedures(ProcedureCatalog &catalog)
{
    catalog.add({QStringLiteral("PR_EBI010_01"),
                 params({QStringLiteral("ARUN_DATE"), QStringLiteral("AU_EMP_NO"), QStringLiteral("AU_IP")}),
                 createRunDate});

    catalog.add({QStringLiteral("PR_EBI010_02"),
                 params(QStringList{QStringLiteral("ARUN_DATE"), QStringLiteral("AFAC_GUBUN_NAME"),
                                    QStringLiteral("AFAC_DETAIL_GUBUN_NAME"), QStringLiteral("ARUN_YN"),
                                    QStringLiteral("AFAC_GUBUN"), QStringLiteral("AFAC_DETAIL_GUBUN")}
                        + kAudit),
                 [](ProcedureCall &call) {
                     call.saveByEditStatus(QStringLiteral("EB010MS"),
                                           {QStringLiteral("RUN_DATE"), QStringLiteral("FAC_GUBUN"),
                                            QStringLiteral("FAC_DETAIL_GUBUN")},
                                           {QStringLiteral("RUN_YN")});
                 }});

    catalog.add({QStringLiteral("PR_EBI020_01"),
                 params(QStringList{QStringLiteral("AAREA_GUBUN"), QStringLiteral("AEQUIP_GUBUN"),
                                    QStringLiteral("AEQUIP_NO"), QStringLiteral("AEQUIP_SIZE_GUBUN"),
                                    QStringLiteral("AEQUIP_RENT_YN"), QStringLiteral("ABUY_DATE"),
                                    QStringLiteral("AREMARK"), QStringLiteral("ASVRL_RENT_YN"),
                                    QStringLiteral("ASVRL_RENT_FROM_DATE"), QStringLiteral("ASVRL_RENT_TO_DATE")}
                        + kAudit),
                 saveEquipment});

    catalog.add({QStringLiteral("PR_EBI030_01"),
                 params(QStringList{QStringLiteral("AAREA_GUBUN"), QStringLiteral("ABOOTS_SIZE_GUBUN"),
                                    QStringLiteral("ASTOCK_QTY")}
                        + kAudit),
                 [](ProcedureCall &call) {
                     call.saveByEditStatus(QStringLiteral("EB030MS"),
                                           {QStringLiteral("AREA_GUBUN"), QStringLiteral("BOOTS_SIZE_GUBUN")},
                                           {QStringLiteral("STOCK_QTY")});
                 }});

    QStringList keep{QStringLiteral("ASEASON_GUBUN"), QStringLiteral("AAREA_GUBUN"), QStringLiteral("AKEEP_NO")};
    for (const QString &c : kKeepColumns)
        keep << QLatin1Char('A') + c;
    // the number a new item receives travels back in AKEEP_NO, so the counter prints it on the ticket
    QList<Parameter> keepParams = params(keep + kAudit);
    keepParams[2] = inOut(QStringLiteral("AKEEP_NO"));
    catalog.add({QStringLiteral("PR_EBI050_01"), keepParams, saveKeepItem});
}

} // namespace db
