// Procedures of the rental shop: rentals and their rows, the holds of the counters, storage items,
// the equipment register, boots stock and the slope operation rows.
#include "../procedure.h"

namespace db {

namespace {

const char *kTaken = "선택하신 장비는 이미 대여되었거나 작업중입니다";

QHash<QString, QVariant> pieceKeys(ProcedureCall &call)
{
    return {{"RENT_DATE", call.param("ARENT_DATE")}, {"AREA_GUBUN", call.param("AAREA_GUBUN")},
            {"EQUIP_GUBUN", call.param("AEQUIP_GUBUN")}, {"EQUIP_NO", call.param("AEQUIP_NO")}};
}

// The piece's multi-day flag follows its rental row: 'Y' from the start of a multi-day rental until
// that row is returned, changed to another status or deleted.
void followMultiDay(ProcedureCall &call, const QString &stat, bool rowGone)
{
    QHash<QString, QVariant> b = pieceKeys(call);
    b.insert(call.audit());
    if (!rowGone && stat == QLatin1String("S")) {
        call.exec("UPDATE EB020MS SET SVRL_RENT_YN = 'Y', SVRL_FROM_DATE = :RENT_DATE, U_EMP_NO = :U_EMP_NO, "
                  "U_IP = :U_IP, U_DATE = :U_DATE WHERE AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN "
                  "AND EQUIP_NO = :EQUIP_NO", b);
    } else {
        call.exec("UPDATE EB020MS SET SVRL_RENT_YN = 'N', SVRL_FROM_DATE = NULL, U_EMP_NO = :U_EMP_NO, "
                  "U_IP = :U_IP, U_DATE = :U_DATE WHERE AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN "
                  "AND EQUIP_NO = :EQUIP_NO AND SVRL_RENT_YN = 'Y' AND SVRL_FROM_DATE = :RENT_DATE", b);
    }
}

void saveRentalHeader(ProcedureCall &call)
{
    const QString status = call.param("AEDITSTATUS");
    QHash<QString, QVariant> b{{"RENT_DATE", call.param("ARENT_DATE")}, {"AREA_GUBUN", call.param("AAREA_GUBUN")},
                               {"RENT_NO", call.param("ARENT_NO")}, {"DEAL_NAME", call.param("ADEAL_NAME")},
                               {"KEEP_KIND_GUBUN", call.param("AKEEP_KIND_GUBUN")},
                               {"KEEP_BOX_NO", call.param("AKEEP_BOX_NO")}};
    b.insert(call.audit());
    if (status == QLatin1String("2")) {
        // numbered within the rental date and area; two counters numbering at once collide on the key
        const QString no = call.scalar("SELECT NVL(MAX(RENT_NO), 0) + 1 FROM EB040MS "
                                       "WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN", b);
        b["RENT_NO"] = no;
        call.exec("INSERT INTO EB040MS (RENT_DATE, AREA_GUBUN, RENT_NO, DEAL_NAME, KEEP_KIND_GUBUN, KEEP_BOX_NO, "
                  "U_EMP_NO, U_IP, U_DATE) VALUES (:RENT_DATE, :AREA_GUBUN, :RENT_NO, :DEAL_NAME, :KEEP_KIND_GUBUN, "
                  ":KEEP_BOX_NO, :U_EMP_NO, :U_IP, :U_DATE)", b);
        call.setOut("ANEW_RENT_NO", no);
    } else if (status == QLatin1String("1")) {
        call.exec("UPDATE EB040MS SET DEAL_NAME = :DEAL_NAME, KEEP_KIND_GUBUN = :KEEP_KIND_GUBUN, "
                  "KEEP_BOX_NO = :KEEP_BOX_NO, U_EMP_NO = :U_EMP_NO, U_IP = :U_IP, U_DATE = :U_DATE "
                  "WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN AND RENT_NO = :RENT_NO", b);
        if (call.rowsAffected() == 0)
            call.fail("대여번호가 존재하지 않습니다.");
        call.setOut("ANEW_RENT_NO", call.param("ARENT_NO"));
    } else if (status == QLatin1String("3")) {
        const QList<QStringList> rows = call.rows(
            "SELECT EQUIP_GUBUN, EQUIP_NO, RENT_STAT FROM EB040DT WHERE RENT_DATE = :RENT_DATE "
            "AND AREA_GUBUN = :AREA_GUBUN AND RENT_NO = :RENT_NO", b);
        call.exec("DELETE FROM EB040DT WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN "
                  "AND RENT_NO = :RENT_NO", b);
        call.exec("DELETE FROM EB040MS WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN "
                  "AND RENT_NO = :RENT_NO", b);
        for (const QStringList &r : rows) {
            call.exec("UPDATE EB020MS SET SVRL_RENT_YN = 'N', SVRL_FROM_DATE = NULL WHERE AREA_GUBUN = :AREA_GUBUN "
                      "AND EQUIP_GUBUN = :EQUIP_GUBUN AND EQUIP_NO = :EQUIP_NO AND SVRL_FROM_DATE = :RENT_DATE",
                      {{"AREA_GUBUN", b["AREA_GUBUN"]}, {"EQUIP_GUBUN", r.value(0)}, {"EQUIP_NO", r.value(1)},
                       {"RENT_DATE", b["RENT_DATE"]}});
        }
    } else {
        call.fail("잘못된 작업구분입니다.");
    }
}

const QStringList kRowColumns{"TICKET_KIND", "RENT_STAT", "EQUIP_GUBUN", "EQUIP_NO", "RENT_NAME", "TEL_NO",
                              "HEIGHT", "WEIGHT", "SHOES_SIZE", "BINDING", "ZIP_CODE", "ADDR1", "ADDR2",
                              "SVRL_RENT_FROM_DATE", "SVRL_RENT_TO_DATE", "REMARK"};

void saveRentalRow(ProcedureCall &call)
{
    const QString status = call.param("AEDITSTATUS");
    QHash<QString, QVariant> b{{"RENT_DATE", call.param("ARENT_DATE")}, {"AREA_GUBUN", call.param("AAREA_GUBUN")},
                               {"RENT_NO", call.param("ARENT_NO")}, {"RENT_SEQ", call.param("ARENT_SEQ")}};
    for (const QString &c : kRowColumns)
        b.insert(c, call.param("A" + c));
    b.insert(call.audit());
    const QString keyWhere = "RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN AND RENT_NO = :RENT_NO "
                             "AND RENT_SEQ = :RENT_SEQ";
    if (status == QLatin1String("2")) {
        if (call.scalar("SELECT COUNT(*) FROM EB040MS WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN "
                        "AND RENT_NO = :RENT_NO", b).toInt() == 0)
            call.fail("대여번호가 존재하지 않습니다.");
        // a piece goes out once a day: the counter's hold becomes the rental row
        if (call.scalar("SELECT COUNT(*) FROM EB040DT WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN "
                        "AND EQUIP_GUBUN = :EQUIP_GUBUN AND EQUIP_NO = :EQUIP_NO AND RENT_STAT IN ('D', 'S')", b)
                .toInt() > 0)
            call.fail(kTaken);
        b["RENT_SEQ"] = call.scalar("SELECT NVL(MAX(RENT_SEQ), 0) + 1 FROM EB040DT WHERE RENT_DATE = :RENT_DATE "
                                    "AND AREA_GUBUN = :AREA_GUBUN AND RENT_NO = :RENT_NO", b);
        b["RENT_TIME"] = ProcedureCall::now14().mid(8, 6);
        call.exec("INSERT INTO EB040DT (RENT_DATE, AREA_GUBUN, RENT_NO, RENT_SEQ, " + kRowColumns.join(", ")
                      + ", RENT_TIME, U_EMP_NO, U_IP, U_DATE) VALUES (:RENT_DATE, :AREA_GUBUN, :RENT_NO, :RENT_SEQ, :"
                      + kRowColumns.join(", :") + ", :RENT_TIME, :U_EMP_NO, :U_IP, :U_DATE)", b);
        call.exec("DELETE FROM EB020TM WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN "
                  "AND EQUIP_GUBUN = :EQUIP_GUBUN AND EQUIP_NO = :EQUIP_NO", pieceKeys(call));
        followMultiDay(call, call.param("ARENT_STAT"), false);
    } else if (status == QLatin1String("1")) {
        // the piece of a saved row stays the same; its other fields and status change
        const QList<QStringList> old = call.rows("SELECT EQUIP_GUBUN, EQUIP_NO FROM EB040DT WHERE " + keyWhere, b);
        if (old.isEmpty())
            call.fail("대여자료가 존재하지 않습니다.");
        QStringList sets;
        for (const QString &c : kRowColumns)
            if (c != QLatin1String("EQUIP_GUBUN") && c != QLatin1String("EQUIP_NO"))
                sets << c + " = :" + c;
        call.exec("UPDATE EB040DT SET " + sets.join(", ") + ", U_EMP_NO = :U_EMP_NO, U_IP = :U_IP, U_DATE = :U_DATE "
                  "WHERE " + keyWhere, b);
        followMultiDay(call, call.param("ARENT_STAT"), false);
    } else if (status == QLatin1String("3")) {
        call.exec("DELETE FROM EB040DT WHERE " + keyWhere, b);
        followMultiDay(call, QString(), true);
    } else {
        call.fail("잘못된 작업구분입니다.");
    }
}

void holdPiece(ProcedureCall &call)
{
    QHash<QString, QVariant> b = pieceKeys(call);
    b.insert(call.audit());
    const QString status = call.param("AEDITSTATUS");
    if (status == QLatin1String("3")) {
        call.exec("DELETE FROM EB020TM WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN "
                  "AND EQUIP_GUBUN = :EQUIP_GUBUN AND EQUIP_NO = :EQUIP_NO", b);
        return;
    }
    if (status != QLatin1String("2"))
        call.fail("잘못된 작업구분입니다.");
    if (call.scalar("SELECT COUNT(*) FROM EB020MS WHERE AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN "
                    "AND EQUIP_NO = :EQUIP_NO AND EQUIP_RENT_YN = 'Y' AND NVL(SVRL_RENT_YN, 'N') = 'N'", b).toInt() == 0)
        call.fail(kTaken);
    // The key of EB020TM admits one hold per piece and day: of two counters holding at the same moment
    // the second insert fails (or waits for the first and then fails).
    call.exec("INSERT INTO EB020TM (RENT_DATE, AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, U_EMP_NO, U_IP, U_DATE) "
              "VALUES (:RENT_DATE, :AREA_GUBUN, :EQUIP_GUBUN, :EQUIP_NO, :U_EMP_NO, :U_IP, :U_DATE)", b);
    // Checked after the insert, so that a rental row committed while the insert waited is seen.
    if (call.scalar("SELECT COUNT(*) FROM EB040DT WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN "
                    "AND EQUIP_GUBUN = :EQUIP_GUBUN AND EQUIP_NO = :EQUIP_NO AND RENT_STAT IN ('D', 'S')", b).toInt() > 0)
        call.fail(kTaken);
}

} // namespace

void registerEquipmentProcedures(ProcedureCatalog &catalog)
{
    catalog.add({"PR_EBI040_01",
                 {in("ARENT_DATE"), in("AAREA_GUBUN"), in("ARENT_NO"), in("ADEAL_NAME"), in("AKEEP_KIND_GUBUN"),
                  in("AKEEP_BOX_NO"), in("AU_EMP_NO"), in("AU_IP"), in("AEDITSTATUS"), out("ANEW_RENT_NO")},
                 saveRentalHeader});
    catalog.add({"PR_EBI040_02",
                 {in("ARENT_DATE"), in("AAREA_GUBUN"), in("ARENT_NO"), in("ARENT_SEQ"), in("ATICKET_KIND"),
                  in("ARENT_STAT"), in("AEQUIP_GUBUN"), in("AEQUIP_NO"), in("ARENT_NAME"), in("ATEL_NO"),
                  in("AHEIGHT"), in("AWEIGHT"), in("ASHOES_SIZE"), in("ABINDING"), in("AZIP_CODE"), in("AADDR1"),
                  in("AADDR2"), in("ASVRL_RENT_FROM_DATE"), in("ASVRL_RENT_TO_DATE"), in("AREMARK"),
                  in("AU_EMP_NO"), in("AU_IP"), in("AEDITSTATUS")},
                 saveRentalRow});
    catalog.add({"PR_EBI040_03",
                 {in("ARENT_DATE"), in("AAREA_GUBUN"), in("AEQUIP_GUBUN"), in("AEQUIP_NO"), in("AU_EMP_NO"),
                  in("AU_IP"), in("AEDITSTATUS")},
                 holdPiece});
}

} // namespace db
