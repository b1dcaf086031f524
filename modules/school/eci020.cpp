#include "eci020.h"
#include "schoolfields.h"
#include "core/messages.h"
#include "core/utils.h"
#include "framework/dialogs/lookupdialogs.h"
#include "refdata/lookups.h"
#include <QPlainTextEdit>
#include <QPushButton>

TfrmECI020::TfrmECI020(QWidget *parent) : TfrmEZI000(parent)
{
    setWindowTitle(QStringLiteral("스키학교 수강/기록 등록"));
    setFields({
        Condition("SEASON_GUBUN", "*시즌", BIND(edtSeason)).bytes(2).lookup(BIND(bbtSeason)),
        Condition("RECEIPT_NO", "*접수번호", BIND(edtReceiptNo)).bytes(10).lookup(BIND(bbtReceiptNo)),
        Field("RECEIPT_SEQ", "순번", BIND(wlbReceiptSeq)).sql("TO_CHAR(RECEIPT_SEQ, 'FM0000')").bytes(16).width(60),
        Field("MEMBER_NO", "회원번호", BIND(edtMemberNo)).bytes(10).width(90).lookup(BIND(bbtMemberNo)),
        Field("TRAINER_NAME", "*수강자명", BIND(edtTrainerName)).bytes(30).width(100),
        Field("SEX", "성별", BIND(cboSex)).code("Z0008").hidden(),
        Field("AGE", "나이", BIND(edtAge)).bytes(3).hidden(),
        Field("ID_NO", "주민등록번호", BIND(wmeIdNo)).sql("FN_ZA010MS_04(ID_NO)").mask("999999-9999999").hidden(),
        Field("ZIP_CODE", "우편번호", BIND(wmeZipCode)).mask("999-999").captioned("주소").newLine()
            .lookup(BIND(bbtZipCode)).hidden(),
        Field("ADDR1", "주소1", BIND(edtAddr1)).captioned({}).bytes(60).readOnly().hidden(),
        Field("ADDR2", "주소2", BIND(wlbAddr2)).captioned({}).bytes(60).hidden(),
        Field("TEL_NO", "연락처(자택)", BIND(edtTel)).bytes(20).newLine().hidden(),
        Field("MOBILE_NO", "연락처(핸드폰)", BIND(edtMobileNo)).bytes(20).hidden(),
        Field("LECTURE_ITEM_GUBUN", "*강습종목구분", BIND(cboLectureItem)).code("E0022").newLine().hidden(),
        Field("LECTURE_REC_GUBUN", "*강습접수구분", BIND(cboLectureRec)).code("E0023").hidden(),
        Field("LECTURE_DETAIL_GUBUN", "강습세부구분", BIND(cboLectureDetail)).code("E0024").hidden(),
        Column("TRAIN_TEST", "강습전테스트").bytes(500).hidden(),
        Column("LECTURER_VIEW", "강습후평가").bytes(500).hidden(),
        Column("NEXT_TRAIN_CONTENT", "차기강습").bytes(500).hidden(),
        Field("LECTURER_EMP_NO", "담당강사사번", BIND(edtLecturerEmpNo)).bytes(8).newLine()
            .lookup(BIND(bbtLecturerEmpNo)).hidden(),
        Field("LECTURER_NAME", "담당강사명", BIND(edtLecturerName)).bytes(30).readOnly().hidden(),
        Field("SPE_REMARK", "특이사항", BIND(edtSpeRemark)).bytes(500).newLine().hidden(),
        Field("REMARK", "비고", BIND(edtRemark)).bytes(500).hidden(),
        Version(),
    });
    memTrainTest = AddMemo(this, "memTrainTest", QStringLiteral("강습전테스트:"), QStringLiteral("강습전테스트"), 500);
    memLecturerView = AddMemo(this, "memLecturerView", QStringLiteral("강습후평가:"), QStringLiteral("강습후평가"), 500);
    memNextTrainContent =
        AddMemo(this, "memNextTrainContent", QStringLiteral("차기강습:"), QStringLiteral("차기강습"), 500);

    wlbSeason = conditions()->addLabel("wlbSeason", QString());
    wlbReceiptName = conditions()->addLabel("wlbReceiptName", QString());
    wlbReceiptEnterDate = conditions()->addLabel("wlbReceiptEnterDate", QString());
    m_season = new TSeasonField(edtSeason, bbtSeason, wlbSeason, edtReceiptNo);
    connect(bbtReceiptNo, &QPushButton::clicked, this, &TfrmECI020::bbtReceiptNoClick);
    connect(edtReceiptNo, &QLineEdit::textEdited, this, [this] {
        wlbReceiptName->clear();
        wlbReceiptEnterDate->clear();
    });
    connect(edtReceiptNo, &QLineEdit::editingFinished, this, [this] {
        if (!edtReceiptNo->text().isEmpty() && !IsLeavingForCancel(this)) {
            padReceiptNo();
            showReceipt();
        }
    });

    BindMember(this, edtMemberNo, bbtMemberNo, edtTrainerName, cboSex);
    bindZipCode(wmeZipCode, edtAddr1, bbtZipCode, wlbAddr2);
    BindLecturer(this, edtLecturerEmpNo, bbtLecturerEmpNo, edtLecturerName, edtSpeRemark);

    // listed by person number, so the reload after a save comes back to the same trainee
    setLoadQuery("FROM EC020DT WHERE SEASON_GUBUN = :SEASON_GUBUN AND RECEIPT_NO = :RECEIPT_NO "
                 "ORDER BY EC020DT.RECEIPT_SEQ");
    prcSaveData->setProcedure("PR_ECI020_01");
    setRowLeaveChecks(true);
    setOpenRecordAfterSave(true);
}

// "3" names the receipt stored as 0000000003: the field shows, searches and saves it so.
void TfrmECI020::padReceiptNo()
{
    const QString padded = PaddedReceiptNo(edtReceiptNo->text());
    if (padded != edtReceiptNo->text())
        edtReceiptNo->setText(padded);
}

void TfrmECI020::showReceipt()
{
    QString enterDate, name;
    refdata::GetReceiptInfo(m_season->code(), edtReceiptNo->text(), enterDate, name);
    wlbReceiptName->setText(name);
    wlbReceiptEnterDate->setText(ToDisplayDate(enterDate));
}

void TfrmECI020::bbtReceiptNoClick()
{
    if (!beginAction(bbtReceiptNo))
        return;
    const QString problem = m_season->problem();
    if (!problem.isEmpty()) {
        ShowInfo(problem);   // the focus stays where it is
        return;
    }
    QString no, enterDate, name;
    if (!SelectReceipt(m_season->code(), no, enterDate, name, this)) {
        edtReceiptNo->setFocus();
        return;
    }
    edtReceiptNo->setText(no);
    wlbReceiptName->setText(name);
    wlbReceiptEnterDate->setText(ToDisplayDate(enterDate));
    bbtSearchClick();
}

void TfrmECI020::search()
{
    if (!m_season->check())
        return;
    const QString caption = QStringLiteral("*접수번호");
    if (edtReceiptNo->text().trimmed().isEmpty()) {
        refuse(edtReceiptNo, enterFirst(caption));
        return;
    }
    // the receipt must exist in the season; its booker name may well be empty
    padReceiptNo();
    showReceipt();
    if (!refdata::IsReceiptRegistered(m_season->code(), edtReceiptNo->text().trimmed())) {
        refuse(edtReceiptNo, enterCorrectly(caption));
        return;
    }
    TfrmEZI000::search();
}
