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

bool isRented(const QString &stat) { return stat == QLatin1String("D") || stat == QLatin1String("S"); }

// Whether a piece may go out on the rental date: no other rental row of that day has it out, it is not
// out on a multi-day rental, and no other counter holds it. The piece's register row is taken first,
// so two counters giving out the same piece at the same moment decide one after the other. The row
// (rentNo, rentSeq) itself, when given, does not count.
bool pieceFree(ProcedureCall &call, const QString &gubun, const QString &no, const QString &rentNo,
               const QString &rentSeq)
{
    QHash<QString, QVariant> b{{"RENT_DATE", call.param("ARENT_DATE")}, {"AREA_GUBUN", call.param("AAREA_GUBUN")},
                               {"EQUIP_GUBUN", gubun}, {"EQUIP_NO", no}, {"RENT_NO", rentNo}, {"RENT_SEQ", rentSeq}};
    // the lock and the multi-day flag in one statement
    const QList<QStringList> piece = call.rows(
        "UPDATE EB020MS SET EQUIP_NO = EQUIP_NO WHERE AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN "
        "AND EQUIP_NO = :EQUIP_NO RETURNING SVRL_RENT_YN", b);
    if (!piece.isEmpty() && piece.first().value(0) == QLatin1String("Y"))
        return false;
    // then, in a statement of its own that sees what was committed before the lock: the day's other
    // rental rows of the piece and the holds of other live counters (a hold belongs to the connection
    // that took it)
    b.insert("SESSION_ID", call.database()->sessionId());
    const QList<QStringList> other = call.rows(
        "SELECT (SELECT COUNT(*) FROM EB040DT WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN "
        "AND EQUIP_GUBUN = :EQUIP_GUBUN AND EQUIP_NO = :EQUIP_NO AND RENT_STAT IN ('D', 'S') "
        "AND NOT (RENT_NO = NVL(:RENT_NO, -1) AND RENT_SEQ = NVL(:RENT_SEQ, -1))), "
        "(SELECT COUNT(*) FROM EB020TM H WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN "
        "AND EQUIP_GUBUN = :EQUIP_GUBUN AND EQUIP_NO = :EQUIP_NO AND NVL(SESSION_ID, '-') <> :SESSION_ID AND "
        + Database::liveHold("H") + ")", b);
    return !other.isEmpty() && other.first().value(0).toInt() == 0 && other.first().value(1).toInt() == 0;
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
        // numbered within the rental date and area through the counter row EB040NO, so two counters
        // saving at the same moment take their numbers one after the other
        const QString no = QString::number(call.takeNumber(
            "EB040NO", "LAST_RENT_NO", {{"RENT_DATE", b["RENT_DATE"]}, {"AREA_GUBUN", b["AREA_GUBUN"]}}, "EB040MS", "RENT_NO"));
        b["RENT_NO"] = no;
        call.exec("INSERT INTO EB040MS (RENT_DATE, AREA_GUBUN, RENT_NO, DEAL_NAME, KEEP_KIND_GUBUN, KEEP_BOX_NO, "
                  "U_EMP_NO, U_IP, U_DATE) VALUES (:RENT_DATE, :AREA_GUBUN, :RENT_NO, :DEAL_NAME, :KEEP_KIND_GUBUN, "
                  ":KEEP_BOX_NO, :U_EMP_NO, :U_IP, :U_DATE)", b);
        call.setOut("ANEW_RENT_NO", no);
        call.setRowVersionAfter(0);
    } else if (status == QLatin1String("1")) {
        call.claimRowVersion("EB040MS", "RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN AND RENT_NO = :RENT_NO", b);
        call.exec("UPDATE EB040MS SET DEAL_NAME = :DEAL_NAME, KEEP_KIND_GUBUN = :KEEP_KIND_GUBUN, "
                  "KEEP_BOX_NO = :KEEP_BOX_NO, U_EMP_NO = :U_EMP_NO, U_IP = :U_IP, U_DATE = :U_DATE "
                  "WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN AND RENT_NO = :RENT_NO", b);
        if (call.rowsAffected() == 0)
            call.fail("대여번호가 존재하지 않습니다.");
        call.setOut("ANEW_RENT_NO", call.param("ARENT_NO"));
    } else if (status == QLatin1String("3")) {
        call.claimRowVersion("EB040MS", "RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN AND RENT_NO = :RENT_NO", b);
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
        // the header row is taken first: rows of one rental are numbered one after the other
        call.exec("UPDATE EB040MS SET RENT_NO = RENT_NO WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN "
                  "AND RENT_NO = :RENT_NO", b);
        if (call.rowsAffected() == 0)
            call.fail("대여번호가 존재하지 않습니다.");
        // a piece goes out once a day: the counter's hold becomes the rental row
        if (!pieceFree(call, call.param("AEQUIP_GUBUN"), call.param("AEQUIP_NO"), QString(), QString()))
            call.fail(kTaken);
        // numbered after the last row of the rental by the inserting statement itself (under the header's lock)
        b["RENT_TIME"] = ProcedureCall::now14().mid(8, 6);
        call.exec("INSERT INTO EB040DT (RENT_DATE, AREA_GUBUN, RENT_NO, RENT_SEQ, " + kRowColumns.join(", ")
                      + ", RENT_TIME, U_EMP_NO, U_IP, U_DATE) SELECT :RENT_DATE, :AREA_GUBUN, :RENT_NO, "
                        "(SELECT NVL(MAX(RENT_SEQ), 0) + 1 FROM EB040DT WHERE RENT_DATE = :RENT_DATE "
                        "AND AREA_GUBUN = :AREA_GUBUN AND RENT_NO = :RENT_NO), :"
                      + kRowColumns.join(", :") + ", :RENT_TIME, :U_EMP_NO, :U_IP, :U_DATE", b);
        call.exec("DELETE FROM EB020TM WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN "
                  "AND EQUIP_GUBUN = :EQUIP_GUBUN AND EQUIP_NO = :EQUIP_NO", pieceKeys(call));
        followMultiDay(call, call.param("ARENT_STAT"), false);
    } else if (status == QLatin1String("1")) {
        // the piece of a saved row stays the same; its other fields and status change
        call.claimRowVersion("EB040DT", keyWhere, b);
        const QList<QStringList> old =
            call.rows("SELECT EQUIP_GUBUN, EQUIP_NO, RENT_STAT FROM EB040DT WHERE " + keyWhere, b);
        if (old.isEmpty())
            call.fail("대여자료가 존재하지 않습니다.");
        // A returned row set back to a rental takes the piece out again: only when it is free that day.
        const QString oldStat = old.first().value(2), newStat = call.param("ARENT_STAT");
        if (isRented(newStat) && !isRented(oldStat)) {
            if (!pieceFree(call, old.first().value(0), old.first().value(1), b["RENT_NO"].toString(),
                           b["RENT_SEQ"].toString()))
                call.fail(QStringLiteral("장비번호 %1은(는) 반납 후 이미 다시 대여되었거나 작업중이므로 "
                                         "대여상태로 되돌릴 수 없습니다.").arg(old.first().value(1)));
            call.exec("DELETE FROM EB020TM WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN "
                      "AND EQUIP_GUBUN = :EQUIP_GUBUN AND EQUIP_NO = :EQUIP_NO",
                      {{"RENT_DATE", b["RENT_DATE"]}, {"AREA_GUBUN", b["AREA_GUBUN"]},
                       {"EQUIP_GUBUN", old.first().value(0)}, {"EQUIP_NO", old.first().value(1)}});
        }
        QStringList sets;
        for (const QString &c : kRowColumns)
            if (c != QLatin1String("EQUIP_GUBUN") && c != QLatin1String("EQUIP_NO"))
                sets << c + " = :" + c;
        call.exec("UPDATE EB040DT SET " + sets.join(", ") + ", U_EMP_NO = :U_EMP_NO, U_IP = :U_IP, U_DATE = :U_DATE "
                  "WHERE " + keyWhere, b);
        followMultiDay(call, call.param("ARENT_STAT"), false);
    } else if (status == QLatin1String("3")) {
        call.claimRowVersion("EB040DT", keyWhere, b);
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
    b.insert("SESSION_ID", call.database()->sessionId());
    const QString status = call.param("AEDITSTATUS");
    const QString where = "RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN "
                          "AND EQUIP_NO = :EQUIP_NO";
    if (status == QLatin1String("3")) {
        // a counter gives back its own hold only
        call.exec("DELETE FROM EB020TM WHERE " + where + " AND NVL(SESSION_ID, '-') IN (:SESSION_ID, '-')", b);
        return;
    }
    if (status != QLatin1String("2"))
        call.fail("잘못된 작업구분입니다.");
    // The piece's register row is taken first, as a rental row's save and a returned row's revival take
    // it: a hold and a revival of the same piece decide one after the other, so a hold is never granted
    // on a piece that a revival is taking out again. The same statement reads whether it may go out.
    const QList<QStringList> piece = call.rows(
        "UPDATE EB020MS SET EQUIP_NO = EQUIP_NO WHERE AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN "
        "AND EQUIP_NO = :EQUIP_NO RETURNING EQUIP_RENT_YN, NVL(SVRL_RENT_YN, 'N')", b);
    if (piece.isEmpty() || piece.first().value(0) != QLatin1String("Y") || piece.first().value(1) != QLatin1String("N"))
        call.fail(kTaken);
    // The counter says it is alive (its heartbeat says so every beat from the first hold on; between
    // two beats the hold need not say it again).
    call.database()->keepSessionAlive();
    b.insert("STALE", Database::sessionStaleSeconds());
    if (call.database()->sessionMarkDue())
        call.exec("INSERT INTO EB020TS (SESSION_ID, LAST_SEEN) VALUES (:SESSION_ID, FN_NOW_SECONDS()) "
                  "ON CONFLICT (SESSION_ID) DO UPDATE SET LAST_SEEN = FN_NOW_SECONDS()", b);
    // One hold per piece and day, and none on a piece out on a rental row of the day; a hold left by a
    // counter that is gone is taken over. The register row's lock above makes a rental row's save of
    // the piece wait or be seen here. Of two counters holding at the same moment the second waits for
    // the first and then changes nothing: it is refused in the system's words, never with the key's
    // error.
    call.exec("INSERT INTO EB020TM (RENT_DATE, AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, SESSION_ID, U_EMP_NO, U_IP, U_DATE) "
              "SELECT :RENT_DATE, :AREA_GUBUN, :EQUIP_GUBUN, :EQUIP_NO, :SESSION_ID, :U_EMP_NO, :U_IP, :U_DATE "
              "WHERE NOT EXISTS (SELECT 1 FROM EB040DT WHERE " + where + " AND RENT_STAT IN ('D', 'S')) "
              "ON CONFLICT (RENT_DATE, AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO) DO UPDATE SET SESSION_ID = excluded.SESSION_ID, "
              "U_EMP_NO = excluded.U_EMP_NO, U_IP = excluded.U_IP, U_DATE = excluded.U_DATE "
              "WHERE EB020TM.SESSION_ID IS NOT NULL AND NOT EXISTS (SELECT 1 FROM EB020TS S WHERE "
              "S.SESSION_ID = EB020TM.SESSION_ID AND S.LAST_SEEN >= FN_NOW_SECONDS() - :STALE)", b);
    if (call.rowsAffected() == 1)
        return;
    // Nothing taken: out on a rental row, or another live counter's hold, unless it is this counter's own.
    QHash<QString, QVariant> k = b;
    k.insert("SESSION_ID", call.database()->sessionId());
    const QList<QStringList> taken = call.rows(
        "SELECT (SELECT COUNT(*) FROM EB040DT WHERE " + where + " AND RENT_STAT IN ('D', 'S')), "
        "(SELECT COUNT(*) FROM EB020TM H WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN "
        "AND EQUIP_GUBUN = :EQUIP_GUBUN AND EQUIP_NO = :EQUIP_NO AND NVL(SESSION_ID, '-') <> :SESSION_ID AND "
        + Database::liveHold("H") + ")", k);
    if (taken.isEmpty() || taken.first().value(0).toInt() > 0 || taken.first().value(1).toInt() > 0)
        call.fail(kTaken);
}

} // namespace

// On PostgreSQL the rental's procedures run inside the server (procedures/server/ebi040.sql, the
// same statements), so that a rental row's save or a hold costs one round trip; SQLite runs these bodies.
void registerEquipmentProcedures(ProcedureCatalog &catalog)
{
    catalog.add({"PR_EBI040_01",
                 {in("ARENT_DATE"), in("AAREA_GUBUN"), in("ARENT_NO"), in("ADEAL_NAME"), in("AKEEP_KIND_GUBUN"),
                  in("AKEEP_BOX_NO"), in("AU_EMP_NO"), in("AU_IP"), in("AEDITSTATUS"), out("ANEW_RENT_NO")},
                 saveRentalHeader, true});
    catalog.add({"PR_EBI040_02",
                 {in("ARENT_DATE"), in("AAREA_GUBUN"), in("ARENT_NO"), in("ARENT_SEQ"), in("ATICKET_KIND"),
                  in("ARENT_STAT"), in("AEQUIP_GUBUN"), in("AEQUIP_NO"), in("ARENT_NAME"), in("ATEL_NO"),
                  in("AHEIGHT"), in("AWEIGHT"), in("ASHOES_SIZE"), in("ABINDING"), in("AZIP_CODE"), in("AADDR1"),
                  in("AADDR2"), in("ASVRL_RENT_FROM_DATE"), in("ASVRL_RENT_TO_DATE"), in("AREMARK"),
                  in("AU_EMP_NO"), in("AU_IP"), in("AEDITSTATUS")},
                 saveRentalRow, true});
    catalog.add({"PR_EBI040_03",
                 {in("ARENT_DATE"), in("AAREA_GUBUN"), in("AEQUIP_GUBUN"), in("AEQUIP_NO"), in("AU_EMP_NO"),
                  in("AU_IP"), in("AEDITSTATUS")},
                 holdPiece, true, [](ProcedureCall &call) {
                     // the counter's heartbeat runs from its first hold on
                     if (call.param("AEDITSTATUS") == QLatin1String("2"))
                         call.database()->keepSessionAlive();
                 }});
}

} // namespace db
