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

struct ColumnDesign {
    const char *field;
    const char *title;   // nullptr: a hidden column titled by its field
    bool editable;
};

// The member table's fields in the order the list reads them.
const ColumnDesign kColumns[TfrmEGI020::cColumnCount] = {
    {"MEMBER_NO", "회원번호", false},        {"MEMBER_NAME", "회원명", false},
    {"MEMBER_NAME_ENG", nullptr, false},     {"ID_NO", nullptr, false},
    {"SEX_CODE", nullptr, false},            {"NATION_CODE", nullptr, false},
    {"PASSWORD_NO", nullptr, false},         {"BIRTH_DAY", nullptr, false},
    {"CALENDAR_CODE", nullptr, false},       {"MEMORIAL_DAY", nullptr, false},
    {"MEMORIAL_DAY_CODE", nullptr, false},   {"MAIN_MEMBER_NO", "주회원번호", false},
    {"JOB_CODE", nullptr, false},            {"COMPANY_NAME", nullptr, false},
    {"POST_NAME", nullptr, false},           {"OFFICE_POSITION", nullptr, false},
    {"E_MAIL", nullptr, false},              {"HOME_TEL", "자택전화", true},
    {"HOME_FAX", nullptr, false},            {"OFFICE_TEL", nullptr, false},
    {"OFFICE_FAX", nullptr, false},          {"MOBILE_TEL", "휴대폰", true},
    {"HOME_POST", nullptr, false},           {"HOME_ADDRESS1", nullptr, false},
    {"HOME_ADDRESS2", nullptr, false},       {"OFFICE_POST", nullptr, false},
    {"OFFICE_ADDRESS1", nullptr, false},     {"OFFICE_ADDRESS2", nullptr, false},
    {"USE_DATE_FROM", "사용시작일자", true}, {"USE_DATE_TO", "사용종료일자", true},
    {"MEMBER_GROUP_CODE", "회원구분", false}, {"GUEST_TYPE", "우대구분", false},
    {"GOLF_CODE", "골프코드", false},        {"USE_ROOM_TYPE", "사용가능객실", false},
    {"MEMBER_REMARK", nullptr, false},
};

// Shown in the grid: the number, the name, the telephones and the period of use.
bool shownInGrid(int c)
{
    return c == TfrmEGI020::cMemberNo || c == TfrmEGI020::cMemberName || c == TfrmEGI020::cHomeTel
        || c == TfrmEGI020::cMobileTel || c == TfrmEGI020::cUseDateFrom || c == TfrmEGI020::cUseDateTo;
}

const char *kAll = "전     체";
const char *kCurrent = "정상회원";
const char *kEnded = "만료회원";

} // namespace

QString TfrmEGI020::sexLabel(const QString &code)
{
    if (code == QLatin1String("1"))
        return QStringLiteral("남");
    if (code == QLatin1String("2"))
        return QStringLiteral("여");
    return QStringLiteral("구분없슴");
}

QString TfrmEGI020::sexCode(const QString &label)
{
    if (label == QStringLiteral("남"))
        return QStringLiteral("1");
    if (label == QStringLiteral("여"))
        return QStringLiteral("2");
    return QStringLiteral("Z");
}

TfrmEGI020::TfrmEGI020(QWidget *parent) : TfrmEZI020(parent)
{
    setObjectName("frmEGI020");
    setWindowTitle(QStringLiteral("회원 등록"));

    edt_Member_No = conditions()->addEdit("edt_Member_No", QStringLiteral("회원명 :"), {}, 30);
    cboSearch = new QComboBox;
    cboSearch->setObjectName("cboSearch");
    cboSearch->addItems({QString::fromUtf8(kAll), QString::fromUtf8(kCurrent), QString::fromUtf8(kEnded)});
    conditions()->addControl(QStringLiteral("검색조건 :"), cboSearch);

    for (int c = 0; c < cColumnCount; ++c) {
        const ColumnDesign &d = kColumns[c];
        const bool date = c == cUseDateFrom || c == cUseDateTo;
        TEditColumn &col = rgrGrid->addColumn(d.title ? QString::fromUtf8(d.title) : QString::fromLatin1(d.field),
                                              date ? TEditColumn::Date : TEditColumn::Text, date ? 100 : 110);
        col.readOnly(!d.editable).hidden(!shownInGrid(c));
        if (c == cHomeTel || c == cMobileTel)
            col.bytes(20);
    }
    rgrGrid->applyColumns();

    // the list on the left, the member's form beside it
    panMember = new TFieldPanel(nullptr, 1);
    panMember->setObjectName("panMember");
    placeBesideGrid(panMember, 3, 2, Qt::AlignTop);

    // the member number beside the name
    auto *nameBox = new QWidget;
    auto *nameLayout = new QHBoxLayout(nameBox);
    nameLayout->setContentsMargins(0, 0, 0, 0);
    edtMemberName = new TEdit(nameBox);
    edtMemberName->setObjectName("edtMemberName");
    edtMemberName->setMaxBytes(30);
    wlbMemberNo = new TLabel(nameBox);
    wlbMemberNo->setObjectName("wlbMemberNo");
    wlbMemberNo->setFrameShape(QFrame::StyledPanel);
    wlbMemberNo->setMinimumWidth(90);
    nameLayout->addWidget(edtMemberName, 1);
    nameLayout->addWidget(wlbMemberNo);
    panMember->addControl(QStringLiteral("회원명 :"), nameBox);
    edtMemberNameEng = panMember->addEdit("edtMemberNameEng", QStringLiteral("회원구분 :"), {}, 30);
    edtIdNo = panMember->addEdit("edtIdNo", QStringLiteral("주민번호 :"), {}, 13);
    cboSex = new QComboBox;
    cboSex->setObjectName("cboSex");
    cboSex->addItems({sexLabel("1"), sexLabel("2"), sexLabel("Z")});
    panMember->addControl(QStringLiteral("성 별 :"), cboSex);
    edtEMail = panMember->addEdit("edtEMail", QStringLiteral("E-Mail :"), {}, 50);
    edtHomeTel = panMember->addEdit("edtHomeTel", QStringLiteral("자택전화 :"), {}, 20);
    edtMobileTel = panMember->addEdit("edtMobileTel", QStringLiteral("휴대폰 :"), {}, 20);
    wmeHomePost = panMember->addMaskEdit("wmeHomePost", QStringLiteral("우편번호 :"), {}, "999-999");
    bbtHomePost = panMember->addLookupButton(wmeHomePost, "bbtHomePost");
    edtHomeAddress1 = panMember->addEdit("edtHomeAddress1", QStringLiteral("주소1 :"), {}, 50);
    edtHomeAddress2 = panMember->addEdit("edtHomeAddress2", QStringLiteral("주소2 :"), {}, 50);
    wmeUseDateFrom = panMember->addMaskEdit("wmeUseDateFrom", QStringLiteral("사용시작일자 :"), {}, "9999-99-99");
    wmeUseDateTo = panMember->addMaskEdit("wmeUseDateTo", QStringLiteral("사용종료일자 :"), {}, "9999-99-99");

    connectEdit(edtMemberName, cMemberName);
    connectEdit(edtMemberNameEng, cMemberNameEng);
    connectEdit(edtIdNo, cIdNo);
    connectEdit(edtEMail, cEMail);
    connectEdit(edtHomeTel, cHomeTel);
    connectEdit(edtMobileTel, cMobileTel);
    connectEdit(wmeHomePost, cHomePost);
    connectEdit(edtHomeAddress1, cHomeAddress1);
    connectEdit(edtHomeAddress2, cHomeAddress2);
    connectEdit(wmeUseDateFrom, cUseDateFrom);
    connectEdit(wmeUseDateTo, cUseDateTo);
    connect(cboSex, &QComboBox::currentTextChanged, this, [this](const QString &text) {
        if (!m_filling)
            storeField(cSexCode, sexCode(text));
    });
    // a zip code typed and left shows its address; the lookup fills both
    connect(wmeHomePost, &QLineEdit::editingFinished, this, [this] {
        if (!wmeHomePost->isModified() || wmeHomePost->value().isEmpty())
            return;
        wmeHomePost->setModified(false);
        edtHomeAddress1->setText(refdata::GetZipAddress(wmeHomePost->value()));
        storeField(cHomeAddress1, edtHomeAddress1->text());
    });
    connect(bbtHomePost, &QPushButton::clicked, this, &TfrmEGI020::bbtHomePostClick);

    bbtDelete->hide();

    connect(rgrGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { showMember(current.isValid() ? current.row() : -1); });
    connect(rgrGrid, &TEditGrid::cellEdited, this, [this](int row) {
        if (row == rgrGrid->currentRow())
            showMember(row);
    });
    connect(rgrGrid, &QAbstractItemView::doubleClicked, this, [this] {
        if (AskYesNo(QStringLiteral("등록하시겠습니까?\r\n내용수정후 저장버튼을 누르시면 등록내용이 저장됩니다.")))
            edtMemberName->setFocus();
    });

    qryQuery->setSql(QStringLiteral("SELECT 1"));   // built on every search
    prcProc->setProcedure("PR_EGI020_01");
    setSaveQuestion(QString());
    setSearchAfterSave(true);
}

void TfrmEGI020::connectEdit(QLineEdit *edit, int column)
{
    m_formFields.append({edit, column});
    connect(edit, &QLineEdit::textChanged, this, [this, edit, column] {
        if (m_filling)
            return;
        auto *mask = qobject_cast<TMaskEdit *>(edit);
        storeField(column, mask ? mask->value() : edit->text());
    });
}

void TfrmEGI020::storeField(int column, const QString &value)
{
    const int row = rgrGrid->currentRow();
    if (row < 0 || rgrGrid->cell(row, column) == value)
        return;
    rgrGrid->setCell(row, column, value);
    const QString id = rgrGrid->cell(row, rowIdColumn());
    if (id.isEmpty())
        return;
    const int state = rgrGrid->rowState(row);
    changeBuffer().record(id, rgrGrid->rowCells(row), state == 0 ? 2 : state);
    setModified(true);
}

void TfrmEGI020::showMember(int row)
{
    m_filling = true;
    const bool has = row >= 0 && row < rgrGrid->rowCount();
    auto cell = [&](int c) { return has ? rgrGrid->cell(row, c) : QString(); };
    for (const auto &[w, c] : m_formFields) {
        if (auto *mask = qobject_cast<TMaskEdit *>(w))
            mask->setValue(cell(c));
        else
            static_cast<QLineEdit *>(w)->setText(cell(c));
    }
    wlbMemberNo->setText(cell(cMemberNo));
    cboSex->setCurrentText(sexLabel(cell(cSexCode)));
    m_filling = false;
}

void TfrmEGI020::search()
{
    QString sql = QStringLiteral("SELECT ");
    for (int c = 0; c < cColumnCount; ++c) {
        const QString f = QString::fromLatin1(kColumns[c].field);
        sql += (c ? QStringLiteral(", ") : QString())
            + (c == cIdNo ? QStringLiteral("FN_ZA010MS_04(ID_NO) AS ID_NO") : f);
    }
    sql += QStringLiteral(" FROM BA040MS WHERE MEMBER_NO LIKE '20%' "
                          "AND (MEMBER_NAME LIKE '%' || :MEMBER_NAME || '%' OR CAST(:MEMBER_NAME AS VARCHAR(30)) IS NULL)");
    const QString condition = cboSearch->currentText();
    if (condition == QString::fromUtf8(kCurrent))
        sql += QStringLiteral(" and use_date_to >= :date_to");
    else if (condition == QString::fromUtf8(kEnded))
        sql += QStringLiteral(" and use_date_to < :date_to");
    sql += QStringLiteral(" ORDER BY MEMBER_NO");
    qryQuery->setSql(sql);
    qryQuery->bind("MEMBER_NAME", edt_Member_No->text().trimmed());
    if (qryQuery->hasParam("date_to"))
        qryQuery->bind("date_to", TodayText());
    TfrmEZI020::search();
    showMember(rgrGrid->currentRow());
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
    showMember(row);
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
    m_saveRan = false;
    TfrmEZI020::save();
    if (!m_saveRan || !isSaved())
        return;
    // the member of the form chosen again in the list read again (a new one by its given number)
    for (int r = 0; r < rgrGrid->rowCount(); ++r)
        if (!m_saveMemberNo.isEmpty() && rgrGrid->cell(r, cMemberNo) == m_saveMemberNo) {
            rgrGrid->setCurrentRow(r);
            break;
        }
    showMember(rgrGrid->currentRow());
    ShowInfo(QStringLiteral("자료를 정상적으로 저장했습니다."));
}

bool TfrmEGI020::SaveChanges()
{
    m_saveRan = true;
    return TfrmEZI020::SaveChanges();
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
