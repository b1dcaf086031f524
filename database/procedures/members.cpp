#include "../procedure.h"

namespace db {

namespace {

// Every field of a member as the screen sends it, in the order of the member table.
const QStringList &memberColumns()
{
    static const QStringList columns = {
    "MEMBER_NAME", "MEMBER_NAME_ENG", "ID_NO", "SEX_CODE", "NATION_CODE", "PASSWORD_NO", "BIRTH_DAY",
    "CALENDAR_CODE", "MEMORIAL_DAY", "MEMORIAL_DAY_CODE", "MAIN_MEMBER_NO", "JOB_CODE", "COMPANY_NAME",
    "POST_NAME", "OFFICE_POSITION", "E_MAIL", "HOME_TEL", "HOME_FAX", "OFFICE_TEL", "OFFICE_FAX", "MOBILE_TEL",
    "HOME_POST", "HOME_ADDRESS1", "HOME_ADDRESS2", "OFFICE_POST", "OFFICE_ADDRESS1", "OFFICE_ADDRESS2",
    "USE_DATE_FROM", "USE_DATE_TO", "MEMBER_GROUP_CODE", "GUEST_TYPE", "GOLF_CODE", "USE_ROOM_TYPE",
    "MEMBER_REMARK"};
    return columns;
}

// The next member number "20" + eight digits. The counter row is created on first use without a clash
// and locked until the caller's transaction ends, so two counters adding members at the same moment
// take their numbers one after the other; never below a number already stored.
QString takeMemberNumber(ProcedureCall &call)
{
    const QHash<QString, QVariant> key{{"NO_PREFIX", QStringLiteral("20")}};
    call.exec("INSERT INTO BA040NO (NO_PREFIX, LAST_NO) VALUES (:NO_PREFIX, 0) ON CONFLICT (NO_PREFIX) DO NOTHING", key);
    call.exec("UPDATE BA040NO SET LAST_NO = LAST_NO WHERE NO_PREFIX = :NO_PREFIX", key);
    const qlonglong last = call.scalar("SELECT LAST_NO FROM BA040NO WHERE NO_PREFIX = :NO_PREFIX", key).toLongLong();
    const qlonglong stored =
        call.scalar("SELECT MAX(MEMBER_NO) FROM BA040MS WHERE MEMBER_NO LIKE '20________'").mid(2).toLongLong();
    const qlonglong next = qMax(last, stored) + 1;
    if (next > 99999999)
        call.fail(QStringLiteral("더 이상 부여할 회원번호가 없습니다."));
    QHash<QString, QVariant> b = key;
    b.insert("LAST_NO", next);
    call.exec("UPDATE BA040NO SET LAST_NO = :LAST_NO WHERE NO_PREFIX = :NO_PREFIX", b);
    return QStringLiteral("20%1").arg(next, 8, 10, QLatin1Char('0'));
}

// EGI020: one member of BA040MS. "2" gives the new member its number (handed back in aMEMBER_NO) and
// stores every field as sent; "1" changes the member, a registration number sent back in its masked
// display form keeping the stored one; "3" removes it. A masked number changed in part, or one sent
// for a new member, is refused: stars never reach the table.
void saveMember(ProcedureCall &call)
{
    const QString status = call.param("AEDITSTATUS");
    if (status == QLatin1String("1") || status == QLatin1String("2")) {
        if (call.param("AMEMBER_NAME").trimmed().isEmpty())
            call.fail(QStringLiteral("회원명을 입력하십시오."));
        const QString from = call.param("AUSE_DATE_FROM"), to = call.param("AUSE_DATE_TO");
        if (!from.isEmpty() && !to.isEmpty() && to < from)
            call.fail(QStringLiteral("사용종료일자가 사용시작일자보다 빠릅니다."));
    }
    if (status == QLatin1String("2")) {
        call.setOut("AMEMBER_NO", takeMemberNumber(call));
    } else if (call.isEmpty("AMEMBER_NO")) {
        call.fail(QStringLiteral("회원번호가 없습니다."));
    }
    call.saveByEditStatus("BA040MS", {"MEMBER_NO"}, memberColumns());
    if (status == QLatin1String("1") && call.rowsAffected() == 0)
        call.fail(QStringLiteral("회원번호가 존재하지 않습니다."));
}

} // namespace

void registerMembersProcedures(ProcedureCatalog &catalog)
{
    QList<Parameter> params{in("aEDITSTATUS"), inOut("aMEMBER_NO")};
    for (const QString &c : memberColumns())
        params << in(QStringLiteral("a") + c);
    params << in("aU_EMP_NO") << in("aU_IP");
    catalog.add({"PR_EGI020_01", params, saveMember});
}

} // namespace db
