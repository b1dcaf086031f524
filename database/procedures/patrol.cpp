#include "../procedure.h"

namespace db {

namespace {

// The fields of an accident record after its number, in the order of the record table and of the
// procedure's parameters.
const QStringList &accidentColumns()
{
    static const QStringList columns = {
        "PEAK_GUBUN", "IN_NAME", "TROB_TIME", "TROB_TIME_GUBUN", "WEATHER_STAT_GUBUN", "TEMPERATURE",
        "TP_COURSE_GUBUN", "TP_LIFT_GUBUN", "TP_DETAIL_DESC", "TP_COURSELEVEL_GUBUN", "TP_SNOW_GUGUBN",
        "TP_SNOWKIND_GUBUN", "TP_ETC", "TP_CLASSIFY_GUBUN", "IN_SEX", "IN_AGE", "IN_HEIGHT", "IN_WEIGHT",
        "IN_ZIP_CODE", "IN_ADDR1", "IN_ADDR2", "IN_ID_NO", "IN_TEL_NO", "IN_JOB", "IN_POSITION_GUBUN",
        "IN_DETAIL_GUBUN", "IN_STAT_GUBUN", "IN_STAT_ETC", "IN_CAUSE_GUBUN", "IN_CAUSE_ETC",
        "IN_FACTOR_GUBUN", "IN_FACTOR_ETC", "IN_LEVEL_GUBUN", "IN_DAYSKI_GUBUN", "IN_DAYUSE_GUBUN",
        "IN_LECTURE_GUBUN", "IN_SKI_NAME", "IN_SKI_SIZE_GUBUN", "IN_BINDING_NAME", "IN_BOOTS_NAME",
        "IN_BOOTS_SIZE_GUBUN", "IN_ARTICLE_NAME", "IN_RENT_GUBUN", "IN_RENT_PLACE", "IN_BINDING_TEST_GUBUN",
        "IN_SKI_LOOSE_GUBUN", "IN_BINDING_STRENGTH_GUBUN", "IN_BINDING_LEFT_F", "IN_BINDING_LEFT_B",
        "IN_BINDING_RIGHT_F", "IN_BINDING_RIGHT_B", "WI_NAME", "WI_ID_NO", "WI_TEL_NO", "WI_ACC_STAT",
        "WI_TROB_DETAIL", "PT_PHOTO_GUBUN", "PT_PHOTO_NAME", "EV_METHOD_GUBUN", "EV_MEANS_GUBUN", "EV_ETC",
        "ME_SPOT_TIME", "ME_NAME", "ME_TEL_NO", "ME_EMERGENCY", "ME_MEDICAL_TIME", "ME_MEDICAL_NAME",
        "ME_PATIENT_STAT", "ME_AFTER", "TE_MEANS_GUBUN", "TE_OBJECT_GUBUN", "CO_NAME", "CO_ID_NO",
        "CO_TEL_NO", "CO_ZIP_CODE", "CO_ADDR1", "CO_ADDR2", "TROB_POINT_X", "TROB_POINT_Y", "REGION_F_X",
        "REGION_F_Y", "REGION_B_X", "REGION_B_Y",
    };
    return columns;
}

// EEI010: one accident of EE010MS. A new record ("2") is numbered within its day under the day's counter
// row, so two patrol desks saving at the same moment never give one number twice; a changed one ("1")
// keeps the stored registration numbers when the screen sends back their masked display form; "3"
// removes it. ATEST is part of the list and carries nothing.
void saveAccident(ProcedureCall &call)
{
    const QString status = call.param("AEDITSTATUS");
    const QString day = call.param("ATROB_DATE");
    if (day.size() != 8)
        call.fail(QStringLiteral("사고일자가 없습니다."));
    if (status == QLatin1String("2")) {
        const qlonglong no = call.takeNumber("EE010NO", "LAST_NO", {{"TROB_DATE", day}}, "EE010MS", "TROB_NO");
        call.setOut("ATROB_NO", no);
    } else {
        bool ok = false;
        const qlonglong no = call.param("ATROB_NO").toLongLong(&ok);   // listed as four digits ("0001")
        if (!ok)
            call.fail(QStringLiteral("사고번호가 없습니다."));
        call.setOut("ATROB_NO", no);
    }
    call.saveByEditStatus("EE010MS", {"TROB_DATE", "TROB_NO"}, accidentColumns());
    if (status == QLatin1String("1") && call.rowsAffected() == 0)
        call.fail(QStringLiteral("사고기록이 존재하지 않습니다."));
}

} // namespace

void registerPatrolProcedures(ProcedureCatalog &catalog)
{
    QList<Parameter> params{in("ATROB_DATE"), in("ATROB_NO")};
    for (const QString &c : accidentColumns())
        params << in(QStringLiteral("A") + c);
    params << in("ATEST") << in("AU_EMP_NO") << in("AU_IP") << in("AEDITSTATUS");
    catalog.add({"PR_EEI010_01", params, saveAccident});
}

} // namespace db
