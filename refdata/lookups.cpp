#include "refdata/lookups.h"
#include "database/datamodule.h"
#include "database/database.h"
#include "database/query.h"
#include <QStringList>
#include <initializer_list>
#include <utility>

namespace refdata {
namespace {

// One lookup statement: reconnects when needed, binds, opens (an open error goes to the caller after
// the statement is closed) and closes again however the reading ends.
class Lookup {
public:
    // The lines of the statement, and a last line built at run time.
    explicit Lookup(std::initializer_list<const char *> lines, const QString &last = QString()) : m_query(connection())
    {
        QStringList text;
        for (const char *line : lines)
            text << QString::fromUtf8(line);
        if (!last.isEmpty())
            text << last;
        m_query.setSql(text.join(QLatin1Char('\n')));
    }
    ~Lookup() { m_query.close(); }

    Lookup &bind(const char *name, const QString &value)
    {
        m_query.bind(QString::fromLatin1(name), value);
        return *this;
    }

    // True when a first row was read.
    bool first()
    {
        if (!m_query.open()) {
            const QString error = m_query.lastError();
            m_query.close();
            throw db::DatabaseError(error);
        }
        if (m_query.next())
            return true;
        if (m_query.failed())   // the row could not be read: no answer, not "none found"
            throw db::DatabaseError(m_query.lastError());
        return false;
    }
    QString value(int index) const { return m_query.value(index); }
    int fieldCount() const { return m_query.fieldCount(); }

private:
    static db::Database *connection()
    {
        if (!DM()->isConnected())
            DM()->Connect();
        return DM()->dbsDB;
    }
    db::Query m_query;
};

// A count column: 0 for no row, -1 for a value that is not a number.
int countValue(Lookup &lookup)
{
    if (!lookup.first())
        return 0;
    const QString text = lookup.value(0).trimmed();
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const double number = text.toDouble(&ok);
    return ok ? int(number) : -1;
}

QString firstText(Lookup &lookup)
{
    return lookup.first() && lookup.fieldCount() > 0 ? lookup.value(0) : QString();
}

} // namespace

bool IsRunDateUnregistered(const QString &RunDate)
{
    Lookup q({"SELECT COUNT(*) AS FAC_COUNT",
              "  FROM EB010MS",
              " WHERE RUN_DATE = :RUN_DATE"});
    q.bind("RUN_DATE", RunDate);
    if (!q.first())
        return true;
    bool ok = false;
    const int count = q.value(0).toInt(&ok);
    return ok && count < 1;
}

QString GetMemberName(const QString &MemberNo)
{
    Lookup q({"SELECT MEMBER_NAME",
              "  FROM BB010VE",
              " WHERE MEMBER_NO = :MEMBER_NO",
              "   AND CANCEL_DATE IS NULL"});
    q.bind("MEMBER_NO", MemberNo);
    return firstText(q);
}

QString GetEventName(const QString &EventNo)
{
    Lookup q({"SELECT /*+ RULE */",
              "       MEMBER_NAME AS EVENT_NAME",
              "  FROM BB010MS",
              " WHERE MEMBER_NO > ' '",
              "   AND MEMBER_GROUP_CODE = :MEMBER_GROUP_CODE",
              "   AND MEMBER_NO = :EVENT_NO",
              "   AND CANCEL_DATE IS NULL"});
    q.bind("MEMBER_GROUP_CODE", QStringLiteral("44")).bind("EVENT_NO", EventNo);
    return firstText(q);
}

QString GetStaffName(const QString &MemberNo)
{
    Lookup q({"SELECT MEMBER_NAME AS EMP_NAME",
              "  FROM BB010VE",
              " WHERE MEMBER_NO = :MEMBER_NO",
              "   AND SUBSTR(MEMBER_GROUP_CODE,1,2) = :GC_SAWON_CODE"});
    q.bind("MEMBER_NO", MemberNo).bind("GC_SAWON_CODE", QStringLiteral("10"));
    return firstText(q);
}

void GetEmpInfo(const QString &EmpNo, QString &EmpName, QString &WorkGrpCode, QString &WorkGrpName,
                QString &DutyCode, QString &DutyName)
{
    // A contract counts up to and including its last day.
    Lookup q({"SELECT EMP_K_NAME,",
              "       EMP_WORK_GRP_CODE,",
              "       (SELECT CODE_NAME FROM ZX900DT",
              "         WHERE GRP_NO = :GC_EMP_WORK_GRP_CODE AND CODE_NO = A.EMP_WORK_GRP_CODE) AS EMP_WORK_GRP_NAME,",
              "       EMP_WORK_GRP_DUTY_CODE,",
              "       (SELECT CODE_NAME FROM ZX900DT",
              "         WHERE GRP_NO = :GC_EMP_WORK_GRP_DUTY_CODE AND CODE_NO = A.EMP_WORK_GRP_DUTY_CODE) AS EMP_WORK_GRP_DUTY_NAME",
              "  FROM QA010MS A",
              " WHERE EMP_WORK_CODE = '81'",
              "   AND EMP_STAY_CODE =  '01'",
              "   AND EMP_NO = :EMP_NO",
              "UNION",
              "SELECT LAB_K_NAME,",
              "       LAB_WORK_GRP,",
              "       (SELECT CODE_NAME FROM ZX900DT",
              "         WHERE GRP_NO = :GC_EMP_WORK_GRP_CODE AND CODE_NO = A.LAB_WORK_GRP) AS LAB_WORK_GRP_NAME,",
              "       LAB_WORK_DUTY,",
              "       (SELECT CODE_NAME FROM ZX900DT",
              "         WHERE GRP_NO = :GC_EMP_WORK_GRP_DUTY_CODE AND CODE_NO = A.LAB_WORK_DUTY) AS LAB_WORK_DUTY_NAME",
              "  FROM QG010MS A",
              " WHERE NVL(LAB_END_DATE, TO_CHAR(SYSDATE(), 'YYYYMMDD')) >= TO_CHAR(SYSDATE(), 'YYYYMMDD')",
              "   AND LAB_NO = :EMP_NO"});
    q.bind("GC_EMP_WORK_GRP_CODE", QStringLiteral("Q043"))
        .bind("GC_EMP_WORK_GRP_DUTY_CODE", QStringLiteral("Q044"))
        .bind("EMP_NO", EmpNo);
    if (!q.first() || q.fieldCount() < 5) {
        EmpName.clear(); WorkGrpCode.clear(); WorkGrpName.clear(); DutyCode.clear(); DutyName.clear();
        return;
    }
    EmpName = q.value(0);
    WorkGrpCode = q.value(1);
    WorkGrpName = q.value(2);
    DutyCode = q.value(3);
    DutyName = q.value(4);
}

void GetReceiptInfo(const QString &SeasonGubun, const QString &ReceiptNo, QString &EnterDate,
                    QString &ReceiptName)
{
    Lookup q({"SELECT ENTER_DATE, RECEIPT_NAME",
              "  FROM EC020MS",
              " WHERE SEASON_GUBUN = :SEASON_GUBUN",
              "   AND RECEIPT_NO = :RECEIPT_NO"});
    q.bind("SEASON_GUBUN", SeasonGubun).bind("RECEIPT_NO", ReceiptNo);
    if (!q.first()) {
        EnterDate.clear();
        ReceiptName.clear();
        return;
    }
    EnterDate = q.value(0);
    ReceiptName = q.value(1);
}

bool IsReceiptRegistered(const QString &SeasonGubun, const QString &ReceiptNo)
{
    Lookup q({"SELECT COUNT(*)",
              "  FROM EC020MS",
              " WHERE SEASON_GUBUN = :SEASON_GUBUN",
              "   AND RECEIPT_NO = :RECEIPT_NO"});
    q.bind("SEASON_GUBUN", SeasonGubun).bind("RECEIPT_NO", ReceiptNo);
    return q.first() && q.value(0).toInt() > 0;
}

void GetApplicantInfo(const QString &SeasonGubun, const QString &RecvNo, QString &RecvNo6,
                      QString &EntryNameKor, QString &ApplyDate, QString &IdNo, QString &ApplyClassName)
{
    EntryNameKor.clear(); ApplyDate.clear(); IdNo.clear(); ApplyClassName.clear();
    // A receipt number that is not a number can match no applicant; it must not break the statement.
    bool numeric = false;
    RecvNo.trimmed().toLongLong(&numeric);
    if (!numeric) {
        RecvNo6.clear();
        return;
    }
    Lookup q({"SELECT TO_CHAR(RECV_NO, 'FM000000') AS RECV_NO,",
              "       ENTRY_NAME_KOR,",
              "       APPLY_DATE,",
              "       ID_NO,",
              "       (SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = :GC_APPLY_CLASS_CODE AND DETAIL = APPLY_CLASS) AS APPLY_CLASS",
              "  FROM ED020MS",
              " WHERE SEASON_GUBUN = :SEASON_GUBUN",
              "   AND RECV_NO = :RECV_NO"});
    q.bind("GC_APPLY_CLASS_CODE", QStringLiteral("E0026"))
        .bind("SEASON_GUBUN", SeasonGubun)
        .bind("RECV_NO", RecvNo.trimmed());
    if (!q.first()) {
        RecvNo6.clear();
        return;
    }
    RecvNo6 = q.value(0);
    EntryNameKor = q.value(1);
    ApplyDate = q.value(2);
    IdNo = q.value(3);
    ApplyClassName = q.value(4);
}

QString GetZipAddress(const QString &ZipCode)
{
    Lookup q({"SELECT CONCAT(ADDRESS1, ' ') ||",
              "       CONCAT(ADDRESS2, ' ') ||",
              "       CONCAT(ADDRESS3, ' ') AS ADDRESS",
              "  FROM ZX030MS",
              " WHERE ZIP_CODE = :ZIP_CODE",
              " ORDER BY SEQ_NO"});
    q.bind("ZIP_CODE", ZipCode);
    return firstText(q);
}

QString SizeGroupCodeGroup(const QString &AreaGubun, const QString &EquipGubun)
{
    if (EquipGubun == QLatin1String("NS") || EquipGubun == QLatin1String("CS")) {
        if (AreaGubun == QLatin1String("M"))
            return QStringLiteral("E0018");
        if (AreaGubun == QLatin1String("S"))
            return QStringLiteral("E0019");
        return QString();
    }
    if (EquipGubun == QLatin1String("SB"))
        return QStringLiteral("E0020");
    return QString();
}

bool HasSizeGroup(const QString &AreaGubun, const QString &EquipGubun, const QString &EquipSizeCode)
{
    const QString group = SizeGroupCodeGroup(AreaGubun, EquipGubun);
    if (group.isEmpty())
        return false;
    Lookup q({"SELECT T1.DETAIL",
              "  FROM ZX010MS T1,",
              "       (SELECT TO_NUMBER(DETAIL_NAME) AS EQUIP_SIZE",
              "          FROM ZX010MS",
              "         WHERE HEAD = :GC_SIZE_GUBUN",
              "           AND DETAIL = :EQUIP_SIZE_CODE) T2",
              " WHERE T1.HEAD = :GC_SIZEGROUP_GUBUN",
              "   AND NULLIF(TRIM(T1.DETAIL), '') IS NOT NULL",
              "   AND T2.EQUIP_SIZE BETWEEN TO_NUMBER(T1.ITEM1) AND TO_NUMBER(T1.ITEM2)"});
    q.bind("GC_SIZE_GUBUN", QStringLiteral("E0010"))
        .bind("EQUIP_SIZE_CODE", EquipSizeCode)
        .bind("GC_SIZEGROUP_GUBUN", group);
    return q.first();
}

bool IsEquipUnavailable(const QString &RentDate, const QString &AreaGubun, const QString &EquipGubun,
                        const QString &EquipNo)
{
    Lookup q({"SELECT EQUIP_NO",
              "  FROM EB020MS",
              " WHERE AREA_GUBUN = :AREA_GUBUN",
              "   AND EQUIP_GUBUN = :EQUIP_GUBUN",
              "   AND EQUIP_NO = :EQUIP_NO",
              "   AND EQUIP_RENT_YN    = 'Y'",
              "   AND SVRL_RENT_YN     = 'N'",
              "   AND EQUIP_NO NOT IN (SELECT EQUIP_NO FROM EB040DT",
              "                         WHERE RENT_DATE = :RENT_DATE",
              "                           AND AREA_GUBUN = :AREA_GUBUN",
              "                           AND EQUIP_GUBUN = :EQUIP_GUBUN",
              "                           AND RENT_STAT = :RENT_STAT",
              "                           AND EQUIP_NO = :EQUIP_NO)",
              "   AND EQUIP_NO NOT IN (SELECT EQUIP_NO FROM EB020TM H",
              "                         WHERE RENT_DATE = :RENT_DATE",
              "                           AND AREA_GUBUN = :AREA_GUBUN",
              "                           AND EQUIP_GUBUN = :EQUIP_GUBUN",
              "                           AND EQUIP_NO = :EQUIP_NO"},
             QStringLiteral("                           AND ") + db::Database::liveHold(QStringLiteral("H")) + ')');
    q.bind("AREA_GUBUN", AreaGubun).bind("EQUIP_GUBUN", EquipGubun).bind("EQUIP_NO", EquipNo)
        .bind("RENT_DATE", RentDate).bind("RENT_STAT", QStringLiteral("D"));
    return !q.first();
}

QString GetKeepOutDate(const QString &KeepInDate, const QString &KeepGubun)
{
    // The intake date is read with an explicit format, whatever the session's date format is.
    Lookup q({"SELECT FN_ADD_DAYS(TO_CHAR(TO_DATE(CAST(:IPGO_DATE AS VARCHAR(8)), 'YYYYMMDD'), 'YYYYMMDD'),",
              "                   CAST(TO_NUMBER(ITEM1) AS INTEGER)) AS CHULGO_DATE",
              "  FROM ZX010MS",
              " WHERE HEAD = :GC_KEEP_GUBUN_CODE",
              "   AND DETAIL = :GC_KEEP_GUBUN"});
    q.bind("IPGO_DATE", KeepInDate)
        .bind("GC_KEEP_GUBUN_CODE", QStringLiteral("E0016"))
        .bind("GC_KEEP_GUBUN", KeepGubun);
    return firstText(q);
}

bool IsLectureNotReserved(const QString &YaeyakDate, const QString &LectureItemGubun,
                          const QString &LectureRecGubun, const QString &EmpNo,
                          const QString &LectureDetailGubun)
{
    Lookup q({"SELECT EMP_NAME",
              "  FROM EC050MS",
              " WHERE YAEYAK_DATE          = :YAEYAK_DATE",
              "   AND LECTURE_ITEM_GUBUN   = :LECTURE_ITEM_GUBUN",
              "   AND LECTURE_REC_GUBUN    = :LECTURE_REC_GUBUN",
              "   AND LECTURE_DETAIL_GUBUN = :LECTURE_DETAIL_GUBUN",
              "   AND TRIM(EMP_NO)         = :EMP_NO"});
    q.bind("YAEYAK_DATE", YaeyakDate).bind("LECTURE_ITEM_GUBUN", LectureItemGubun)
        .bind("LECTURE_REC_GUBUN", LectureRecGubun).bind("LECTURE_DETAIL_GUBUN", LectureDetailGubun)
        .bind("EMP_NO", EmpNo);
    return !q.first();
}

int GetLectureCapacity(const QString &YaeyakDate, const QString &LectureItemGubun,
                       const QString &LectureRecGubun, const QString &LectureDetailGubun)
{
    Lookup q({"SELECT YAEYAK_ABILITY_CNT",
              "  FROM EC040MS",
              " WHERE YAEYAK_DATE          = :YAEYAK_DATE",
              "   AND LECTURE_ITEM_GUBUN   = :LECTURE_ITEM_GUBUN",
              "   AND LECTURE_REC_GUBUN    = :LECTURE_REC_GUBUN",
              "   AND LECTURE_DETAIL_GUBUN = :LECTURE_DETAIL_GUBUN"});
    q.bind("YAEYAK_DATE", YaeyakDate).bind("LECTURE_ITEM_GUBUN", LectureItemGubun)
        .bind("LECTURE_REC_GUBUN", LectureRecGubun).bind("LECTURE_DETAIL_GUBUN", LectureDetailGubun);
    return countValue(q);
}

int GetLectureReservedCount(const QString &YaeyakDate, const QString &LectureItemGubun,
                            const QString &LectureRecGubun, const QString &LectureDetailGubun)
{
    Lookup q({"SELECT NVL(SUM(YAEYAK_CNT),0) AS YAEYAK_CNT",
              "  FROM EC050MS",
              " WHERE YAEYAK_DATE          = :YAEYAK_DATE",
              "   AND LECTURE_ITEM_GUBUN   = :LECTURE_ITEM_GUBUN",
              "   AND LECTURE_REC_GUBUN    = :LECTURE_REC_GUBUN",
              "   AND LECTURE_DETAIL_GUBUN = :LECTURE_DETAIL_GUBUN"});
    q.bind("YAEYAK_DATE", YaeyakDate).bind("LECTURE_ITEM_GUBUN", LectureItemGubun)
        .bind("LECTURE_REC_GUBUN", LectureRecGubun).bind("LECTURE_DETAIL_GUBUN", LectureDetailGubun);
    return countValue(q);
}

} // namespace refdata
