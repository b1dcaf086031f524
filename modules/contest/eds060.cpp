#include "eds060.h"
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
        m_layoutColumns.append({"EXAMINER_" + judge, "심사자명", 56, false, {}, printed});
        for (int i = 0; i < 6; ++i) {
            const QString field = QString::fromLatin1(scoreFields[i]) + judge;
            rgrGrid->addColumn(field, QString::fromUtf8(scoreTitles[i]), 36, right).group(grid);
            m_layoutColumns.append({field, scoreTitles[i], 32, true, {}, printed});
        }
        rgrGrid->addColumn(judge + "_SCORE", QStringLiteral("합계"), 40, right).group(grid);
        m_layoutColumns.append({judge + "_SCORE", "합계", 36, true, {}, printed});
    }
    rgrGrid->addColumn("TOT_SCORE", QStringLiteral("총점"), 48, right);
    rgrGrid->addColumn("AVG_SCORE", QStringLiteral("평균"), 48, right);
    m_layoutColumns.append({"TOT_SCORE", "총점", 40, true});
    m_layoutColumns.append({"AVG_SCORE", "평균", 40, true});
    rgrGrid->applyColumns();

    setConditions({
        SeasonCondition(),
        Condition("EXAMINE_DATE", QStringLiteral("*심사일자"), BIND(dtpDate)).newLine(),
        Range(Condition("RECV_NO", QStringLiteral("접수번호"), BIND(edtRecvNoFrom)).digits(6), BIND(edtRecvNoTo)).newLine(),
    });
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
    return s;
}
