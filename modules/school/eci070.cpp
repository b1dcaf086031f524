#include "eci070.h"
#include "schoolfields.h"

namespace {
// hhmm of a time of day
bool isTimeOfDay(const QString &hhmm)
{
    return hhmm.size() == 4 && hhmm.left(2).toInt() < 24 && hhmm.mid(2).toInt() < 60;
}
} // namespace

TfrmECI070::TfrmECI070(QWidget *parent) : TfrmEZI000(parent)
{
    setWindowTitle(QStringLiteral("강습사고 등록"));
    const QString idMask = QStringLiteral("999999-9999999");
    setFields({
        Condition("TROB_DATE", "*사고일자", BIND(dtpDate)),
        Field("SEQ_NO", "순번", BIND(wlbSeqNo)).bytes(4).width(40),
        Field("TROB_NAME", "*사고명", BIND(edtTrobName)).bytes(40).width(160),
        Field("LECTURER_EMP_NO", "*담당강사사번", BIND(edtLecturerEmpNo)).bytes(8).width(90)
            .lookup(BIND(bbtLecturerEmpNo))
            .thenCheck([this] {
                return !edtLecturerName->text().isEmpty()
                    || refuse(edtLecturerEmpNo, enterCorrectly("*담당강사사번"));
            }),
        Field("LECTURER_NAME", "담당강사명", BIND(edtLecturerName)).bytes(30).readOnly().width(90),
        Field("TROB_TIME", "*사고시간", BIND(edtTrobTime)).mask("99:99").newLine().hidden()
            .thenCheck([this] {
                return isTimeOfDay(edtTrobTime->value()) || refuse(edtTrobTime, enterCorrectly("*사고시간"));
            }),
        Field("TROB_PLACE", "*사고장소", BIND(edtTrobPlace)).bytes(40).hidden(),
        // the victim
        Field("LOSS_NAME", "피해자(성명)", BIND(edtLossName)).captioned("피해자명").bytes(30).newLine().hidden().group("피해자"),
        Field("LOSS_JOB", "피해자(직업)", BIND(edtLossJob)).captioned("직업").bytes(40).hidden().group("피해자"),
        Field("LOSS_TEL_NO", "피해자(연락처)", BIND(edtLossTelNo)).captioned("연락처").bytes(20).hidden().group("피해자"),
        Field("LOSS_ID_NO", "피해자(주민번호)", BIND(edtLossIdNo)).captioned("주민번호")
            .sql("FN_ZA010MS_04(LOSS_ID_NO)").mask(idMask).newLine().hidden().group("피해자"),
        Field("LOSS_ZIP_CODE", "피해자(우편번호)", BIND(wmeLossZipCode)).captioned("주소").mask("999-999")
            .lookup(BIND(bbtLossZipCode)).hidden().group("피해자"),
        Field("LOSS_ADDR1", "피해자(주소1)", BIND(edtLossAddr1)).captioned({}).bytes(60).readOnly().hidden().group("피해자"),
        Field("LOSS_ADDR2", "피해자(주소2)", BIND(wlbLossAddr2)).captioned({}).bytes(60).hidden().group("피해자"),
        // the other party
        Field("OFFENSE_NAME", "가해자(성명)", BIND(edtOffenseName)).captioned("가해자명").bytes(30).newLine().hidden().group("가해자"),
        Field("OFFENSE_JOB", "가해자(직업)", BIND(edtOffenseJob)).captioned("직업").bytes(40).hidden().group("가해자"),
        Field("OFFENSE_TEL_NO", "가해자(연락처)", BIND(edtOffenseTelNo)).captioned("연락처").bytes(20).hidden().group("가해자"),
        Field("OFFENSE_ID_NO", "가해자(주민번호)", BIND(edtOffenseIdNo)).captioned("주민번호")
            .sql("FN_ZA010MS_04(OFFENSE_ID_NO)").mask(idMask).newLine().hidden().group("가해자"),
        Field("OFFENSE_ZIP_CODE", "가해자(우편번호)", BIND(wmeOffenseZipCode)).captioned("주소").mask("999-999")
            .lookup(BIND(bbtOffenseZipCode)).hidden().group("가해자"),
        Field("OFFENSE_ADDR1", "가해자(주소1)", BIND(edtOffenseAddr1)).captioned({}).bytes(60).readOnly().hidden().group("가해자"),
        Field("OFFENSE_ADDR2", "가해자(주소2)", BIND(edtOffenseAddr2)).captioned({}).bytes(60).hidden().group("가해자"),
        Field("TROB_REMARK", "사건개요", BIND(edtTrobRemark)).bytes(80).newLine().hidden(),
        Field("TROB_INJURY", "부상부위", BIND(edtTrobInjury)).bytes(80).hidden(),
        Field("TROB_AFTER", "조치사항", BIND(edtTrobAfter)).bytes(80).newLine().hidden(),
        Field("TROB_WITNESSES", "목격자", BIND(edtTrobWitnesses)).bytes(80).hidden(),
        Version(),
    });
    setCheckOrder({"TROB_NAME", "TROB_TIME", "TROB_PLACE", "LECTURER_EMP_NO"});
    BindLecturer(this, edtLecturerEmpNo, bbtLecturerEmpNo, edtLecturerName, edtLossName);
    bindZipCode(wmeLossZipCode, edtLossAddr1, bbtLossZipCode, wlbLossAddr2);
    bindZipCode(wmeOffenseZipCode, edtOffenseAddr1, bbtOffenseZipCode, edtOffenseAddr2);
    // listed by number, so the reload after a save comes back to the same accident
    setLoadQuery("FROM EC070MS WHERE TROB_DATE = :TROB_DATE ORDER BY EC070MS.SEQ_NO");
    prcSaveData->setProcedure("PR_ECI070_01");
    setRowLeaveChecks(true);
    setOpenRecordAfterSave(true);
}
