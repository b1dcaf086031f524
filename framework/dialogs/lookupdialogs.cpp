#include "framework/dialogs/lookupdialogs.h"
#include "framework/sqltext.h"
#include "widgets/inputs.h"
#include "database/datamodule.h"
#include "core/messages.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QString lines(std::initializer_list<QString> parts)
{
    return QStringList(parts).join(QLatin1Char('\n'));
}

// Reloads a detail grid from its own statement with the given parameters.
void loadDetail(db::Query *query, TResultSet *model, const QHash<QString, QVariant> &binds)
{
    model->clear();
    query->close();
    query->setSql(query->sql());
    for (auto it = binds.cbegin(); it != binds.cend(); ++it)
        query->bind(it.key(), it.value());
    if (!query->open()) {
        ShowError(query->lastError());
        return;
    }
    model->load(query);
    model->fetchAll();
}

} // namespace

// ---------------------------------------------------------------------------------------------------
TfrmEZH010::TfrmEZH010(QWidget *parent) : TfrmEZH000(parent)
{
    setObjectName("frmEZH010");
    setWindowTitle(QStringLiteral("우편번호"));
    resize(560, 420);
    edtAddress = addSearchField("edtAddress", QStringLiteral("검색조건"), "ADDRESS");
    setStatement(lines({
        "SELECT SUBSTR(ZIP_CODE,1,3) || '-' || SUBSTR(ZIP_CODE,4,3) AS ZIP_CODE,",
        "       CONCAT(ADDRESS1, ' ') || CONCAT(ADDRESS2, ' ') || CONCAT(ADDRESS3, ' ') || CONCAT(POST_BOX, ' ') AS ADDRESS",
        "  FROM ZX030MS",
        " WHERE ADDRESS1 LIKE :ADDRESS",
        "    OR ADDRESS2 LIKE :ADDRESS",
        "    OR ADDRESS3 LIKE :ADDRESS",
        " ORDER BY ZIP_CODE, SEQ_NO"}));
    setColumns({QStringLiteral("우편번호"), QStringLiteral("주소")});
}

bool TfrmEZH010::TakeResults(int row)
{
    const QString shown = cdsQuery->field(row, "ZIP_CODE");
    ZipCode = shown.mid(0, 3) + shown.mid(4, 3);
    Address = cdsQuery->field(row, "ADDRESS");
    return true;
}

// ---------------------------------------------------------------------------------------------------
TfrmEZH020::TfrmEZH020(QWidget *parent) : TfrmEZH000(parent), m_detail(std::make_unique<db::Query>(DM()->dbsDB))
{
    setObjectName("frmEZH020");
    setWindowTitle(QStringLiteral("대여번호"));
    resize(640, 520);
    edtRentName = addSearchField("edtRentName", QStringLiteral("대여자명"), "RENT_NAME");
    edtRentNo = addSearchField("edtRentNo", QStringLiteral("대여번호"), "RENT_NO");
    setStatement(lines({
        "SELECT M.RENT_NO,",
        "       M.DEAL_NAME,",
        "       " + codeLabel("GC_KEEP_KIND_GUBUN", "M.KEEP_KIND_GUBUN", "KEEP_KIND_NAME") + ",",
        "       M.KEEP_BOX_NO",
        "  FROM EB040MS M",
        " WHERE M.RENT_DATE = :RENT_DATE",
        "   AND M.AREA_GUBUN = :AREA_GUBUN",
        "   AND CAST(M.RENT_NO AS VARCHAR(10)) LIKE :RENT_NO",
        "   AND EXISTS (SELECT 1 FROM EB040DT D",
        "                WHERE D.RENT_DATE = M.RENT_DATE",
        "                  AND D.AREA_GUBUN = M.AREA_GUBUN",
        "                  AND D.RENT_NO = M.RENT_NO",
        "                  AND D.RENT_NAME LIKE :RENT_NAME)",
        " ORDER BY M.RENT_NO"}));
    setColumns({QStringLiteral("대여번호"), QStringLiteral("취급자"), QStringLiteral("보관내용"),
                QStringLiteral("보관함번호")});
    rgrDetail = addDetailGrid(&cdsDetail);
    cdsDetail->setTitles({QStringLiteral("순번"), QStringLiteral("대여자명"), QStringLiteral("대여상태"),
                          QStringLiteral("장비"), QStringLiteral("장비번호"), QStringLiteral("권종")});
    m_detail->setSql(lines({
        "SELECT RENT_SEQ,",
        "       RENT_NAME,",
        "       " + codeLabel("GC_RENT_STAT_CODE", "RENT_STAT", "RENT_STAT_NAME") + ",",
        "       " + codeLabel("GC_EQUIP_GUBUN_CODE", "EQUIP_GUBUN", "EQUIP_GUBUN_NAME") + ",",
        "       EQUIP_NO,",
        "       " + codeLabel("GC_TICKET_KIND_CODE", "TICKET_KIND", "TICKET_KIND_NAME"),
        "  FROM EB040DT",
        " WHERE RENT_DATE = :RENT_DATE",
        "   AND AREA_GUBUN = :AREA_GUBUN",
        "   AND RENT_NO = :RENT_NO",
        " ORDER BY RENT_SEQ"}));
}

void TfrmEZH020::Search()
{
    setFixed("RENT_DATE", RentDate);
    setFixed("AREA_GUBUN", AreaGubun);
    setFixed("GC_KEEP_KIND_GUBUN", QStringLiteral("E0013"));
    TfrmEZH000::Search();
}

void TfrmEZH020::CurrentRowChanged(int row)
{
    if (row < 0) {
        cdsDetail->clear();
        return;
    }
    loadDetail(m_detail.get(), cdsDetail,
               {{"RENT_DATE", RentDate}, {"AREA_GUBUN", AreaGubun}, {"RENT_NO", cdsQuery->field(row, "RENT_NO")},
                {"GC_RENT_STAT_CODE", "E0012"}, {"GC_EQUIP_GUBUN_CODE", "E0009"}, {"GC_TICKET_KIND_CODE", "I0005"}});
}

bool TfrmEZH020::TakeResults(int row)
{
    RentNo = cdsQuery->field(row, "RENT_NO");
    return true;
}

// ---------------------------------------------------------------------------------------------------
TfrmEZH030::TfrmEZH030(QWidget *parent) : TfrmEZH000(parent)
{
    setObjectName("frmEZH030");
    setWindowTitle(QStringLiteral("회원"));
    resize(640, 420);
    edtMemberName = addSearchField("edtMemberName", QStringLiteral("회원명"), "MEMBER_NAME");
    setStatement(lines({
        "SELECT MEMBER_NO,",
        "       MEMBER_NAME,",
        "       FN_ZA010MS_04(ID_NO) AS ID_NO,",
        "       " + codeLabel("GC_MEMBER_GROUP_CODE", "MEMBER_GROUP_CODE", "MEMBER_GROUP_NAME") + ",",
        "       " + codeLabel("GC_SEX_CODE", "SEX_CODE", "SEX_NAME") + ",",
        "       CANCEL_DATE",
        "  FROM BB010VE",
        " WHERE MEMBER_NAME LIKE :MEMBER_NAME",
        " ORDER BY MEMBER_NAME, MEMBER_NO"}),
        {{"GC_MEMBER_GROUP_CODE", "B0001"}, {"GC_SEX_CODE", "Z0008"}});
    setColumns({QStringLiteral("회원번호"), QStringLiteral("회원명"), QStringLiteral("주민/사업번호"),
                QStringLiteral("회원구분"), QStringLiteral("성별"), QStringLiteral("해약일자")});
}

bool TfrmEZH030::TakeResults(int row)
{
    if (!cdsQuery->field(row, "CANCEL_DATE").trimmed().isEmpty()) {
        ShowInfo(QStringLiteral("해약된 회원입니다"));
        return false;
    }
    MemberNo = cdsQuery->field(row, "MEMBER_NO");
    MemberName = cdsQuery->field(row, "MEMBER_NAME");
    return true;
}

// ---------------------------------------------------------------------------------------------------
TfrmEZH040::TfrmEZH040(QWidget *parent) : TfrmEZH000(parent)
{
    setObjectName("frmEZH040");
    setWindowTitle(QStringLiteral("코드"));
    resize(420, 420);
    setStatement(lines({
        "SELECT DETAIL, DETAIL_NAME",
        "  FROM ZX010MS",
        " WHERE HEAD = :HEAD",
        "   AND NULLIF(TRIM(DETAIL), '') IS NOT NULL",
        " ORDER BY DETAIL"}));
    setColumns({QStringLiteral("코드"), QStringLiteral("코드명")});
}

void TfrmEZH040::setTitle(const QString &title)
{
    if (!title.isEmpty())
        setWindowTitle(title);
}

void TfrmEZH040::setCodeGroup(const QString &head)
{
    Head = head;
    setFixed("HEAD", head);
}

bool TfrmEZH040::TakeResults(int row)
{
    Code = cdsQuery->field(row, "DETAIL");
    CodeName = cdsQuery->field(row, "DETAIL_NAME");
    return true;
}

// ---------------------------------------------------------------------------------------------------
TfrmEZH050::TfrmEZH050(QWidget *parent) : TfrmEZH000(parent), m_detail(std::make_unique<db::Query>(DM()->dbsDB))
{
    setObjectName("frmEZH050");
    setWindowTitle(QStringLiteral("접수번호"));
    resize(640, 520);
    edtReceiptName = addSearchField("edtReceiptName", QStringLiteral("접수자명"), "RECEIPT_NAME");
    setStatement(lines({
        "SELECT RECEIPT_NO,",
        "       " + dashedDate("ENTER_DATE", "ENTER_DATE") + ",",
        "       RECEIPT_NAME",
        "  FROM EC020MS",
        " WHERE SEASON_GUBUN = :SEASON_GUBUN",
        "   AND RECEIPT_NAME LIKE :RECEIPT_NAME",
        " ORDER BY RECEIPT_NO"}));
    setColumns({QStringLiteral("접수번호"), QStringLiteral("등록일자"), QStringLiteral("접수자명")});
    rgrDetail = addDetailGrid(&cdsDetail);
    cdsDetail->setTitles({QStringLiteral("순번"), QStringLiteral("수강자명"), QStringLiteral("성별"),
                          QStringLiteral("나이"), QStringLiteral("강습종목"), QStringLiteral("강습접수"),
                          QStringLiteral("강습세부")});
    m_detail->setSql(lines({
        "SELECT RECEIPT_SEQ,",
        "       TRAINER_NAME,",
        "       " + codeLabel("GC_SEX_CODE", "SEX", "SEX_NAME") + ",",
        "       AGE,",
        "       " + codeLabel("GC_LECTURE_ITEM_CODE", "LECTURE_ITEM_GUBUN", "LECTURE_ITEM_NAME") + ",",
        "       " + codeLabel("GC_LECTURE_REC_CODE", "LECTURE_REC_GUBUN", "LECTURE_REC_NAME") + ",",
        "       " + codeLabel("GC_LECTURE_DETAIL_CODE", "LECTURE_DETAIL_GUBUN", "LECTURE_DETAIL_NAME"),
        "  FROM EC020DT",
        " WHERE SEASON_GUBUN = :SEASON_GUBUN",
        "   AND RECEIPT_NO = :RECEIPT_NO",
        " ORDER BY RECEIPT_SEQ"}));
}

void TfrmEZH050::Search()
{
    setFixed("SEASON_GUBUN", SeasonGubun);
    TfrmEZH000::Search();
}

void TfrmEZH050::CurrentRowChanged(int row)
{
    if (row < 0) {
        cdsDetail->clear();
        return;
    }
    loadDetail(m_detail.get(), cdsDetail,
               {{"SEASON_GUBUN", SeasonGubun}, {"RECEIPT_NO", cdsQuery->field(row, "RECEIPT_NO")},
                {"GC_SEX_CODE", "Z0008"}, {"GC_LECTURE_ITEM_CODE", "E0022"}, {"GC_LECTURE_REC_CODE", "E0023"},
                {"GC_LECTURE_DETAIL_CODE", "E0024"}});
}

bool TfrmEZH050::TakeResults(int row)
{
    ReceiptNo = cdsQuery->field(row, "RECEIPT_NO");
    EnterDate = cdsQuery->field(row, "ENTER_DATE");
    ReceiptName = cdsQuery->field(row, "RECEIPT_NAME");
    return true;
}

// ---------------------------------------------------------------------------------------------------
TfrmEZH060::TfrmEZH060(QWidget *parent) : TfrmEZH000(parent)
{
    setObjectName("frmEZH060");
    setWindowTitle(QStringLiteral("제휴단체"));
    resize(460, 420);
    edtMemberName = addSearchField("edtMemberName", QStringLiteral("제휴단체명"), "MEMBER_NAME");
    setStatement(lines({
        "SELECT MEMBER_NO, MEMBER_NAME",
        "  FROM BB010MS",
        " WHERE MEMBER_NO > ' '",
        "   AND MEMBER_GROUP_CODE = :MEMBER_GROUP_CODE",
        "   AND MEMBER_NAME LIKE :MEMBER_NAME",
        "   AND CANCEL_DATE IS NULL",
        " ORDER BY MEMBER_NAME, MEMBER_NO"}),
        {{"MEMBER_GROUP_CODE", "44"}});
    setColumns({QStringLiteral("제휴단체번호"), QStringLiteral("제휴단체명")});
}

bool TfrmEZH060::TakeResults(int row)
{
    MemberNo = cdsQuery->field(row, "MEMBER_NO");
    MemberName = cdsQuery->field(row, "MEMBER_NAME");
    return true;
}

// ---------------------------------------------------------------------------------------------------
TfrmEZH070::TfrmEZH070(QWidget *parent) : TfrmEZH000(parent)
{
    setObjectName("frmEZH070");
    setWindowTitle(QStringLiteral("접수번호"));
    resize(640, 420);
    edtAddress = addSearchField("edtAddress", QStringLiteral("참가자명"), "ENTRY_NAME_KOR");
    setStatement(lines({
        "SELECT TO_CHAR(RECV_NO, 'FM000000') AS RECV_NO,",
        "       ENTRY_NAME_KOR,",
        "       " + dashedDate("APPLY_DATE", "APPLY_DATE") + ",",
        "       CASE WHEN NULLIF(TRIM(ID_NO), '') IS NULL THEN NULL",
        "            ELSE SUBSTR(ID_NO,1,6) || '-' || SUBSTR(ID_NO,7,7) END AS ID_NO,",
        "       " + codeLabel("GC_APPLY_CLASS_CODE", "APPLY_CLASS", "APPLY_CLASS"),
        "  FROM ED020MS",
        " WHERE SEASON_GUBUN = :SEASON_GUBUN",
        "   AND ENTRY_NAME_KOR LIKE :ENTRY_NAME_KOR",
        " ORDER BY RECV_NO"}),
        {{"GC_APPLY_CLASS_CODE", "E0026"}});
    setColumns({QStringLiteral("접수번호"), QStringLiteral("참가자명"), QStringLiteral("신청일"),
                QStringLiteral("주민등록번호"), QStringLiteral("신청급수")});
}

void TfrmEZH070::Search()
{
    setFixed("SEASON_GUBUN", SeasonGubun);
    TfrmEZH000::Search();
}

void TfrmEZH070::ClearResults()
{
    RecvNo.clear(); EntryNameKor.clear(); ApplyDate.clear(); IdNo.clear(); ApplyClass.clear();
}

bool TfrmEZH070::TakeResults(int row)
{
    RecvNo = cdsQuery->field(row, "RECV_NO");
    EntryNameKor = cdsQuery->field(row, "ENTRY_NAME_KOR");
    ApplyDate = cdsQuery->field(row, "APPLY_DATE").remove(QLatin1Char('-'));
    IdNo = cdsQuery->field(row, "ID_NO").remove(QLatin1Char('-'));
    ApplyClass = cdsQuery->field(row, "APPLY_CLASS");
    return true;
}

// ---------------------------------------------------------------------------------------------------
TfrmEZH080::TfrmEZH080(QWidget *parent) : TfrmEZH000(parent)
{
    setObjectName("frmEZH080");
    setWindowTitle(QStringLiteral("강사"));
    resize(600, 420);
    edtLecturerName = addSearchField("edtLecturerName", QStringLiteral("강사명"), "EMP_K_NAME");
    // a contract counts up to and including its last day
    setStatement(lines({
        "SELECT EMP_NO,",
        "       EMP_K_NAME,",
        "       " + codeLabel("GC_EMP_WORK_GRP_CODE", "A.EMP_WORK_GRP_CODE", "EMP_WORK_GRP_NAME") + ",",
        "       " + codeLabel("GC_EMP_WORK_GRP_DUTY_CODE", "A.EMP_WORK_GRP_DUTY_CODE", "EMP_WORK_GRP_DUTY_NAME") + ",",
        "       CASE WHEN EMP_POS_CODE = '21' THEN '상용직' ELSE '정규직' END AS EMP_TYPE_NAME,",
        "       EMP_WORK_GRP_CODE,",
        "       EMP_WORK_GRP_DUTY_CODE",
        "  FROM QA010MS A",
        " WHERE EMP_WORK_CODE = '81'",
        "   AND EMP_STAY_CODE = '01'",
        "   AND EMP_K_NAME LIKE :EMP_K_NAME",
        "UNION ALL",
        "SELECT LAB_NO,",
        "       LAB_K_NAME,",
        "       " + codeLabel("GC_EMP_WORK_GRP_CODE", "A.LAB_WORK_GRP", "LAB_WORK_GRP_NAME") + ",",
        "       " + codeLabel("GC_EMP_WORK_GRP_DUTY_CODE", "A.LAB_WORK_DUTY", "LAB_WORK_DUTY_NAME") + ",",
        "       'A/B',",
        "       LAB_WORK_GRP,",
        "       LAB_WORK_DUTY",
        "  FROM QG010MS A",
        " WHERE LAB_WORK_CODE = '81'",
        "   AND NVL(LAB_END_DATE, TO_CHAR(SYSDATE(), 'YYYYMMDD')) >= TO_CHAR(SYSDATE(), 'YYYYMMDD')",
        "   AND LAB_K_NAME LIKE :EMP_K_NAME",
        " ORDER BY 2, 1"}),
        {{"GC_EMP_WORK_GRP_CODE", "Q043"}, {"GC_EMP_WORK_GRP_DUTY_CODE", "Q044"}});
    setColumns({QStringLiteral("강사사번"), QStringLiteral("강사명"), QStringLiteral("조"), QStringLiteral("구분"),
                QStringLiteral("근무형태"), QStringLiteral("조코드"), QStringLiteral("구분코드")},
               {5, 6});
}

void TfrmEZH080::ClearResults()
{
    EmpNo.clear(); EmpName.clear(); WorkGrpCode.clear(); WorkGrpName.clear(); DutyCode.clear(); DutyName.clear();
}

bool TfrmEZH080::TakeResults(int row)
{
    EmpNo = cdsQuery->field(row, 0);
    EmpName = cdsQuery->field(row, 1);
    WorkGrpName = cdsQuery->field(row, 2);
    DutyName = cdsQuery->field(row, 3);
    WorkGrpCode = cdsQuery->field(row, 5);
    DutyCode = cdsQuery->field(row, 6);
    return true;
}

// ---------------------------------------------------------------------------------------------------
TfrmEZH090::TfrmEZH090(QWidget *parent) : TfrmEZH000(parent)
{
    setObjectName("frmEZH090");
    setWindowTitle(QStringLiteral("사원"));
    resize(520, 420);
    edtEmpName = addSearchField("edtEmpName", QStringLiteral("사원명"), "EMP_NAME");
    setStatement(lines({
        "SELECT MEMBER_NO AS EMP_NO,",
        "       MEMBER_NAME AS EMP_NAME,",
        "       " + codeLabel("GC_MEMBER_GROUP_CODE", "MEMBER_GROUP_CODE", "MEMBER_GROUP_NAME") + ",",
        "       " + codeLabel("GC_SEX_CODE", "SEX_CODE", "SEX_NAME"),
        "  FROM BB010VE",
        " WHERE SUBSTR(MEMBER_GROUP_CODE,1,2) = :GC_SAWON_CODE",
        "   AND MEMBER_NAME LIKE :EMP_NAME",
        " ORDER BY MEMBER_NAME, MEMBER_NO"}),
        {{"GC_SAWON_CODE", "10"}, {"GC_MEMBER_GROUP_CODE", "B0001"}, {"GC_SEX_CODE", "Z0008"}});
    setColumns({QStringLiteral("사원번호"), QStringLiteral("사원명"), QStringLiteral("사원구분"),
                QStringLiteral("성별")});
}

bool TfrmEZH090::TakeResults(int row)
{
    EmpNo = cdsQuery->field(row, "EMP_NO");
    EmpName = cdsQuery->field(row, "EMP_NAME");
    return true;
}

// ---------------------------------------------------------------------------------------------------
TfrmEFH020::TfrmEFH020(QWidget *parent) : TfrmEZH000(parent)
{
    setObjectName("frmEFH020");
    setWindowTitle(QStringLiteral("코드"));
    resize(420, 420);
    setStatement(lines({
        "SELECT UPJANG_CODE, UPJANG_NAME",
        "  FROM JA010MS",
        " WHERE UPJANG_TYPE = :UPJANG_TYPE",
        " ORDER BY UPJANG_CODE"}));
    setColumns({QStringLiteral("영업장코드"), QStringLiteral("영업장명")});
}

void TfrmEFH020::setTitle(const QString &title)
{
    if (!title.isEmpty())
        setWindowTitle(title);
}

void TfrmEFH020::Search()
{
    setFixed("UPJANG_TYPE", UpjangType);
    TfrmEZH000::Search();
}

bool TfrmEFH020::TakeResults(int row)
{
    UpjangCode = cdsQuery->field(row, "UPJANG_CODE");
    UpjangName = cdsQuery->field(row, "UPJANG_NAME");
    return true;
}

// ---------------------------------------------------------------------------------------------------
TfrmEZH100::TfrmEZH100(QWidget *parent) : TfrmZZH000(parent)
{
    setObjectName("frmEZH100");
    setWindowTitle(QStringLiteral("취소사유 입력"));
    resize(420, 120);
    auto *row = new QHBoxLayout;
    auto *caption = new QLabel(QStringLiteral("취소사유"), panMain);
    auto *remark = new TEdit(panMain);
    remark->setMaxBytes(40);   // CP949 bytes
    edtCancelRemark = remark;
    edtCancelRemark->setObjectName("edtCancelRemark");
    caption->setBuddy(edtCancelRemark);
    row->addWidget(caption);
    row->addWidget(edtCancelRemark, 1);
    mainLayout()->addLayout(row);
    attachColouring(edtCancelRemark);
}

void TfrmEZH100::OKAction()
{
    CancelRemark = edtCancelRemark->text();
    accept();
}

// ---------------------------------------------------------------------------------------------------
bool SelectZipCode(QString &ZipCode, QString &Address, QWidget *parent)
{
    TfrmEZH010 dlg(parent);
    if (dlg.runModal() != QDialog::Accepted)
        return false;
    ZipCode = dlg.ZipCode;
    Address = dlg.Address;
    return true;
}

bool SelectRentNo(const QString &RentDate, const QString &AreaGubun, QString &RentNo, QWidget *parent)
{
    TfrmEZH020 dlg(parent);
    dlg.RentDate = RentDate;
    dlg.AreaGubun = AreaGubun;
    dlg.edtRentNo->setText(RentNo);
    if (dlg.runModal() != QDialog::Accepted)
        return false;
    RentNo = dlg.RentNo;
    return true;
}

bool SelectMember(QString &MemberNo, QString &MemberName, QWidget *parent)
{
    TfrmEZH030 dlg(parent);
    dlg.edtMemberName->setText(MemberName);
    if (dlg.runModal() != QDialog::Accepted)
        return false;
    MemberNo = dlg.MemberNo;
    MemberName = dlg.MemberName;
    return true;
}

bool SelectCode(const QString &Title, const QString &Head, QString &Code, QString &CodeName, QWidget *parent)
{
    TfrmEZH040 dlg(parent);
    dlg.setTitle(Title);
    dlg.setCodeGroup(Head);
    if (dlg.runModal() != QDialog::Accepted)
        return false;
    Code = dlg.Code;
    CodeName = dlg.CodeName;
    return true;
}

bool SelectReceipt(const QString &SeasonGubun, QString &ReceiptNo, QString &EnterDate, QString &ReceiptName,
                   QWidget *parent)
{
    TfrmEZH050 dlg(parent);
    dlg.SeasonGubun = SeasonGubun;
    if (dlg.runModal() != QDialog::Accepted)
        return false;
    ReceiptNo = dlg.ReceiptNo;
    EnterDate = dlg.EnterDate;
    ReceiptName = dlg.ReceiptName;
    return true;
}

bool SelectEvent(QString &EventNo, QString &EventName, QWidget *parent)
{
    TfrmEZH060 dlg(parent);
    dlg.edtMemberName->setText(EventName);
    if (dlg.runModal() != QDialog::Accepted)
        return false;
    EventNo = dlg.MemberNo;
    EventName = dlg.MemberName;
    return true;
}

bool SelectApplicant(const QString &SeasonGubun, QString &RecvNo, QString &EntryNameKor, QString &ApplyDate,
                     QString &IdNo, QString &ApplyClass, QWidget *parent)
{
    TfrmEZH070 dlg(parent);
    dlg.SeasonGubun = SeasonGubun;
    if (dlg.runModal() != QDialog::Accepted)
        return false;
    RecvNo = dlg.RecvNo;
    EntryNameKor = dlg.EntryNameKor;
    ApplyDate = dlg.ApplyDate;
    IdNo = dlg.IdNo;
    ApplyClass = dlg.ApplyClass;
    return true;
}

bool SelectLecturer(QString &EmpNo, QString &EmpName, QString &WorkGrpCode, QString &WorkGrpName,
                    QString &DutyCode, QString &DutyName, QWidget *parent)
{
    TfrmEZH080 dlg(parent);
    dlg.edtLecturerName->setText(EmpName);
    if (dlg.runModal() != QDialog::Accepted)
        return false;
    EmpNo = dlg.EmpNo;
    EmpName = dlg.EmpName;
    WorkGrpCode = dlg.WorkGrpCode;
    WorkGrpName = dlg.WorkGrpName;
    DutyCode = dlg.DutyCode;
    DutyName = dlg.DutyName;
    return true;
}

bool SelectEmployee(QString &EmpNo, QString &EmpName, QWidget *parent)
{
    TfrmEZH090 dlg(parent);
    dlg.edtEmpName->setText(EmpName);
    if (dlg.runModal() != QDialog::Accepted)
        return false;
    EmpNo = dlg.EmpNo;
    EmpName = dlg.EmpName;
    return true;
}

bool SelectUpjang(const QString &Title, QString &UpjangCode, QString &UpjangName, QWidget *parent)
{
    TfrmEFH020 dlg(parent);
    dlg.setTitle(Title);
    if (dlg.runModal() != QDialog::Accepted)
        return false;
    UpjangCode = dlg.UpjangCode;
    UpjangName = dlg.UpjangName;
    return true;
}

bool InputCancelRemark(QString &CancelRemark, QWidget *parent)
{
    TfrmEZH100 dlg(parent);
    if (dlg.runModal() != QDialog::Accepted)
        return false;
    CancelRemark = dlg.CancelRemark;
    return true;
}
