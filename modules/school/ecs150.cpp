#include "ecs150.h"
#include "framework/rowdetail.h"
#include "framework/sqltext.h"
#include "widgets/inputs.h"
#include <QFormLayout>

using reportsql::Statement;

namespace {

// The registration number as the display function gives it, under its own name.
QString displayedIdNo(const QString &column)
{
    return QStringLiteral("CASE WHEN NULLIF(TRIM(%1), '') IS NULL THEN NULL ELSE FN_ZA010MS_04(%1) END AS %1")
        .arg(column);
}

// The fields of one party ("LOSS" or "OFFENSE"), banded by the party in the print.
QVector<TColumn> partyColumns(const char *name, const char *job, const char *tel, const char *idNo,
                                    const char *zip, const char *addr1, const char *addr2, const QString &band)
{
    return {{name, "성명", 36, false, {}, band},  {job, "직업", 36, false, {}, band},
            {tel, "연락처", 52, false, {}, band},  {idNo, "주민번호", 60, false, {}, band},
            {zip, "우편", 36, false, {}, band},  {addr1, "주소1", 60, false, {}, band},
            {addr2, "주소2", 36, false, {}, band}};
}

} // namespace

TfrmECS150::TfrmECS150(QWidget *parent)
    : TfrmSchoolReport({"ECS150", QStringLiteral("강습사고 현황 조회,출력"), QStringLiteral("강습사고 현황"),
                        {{"SEQ_NO", "순번", 40, true}, {"TROB_NAME", "사고명", 200}, {"TROB_TIME", "사고시간", 70},
                         {"TROB_PLACE", "사고장소", 200}, {"LECTURER_EMP_NO", "담당강사사번", 90},
                         {"LECTURER_NAME", "담당강사명", 90}}},
                       parent)
{
    setConditions({Condition("TROB_DATE", QStringLiteral("*사고일자"), BIND(dtpDate))});

    // the print shows every field but the time
    m_layoutColumns = {{"SEQ_NO", "순번", 40, true}, {"TROB_NAME", "사고명", 60}, {"LECTURER_EMP_NO", "강사사번", 48},
                       {"LECTURER_NAME", "강사명", 40}, {"TROB_PLACE", "사고장소", 48}};
    m_layoutColumns += partyColumns("LOSS_NAME", "LOSS_JOB", "LOSS_TEL_NO", "LOSS_ID_NO", "LOSS_ZIP_CODE", "LOSS_ADDR1",
                                    "LOSS_ADDR2", QStringLiteral("피해자"));
    m_layoutColumns += partyColumns("OFFENSE_NAME", "OFFENSE_JOB", "OFFENSE_TEL_NO", "OFFENSE_ID_NO",
                                    "OFFENSE_ZIP_CODE", "OFFENSE_ADDR1", "OFFENSE_ADDR2", QStringLiteral("가해자"));
    m_layoutColumns += QVector<TColumn>{{"TROB_REMARK", "사건개요", 60}, {"TROB_INJURY", "부상부위", 48},
                                              {"TROB_AFTER", "조치사항", 56}, {"TROB_WITNESSES", "목격자", 40}};

    // below the grid, the accident under the cursor
    detail = new TRowDetail(rgrGrid);
    for (const QString party : {QStringLiteral("LOSS"), QStringLiteral("OFFENSE")}) {
        const bool victim = party == QLatin1String("LOSS");
        QFormLayout *box = victim ? detail->addGroup("grbLoss", QStringLiteral("피해자"))
                                  : detail->addGroup("grbOffense", QStringLiteral("가해자"));
        detail->addField(box, party + "_NAME", victim ? QStringLiteral("피해자명") : QStringLiteral("가해자명"));
        detail->addField(box, party + "_JOB", QStringLiteral("직업"));
        detail->addField(box, party + "_TEL_NO", QStringLiteral("연락처"));
        detail->addField(box, party + "_ID_NO", QStringLiteral("주민등록번호"));
        detail->addField(box, party + "_ZIP_CODE", QStringLiteral("주소"));
        detail->addField(box, party + "_ADDR1", QString());
        detail->addField(box, party + "_ADDR2", QString());
    }
    QFormLayout *other = detail->addGroup("grbOther", QStringLiteral("기타"));
    detail->addField(other, "TROB_REMARK", QStringLiteral("사건개요"));
    detail->addField(other, "TROB_INJURY", QStringLiteral("부상부위"));
    detail->addField(other, "TROB_AFTER", QStringLiteral("조치사항"));
    detail->addField(other, "TROB_WITNESSES", QStringLiteral("목격자"));
    placeBelowGrid(detail->panel());
}

Statement TfrmECS150::statement()
{
    Statement s;
    s.sql = QStringList{
        "SELECT SEQ_NO,",
        "       TROB_NAME,",
        "       LECTURER_EMP_NO,",
        "       LECTURER_NAME,",
        "       CASE WHEN NULLIF(TRIM(TROB_TIME), '') IS NULL THEN NULL",
        "            ELSE SUBSTR(TROB_TIME,1,2)||':'||SUBSTR(TROB_TIME,3,2) END AS TROB_TIME,",
        "       TROB_PLACE,",
        "       LOSS_NAME,",
        "       LOSS_JOB,",
        "       LOSS_TEL_NO,",
        "       " + displayedIdNo("LOSS_ID_NO") + ",",
        "       " + dashedZip("LOSS_ZIP_CODE") + ",",
        "       LOSS_ADDR1,",
        "       LOSS_ADDR2,",
        "       OFFENSE_NAME,",
        "       OFFENSE_JOB,",
        "       OFFENSE_TEL_NO,",
        "       " + displayedIdNo("OFFENSE_ID_NO") + ",",
        "       " + dashedZip("OFFENSE_ZIP_CODE") + ",",
        "       OFFENSE_ADDR1,",
        "       OFFENSE_ADDR2,",
        "       TROB_REMARK,",
        "       TROB_INJURY,",
        "       TROB_AFTER,",
        "       TROB_WITNESSES",
        "  FROM EC070MS",
        " WHERE TROB_DATE = :TROB_DATE",
        " ORDER BY SEQ_NO"}.join(QLatin1Char('\n'));
    return s;
}
