#include "eci030.h"
#include "schoolfields.h"

TfrmECI030::TfrmECI030(QWidget *parent) : TfrmEZI000(parent)
{
    setWindowTitle(QStringLiteral("강사배정 등록"));
    setFields({
        Condition("LECTURE_DATE", "*배정일자", BIND(dtpDate)),
        Field("LECTURER_EMP_NO", "*강사사번", BIND(edtLecturerEmpNo)).sql("T1.LECTURER_EMP_NO").bytes(8).key()
            .width(80).lookup(BIND(bbtLecturerEmpNo)).keepsFocus()
            .thenCheck([this] {
                // a number that is no instructor's leaves the name empty
                return !edtLecturerName->text().isEmpty() || refuse(nullptr, enterCorrectly("*강사사번"));
            }),
        Field("LECTURER_NAME", "강사명", BIND(edtLecturerName)).sql("T1.LECTURER_NAME").bytes(30).readOnly().width(90),
        Field("AREA_GUBUN", "*강습지역구분", BIND(cboArea)).sql("T1.AREA_GUBUN").code("E0017").key().width(110),
        Field("LECTURE_DETAIL_GUBUN", "*강습세부구분", BIND(cboLectureDetail)).sql("T1.LECTURE_DETAIL_GUBUN")
            .code("E0024").key().width(100),
        Field("TEAM", "조", BIND(edtLecturerTeam)).sql("T1.TEAM").bytes(16).readOnly().newLine().hidden(),
        Field("LECTURER_GUBUN", "강사직급구분", BIND(edtLecturerGubun)).sql("T1.LECTURER_GUBUN").captioned("구분")
            .bytes(16).readOnly().hidden(),
        Field("LECTURE_ITEM_GUBUN", "*강습종목구분", BIND(cboLectureItem)).sql("T1.LECTURE_ITEM_GUBUN").code("E0022")
            .newLine().hidden(),
        Field("LECTURE_REC_GUBUN", "*강습접수구분", BIND(cboLectureRec)).sql("T1.LECTURE_REC_GUBUN").code("E0023").hidden(),
        Field("LECTURE_CNT", "*강습인원", BIND(wneLectureCnt)).sql("T1.LECTURE_CNT").digits(3).unit("명").mayStayEmpty().hidden(),
        Field("REMARK", "비고", BIND(edtRemark)).sql("T1.REMARK").bytes(80).newLine().hidden(),
        Field("TEAM_NAME", "조명", BIND(edtLecturerTeamName))
            .sql("(SELECT Z.CODE_NAME FROM ZX900DT Z WHERE Z.GRP_NO = :GC_TEAM_CODE AND Z.CODE_NO = T1.TEAM)")
            .bytes(30).readOnly().newLine().hidden(),
        Field("LECTURER_GUBUN_NAME", "강사직급구분명", BIND(edtLecturerGubunName))
            .sql("(SELECT Z.CODE_NAME FROM ZX900DT Z WHERE Z.GRP_NO = :GC_LECTURER_GUBUN AND Z.CODE_NO = T1.LECTURER_GUBUN)")
            .bytes(30).readOnly().hidden(),
            Version("T1.ROW_VERSION"),
    });
    BindLecturer(this, edtLecturerEmpNo, bbtLecturerEmpNo, edtLecturerName, cboArea,
                 [this](const QStringList &info) {
                     edtLecturerName->setText(info.value(0));
                     edtLecturerTeam->setText(info.value(1));
                     edtLecturerTeamName->setText(info.value(2));
                     edtLecturerGubun->setText(info.value(3));
                     edtLecturerGubunName->setText(info.value(4));
                 },
                 false);
    // listed by the record key, so the reload after a save comes back to the same assignment
    setLoadQuery("FROM EC030MS T1 WHERE T1.LECTURE_DATE = :LECTURE_DATE "
                 "ORDER BY T1.LECTURER_EMP_NO, T1.AREA_GUBUN, T1.LECTURE_DETAIL_GUBUN");
    prcSaveData->setProcedure("PR_ECI030_01");
    setRowLeaveChecks(true);
    setOpenRecordAfterSave(true);
}

void TfrmECI030::search()
{
    qryQuery->bind("GC_TEAM_CODE", QStringLiteral("Q043"));
    qryQuery->bind("GC_LECTURER_GUBUN", QStringLiteral("Q044"));
    TfrmEZI000::search();
}

// The same instructor may teach another area or detail that day, not the same one twice.
bool TfrmECI030::validateRow()
{
    const int row = rgrGrid->currentRow();
    if (row < 0 || isLoadedRow(row) || !IsDuplicateKey())
        return true;
    return refuse(edtLecturerEmpNo, QStringLiteral("기존 등록된 자료와 중복됩니다. 다시 입력하십시오."));
}
