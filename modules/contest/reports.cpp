#include "reports.h"
#include "framework/fieldlookups.h"
#include "framework/rowdetail.h"
#include "framework/sqltext.h"
#include "widgets/inputs.h"
#include <QFormLayout>

using reportsql::Statement;

namespace {

QStringList judgeFields(const QString &judge)
{
    QStringList f;
    for (const char *score : {"PFLUG_BOGEN_", "STEM_TURN_", "PARALLEL_TURN_", "WEDERN_TURN_", "MIDDLE_TURN_",
                              "GEN_DESCENT_"})
        f << QStringLiteral("T1.") + QLatin1String(score) + judge;
    return f;
}

} // namespace

// ---- the shared base

TfrmContestReport::TfrmContestReport(const TReportDefinition &report, QWidget *parent)
    : TfrmReportList(report, parent)
{
    countLines();
}

// ---- EDS040

TfrmEDS040::TfrmEDS040(QWidget *parent)
    : TfrmContestReport({"EDS040", QStringLiteral("스키대회 현황 조회,출력"), QStringLiteral("스키대회 현황"),
                         {{"SEQ_NO", "순번", 40, true}, {"GAME_NAME", "대회명", 160}, {"SOCIETY_NAME", "협회", 100},
                          {"SOCIETY_REP", "대표자", 60}, {"TEL_NO", "연락처", 90}, {"GAME_CONTENT", "대회내용", 140},
                          {"GAME_SCALE", "대회규모", 100}, {"SLOPE", "슬로프", 60},
                          {"SLOPE_AMT", "슬로프사용료", 80, true}, {"PROBLEM", "문제점", 100}, {"REMARK", "비고", 80}}},
                        parent)
{
    dtpDate = addDateEdit("dtpDate", QStringLiteral("*대회일자"));
}

Statement TfrmEDS040::statement()
{
    Statement s;
    s.sql = QStringLiteral("SELECT SEQ_NO, GAME_NAME, SOCIETY_NAME, SOCIETY_REP, TEL_NO, GAME_CONTENT, GAME_SCALE, ")
        + codeLabel("GC_SLOPE_CODE", "SLOPE", "SLOPE")
        + QStringLiteral(", TO_CHAR(SLOPE_AMT,'FM9,999,999,999') AS SLOPE_AMT, PROBLEM, REMARK "
                         "FROM ED010MS WHERE GAME_DATE = :GAME_DATE ORDER BY ED010MS.SEQ_NO");
    s.binds = {{"GC_SLOPE_CODE", QStringLiteral("E0006")}, {"GAME_DATE", dtpDate->dateText()}};
    return s;
}

QStringList TfrmEDS040::conditionLines() { return {conditionLine({dtpDate})}; }

// ---- EDS050

namespace {
const QString kEveryone = QStringLiteral("[ 전 체 ]");
const QString kByReceipt = QStringLiteral("접수번호");
const QString kByName = QStringLiteral("참가자명");
const QString kByDate = QStringLiteral("신청일");
} // namespace

TfrmEDS050::TfrmEDS050(QWidget *parent)
    : TfrmContestReport({"EDS050", QStringLiteral("뱃지테스트 참가자 현황 조회,출력"),
                         QStringLiteral("뱃지테스트 참가자 현황"),
                         {{"RECV_NO", "접수번호", 60, true}, {"APPLY_DATE", "신청일", 80}, {"ENTRY_NAME_KOR", "참가자명", 80},
                          {"ID_NO", "주민등록번호", 110}, {"SKI_SKILL", "스키경력", 100}, {"MOBILE_NO", "핸드폰", 100},
                          {"APPLY_CLASS", "신청급수", 80}, {"APPLY_AMT", "참가비", 70, true}}},
                        parent)
{
    addSeason();
    cboCondition = addConditionPages({kEveryone, kByReceipt, kByName, kByDate});
    edtRecvNoFrom = addNumberBound("edtRecvNoFrom", kByReceipt, 6);
    edtRecvNoTo = addNumberBound("edtRecvNoTo", QStringLiteral("∼"), 6);
    edtEntryNameKor = addEdit("edtEntryNameKor", kByName, 30);
    wmeApplyDateFrom = addDateBound("wmeApplyDateFrom", kByDate);
    wmeApplyDateTo = addDateBound("wmeApplyDateTo", QStringLiteral("∼"));
    for (QWidget *w : {edtRecvNoFrom, edtRecvNoTo})
        addToPage(kByReceipt, w);
    addToPage(kByName, edtEntryNameKor);
    for (QWidget *w : {wmeApplyDateFrom, wmeApplyDateTo})
        addToPage(kByDate, w);

    // below the grid, the current applicant's other fields
    detail = new TRowDetail(rgrGrid);
    detail->addField(detail->addGroup("grbEmail", QString()), "EMAIL", QStringLiteral("E-MAIL"));
    for (const QString place : {QStringLiteral("HOME"), QStringLiteral("OFFICE")}) {
        const bool home = place == QLatin1String("HOME");
        QFormLayout *box = home ? detail->addGroup("grbHome", QStringLiteral("자택정보"))
                                : detail->addGroup("grbOffice", QStringLiteral("직장정보"));
        detail->addField(box, place + "_TEL_NO", QStringLiteral("전화번호"));
        detail->addField(box, place + "_FAX_NO", QStringLiteral("FAX번호"));
        detail->addField(box, place + "_ZIP_CODE", QStringLiteral("주소"));
        detail->addField(box, place + "_ADDR1", QString());
        detail->addField(box, place + "_ADDR2", QString());
        if (home) {
            QFormLayout *names = detail->addGroup("grbEntryName", QStringLiteral("참가자명"));
            detail->addField(names, "ENTRY_NAME_CHI", QStringLiteral("한문"));
            detail->addField(names, "ENTRY_NAME_ENG", QStringLiteral("영문"));
        }
    }
    placeBelowGrid(detail->panel());
}

Statement TfrmEDS050::statement()
{
    Statement s;
    QStringList sql{
        "SELECT RECV_NO,",
        "       " + dashedDate("APPLY_DATE", "APPLY_DATE") + ",",
        "       ENTRY_NAME_KOR,",
        "       ENTRY_NAME_CHI,",
        "       ENTRY_NAME_ENG,",
        // personal data in a list: the registration number in its display form, with its dash
        "       " + maskedIdNo("ID_NO") + ",",
        "       SKI_SKILL,",
        "       " + dashedZip("HOME_ZIP_CODE") + ",",
        "       HOME_ADDR1,",
        "       HOME_ADDR2,",
        "       HOME_TEL_NO,",
        "       HOME_FAX_NO,",
        "       " + dashedZip("OFFICE_ZIP_CODE") + ",",
        "       OFFICE_ADDR1,",
        "       OFFICE_ADDR2,",
        "       OFFICE_TEL_NO,",
        "       OFFICE_FAX_NO,",
        "       MOBILE_NO,",
        "       EMAIL,",
        "       " + codeLabel("GC_APPLY_CLASS_CODE", "APPLY_CLASS", "APPLY_CLASS") + ",",
        "       TO_CHAR(APPLY_AMT,'FM9,999,999,999') AS APPLY_AMT",
        "  FROM ED020MS",
        " WHERE SEASON_GUBUN = :SEASON_GUBUN"};
    s.binds = {{"GC_APPLY_CLASS_CODE", QStringLiteral("E0026")}, {"SEASON_GUBUN", season->code()}};
    const QString choice = cboCondition->currentText();
    if (choice == kByReceipt) {
        sql << "   AND RECV_NO BETWEEN NVL(CAST(:RECV_NO_FROM AS INTEGER),0) AND NVL(CAST(:RECV_NO_TO AS INTEGER),999999)";
        s.binds.insert("RECV_NO_FROM", edtRecvNoFrom->text());
        s.binds.insert("RECV_NO_TO", edtRecvNoTo->text());
    } else if (choice == kByName) {
        sql << "   AND ENTRY_NAME_KOR LIKE :ENTRY_NAME_KOR";
        s.binds.insert("ENTRY_NAME_KOR", QStringLiteral("%") + edtEntryNameKor->text() + QStringLiteral("%"));
    } else if (choice == kByDate) {
        sql << "   AND " + reportsql::period("APPLY_DATE", "APPLY_DATE_FROM", "APPLY_DATE_TO");
        s.binds.insert("APPLY_DATE_FROM", wmeApplyDateFrom->value());
        s.binds.insert("APPLY_DATE_TO", wmeApplyDateTo->value());
    }
    sql << " ORDER BY ED020MS.RECV_NO";
    s.sql = sql.join(QLatin1Char('\n'));
    return s;
}

QStringList TfrmEDS050::conditionLines()
{
    const QString choice = cboCondition->currentText();
    QStringList lines{seasonPair(), QStringLiteral("검색조건: ") + choice};
    if (choice == kByReceipt)
        lines << reportsql::boundsLine(edtRecvNoFrom->text(), edtRecvNoTo->text());
    else if (choice == kByName)
        lines << edtEntryNameKor->text();
    else if (choice == kByDate)
        lines << reportsql::dateBoundsLine(wmeApplyDateFrom->value(), wmeApplyDateTo->value());
    return lines;
}

// ---- EDS060

TfrmEDS060::TfrmEDS060(QWidget *parent)
    : TfrmContestReport({"EDS060", QStringLiteral("뱃지테스트 심사 현황 조회,출력"), QStringLiteral("뱃지테스트 심사 현황"),
                         {}},
                        parent)
{
    const char *scoreTitles[] = {"프로그보겐", "슈텐턴", "패러럴턴", "웨데른턴", "미들턴", "종합활강"};
    const char *scoreFields[] = {"PFLUG_BOGEN_", "STEM_TURN_", "PARALLEL_TURN_", "WEDERN_TURN_", "MIDDLE_TURN_",
                                 "GEN_DESCENT_"};
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    rgrGrid->addColumn("RECV_NO", QStringLiteral("접수번호"), 56, right);
    rgrGrid->addColumn("APPLY_NAME", QStringLiteral("참가자명"), 64);
    m_layoutColumns = {{"RECV_NO", "접수번호", 56, true}, {"APPLY_NAME", "참가자명", 64}};
    for (const QString &judge : {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}) {
        const QString grid = QStringLiteral("심사자(%1)").arg(judge);
        const QString printed = QStringLiteral("심 사 자(%1)").arg(judge);
        rgrGrid->addColumn("EXAMINER_" + judge, QStringLiteral("심사자명"), 56).group(grid);
        m_layoutColumns.append({KeptText("EXAMINER_" + judge), "심사자명", 56, false, nullptr, printed});
        for (int i = 0; i < 6; ++i) {
            const QString field = QString::fromLatin1(scoreFields[i]) + judge;
            rgrGrid->addColumn(field, QString::fromUtf8(scoreTitles[i]), 36, right).group(grid);
            m_layoutColumns.append({KeptText(field), scoreTitles[i], 32, true, nullptr, printed});
        }
        rgrGrid->addColumn(judge + "_SCORE", QStringLiteral("합계"), 40, right).group(grid);
        m_layoutColumns.append({KeptText(judge + "_SCORE"), "합계", 36, true, nullptr, printed});
    }
    rgrGrid->addColumn("TOT_SCORE", QStringLiteral("총점"), 48, right);
    rgrGrid->addColumn("AVG_SCORE", QStringLiteral("평균"), 48, right);
    m_layoutColumns.append({"TOT_SCORE", "총점", 40, true});
    m_layoutColumns.append({"AVG_SCORE", "평균", 40, true});
    rgrGrid->applyColumns();

    addSeason();
    dtpDate = addDateEdit("dtpDate", QStringLiteral("*심사일자"));
    season->setNext(dtpDate);
    edtRecvNoFrom = addNumberBound("edtRecvNoFrom", QStringLiteral("접수번호"), 6);
    edtRecvNoTo = addNumberBound("edtRecvNoTo", QStringLiteral("∼"), 6);
}

Statement TfrmEDS060::statement()
{
    QStringList select{"T1.RECV_NO", "T2.ENTRY_NAME_KOR AS APPLY_NAME"};
    QStringList all;
    for (const QString &judge : {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}) {
        const QStringList scores = judgeFields(judge);
        select << "T1.EXAMINER_" + judge << scores;
        // plain additions: a judge who left a score empty has no sum, and the sheet no total
        select << "(" + scores.join(" + ") + ") AS " + judge + "_SCORE";
        all << scores;
    }
    const QString total = "(" + all.join(" + ") + ")";
    select << total + " AS TOT_SCORE" << "ROUND(" + total + " / 3.0, 1) AS AVG_SCORE";
    Statement s;
    s.sql = "SELECT " + select.join(",\n       ")
        + "\n  FROM ED020DT T1, ED020MS T2"
          "\n WHERE T1.SEASON_GUBUN = :SEASON_GUBUN"
          "\n   AND T1.EXAMINE_DATE = :EXAMINE_DATE"
          "\n   AND T1.RECV_NO BETWEEN NVL(CAST(:RECV_NO_FROM AS INTEGER),0) AND NVL(CAST(:RECV_NO_TO AS INTEGER),999999)"
          "\n   AND T2.SEASON_GUBUN = T1.SEASON_GUBUN"
          "\n   AND T2.RECV_NO = T1.RECV_NO"
          "\n ORDER BY T1.RECV_NO";
    s.binds = {{"SEASON_GUBUN", season->code()}, {"EXAMINE_DATE", dtpDate->dateText()},
               {"RECV_NO_FROM", edtRecvNoFrom->text()}, {"RECV_NO_TO", edtRecvNoTo->text()}};
    return s;
}

QStringList TfrmEDS060::conditionLines()
{
    return {seasonPair(), conditionLine({dtpDate}),
            QStringLiteral("접수번호: ") + reportsql::boundsLine(edtRecvNoFrom->text(), edtRecvNoTo->text())};
}
