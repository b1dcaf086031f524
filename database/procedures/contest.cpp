// Procedures of the competitions and badge tests: competitions of a day, the applicants of a season
// and their judging sheets.
#include "../procedure.h"

namespace db {

namespace {

const char *kWrongStatus = "잘못된 작업구분입니다.";

bool isNew(ProcedureCall &call) { return call.param("AEDITSTATUS") == QLatin1String("2"); }
bool isChange(ProcedureCall &call) { return call.param("AEDITSTATUS") == QLatin1String("1"); }
bool isDeletion(ProcedureCall &call) { return call.param("AEDITSTATUS") == QLatin1String("3"); }

void checkStatus(ProcedureCall &call)
{
    if (!isNew(call) && !isChange(call) && !isDeletion(call))
        call.fail(QString::fromUtf8(kWrongStatus));
}

// A number sent as text (a receipt number shown with leading zeros, a typed amount): its integer, or
// NULL when empty. Anything else is refused with the field's caption.
void normaliseNumber(ProcedureCall &call, const QString &name, const QString &caption)
{
    const QString text = call.param(name).trimmed().remove(QLatin1Char(','));
    if (text.isEmpty()) {
        call.setOut(name, QVariant());
        return;
    }
    bool ok = false;
    const qlonglong n = text.toLongLong(&ok);
    if (!ok)
        call.fail(caption + QStringLiteral("을(를) 정확히 입력하십시오."));
    call.setOut(name, n);
}

const QStringList kGameColumns{"GAME_NAME", "SOCIETY_NAME", "SOCIETY_REP", "TEL_NO", "GAME_CONTENT", "GAME_SCALE",
                               "SLOPE", "SLOPE_AMT", "PROBLEM", "REMARK"};

// PR_EDI010_01: a competition of a day by AEDITSTATUS. A new one takes the next number of its day
// (ED010NO, handed back in ASEQ_NO); a competition needs its name.
void saveGame(ProcedureCall &call)
{
    checkStatus(call);
    if (call.isEmpty("AGAME_DATE"))
        call.fail(QStringLiteral("*대회일자을(를) 먼저 입력하십시오."));
    if (!isDeletion(call)) {
        if (call.param("AGAME_NAME").trimmed().isEmpty())
            call.fail(QStringLiteral("*대회명을(를) 먼저 입력하십시오."));
        normaliseNumber(call, "ASLOPE_AMT", QStringLiteral("슬로프사용료"));
    }
    if (isNew(call)) {
        const qlonglong no = call.takeNumber("ED010NO", "LAST_SEQ_NO", {{"GAME_DATE", call.param("AGAME_DATE")}},
                                             "ED010MS", "SEQ_NO");
        call.setOut("ASEQ_NO", no);
    } else {
        normaliseNumber(call, "ASEQ_NO", QStringLiteral("순번"));
        if (call.isEmpty("ASEQ_NO"))
            call.fail(QStringLiteral("순번이 없습니다. 다시 조회하십시오."));
    }
    call.saveByEditStatus("ED010MS", {"GAME_DATE", "SEQ_NO"}, kGameColumns);
    if (isChange(call) && call.rowsAffected() == 0)
        call.fail(QStringLiteral("대회 자료가 존재하지 않습니다. 다시 조회하십시오."));
}

const QStringList kApplicantColumns{
    "APPLY_DATE",     "ENTRY_NAME_KOR", "ID_NO",         "ENTRY_NAME_CHI", "ENTRY_NAME_ENG", "SKI_SKILL",
    "HOME_TEL_NO",    "HOME_FAX_NO",    "HOME_ZIP_CODE", "HOME_ADDR1",     "HOME_ADDR2",     "OFFICE_TEL_NO",
    "OFFICE_FAX_NO",  "OFFICE_ZIP_CODE", "OFFICE_ADDR1", "OFFICE_ADDR2",   "MOBILE_NO",      "EMAIL",
    "APPLY_CLASS",    "APPLY_AMT"};

// PR_EDI020_01: an applicant of a season by AEDITSTATUS. A new one takes the next receipt number of
// the season (ED020NO, handed back in ARECV_NO); a registration number sent back in its masked display
// form keeps the stored one; an applicant with judging sheets is not deleted.
void saveApplicant(ProcedureCall &call)
{
    checkStatus(call);
    if (call.isEmpty("ASEASON_GUBUN"))
        call.fail(QStringLiteral("*시즌을(를) 먼저 입력하십시오."));
    if (!isDeletion(call)) {
        if (call.param("AENTRY_NAME_KOR").trimmed().isEmpty())
            call.fail(QStringLiteral("참가자명을(를) 먼저 입력하십시오."));
        normaliseNumber(call, "AAPPLY_AMT", QStringLiteral("*참가비"));
    }
    if (isNew(call)) {
        const qlonglong no = call.takeNumber("ED020NO", "LAST_RECV_NO", {{"SEASON_GUBUN", call.param("ASEASON_GUBUN")}},
                                             "ED020MS", "RECV_NO");
        call.setOut("ARECV_NO", no);
    } else {
        normaliseNumber(call, "ARECV_NO", QStringLiteral("접수번호"));
        if (call.isEmpty("ARECV_NO"))
            call.fail(QStringLiteral("접수번호가 없습니다. 다시 조회하십시오."));
    }
    if (isDeletion(call)) {
        const QHash<QString, QVariant> key{{"SEASON_GUBUN", call.value("ASEASON_GUBUN")},
                                           {"RECV_NO", call.value("ARECV_NO")}};
        const int sheets = call.scalar("SELECT COUNT(*) FROM ED020DT WHERE SEASON_GUBUN = :SEASON_GUBUN "
                                       "AND RECV_NO = :RECV_NO", key).toInt();
        if (sheets > 0)
            call.fail(QStringLiteral("심사 자료[%1 건]가 등록된 참가자는 삭제할 수 없습니다. 심사 자료를 먼저 삭제하십시오.")
                          .arg(sheets));
    }
    call.saveByEditStatus("ED020MS", {"SEASON_GUBUN", "RECV_NO"}, kApplicantColumns);
    if (isChange(call) && call.rowsAffected() == 0)
        call.fail(QStringLiteral("참가자 자료가 존재하지 않습니다. 다시 조회하십시오."));
}

QStringList sheetColumns()
{
    QStringList columns;
    for (const char *judge : {"A", "B", "C"}) {
        columns << QStringLiteral("EXAMINER_") + QLatin1String(judge);
        for (const char *score : {"PFLUG_BOGEN_", "STEM_TURN_", "PARALLEL_TURN_", "WEDERN_TURN_", "MIDDLE_TURN_",
                                  "GEN_DESCENT_"})
            columns << QLatin1String(score) + QLatin1String(judge);
    }
    return columns;
}

// PR_EDI030_01: the judging sheet of an applicant on an examination day by AEDITSTATUS. The applicant
// must be registered in the season; one sheet per applicant and day. The applicant's own fields are
// read from ED020MS and not stored with the sheet; a score not given stays empty (NULL), so the
// results show the sheet unfinished instead of summing it as 0.
void saveSheet(ProcedureCall &call)
{
    checkStatus(call);
    if (call.isEmpty("ASEASON_GUBUN"))
        call.fail(QStringLiteral("*시즌을(를) 먼저 입력하십시오."));
    if (call.isEmpty("AEXAMINE_DATE"))
        call.fail(QStringLiteral("*심사일자을(를) 먼저 입력하십시오."));
    normaliseNumber(call, "ARECV_NO", QStringLiteral("*접수번호"));
    if (call.isEmpty("ARECV_NO"))
        call.fail(QStringLiteral("*접수번호을(를) 먼저 입력하십시오."));
    const QStringList columns = sheetColumns();
    if (!isDeletion(call)) {
        for (const QString &c : columns)
            if (!c.startsWith(QLatin1String("EXAMINER_")))
                normaliseNumber(call, QLatin1Char('A') + c, QStringLiteral("점수"));
    }
    const QHash<QString, QVariant> key{{"SEASON_GUBUN", call.value("ASEASON_GUBUN")},
                                       {"EXAMINE_DATE", call.value("AEXAMINE_DATE")},
                                       {"RECV_NO", call.value("ARECV_NO")}};
    if (isNew(call)) {
        if (call.scalar("SELECT COUNT(*) FROM ED020MS WHERE SEASON_GUBUN = :SEASON_GUBUN AND RECV_NO = :RECV_NO", key)
                .toInt() == 0)
            call.fail(QStringLiteral("*접수번호을(를) 정확히 입력하십시오."));
        if (call.scalar("SELECT COUNT(*) FROM ED020DT WHERE SEASON_GUBUN = :SEASON_GUBUN "
                        "AND EXAMINE_DATE = :EXAMINE_DATE AND RECV_NO = :RECV_NO", key).toInt() > 0)
            call.fail(QStringLiteral("기존 등록된 자료와 중복됩니다. 다시 입력하십시오."));
    }
    call.saveByEditStatus("ED020DT", {"SEASON_GUBUN", "EXAMINE_DATE", "RECV_NO"}, columns);
    if (isChange(call) && call.rowsAffected() == 0)
        call.fail(QStringLiteral("심사 자료가 존재하지 않습니다. 다시 조회하십시오."));
}

QList<Parameter> inputs(const QStringList &names)
{
    QList<Parameter> params;
    for (const QString &n : names)
        params << in(n);
    return params;
}

} // namespace

void registerContestProcedures(ProcedureCatalog &catalog)
{
    QList<Parameter> game{in("AGAME_DATE"), inOut("ASEQ_NO")};
    for (const QString &c : kGameColumns)
        game << in(QLatin1Char('A') + c);
    game << inputs({"AU_EMP_NO", "AU_IP", "AEDITSTATUS"});
    catalog.add({"PR_EDI010_01", game, saveGame});

    QList<Parameter> applicant{in("ASEASON_GUBUN"), inOut("ARECV_NO")};
    for (const QString &c : kApplicantColumns)
        applicant << in(QLatin1Char('A') + c);
    applicant << inputs({"AU_EMP_NO", "AU_IP", "AEDITSTATUS"});
    catalog.add({"PR_EDI020_01", applicant, saveApplicant});

    QList<Parameter> sheet = inputs({"AEXAMINE_DATE", "ASEASON_GUBUN", "ARECV_NO", "AENTRY_NAME_KOR", "AAPPLY_DATE",
                                     "AID_NO", "AAPPLY_CLASS_GUBUN_NAME"});
    for (const QString &c : sheetColumns())
        sheet << in(QLatin1Char('A') + c);
    sheet << inputs({"AU_EMP_NO", "AU_IP", "AEDITSTATUS"});
    catalog.add({"PR_EDI030_01", sheet, saveSheet});
}

} // namespace db
