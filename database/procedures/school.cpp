// Procedures of the ski school: the staff reservation standard and the staff reservations.
#include "../procedure.h"

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
        call.exec("UPDATE EC040MS SET YAEYAK_ABILITY_CNT = :YAEYAK_ABILITY_CNT, REMARK = :REMARK, U_EMP_NO = :U_EMP_NO, "
                  "U_IP = :U_IP, U_DATE = :U_DATE WHERE " + kLessonWhere, b);
    } else if (status == QLatin1String("3")) {
        if (lockStandard(call, b).isEmpty())
            return;   // already gone
        const int booked = bookedCount(call, b);
        if (booked > 0)
            call.fail(QStringLiteral("예약된 인원[%1 명]이 있는 강습은 삭제할 수 없습니다. 예약을 먼저 취소하십시오.").arg(booked));
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
    const QString today = call.scalar("SELECT TO_CHAR(SYSDATE(), 'YYYYMMDD')");
    if (b.value("YAEYAK_DATE").toString() <= today)
        call.fail(QStringLiteral("지난일자[오늘일자 포함]는 예약할 수 없습니다"));
    const QString capacityText = lockStandard(call, b);
    if (capacityText.isEmpty())
        call.fail(QStringLiteral("선택하신 일자는 예약할 수 없습니다"));
    b.insert("EMP_NO", empNo);
    if (call.scalar("SELECT COUNT(*) FROM EC050MS WHERE " + kLessonWhere + " AND TRIM(EMP_NO) = :EMP_NO", b).toInt() > 0)
        call.fail(QStringLiteral("선택한신 강습은 이미 예약이 되었습니다"));
    const int available = capacityText.toInt() - bookedCount(call, b);
    if (available - requested < 0)
        call.fail(QStringLiteral("예약가능 인원을 초과했습니다. 현재 가능한 강습인원은 [%1 명]입니다").arg(available));
    b.insert("EMP_NAME", call.value("AEMP_NAME"));
    b.insert("YAEYAK_CNT", requested);
    b.insert("REMARK", call.value("AREMARK"));
    b.insert(call.audit());
    call.exec("INSERT INTO EC050MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, EMP_NO, "
              "EMP_NAME, YAEYAK_CNT, REMARK, U_EMP_NO, U_IP, U_DATE) VALUES (:YAEYAK_DATE, :LECTURE_ITEM_GUBUN, "
              ":LECTURE_REC_GUBUN, :LECTURE_DETAIL_GUBUN, :EMP_NO, :EMP_NAME, :YAEYAK_CNT, :REMARK, :U_EMP_NO, :U_IP, "
              ":U_DATE)",
              b);
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
}

} // namespace db
