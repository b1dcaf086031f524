#include "../procedure.h"
#include "core/utils.h"
#include <QDate>
#include <QRegularExpression>

namespace db {

namespace {

using Binds = QHash<QString, QVariant>;

const QString kSold = QStringLiteral("이미 판매된 락카입니다.");

bool isDigits(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    return digits.match(text).hasMatch();
}

// An amount as plain digits: separators a screen may have shown are dropped; anything else is refused.
QVariant amount(ProcedureCall &call, const QString &name, const QString &caption)
{
    QString text = call.param(name).trimmed();
    text.remove(QLatin1Char(','));
    if (text.isEmpty())
        return QVariant();
    if (!isDigits(text))
        call.fail(caption + QStringLiteral("은(는) 숫자로 입력하십시오."));
    return text.toLongLong();
}

void checkDate(ProcedureCall &call, const QString &name, const QString &caption)
{
    const QString d = call.param(name);
    if (!d.isEmpty() && !IsDateText(d))
        call.fail(caption + QStringLiteral("을(를) 정확히 입력하십시오."));
}

bool sold(const QString &saleDate) { return saleDate.size() == 8; }

// ---- EHI010: locker blocks and their lockers ---------------------------------------------------

const QStringList kBlockColumns = {"LOCATION", "AREA_ZONE", "LOCKER_TYPE", "UNIT_AMT", "MEMBER_AMT", "BEGINNING_NO", "LOCKER_QTY"};

// A block's fees changed after its lockers were created reach its unsold lockers (those of the block's
// place, type and numbers as they were stored before the change); a sold locker keeps the fee it was
// sold at. The number of lockers changed.
qlonglong carryFees(ProcedureCall &call, const Binds &block, const QStringList &stored)
{
    const auto same = [](const QVariant &now, const QString &was) {
        return (now.isNull() && was.isEmpty()) || (!now.isNull() && !was.isEmpty() && now.toLongLong() == was.toLongLong());
    };
    if (same(block.value("UNIT_AMT"), stored.value(3)) && same(block.value("MEMBER_AMT"), stored.value(4)))
        return 0;
    const QString first = stored.value(5).trimmed();
    if (!isDigits(first) || stored.value(6).toLongLong() <= 0)
        return 0;
    Binds b{{"SEASON_YEAR", block.value("SEASON_YEAR")}, {"LOCATION", stored.value(0)}, {"AREA_ZONE", stored.value(1)},
            {"LOCKER_TYPE", stored.value(2)}, {"FIRST_NO", first.toLongLong()},
            {"LAST_NO", first.toLongLong() + stored.value(6).toLongLong() - 1}, {"UNIT_AMT", block.value("UNIT_AMT")},
            {"MEMBER_AMT", block.value("MEMBER_AMT")}};
    b.insert(call.audit());
    call.exec("UPDATE EH020MS SET UNIT_AMT = :UNIT_AMT, MEMBER_AMT = :MEMBER_AMT, U_EMP_NO = :U_EMP_NO, U_IP = :U_IP, "
              "U_DATE = :U_DATE WHERE SEASON_YEAR = :SEASON_YEAR AND LOCATION = :LOCATION AND AREA_ZONE = :AREA_ZONE "
              "AND LOCKER_TYPE = :LOCKER_TYPE AND TO_NUMBER(LOCKER_NO) BETWEEN :FIRST_NO AND :LAST_NO "
              "AND (SALE_DATE IS NULL OR LENGTH(SALE_DATE) < 8)",
              b);
    return call.rowsAffected();
}

// One block of a season. "2" numbers the new block within its season from the season's counter row; a
// changed fee is carried to the block's unsold lockers and their number reported aside as FEE_LOCKERS.
void saveBlock(ProcedureCall &call)
{
    const QString status = call.param("AEDITSTATUS");
    Binds b{{"SEASON_YEAR", call.value("ASEASON_YEAR")}, {"SEQ_NO", call.value("ASEQ_NO")}};
    if (status == QLatin1String("3")) {
        call.claimRowVersion("EH010MS", "SEASON_YEAR = :SEASON_YEAR AND SEQ_NO = :SEQ_NO", b);
        call.exec("DELETE FROM EH010MS WHERE SEASON_YEAR = :SEASON_YEAR AND SEQ_NO = :SEQ_NO", b);
        return;
    }
    if (status != QLatin1String("1") && status != QLatin1String("2"))
        call.fail(QStringLiteral("PR_EHI010_01: unknown edit status '%1'").arg(status));
    const QString season = call.param("ASEASON_YEAR");
    if (season.size() != 4 || !isDigits(season))
        call.fail(QStringLiteral("시즌년도를 정확히 입력하십시오."));
    for (const auto &[column, caption] : {std::pair{"LOCATION", "위치"}, {"AREA_ZONE", "구역"}, {"LOCKER_TYPE", "Type"}}) {
        if (call.isEmpty(QStringLiteral("A") + QLatin1String(column)))
            call.fail(QString::fromUtf8(caption) + QStringLiteral("을(를) 먼저 입력하십시오."));
        b.insert(QLatin1String(column), call.param(QStringLiteral("A") + QLatin1String(column)).trimmed());
    }
    b.insert("UNIT_AMT", amount(call, "AUNIT_AMT", QStringLiteral("일반요금")));
    b.insert("MEMBER_AMT", amount(call, "AMEMBER_AMT", QStringLiteral("회원요금")));
    const QString first = call.param("ABEGINNING_NO").trimmed();
    if (!isDigits(first) || first.size() > 4)
        call.fail(QStringLiteral("시작락카번호를 정확히 입력하십시오."));
    b.insert("BEGINNING_NO", first);
    const QVariant qty = amount(call, "ALOCKER_QTY", QStringLiteral("락카수량"));
    if (qty.toLongLong() <= 0)
        call.fail(QStringLiteral("락카수량을 정확히 입력하십시오."));
    b.insert("LOCKER_QTY", qty);
    b.insert(call.audit());
    if (status == QLatin1String("2")) {
        b.insert("SEQ_NO", call.takeNumber("EH010NO", "LAST_SEQ_NO", {{"SEASON_YEAR", season}}, "EH010MS", "SEQ_NO"));
        call.exec("INSERT INTO EH010MS (SEASON_YEAR, SEQ_NO, LOCATION, AREA_ZONE, LOCKER_TYPE, UNIT_AMT, MEMBER_AMT, "
                  "BEGINNING_NO, LOCKER_QTY, U_EMP_NO, U_IP, U_DATE) VALUES (:SEASON_YEAR, :SEQ_NO, :LOCATION, "
                  ":AREA_ZONE, :LOCKER_TYPE, :UNIT_AMT, :MEMBER_AMT, :BEGINNING_NO, :LOCKER_QTY, :U_EMP_NO, :U_IP, :U_DATE)",
                  b);
        call.setOut("ASEQ_NO", b.value("SEQ_NO"));
        call.setRowVersionAfter(0);
        return;
    }
    call.claimRowVersion("EH010MS", "SEASON_YEAR = :SEASON_YEAR AND SEQ_NO = :SEQ_NO", b);
    const QList<QStringList> before = call.rows(
        "SELECT LOCATION, AREA_ZONE, LOCKER_TYPE, UNIT_AMT, MEMBER_AMT, BEGINNING_NO, LOCKER_QTY FROM EH010MS "
        "WHERE SEASON_YEAR = :SEASON_YEAR AND SEQ_NO = :SEQ_NO",
        b);
    call.exec("UPDATE EH010MS SET LOCATION = :LOCATION, AREA_ZONE = :AREA_ZONE, LOCKER_TYPE = :LOCKER_TYPE, "
              "UNIT_AMT = :UNIT_AMT, MEMBER_AMT = :MEMBER_AMT, BEGINNING_NO = :BEGINNING_NO, LOCKER_QTY = :LOCKER_QTY, "
              "U_EMP_NO = :U_EMP_NO, U_IP = :U_IP, U_DATE = :U_DATE WHERE SEASON_YEAR = :SEASON_YEAR AND SEQ_NO = :SEQ_NO",
              b);
    if (call.rowsAffected() == 0 || before.isEmpty())
        call.fail(QStringLiteral("락카 기본정보가 존재하지 않습니다. 다시 조회하십시오."));
    call.setAside("FEE_LOCKERS", carryFees(call, b, before.first()));
}

// The lockers of one stored block: LOCKER_QTY numbers from BEGINNING_NO on (as wide as BEGINNING_NO is
// written), at the block's place and type with its fees, unsold. The block row is locked first, so two
// counters running it at once create the lockers once; a block whose numbers all exist is done, and a
// range meeting lockers already there (from another block) is refused with nothing created. The place's
// row in EH020LK is locked before the numbers are checked, so two blocks of one place whose ranges
// overlap are checked one after the other and the second is refused in the same words.
void createLockers(ProcedureCall &call)
{
    const Binds key{{"SEASON_YEAR", call.value("ASEASON_YEAR")}, {"SEQ_NO", call.value("ASEQ_NO")}};
    call.exec("UPDATE EH010MS SET SEQ_NO = SEQ_NO WHERE SEASON_YEAR = :SEASON_YEAR AND SEQ_NO = :SEQ_NO", key);
    const QList<QStringList> block = call.rows(
        "SELECT LOCATION, AREA_ZONE, LOCKER_TYPE, UNIT_AMT, MEMBER_AMT, BEGINNING_NO, LOCKER_QTY FROM EH010MS "
        "WHERE SEASON_YEAR = :SEASON_YEAR AND SEQ_NO = :SEQ_NO",
        key);
    if (block.isEmpty())
        call.fail(QStringLiteral("저장된 락카 기본정보가 아닙니다. 먼저 저장하십시오."));
    const QStringList &stored = block.first();
    for (int i = 0; i < kBlockColumns.size(); ++i) {
        QString sent = call.param(QStringLiteral("A") + kBlockColumns[i]).trimmed();
        if (i == 3 || i == 4 || i == 6)
            sent.remove(QLatin1Char(','));
        if (sent != stored[i].trimmed())
            call.fail(QStringLiteral("락카 기본정보가 저장된 내용과 다릅니다. 먼저 저장하십시오."));
    }
    const QString first = stored[5];
    const qlonglong from = first.toLongLong(), qty = stored[6].toLongLong();
    if (!isDigits(first) || qty <= 0)
        call.fail(QStringLiteral("시작락카번호와 락카수량을 확인하십시오."));
    const qlonglong to = from + qty - 1;
    if (to > 9999)
        call.fail(QStringLiteral("락카번호는 9999를 넘을 수 없습니다. 시작락카번호와 락카수량을 확인하십시오."));

    Binds place = key;
    place.insert("LOCATION", stored[0]);
    place.insert("AREA_ZONE", stored[1]);
    place.insert("LOCKER_TYPE", stored[2]);
    call.exec("INSERT INTO EH020LK (SEASON_YEAR, LOCATION, AREA_ZONE, LOCKER_TYPE) VALUES (:SEASON_YEAR, :LOCATION, "
              ":AREA_ZONE, :LOCKER_TYPE) ON CONFLICT (SEASON_YEAR, LOCATION, AREA_ZONE, LOCKER_TYPE) DO NOTHING",
              place);
    call.exec("UPDATE EH020LK SET LOCATION = LOCATION WHERE SEASON_YEAR = :SEASON_YEAR AND LOCATION = :LOCATION "
              "AND AREA_ZONE = :AREA_ZONE AND LOCKER_TYPE = :LOCKER_TYPE",
              place);
    int existing = 0;
    for (const QStringList &r : call.rows("SELECT LOCKER_NO FROM EH020MS WHERE SEASON_YEAR = :SEASON_YEAR AND "
                                          "LOCATION = :LOCATION AND AREA_ZONE = :AREA_ZONE AND LOCKER_TYPE = :LOCKER_TYPE",
                                          place)) {
        const qlonglong n = r.value(0).toLongLong();
        if (isDigits(r.value(0)) && n >= from && n <= to)
            ++existing;
    }
    if (existing == qty)
        call.fail(QStringLiteral("시즌락카 일괄처리 작업이 이미 완료되었습니다. 확인바랍니다."));
    if (existing > 0)
        call.fail(QStringLiteral("락카번호 %1 ~ %2 중 %3개가 이미 생성되어 있습니다. 시작락카번호와 락카수량을 확인하십시오.")
                      .arg(from)
                      .arg(to)
                      .arg(existing));

    Binds b = place;
    b.insert("UNIT_AMT", stored[3].isEmpty() ? QVariant() : QVariant(stored[3].toLongLong()));
    b.insert("MEMBER_AMT", stored[4].isEmpty() ? QVariant() : QVariant(stored[4].toLongLong()));
    b.insert(call.audit());
    for (qlonglong n = from; n <= to; ++n) {
        b.insert("LOCKER_NO", QString::number(n).rightJustified(first.size(), QLatin1Char('0')));
        call.exec("INSERT INTO EH020MS (SEASON_YEAR, LOCATION, AREA_ZONE, LOCKER_TYPE, LOCKER_NO, UNIT_AMT, MEMBER_AMT, "
                  "USE_YN, U_EMP_NO, U_IP, U_DATE) VALUES (:SEASON_YEAR, :LOCATION, :AREA_ZONE, :LOCKER_TYPE, :LOCKER_NO, "
                  ":UNIT_AMT, :MEMBER_AMT, 'N', :U_EMP_NO, :U_IP, :U_DATE)",
                  b);
    }
}

// ---- EHI020: sale, fee, cancellation and change ------------------------------------------------

const QStringList kLockerKey = {"SEASON_YEAR", "LOCATION", "AREA_ZONE", "LOCKER_TYPE", "LOCKER_NO"};
const QString kLockerWhere = QStringLiteral("SEASON_YEAR = :SEASON_YEAR AND LOCATION = :LOCATION AND AREA_ZONE = :AREA_ZONE "
                                            "AND LOCKER_TYPE = :LOCKER_TYPE AND LOCKER_NO = :LOCKER_NO");

// What a sale puts on a locker (the fees belong to the locker), in the order of the list.
const QStringList kSaleColumns = {
    "SALE_DATE", "M_ID", "M_NAME", "M_IDNO", "M_TOPHONE", "PAY_CODE", "SALE_AMT", "IPGUM_AMT", "IPGUM_YN",
    "ASSURANCE_AMT", "KEY_RECEIPT_DATE", "KEY_RESTORE_DATE", "DC_REMARKS", "USE_YN", "TERMINAL_ID", "APPROVAL_NO",
    "APPROVAL_TIME", "ACQUIRE_CODE", "CARD_ISSUER", "RESULT", "RESULT_MSG", "STATUS_FLAG", "FAPPSTATE",
    "FRESERVESTATE", "FCOMPLETECODE", "FBANK", "CARD_SEQ_NO", "CARD_JOIN_NO"};
// What a cancellation empties.
const QStringList kCancelledColumns = {"SALE_DATE", "M_ID", "M_NAME", "M_IDNO", "M_TOPHONE", "PAY_CODE",
                                       "SALE_AMT", "IPGUM_AMT", "IPGUM_YN"};

Binds lockerKey(ProcedureCall &call)
{
    Binds b;
    for (const QString &k : kLockerKey)
        b.insert(k, call.param(QStringLiteral("A") + k).trimmed());
    return b;
}

// Locks the locker's row until the caller's transaction ends and reads its sale date; false when there
// is no such locker.
bool lockLocker(ProcedureCall &call, const Binds &key, QString *saleDate)
{
    const QList<QStringList> r =
        call.rows(QStringLiteral("UPDATE EH020MS SET LOCKER_NO = LOCKER_NO WHERE ") + kLockerWhere + " RETURNING SALE_DATE", key);
    if (r.isEmpty())
        return false;
    *saleDate = r.first().value(0);
    return true;
}

// The locker the call changes: locked, its version claimed and its sale date read, in one statement.
bool claimLocker(ProcedureCall &call, const Binds &key, QString *saleDate)
{
    const QStringList r = call.claimRowReading("EH020MS", kLockerWhere, key, {"SALE_DATE"});
    if (r.isEmpty())
        return false;
    *saleDate = r.value(0);
    return true;
}

// The locker office's penalty for a cancelled sale: a tenth of the sale amount, rounded down to whole
// hundreds of won.
qlonglong penaltyOf(qlonglong saleAmount) { return saleAmount > 0 ? saleAmount / 10 / 100 * 100 : 0; }

// One locker row of EHI020. "2" registers a sale and is refused unless the locker is still unsold when
// its row is locked, so of two counters selling one locker exactly one succeeds. "1" stores payment
// and key data of the sale the screen has read: when the locker was sold, cancelled or moved since,
// it is refused rather than bringing an old sale back. A registration number or telephone sent back
// in its masked display form keeps the stored one; one that is not this sale's is refused. The
// paid-in-full flag follows the amounts.
void saveLocker(ProcedureCall &call)
{
    const QString status = call.param("AEDITSTATUS");
    if (status != QLatin1String("1") && status != QLatin1String("2"))
        call.fail(QStringLiteral("PR_EHI020_01: unknown edit status '%1'").arg(status));
    Binds b = lockerKey(call);
    QString storedSale;
    if (!claimLocker(call, b, &storedSale))
        call.fail(QStringLiteral("락카가 존재하지 않습니다. 다시 조회하십시오."));
    const QString sentSale = call.param("ASALE_DATE");
    if (status == QLatin1String("2")) {
        if (sold(storedSale))
            call.fail(kSold);
        if (!IsDateText(sentSale))
            call.fail(QStringLiteral("판매일자를 정확히 입력하십시오."));
        if (call.param("AM_NAME").trimmed().isEmpty())
            call.fail(QStringLiteral("고객명을(를) 먼저 입력하십시오."));
        if (amount(call, "ASALE_AMT", QStringLiteral("판매금액")).toLongLong() <= 0)
            call.fail(QStringLiteral("판매금액을(를) 먼저 입력하십시오."));
    } else if (sentSale != storedSale) {
        call.fail(QStringLiteral("다른 곳에서 판매가 등록, 취소 또는 변경된 락카입니다. 다시 조회하십시오."));
    }
    for (const auto &[name, caption] : {std::pair{"AKEY_RECEIPT_DATE", "키 수령일자"}, {"AKEY_RESTORE_DATE", "키 반납일자"}})
        checkDate(call, QLatin1String(name), QString::fromUtf8(caption));

    QStringList sets;
    for (const QString &c : kSaleColumns) {
        const QString p = QStringLiteral("A") + c;
        if (c == QLatin1String("SALE_AMT") || c == QLatin1String("IPGUM_AMT") || c == QLatin1String("ASSURANCE_AMT"))
            b.insert(c, amount(call, p, c));
        else if (c == QLatin1String("M_IDNO") || c == QLatin1String("M_TOPHONE"))
            b.insert(c, call.unmasked(p, "EH020MS", c, kLockerWhere, b));
        else
            b.insert(c, call.value(p));
        sets << QStringLiteral("%1 = :%1").arg(c);
    }
    const qlonglong saleAmount = b.value("SALE_AMT").toLongLong(), paid = b.value("IPGUM_AMT").toLongLong();
    // a new sale puts the locker in use: the flag of a cancelled sale before it is not carried on
    if (status == QLatin1String("2") && (b.value("USE_YN").isNull() || b.value("USE_YN").toString() == QLatin1String("C")))
        b.insert("USE_YN", QStringLiteral("Y"));
    b.insert("IPGUM_YN", sold(sentSale) ? QVariant(paid >= saleAmount && paid > 0 ? QStringLiteral("Y") : QStringLiteral("N"))
                                        : QVariant());
    b.insert(call.audit());
    call.exec(QStringLiteral("UPDATE EH020MS SET %1, U_EMP_NO = :U_EMP_NO, U_IP = :U_IP, U_DATE = :U_DATE WHERE ")
                      .arg(sets.join(QStringLiteral(", ")))
                  + kLockerWhere,
              b);
}

// The season fee for a customer: the member fee for a current member (of the membership or of this
// program's own members, by registration number), else the general fee.
void lockerFee(ProcedureCall &call)
{
    const Binds key = lockerKey(call);
    const QList<QStringList> fees =
        call.rows(QStringLiteral("SELECT UNIT_AMT, MEMBER_AMT FROM EH020MS WHERE ") + kLockerWhere, key);
    if (fees.isEmpty())
        call.fail(QStringLiteral("락카가 존재하지 않습니다."));
    const Binds who{{"ID_NO", call.value("AM_IDNO")}, {"TODAY", TodayText()}};
    const bool member =
        !call.isEmpty("AM_IDNO")
        && (!call.scalar("SELECT MEMBER_NO FROM BB010MS WHERE ID_NO = :ID_NO AND CANCEL_DATE IS NULL", who).isEmpty()
            || !call.scalar("SELECT MEMBER_NO FROM BA040MS WHERE ID_NO = :ID_NO AND (USE_DATE_TO IS NULL OR USE_DATE_TO >= :TODAY)",
                            who)
                    .isEmpty());
    const QString fee = member && !fees.first().value(1).isEmpty() ? fees.first().value(1) : fees.first().value(0);
    call.setOut("ASALE_AMT", fee.isEmpty() ? QStringLiteral("0") : QString::number(fee.toLongLong()));
}

// "3" cancels the sale and writes its penalty record into EH030MS; "4" moves the sale, with its
// payment, key and card data, to the locker of the same season, location, zone and type numbered
// aLOCKER_NO_CHANGE. Both lock the lockers first: a sale already cancelled or moved is refused, and of
// two changes onto one free locker exactly one succeeds.
void cancelOrChange(ProcedureCall &call)
{
    const QString status = call.param("AEDITSTATUS");
    if (status != QLatin1String("3") && status != QLatin1String("4"))
        call.fail(QStringLiteral("PR_EHI020_03: unknown edit status '%1'").arg(status));
    const Binds from = lockerKey(call);
    Binds to = from;
    to.insert("LOCKER_NO", call.param("ALOCKER_NO_CHANGE").trimmed());
    QString saleDate, targetSale;
    if (status == QLatin1String("4")) {
        // the target first, as every change does, so two changes onto one locker queue on it
        if (to.value("LOCKER_NO").toString().size() <= 2)
            call.fail(QStringLiteral("변경 락카번호 입력을 확인하세요."));
        if (!lockLocker(call, to, &targetSale))
            call.fail(QStringLiteral("변경 락카번호의 락카형이 달라서 변경할수 없습니다.확인하세요"));
        if (!targetSale.isEmpty())
            call.fail(QStringLiteral("이미 판매된 락카번호로는 변경이 불가합니다."));
    }
    if (!claimLocker(call, from, &saleDate))
        call.fail(QStringLiteral("락카가 존재하지 않습니다. 다시 조회하십시오."));
    if (status == QLatin1String("4"))
        call.raiseRowVersion("EH020MS", kLockerWhere, to);
    if (!sold(saleDate))
        call.fail(QStringLiteral("판매되지 않은 락카입니다. 다시 조회하십시오."));
    const Binds audit = call.audit();

    if (status == QLatin1String("3")) {
        const QList<QStringList> sale =
            call.rows(QStringLiteral("SELECT M_NAME, PAY_CODE, SALE_AMT, IPGUM_AMT FROM EH020MS WHERE ") + kLockerWhere, from);
        const QStringList &s = sale.first();
        const qlonglong penalty = penaltyOf(s.value(2).toLongLong());
        const qlonglong paid = s.value(3).toLongLong();
        // the refund is what was paid less the penalty: the part of the penalty so withheld is paid at
        // the cancellation; only what the payment did not cover stays to be collected
        const qlonglong withheld = qMin(paid, penalty);
        const qlonglong seq = call.takeNumber("EH030NO", "LAST_SEQ_NO", {{"SEASON_YEAR", from.value("SEASON_YEAR")}},
                                              "EH030MS", "SEQ_NO");
        Binds p = from;
        p.insert(audit);
        p.insert("SEQ_NO", seq);
        p.insert("CANCEL_DATE", TodayText());
        p.insert("M_NAME", s.value(0));
        p.insert("PENALTY_AMT", penalty);
        p.insert("PAY_CODE", s.value(1));
        p.insert("RETURN_AMT", paid - withheld);
        p.insert("IPGUM_AMT", withheld > 0 ? QVariant(withheld) : QVariant());
        p.insert("PENALTY_YN", withheld == penalty ? QStringLiteral("Y") : QStringLiteral("N"));
        p.insert("IPGUM_DATE", withheld == penalty ? QVariant(TodayText()) : QVariant());
        call.exec("INSERT INTO EH030MS (SEASON_YEAR, SEQ_NO, CANCEL_DATE, LOCATION, AREA_ZONE, LOCKER_TYPE, LOCKER_NO, "
                  "M_NAME, PENALTY_AMT, IPGUM_DATE, PAY_CODE, IPGUM_AMT, PENALTY_YN, RETURN_AMT, U_EMP_NO, U_IP, U_DATE) "
                  "VALUES (:SEASON_YEAR, :SEQ_NO, :CANCEL_DATE, :LOCATION, :AREA_ZONE, :LOCKER_TYPE, :LOCKER_NO, :M_NAME, "
                  ":PENALTY_AMT, :IPGUM_DATE, :PAY_CODE, :IPGUM_AMT, :PENALTY_YN, :RETURN_AMT, :U_EMP_NO, :U_IP, :U_DATE)",
                  p);
        QStringList sets;
        for (const QString &c : kCancelledColumns)
            sets << c + QStringLiteral(" = NULL");
        Binds b = from;
        b.insert(audit);
        call.exec(QStringLiteral("UPDATE EH020MS SET %1, USE_YN = 'C', U_EMP_NO = :U_EMP_NO, U_IP = :U_IP, "
                                 "U_DATE = :U_DATE WHERE ")
                          .arg(sets.join(QStringLiteral(", ")))
                      + kLockerWhere,
                  b);
        return;
    }

    // the change: the sale's columns copied onto the target, then emptied on the locker left
    const QList<QStringList> sale = call.rows(
        QStringLiteral("SELECT %1 FROM EH020MS WHERE ").arg(kSaleColumns.join(QStringLiteral(", "))) + kLockerWhere, from);
    Binds t = to;
    t.insert(audit);
    QStringList sets, empties;
    for (int i = 0; i < kSaleColumns.size(); ++i) {
        const QString &c = kSaleColumns[i];
        const QString v = sale.first().value(i);
        t.insert(c, v.isEmpty() ? QVariant() : QVariant(v));
        sets << QStringLiteral("%1 = :%1").arg(c);
        if (c != QLatin1String("USE_YN"))
            empties << c + QStringLiteral(" = NULL");
    }
    const QString auditSet = QStringLiteral(", U_EMP_NO = :U_EMP_NO, U_IP = :U_IP, U_DATE = :U_DATE WHERE ");
    call.exec(QStringLiteral("UPDATE EH020MS SET ") + sets.join(QStringLiteral(", ")) + auditSet + kLockerWhere, t);
    Binds f = from;
    f.insert(audit);
    call.exec(QStringLiteral("UPDATE EH020MS SET ") + empties.join(QStringLiteral(", ")) + QStringLiteral(", USE_YN = 'N'")
                  + auditSet + kLockerWhere,
              f);
}

// ---- EHI040: penalty payment and refund dates --------------------------------------------------

// Only the two dates are kept here. A payment date on an open penalty records the rest of it paid (the
// amount paid becomes the whole penalty); a paid penalty's date may be corrected but not taken away, as
// the part withheld from the refund at the cancellation would go with it.
void savePenalty(ProcedureCall &call)
{
    if (call.param("AEDITSTATUS") != QLatin1String("1"))
        call.fail(QStringLiteral("위약금 자료는 판매취소로만 생기며 삭제할 수 없습니다."));
    checkDate(call, "AIPGUM_DATE", QStringLiteral("위약금 입금일자"));
    checkDate(call, "ARETURN_DATE", QStringLiteral("환불일자"));
    Binds b{{"SEASON_YEAR", call.value("ASEASON_YEAR")}, {"SEQ_NO", call.value("ASEQ_NO")},
            {"IPGUM_DATE", call.value("AIPGUM_DATE")}, {"RETURN_DATE", call.value("ARETURN_DATE")}};
    call.claimRowVersion("EH030MS", "SEASON_YEAR = :SEASON_YEAR AND SEQ_NO = :SEQ_NO", b);
    if (call.rowsAffected() == 0)
        call.fail(QStringLiteral("위약금 자료가 존재하지 않습니다. 다시 조회하십시오."));
    const QString paidFlag = call.scalar("SELECT PENALTY_YN FROM EH030MS WHERE SEASON_YEAR = :SEASON_YEAR AND SEQ_NO = :SEQ_NO", b);
    if (paidFlag == QLatin1String("Y") && call.isEmpty("AIPGUM_DATE"))
        call.fail(QStringLiteral("입금된 위약금입니다. 위약금 입금일자를 지울 수 없습니다."));
    b.insert(call.audit());
    call.exec("UPDATE EH030MS SET IPGUM_DATE = :IPGUM_DATE, RETURN_DATE = :RETURN_DATE, "
              "PENALTY_YN = CASE WHEN CAST(:IPGUM_DATE AS VARCHAR(8)) IS NULL THEN PENALTY_YN ELSE 'Y' END, "
              "IPGUM_AMT = CASE WHEN CAST(:IPGUM_DATE AS VARCHAR(8)) IS NULL THEN IPGUM_AMT ELSE PENALTY_AMT END, "
              "U_EMP_NO = :U_EMP_NO, U_IP = :U_IP, U_DATE = :U_DATE WHERE SEASON_YEAR = :SEASON_YEAR AND SEQ_NO = :SEQ_NO",
              b);
}

} // namespace

void registerLockersProcedures(ProcedureCatalog &catalog)
{
    QList<Parameter> block{in("aSEASON_YEAR"), inOut("aSEQ_NO")};
    for (const QString &c : kBlockColumns)
        block << in(QStringLiteral("a") + c);
    catalog.add({"PR_EHI010_01",
                 block + QList<Parameter>{in("aBATCH"), in("AU_EMP_NO"), in("AU_IP"), in("AEDITSTATUS")},
                 saveBlock});
    catalog.add({"PR_EHI010_02", block + QList<Parameter>{in("aU_EMP_NO"), in("aU_IP")}, createLockers});

    QList<Parameter> locker;
    for (const QString &c : kLockerKey)
        locker << in(QStringLiteral("a") + c);
    QList<Parameter> sale = locker;
    sale << in("aUNIT_AMT") << in("aMEMBER_AMT");
    for (const QString &c : kSaleColumns)
        sale << in(QStringLiteral("a") + c);
    catalog.add({"PR_EHI020_01", sale + QList<Parameter>{in("AU_EMP_NO"), in("AU_IP"), in("AEDITSTATUS")}, saveLocker});
    catalog.add({"PR_EHI020_02", QList<Parameter>{in("aM_IDNO")} + locker + QList<Parameter>{out("aSALE_AMT")}, lockerFee});
    catalog.add({"PR_EHI020_03", locker + QList<Parameter>{in("aLOCKER_NO_CHANGE"), in("aeditstatus")}, cancelOrChange});

    QList<Parameter> penalty{in("aSEASON_YEAR")};
    for (const char *c : {"SEQ_NO", "CANCEL_DATE", "LOCATION", "AREA_ZONE", "LOCKER_TYPE", "LOCKER_NO", "M_NAME",
                          "PENALTY_AMT", "IPGUM_DATE", "PAY_CODE", "IPGUM_AMT", "PENALTY_YN", "RETURN_DATE", "RETURN_AMT"})
        penalty << in(QStringLiteral("a") + QLatin1String(c));
    catalog.add({"PR_EHI040_01", penalty + QList<Parameter>{in("AU_EMP_NO"), in("AU_IP"), in("AEDITSTATUS")}, savePenalty});
}

} // namespace db
