// Procedures of the ski school: enrolments, instructor assignments, private lessons, lesson accidents,
// partner-group lessons, the staff reservation standard and the staff reservations.
#include "../procedure.h"
#include "core/utils.h"
#include <algorithm>

namespace db {

namespace {

const char *kWrongStatus = "잘못된 작업구분입니다.";

QHash<QString, QVariant> lessonKeys(ProcedureCall &call)
{
    return {{"YAEYAK_DATE", call.param("AYAEYAK_DATE")},
            {"LECTURE_ITEM_GUBUN", call.param("ALECTURE_ITEM_GUBUN")},
            {"LECTURE_REC_GUBUN", call.param("ALECTURE_REC_GUBUN")},
            {"LECTURE_DETAIL_GUBUN", call.param("ALECTURE_DETAIL_GUBUN")}};
}

const QString kLessonWhere = QStringLiteral(
    "YAEYAK_DATE = :YAEYAK_DATE AND LECTURE_ITEM_GUBUN = :LECTURE_ITEM_GUBUN "
    "AND LECTURE_REC_GUBUN = :LECTURE_REC_GUBUN AND LECTURE_DETAIL_GUBUN = :LECTURE_DETAIL_GUBUN");

// The lesson's standard row, locked until the caller's transaction ends, so that every change of its
// capacity and every reservation of the lesson decide one after the other. The capacity as text, empty
// without a standard. (SQLite: the transaction holds the database's write lock since it began.)
QString lockStandard(ProcedureCall &call, const QHash<QString, QVariant> &keys)
{
    const QString select = "SELECT YAEYAK_ABILITY_CNT FROM EC040MS WHERE " + kLessonWhere;
    const QList<QStringList> rows =
        call.rows(call.database()->backend() == Backend::PostgreSQL ? select + " FOR UPDATE" : select, keys);
    return rows.isEmpty() ? QString() : rows.first().value(0);
}

int bookedCount(ProcedureCall &call, const QHash<QString, QVariant> &keys)
{
    return call.scalar("SELECT NVL(SUM(YAEYAK_CNT), 0) FROM EC050MS WHERE " + kLessonWhere, keys).toInt();
}

// A whole number of at most four digits, or -1.
int countOf(const QString &text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok && n >= 0 && n <= 9999 ? n : -1;
}

// PR_ECI040_01: the reservation standard of a day and lesson by AEDITSTATUS. Capacity may not go
// below what is already booked, and a standard with reservations is not deleted.
void saveStandard(ProcedureCall &call)
{
    const QString status = call.param("AEDITSTATUS");
    QHash<QString, QVariant> b = lessonKeys(call);
    for (const char *key : {"YAEYAK_DATE", "LECTURE_ITEM_GUBUN", "LECTURE_REC_GUBUN", "LECTURE_DETAIL_GUBUN"})
        if (b.value(key).toString().isEmpty())
            call.fail(QStringLiteral("기준일자와 강습종목, 강습접수, 강습세부구분을 먼저 입력하십시오."));
    const int capacity = countOf(call.param("AYAEYAK_ABILITY_CNT"));
    b.insert("YAEYAK_ABILITY_CNT", capacity);
    b.insert("REMARK", call.value("AREMARK"));
    b.insert(call.audit());

    if (status == QLatin1String("2")) {
        if (capacity < 0)
            call.fail(QStringLiteral("*예약가능인원을(를) 정확히 입력하십시오."));
        if (!lockStandard(call, b).isEmpty())
            call.fail(QStringLiteral("기존 등록된 자료와 중복됩니다. 다시 입력하십시오."));
        call.exec("INSERT INTO EC040MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, "
                  "YAEYAK_ABILITY_CNT, REMARK, U_EMP_NO, U_IP, U_DATE) VALUES (:YAEYAK_DATE, :LECTURE_ITEM_GUBUN, "
                  ":LECTURE_REC_GUBUN, :LECTURE_DETAIL_GUBUN, :YAEYAK_ABILITY_CNT, :REMARK, :U_EMP_NO, :U_IP, :U_DATE)",
                  b);
    } else if (status == QLatin1String("1")) {
        if (capacity < 0)
            call.fail(QStringLiteral("*예약가능인원을(를) 정확히 입력하십시오."));
        const QString stored = lockStandard(call, b);
        if (stored.isEmpty())
            call.fail(QStringLiteral("예약 기준정보가 존재하지 않습니다. 다시 조회하십시오."));
        // a capacity already below the bookings (stored so before) may keep its value
        const int booked = bookedCount(call, b);
        if (capacity < booked && capacity < stored.toInt())
            call.fail(QStringLiteral("이미 예약된 인원[%1 명]보다 적게 예약가능인원을 줄일 수 없습니다.").arg(booked));
        call.claimRowVersion("EC040MS", kLessonWhere, b);
        call.exec("UPDATE EC040MS SET YAEYAK_ABILITY_CNT = :YAEYAK_ABILITY_CNT, REMARK = :REMARK, U_EMP_NO = :U_EMP_NO, "
                  "U_IP = :U_IP, U_DATE = :U_DATE WHERE " + kLessonWhere, b);
    } else if (status == QLatin1String("3")) {
        if (lockStandard(call, b).isEmpty())
            return;   // already gone
        const int booked = bookedCount(call, b);
        if (booked > 0)
            call.fail(QStringLiteral("예약된 인원[%1 명]이 있는 강습은 삭제할 수 없습니다. 예약을 먼저 취소하십시오.").arg(booked));
        call.claimRowVersion("EC040MS", kLessonWhere, b);
        call.exec("DELETE FROM EC040MS WHERE " + kLessonWhere, b);
    } else {
        call.fail(kWrongStatus);
    }
}

// PR_ECI050_01 with "1": reserves places in a lesson of a day after today (the database's today),
// checking under the lock of the lesson's standard that the staff member holds no reservation of it
// yet and that the places are free.
void reserve(ProcedureCall &call, QHash<QString, QVariant> b)
{
    const QString empNo = call.param("AEMP_NO").trimmed();
    if (empNo.isEmpty())
        call.fail(QStringLiteral("사번을(를) 먼저 입력하십시오."));
    const int requested = countOf(call.param("AYAEYAK_CNT"));
    if (requested <= 0)
        call.fail(QStringLiteral("강습인원을(를) 먼저 입력하십시오."));
    // The lesson's standard locked and the database's today read in one statement (today alone when
    // the day has no standard, to say which refusal it is).
    const QString select = "SELECT YAEYAK_ABILITY_CNT, TO_CHAR(SYSDATE(), 'YYYYMMDD') FROM EC040MS WHERE " + kLessonWhere;
    const QList<QStringList> standard =
        call.rows(call.database()->backend() == Backend::PostgreSQL ? select + " FOR UPDATE" : select, b);
    const QString today =
        standard.isEmpty() ? call.scalar("SELECT TO_CHAR(SYSDATE(), 'YYYYMMDD')") : standard.first().value(1);
    if (b.value("YAEYAK_DATE").toString() <= today)
        call.fail(QStringLiteral("지난일자[오늘일자 포함]는 예약할 수 없습니다"));
    const QString capacityText = standard.isEmpty() ? QString() : standard.first().value(0);
    if (capacityText.isEmpty())
        call.fail(QStringLiteral("선택하신 일자는 예약할 수 없습니다"));
    b.insert("EMP_NO", empNo);
    b.insert("EMP_NAME", call.value("AEMP_NAME"));
    b.insert("YAEYAK_CNT", requested);
    b.insert("CAPACITY", capacityText.toInt());
    b.insert("REMARK", call.value("AREMARK"));
    b.insert(call.audit());
    // Under the standard's lock the place is taken by one statement when the staff member holds none of
    // the lesson yet and the places are free; only a refusal asks which of the two it was.
    call.exec("INSERT INTO EC050MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, EMP_NO, "
              "EMP_NAME, YAEYAK_CNT, REMARK, U_EMP_NO, U_IP, U_DATE) SELECT :YAEYAK_DATE, :LECTURE_ITEM_GUBUN, "
              ":LECTURE_REC_GUBUN, :LECTURE_DETAIL_GUBUN, :EMP_NO, :EMP_NAME, :YAEYAK_CNT, :REMARK, :U_EMP_NO, :U_IP, "
              ":U_DATE WHERE NOT EXISTS (SELECT 1 FROM EC050MS WHERE " + kLessonWhere + " AND TRIM(EMP_NO) = :EMP_NO) "
              "AND (SELECT NVL(SUM(YAEYAK_CNT), 0) FROM EC050MS WHERE " + kLessonWhere + ") + :YAEYAK_CNT <= :CAPACITY",
              b);
    if (call.rowsAffected() == 1)
        return;
    if (call.scalar("SELECT COUNT(*) FROM EC050MS WHERE " + kLessonWhere + " AND TRIM(EMP_NO) = :EMP_NO", b).toInt() > 0)
        call.fail(QStringLiteral("선택한신 강습은 이미 예약이 되었습니다"));
    const int available = capacityText.toInt() - bookedCount(call, b);
    call.fail(QStringLiteral("예약가능 인원을 초과했습니다. 현재 가능한 강습인원은 [%1 명]입니다").arg(available));
}

// PR_ECI050_01 with "2": removes the staff member's reservation of the lesson and day and keeps it,
// with who cancelled it, when and why, in EC050HT. A reservation that is not there is an error.
void cancel(ProcedureCall &call, QHash<QString, QVariant> b)
{
    b.insert("EMP_NO", call.param("AEMP_NO").trimmed());
    lockStandard(call, b);
    const QList<QStringList> rows =
        call.rows("SELECT EMP_NO FROM EC050MS WHERE " + kLessonWhere + " AND TRIM(EMP_NO) = :EMP_NO", b);
    if (b.value("EMP_NO").toString().isEmpty() || rows.isEmpty())
        call.fail(QStringLiteral("취소할 예약이 없습니다. 이미 취소되었는지 확인하십시오."));
    const QHash<QString, QVariant> audit = call.audit();
    for (const QStringList &row : rows) {
        QHash<QString, QVariant> r = b;
        r.insert("STORED_EMP_NO", row.value(0));
        r.insert("CANCEL_REMARK", call.value("ACANCEL_REMARK"));
        r.insert("CANCEL_EMP_NO", audit.value("U_EMP_NO"));
        r.insert("CANCEL_IP", audit.value("U_IP"));
        r.insert("CANCEL_DATE", audit.value("U_DATE"));
        call.exec("INSERT INTO EC050HT (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, "
                  "EMP_NO, CANCEL_SEQ, EMP_NAME, YAEYAK_CNT, REMARK, RESERVED_EMP_NO, RESERVED_DATE, CANCEL_REMARK, "
                  "CANCEL_EMP_NO, CANCEL_IP, CANCEL_DATE) "
                  "SELECT YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, TRIM(EMP_NO), "
                  "(SELECT NVL(MAX(H.CANCEL_SEQ), 0) + 1 FROM EC050HT H WHERE H.YAEYAK_DATE = :YAEYAK_DATE "
                  "AND H.LECTURE_ITEM_GUBUN = :LECTURE_ITEM_GUBUN AND H.LECTURE_REC_GUBUN = :LECTURE_REC_GUBUN "
                  "AND H.LECTURE_DETAIL_GUBUN = :LECTURE_DETAIL_GUBUN AND H.EMP_NO = :EMP_NO), "
                  "EMP_NAME, YAEYAK_CNT, REMARK, U_EMP_NO, U_DATE, :CANCEL_REMARK, :CANCEL_EMP_NO, :CANCEL_IP, "
                  ":CANCEL_DATE FROM EC050MS WHERE " + kLessonWhere + " AND EMP_NO = :STORED_EMP_NO",
                  r);
        call.exec("DELETE FROM EC050MS WHERE " + kLessonWhere + " AND EMP_NO = :STORED_EMP_NO", r);
    }
}

void saveReservation(ProcedureCall &call)
{
    const QString status = call.param("AEDITSTATUS");
    if (status == QLatin1String("1"))
        reserve(call, lessonKeys(call));
    else if (status == QLatin1String("2"))
        cancel(call, lessonKeys(call));
    else
        call.fail(kWrongStatus);
}

// ---- registers of numbered records ---------------------------------------------------------

// A record numbered within its key (a season, a receipt, a day): a new one takes the next number of
// its counter, which only goes up and holds other desks back until this save ends; a changed or
// deleted one names its number. A personal number sent back in its masked display form keeps the
// stored one (saveByEditStatus).
void saveNumbered(ProcedureCall &call, const QString &table, const QString &counter, const QString &counterColumn,
                  const QStringList &keyColumns, const QString &numberColumn, const QStringList &columns)
{
    const QString status = call.param("AEDITSTATUS");
    if (status != QLatin1String("1") && status != QLatin1String("2") && status != QLatin1String("3"))
        call.fail(kWrongStatus);
    QHash<QString, QVariant> key;
    for (const QString &k : keyColumns) {
        if (call.param(QLatin1Char('A') + k).trimmed().isEmpty())
            call.fail(QStringLiteral("조회조건[%1]이 없습니다. 다시 조회하십시오.").arg(k));
        key.insert(k, call.value(QLatin1Char('A') + k));
    }
    const QString numberParam = QLatin1Char('A') + numberColumn;
    if (status == QLatin1String("2")) {
        call.setOut(numberParam, QString::number(call.takeNumber(counter, counterColumn, key, table, numberColumn)));
    } else {
        bool ok = false;
        const qlonglong number = call.param(numberParam).trimmed().toLongLong(&ok);
        if (!ok)
            call.fail(QStringLiteral("자료의 번호가 없습니다. 다시 조회하십시오."));
        call.setOut(numberParam, QString::number(number));
    }
    call.saveByEditStatus(table, keyColumns + QStringList{numberColumn}, columns);
    if (status == QLatin1String("1") && call.rowsAffected() == 0)
        call.fail(QStringLiteral("수정할 자료가 없습니다. 다시 조회하십시오."));
}

void requireText(ProcedureCall &call, const char *param, const QString &caption)
{
    if (call.param(param).trimmed().isEmpty() && call.param("AEDITSTATUS") != QLatin1String("3"))
        call.fail(caption + QStringLiteral("을(를) 먼저 입력하십시오."));
}

const QStringList kClubColumns = {
    "MEMBER_NO", "TRAINER_NAME", "ENTER_DATE", "SEX", "AGE", "ID_NO", "ZIP_CODE", "ADDR1", "ADDR2", "JOB", "TEL_NO",
    "MOBILE_NO", "EMAIL", "PLAYER_EXP", "LECTURE_ITEM_GUBUN", "LECTURE_REC_GUBUN", "WANT_SKILL_GUBUN", "USE_SKI_PLACE",
    "TRAINER_ABILITY", "ENTER_MOTIVE", "LECTURER_EMP_NO", "LECTURER_NAME", "SPE_REMARK", "REMARK"};

// PR_ECI010_01: one ski club member of a season; a new one is given the next enrolment number.
void saveClubMember(ProcedureCall &call)
{
    requireText(call, "ATRAINER_NAME", QStringLiteral("*수강자명"));
    if (call.param("AEDITSTATUS") != QLatin1String("3") && !IsValidDate8(call.param("AENTER_DATE")))
        call.fail(QStringLiteral("*등록일자을(를) 정확히 입력하십시오."));
    saveNumbered(call, "EC010MS", "EC010NO", "LAST_LECTURE_NO", {"SEASON_GUBUN"}, "LECTURE_NO", kClubColumns);
}

const QStringList kTraineeColumns = {
    "MEMBER_NO", "TRAINER_NAME", "SEX", "AGE", "ID_NO", "ZIP_CODE", "ADDR1", "ADDR2", "TEL_NO", "MOBILE_NO",
    "LECTURE_ITEM_GUBUN", "LECTURE_REC_GUBUN", "LECTURE_DETAIL_GUBUN", "TRAIN_TEST", "LECTURER_VIEW",
    "NEXT_TRAIN_CONTENT", "LECTURER_EMP_NO", "LECTURER_NAME", "SPE_REMARK", "REMARK"};

// PR_ECI020_01: one trainee of a ski school receipt, which must exist; a new one is given the next
// person number within the receipt.
void saveTrainee(ProcedureCall &call)
{
    requireText(call, "ATRAINER_NAME", QStringLiteral("*수강자명"));
    const QHash<QString, QVariant> receipt{{"SEASON_GUBUN", call.value("ASEASON_GUBUN")},
                                           {"RECEIPT_NO", call.value("ARECEIPT_NO")}};
    if (call.scalar("SELECT COUNT(*) FROM EC020MS WHERE SEASON_GUBUN = :SEASON_GUBUN AND RECEIPT_NO = :RECEIPT_NO",
                    receipt).toInt() == 0)
        call.fail(QStringLiteral("*접수번호을(를) 정확히 입력하십시오."));
    saveNumbered(call, "EC020DT", "EC020NO", "LAST_RECEIPT_SEQ", {"SEASON_GUBUN", "RECEIPT_NO"}, "RECEIPT_SEQ",
                 kTraineeColumns);
}

// PR_ECI030_01: one instructor assigned on a day to a lesson area and detail.
void saveAssignment(ProcedureCall &call)
{
    requireText(call, "ALECTURE_DATE", QStringLiteral("*배정일자"));
    requireText(call, "ALECTURER_EMP_NO", QStringLiteral("*강사사번"));
    requireText(call, "AAREA_GUBUN", QStringLiteral("*강습지역구분"));
    requireText(call, "ALECTURE_DETAIL_GUBUN", QStringLiteral("*강습세부구분"));
    if (call.param("AEDITSTATUS") == QLatin1String("2")
        && call.scalar("SELECT COUNT(*) FROM EC030MS WHERE LECTURE_DATE = :D AND LECTURER_EMP_NO = :E "
                       "AND AREA_GUBUN = :A AND LECTURE_DETAIL_GUBUN = :L",
                       {{"D", call.value("ALECTURE_DATE")}, {"E", call.value("ALECTURER_EMP_NO")},
                        {"A", call.value("AAREA_GUBUN")}, {"L", call.value("ALECTURE_DETAIL_GUBUN")}}).toInt() > 0)
        call.fail(QStringLiteral("기존 등록된 자료와 중복됩니다. 다시 입력하십시오."));
    call.saveByEditStatus("EC030MS", {"LECTURE_DATE", "LECTURER_EMP_NO", "AREA_GUBUN", "LECTURE_DETAIL_GUBUN"},
                          {"LECTURER_NAME", "TEAM", "LECTURER_GUBUN", "LECTURE_ITEM_GUBUN", "LECTURE_REC_GUBUN",
                           "LECTURE_CNT", "REMARK"});
}

// PR_ECI060_01: one private lesson of a day; a new one is given the next number of the day.
void savePrivateLesson(ProcedureCall &call)
{
    requireText(call, "ALECTURER_NAME", QStringLiteral("*강사명"));
    saveNumbered(call, "EC060MS", "EC060NO", "LAST_SEQ_NO", {"LECTURE_DATE"}, "SEQ_NO",
                 {"LECTURER_NAME", "TEL_NO", "ISSUE_NO", "LECTURE_ITEM_GUBUN", "LECTURE_REC_GUBUN",
                  "LECTURE_DETAIL_GUBUN", "LECTURE_AMT", "REMARK"});
}

// PR_ECI070_01: one lesson accident of a day; a new one is given the next number of the day. The
// time travels as four digits hhmm.
void saveLessonAccident(ProcedureCall &call)
{
    requireText(call, "ATROB_NAME", QStringLiteral("*사고명"));
    requireText(call, "ALECTURER_EMP_NO", QStringLiteral("*담당강사사번"));
    if (call.param("AEDITSTATUS") != QLatin1String("3")) {
        const QString time = call.param("ATROB_TIME").remove(QLatin1Char(':'));
        const int hh = time.left(2).toInt(), mm = time.mid(2).toInt();
        if (time.size() != 4 || !std::all_of(time.begin(), time.end(), [](QChar c) { return c.isDigit(); })
            || hh > 23 || mm > 59)
            call.fail(QStringLiteral("*사고시간을(를) 정확히 입력하십시오."));
        call.setOut("ATROB_TIME", time);
    }
    saveNumbered(call, "EC070MS", "EC070NO", "LAST_SEQ_NO", {"TROB_DATE"}, "SEQ_NO",
                 {"TROB_NAME", "LECTURER_EMP_NO", "LECTURER_NAME", "TROB_TIME", "TROB_PLACE", "LOSS_NAME",
                  "LOSS_JOB", "LOSS_TEL_NO", "LOSS_ID_NO", "LOSS_ZIP_CODE", "LOSS_ADDR1", "LOSS_ADDR2",
                  "OFFENSE_NAME", "OFFENSE_JOB", "OFFENSE_TEL_NO", "OFFENSE_ID_NO", "OFFENSE_ZIP_CODE",
                  "OFFENSE_ADDR1", "OFFENSE_ADDR2", "TROB_REMARK", "TROB_INJURY", "TROB_AFTER", "TROB_WITNESSES"});
}

// The 24 counts of a partner-group lesson day: pupils, then instructors, each by discipline and time.
const QStringList &partnerCounts()
{
    static const QStringList counts = [] {
        QStringList out;
        for (const char *who : {"TRAINER_CNT_", "LECTURER_CNT_"})
            for (const char *what : {"SKI", "BOARD", "BABY"})
                for (const char *when : {"AM", "PM", "NT", "DN"})
                    out << QString::fromLatin1(who) + what + '_' + when;
        return out;
    }();
    return counts;
}

// PR_ECI080_01: the counts of one partner group on one lesson day.
void savePartnerLesson(ProcedureCall &call)
{
    requireText(call, "AEVENT_NO", QStringLiteral("*제휴단체번호"));
    const QString status = call.param("AEDITSTATUS");
    if (status != QLatin1String("3") && !IsValidDate8(call.param("ALECTURE_DATE")))
        call.fail(QStringLiteral("*강습일자을(를) 정확히 입력하십시오."));
    for (const QString &c : partnerCounts()) {
        const QString n = call.param(QLatin1Char('A') + c).trimmed();
        bool ok = n.isEmpty();
        const int value = ok ? 0 : n.toInt(&ok);
        if (!ok || value < 0 || value > 99999)
            call.fail(QStringLiteral("인원은 0에서 99999명까지 입력하십시오."));
        call.setOut(QLatin1Char('A') + c, value);   // a count left empty is none
    }
    if (status == QLatin1String("2")
        && call.scalar("SELECT COUNT(*) FROM EC080MS WHERE EVENT_NO = :E AND LECTURE_DATE = :D",
                       {{"E", call.value("AEVENT_NO")}, {"D", call.value("ALECTURE_DATE")}}).toInt() > 0)
        call.fail(QStringLiteral("기존 등록된 자료와 중복됩니다. 다시 입력하십시오."));
    call.saveByEditStatus("EC080MS", {"EVENT_NO", "LECTURE_DATE"}, partnerCounts());
}

} // namespace

void registerSchoolProcedures(ProcedureCatalog &catalog)
{
    catalog.add({"PR_ECI040_01",
                 {in("AYAEYAK_DATE"), in("ALECTURE_ITEM_GUBUN"), in("ALECTURE_REC_GUBUN"), in("ALECTURE_DETAIL_GUBUN"),
                  in("AYAEYAK_ABILITY_CNT"), in("AREMARK"), in("AU_EMP_NO"), in("AU_IP"), in("AEDITSTATUS")},
                 saveStandard});
    catalog.add({"PR_ECI050_01",
                 {in("AYAEYAK_DATE"), in("ALECTURE_ITEM_GUBUN"), in("ALECTURE_REC_GUBUN"), in("ALECTURE_DETAIL_GUBUN"),
                  in("AEMP_NO"), in("AEMP_NAME"), in("AYAEYAK_CNT"), in("AREMARK"), in("ACANCEL_REMARK"),
                  in("AU_EMP_NO"), in("AU_IP"), in("AEDITSTATUS")},
                 saveReservation});
    auto params = [](const QStringList &names) {
        QList<Parameter> out;
        for (const QString &n : names)
            out << in(n);
        return out << in("AU_EMP_NO") << in("AU_IP") << in("AEDITSTATUS");
    };
    catalog.add({"PR_ECI010_01",
                 params({"ASEASON_GUBUN", "ALECTURE_NO", "AMEMBER_NO", "ATRAINER_NAME", "AENTER_DATE", "ASEX", "AAGE",
                         "AID_NO", "AZIP_CODE", "AADDR1", "AADDR2", "AJOB", "ATEL_NO", "AMOBILE_NO", "AEMAIL",
                         "APLAYER_EXP", "ALECTURE_ITEM_GUBUN", "ALECTURE_REC_GUBUN", "AWANT_SKILL_GUBUN",
                         "AUSE_SKI_PLACE", "ATRAINER_ABILITY", "AENTER_MOTIVE", "ALECTURER_EMP_NO", "ALECTURER_NAME",
                         "ASPE_REMARK", "AREMARK"}),
                 saveClubMember});
    catalog.add({"PR_ECI020_01",
                 params({"ASEASON_GUBUN", "ARECEIPT_NO", "ARECEIPT_SEQ", "AMEMBER_NO", "ATRAINER_NAME", "ASEX", "AAGE",
                         "AID_NO", "AZIP_CODE", "AADDR1", "AADDR2", "ATEL_NO", "AMOBILE_NO", "ALECTURE_ITEM_GUBUN",
                         "ALECTURE_REC_GUBUN", "ALECTURE_DETAIL_GUBUN", "ATRAIN_TEST", "ALECTURER_VIEW",
                         "ANEXT_TRAIN_CONTENT", "ALECTURER_EMP_NO", "ALECTURER_NAME", "ASPE_REMARK", "AREMARK"}),
                 saveTrainee});
    catalog.add({"PR_ECI030_01",
                 params({"ALECTURE_DATE", "ALECTURER_EMP_NO", "ALECTURER_NAME", "AAREA_GUBUN", "ALECTURE_DETAIL_GUBUN",
                         "ATEAM", "ALECTURER_GUBUN", "ALECTURE_ITEM_GUBUN", "ALECTURE_REC_GUBUN", "ALECTURE_CNT",
                         "AREMARK"}),
                 saveAssignment});
    catalog.add({"PR_ECI060_01",
                 params({"ALECTURE_DATE", "ASEQ_NO", "ALECTURER_NAME", "ATEL_NO", "AISSUE_NO", "ALECTURE_ITEM_GUBUN",
                         "ALECTURE_REC_GUBUN", "ALECTURE_DETAIL_GUBUN", "ALECTURE_AMT", "AREMARK"}),
                 savePrivateLesson});
    catalog.add({"PR_ECI070_01",
                 params({"ATROB_DATE", "ASEQ_NO", "ATROB_NAME", "ALECTURER_EMP_NO", "ALECTURER_NAME", "ATROB_TIME",
                         "ATROB_PLACE", "ALOSS_NAME", "ALOSS_JOB", "ALOSS_TEL_NO", "ALOSS_ID_NO", "ALOSS_ZIP_CODE",
                         "ALOSS_ADDR1", "ALOSS_ADDR2", "AOFFENSE_NAME", "AOFFENSE_JOB", "AOFFENSE_TEL_NO",
                         "AOFFENSE_ID_NO", "AOFFENSE_ZIP_CODE", "AOFFENSE_ADDR1", "AOFFENSE_ADDR2", "ATROB_REMARK",
                         "ATROB_INJURY", "ATROB_AFTER", "ATROB_WITNESSES"}),
                 saveLessonAccident});
    QStringList partner{"AEVENT_NO", "ALECTURE_DATE"};
    for (const QString &c : partnerCounts())
        partner << QLatin1Char('A') + c;
    catalog.add({"PR_ECI080_01", params(partner), savePartnerLesson});
}

} // namespace db
