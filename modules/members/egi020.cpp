#include "egi020.h"
#include "core/messages.h"
#include "core/utils.h"
#include "framework/dialogs/lookupdialogs.h"
#include "refdata/lookups.h"
#include <QComboBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char *kAll = "전     체";
const char *kCurrent = "정상회원";
const char *kEnded = "만료회원";

// A field of the member carried in a hidden column titled by its name.
TField carried(const QString &field) { return Column(field, field).hidden().readOnlyCell().width(110); }

} // namespace

TfrmEGI020::TfrmEGI020(QWidget *parent) : TfrmEZI020(parent)
{
    setObjectName("frmEGI020");
    setWindowTitle(QStringLiteral("회원 등록"));

    // the list on the left, the member's form beside it
    panMember = new TFieldPanel(nullptr, 1);
    panMember->setObjectName("panMember");
    placeBesideGrid(panMember, 3, 2, Qt::AlignTop);

    // The member table's fields in the order the list reads them; the list shows the number, the
    // name, the telephones and the period of use, and takes the telephones and the period typed in.
    setFields({
        Condition("MEMBER_NAME", "회원명 :", BIND(edt_Member_No)).bytes(30),
        Field("MEMBER_NO", "회원번호", BIND(wlbMemberNo)).beside("MEMBER_NAME").readOnlyCell().width(110),
        Field("MEMBER_NAME", "회원명", BIND(edtMemberName)).captioned("회원명 :").bytes(30).readOnlyCell().width(110),
        Field("MEMBER_NAME_ENG", "회원구분 :", BIND(edtMemberNameEng)).titled("MEMBER_NAME_ENG").bytes(30).hidden()
            .readOnlyCell().width(110),
        Field("ID_NO", "주민번호 :", BIND(edtIdNo)).titled("ID_NO").bytes(13).personal().hidden().readOnlyCell().width(110),
        Field("SEX_CODE", "성 별 :", BIND(cboSex)).titled("SEX_CODE")
            .code({"1", "2", "Z"}, {"남", "여", "구분없슴"}).unlisted("Z").hidden().readOnlyCell().width(110),
        carried("NATION_CODE"), carried("PASSWORD_NO"), carried("BIRTH_DAY"), carried("CALENDAR_CODE"),
        carried("MEMORIAL_DAY"), carried("MEMORIAL_DAY_CODE"),
        ::Column("MAIN_MEMBER_NO", "주회원번호").hidden().readOnlyCell().width(110),
        carried("JOB_CODE"), carried("COMPANY_NAME"), carried("POST_NAME"), carried("OFFICE_POSITION"),
        Field("E_MAIL", "E-Mail :", BIND(edtEMail)).titled("E_MAIL").bytes(50).hidden().readOnlyCell().width(110),
        Field("HOME_TEL", "자택전화", BIND(edtHomeTel)).captioned("자택전화 :").bytes(20).width(110),
        carried("HOME_FAX"), carried("OFFICE_TEL"), carried("OFFICE_FAX"),
        Field("MOBILE_TEL", "휴대폰", BIND(edtMobileTel)).captioned("휴대폰 :").bytes(20).width(110),
        Field("HOME_POST", "우편번호 :", BIND(wmeHomePost)).titled("HOME_POST").mask("999-999")
            .lookup("bbtHomePost", &bbtHomePost).hidden().readOnlyCell().width(110),
        Field("HOME_ADDRESS1", "주소1 :", BIND(edtHomeAddress1)).titled("HOME_ADDRESS1").bytes(50).hidden()
            .readOnlyCell().width(110),
        Field("HOME_ADDRESS2", "주소2 :", BIND(edtHomeAddress2)).titled("HOME_ADDRESS2").bytes(50).hidden()
            .readOnlyCell().width(110),
        carried("OFFICE_POST"), carried("OFFICE_ADDRESS1"), carried("OFFICE_ADDRESS2"),
        Field("USE_DATE_FROM", "사용시작일자", BIND(wmeUseDateFrom)).captioned("사용시작일자 :").date().width(100),
        Field("USE_DATE_TO", "사용종료일자", BIND(wmeUseDateTo)).captioned("사용종료일자 :").date().width(100),
        ::Column("MEMBER_GROUP_CODE", "회원구분").hidden().readOnlyCell().width(110),
        ::Column("GUEST_TYPE", "우대구분").hidden().readOnlyCell().width(110),
        ::Column("GOLF_CODE", "골프코드").hidden().readOnlyCell().width(110),
        ::Column("USE_ROOM_TYPE", "사용가능객실").hidden().readOnlyCell().width(110),
        carried("MEMBER_REMARK"),
        Version(),
    }, panMember);

    cboSearch = new QComboBox;
    cboSearch->setObjectName("cboSearch");
    cboSearch->addItems({QString::fromUtf8(kAll), QString::fromUtf8(kCurrent), QString::fromUtf8(kEnded)});
    conditions()->addControl(QStringLiteral("검색조건 :"), cboSearch);

    // a zip code typed and left shows its address; the lookup fills both
    connect(wmeHomePost, &QLineEdit::editingFinished, this, [this] {
        if (!wmeHomePost->isModified() || wmeHomePost->value().isEmpty())
            return;
        wmeHomePost->setModified(false);
        edtHomeAddress1->setText(refdata::GetZipAddress(wmeHomePost->value()));
    });
    connect(bbtHomePost, &QPushButton::clicked, this, &TfrmEGI020::bbtHomePostClick);

    bbtDelete->hide();
    connect(rgrGrid, &QAbstractItemView::doubleClicked, this, [this] {
        if (AskYesNo(QStringLiteral("등록하시겠습니까?\r\n내용수정후 저장버튼을 누르시면 등록내용이 저장됩니다.")))
            edtMemberName->setFocus();
    });

    qryQuery->setSql(QStringLiteral("SELECT 1"));   // built on every search
    prcProc->setProcedure("PR_EGI020_01");
    setSaveQuestion(QString());
    setSearchAfterSave(true);
}

void TfrmEGI020::search()
{
    QString from = QStringLiteral("FROM BA040MS WHERE MEMBER_NO LIKE '20%' "
                                  "AND (MEMBER_NAME LIKE '%' || :MEMBER_NAME || '%' OR CAST(:MEMBER_NAME AS VARCHAR(30)) IS NULL)");
    const QString condition = cboSearch->currentText();
    if (condition == QString::fromUtf8(kCurrent))
        from += QStringLiteral(" and use_date_to >= :date_to");
    else if (condition == QString::fromUtf8(kEnded))
        from += QStringLiteral(" and use_date_to < :date_to");
    setLoadQuery(from + QStringLiteral(" ORDER BY MEMBER_NO"));
    if (qryQuery->hasParam("date_to"))
        qryQuery->bind("date_to", TodayText());
    TfrmEZI020::search();   // the name condition bound by the base
}

// Add empties the list for the one new member, asking first when changes are pending.
void TfrmEGI020::bbtAddClick()
{
    if (!beginAction(bbtAdd))
        return;
    rgrGrid->postCurrentRow();
    if (isModified() && !AskYesNo(QStringLiteral("변경된 자료가 있습니다. 자료를 취소하시겠습니까?")))
        return;
    rgrGrid->clearRows();
    changeBuffer().clear();
    QStringList cells;
    for (int c = 0; c < cColumnCount; ++c)
        cells << QString();
    cells[cSexCode] = QStringLiteral("1");
    cells[cUseDateFrom] = cells[cUseDateTo] = TodayText();
    const int row = appendRecord(cells, 2);
    rgrGrid->setCurrentRow(row);
    ShowRow();
    edtMemberName->setFocus();
}

void TfrmEGI020::bbtHomePostClick()
{
    if (!beginAction(bbtHomePost))
        return;
    QString code = wmeHomePost->value(), address;
    if (!SelectZipCode(code, address, this)) {
        wmeHomePost->setFocus();
        return;
    }
    wmeHomePost->setValue(code);
    wmeHomePost->setModified(false);
    edtHomeAddress1->setText(address);
    edtHomeAddress2->setFocus();
}

void TfrmEGI020::save()
{
    rgrGrid->postCurrentRow();
    const int row = rgrGrid->currentRow();
    m_saveRowId = row >= 0 ? rgrGrid->cell(row, rowIdColumn()) : QString();
    m_saveMemberNo = row >= 0 ? rgrGrid->cell(row, cMemberNo) : QString();
    TfrmEZI020::save();
}

// The member of the form chosen again in the list read again (a new one by its given number).
void TfrmEGI020::AfterSave()
{
    for (int r = 0; r < rgrGrid->rowCount(); ++r)
        if (!m_saveMemberNo.isEmpty() && rgrGrid->cell(r, cMemberNo) == m_saveMemberNo) {
            rgrGrid->setCurrentRow(r);
            break;
        }
    ShowRow();
    ShowInfo(QStringLiteral("자료를 정상적으로 저장했습니다."));
}

bool TfrmEGI020::ExecuteRow()
{
    prcProc->setParam("aMEMBER_GROUP_CODE", QStringLiteral("20"));
    prcProc->setParam("aGUEST_TYPE", QStringLiteral("250"));
    prcProc->setParam("aGOLF_CODE", QStringLiteral("99"));
    prcProc->setParam("aUSE_ROOM_TYPE", QStringLiteral("99"));
    if (prcProc->param("AEDITSTATUS") != QLatin1String("3"))
        prcProc->setParam("aEDITSTATUS", prcProc->param("AMEMBER_NO").isEmpty() ? QStringLiteral("2") : QStringLiteral("1"));
    if (!TfrmEZI020::ExecuteRow())
        return false;
    if (savingRowId() == m_saveRowId)
        m_saveMemberNo = prcProc->param("AMEMBER_NO");
    return true;
}

void TfrmEGI020::cancel()
{
    TfrmEZI020::cancel();
    if (!isSearchMode())
        return;
    cboSearch->setCurrentIndex(-1);
    edt_Member_No->setFocus();
}
