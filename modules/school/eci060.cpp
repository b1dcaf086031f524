#include "eci060.h"

TfrmECI060::TfrmECI060(QWidget *parent) : TfrmEZI000(parent)
{
    setWindowTitle(QStringLiteral("사설강습 등록"));
    setFields({
        Condition("LECTURE_DATE", "*강습일자", BIND(dtpDate)),
        Field("SEQ_NO", "순번", BIND(lblLectureSeq)).bytes(16).width(50),
        Field("LECTURER_NAME", "*강사명", BIND(edtLecturerName)).bytes(30).width(90),
        Field("TEL_NO", "연락처", BIND(edtTel)).bytes(20).width(110),
        Field("ISSUE_NO", "자격증번호", BIND(edtIssueNo)).bytes(20).width(110),
        Field("LECTURE_ITEM_GUBUN", "*강습종목구분", BIND(cboLectureItem)).code("E0022").width(90),
        Field("LECTURE_REC_GUBUN", "강습접수구분", BIND(cboLectureRec)).code("E0023").width(90),
        Field("LECTURE_DETAIL_GUBUN", "강습세부구분", BIND(cboLectureDetail)).code("E0024").width(90),
        Field("LECTURE_AMT", "*금액", BIND(wneLectureAmt)).digits(9).mayStayEmpty().width(90),
        Field("REMARK", "비고", BIND(edtRemark)).bytes(40).width(200),
        Version(),
    });
    // listed by number, so the reload after a save comes back to the same lesson
    setLoadQuery("FROM EC060MS WHERE LECTURE_DATE = :LECTURE_DATE ORDER BY EC060MS.SEQ_NO");
    prcSaveData->setProcedure("PR_ECI060_01");
    setRowLeaveChecks(true);
    setOpenRecordAfterSave(true);
}
