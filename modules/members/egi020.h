#pragma once
// EGI020 회원 등록: the members this program registers (table BA040MS, numbers beginning with "20").
// The list by name and by whether the period of use has ended, the chosen member's form beside it;
// every member changed in the list or in the form is saved through PR_EGI020_01, which gives a new
// member its number. After a save the list is read again and the member of the form chosen again.
// The registration number is listed masked; it is stored only when it was typed in whole.
#include "framework/ezi020.h"

class QComboBox;
class QPushButton;

class TfrmEGI020 : public TfrmEZI020 {
    Q_OBJECT
public:
    // Grid columns, in the order of the list statement's fields.
    enum Column {
        cMemberNo, cMemberName, cMemberNameEng, cIdNo, cSexCode, cNationCode, cPasswordNo, cBirthDay,
        cCalendarCode, cMemorialDay, cMemorialDayCode, cMainMemberNo, cJobCode, cCompanyName, cPostName,
        cOfficePosition, cEMail, cHomeTel, cHomeFax, cOfficeTel, cOfficeFax, cMobileTel, cHomePost,
        cHomeAddress1, cHomeAddress2, cOfficePost, cOfficeAddress1, cOfficeAddress2, cUseDateFrom, cUseDateTo,
        cMemberGroupCode, cGuestType, cGolfCode, cUseRoomType, cMemberRemark, cColumnCount
    };
    explicit TfrmEGI020(QWidget *parent = nullptr);

    TEdit *edt_Member_No = nullptr;
    QComboBox *cboSearch;

    TFieldPanel *panMember;
    TEdit *edtMemberName = nullptr, *edtMemberNameEng = nullptr, *edtIdNo = nullptr, *edtEMail = nullptr;
    TEdit *edtHomeTel = nullptr, *edtMobileTel = nullptr, *edtHomeAddress1 = nullptr, *edtHomeAddress2 = nullptr;
    TLabel *wlbMemberNo = nullptr;
    TCodeCombo *cboSex = nullptr;   // "남", "여", "구분없슴": codes "1", "2", "Z"
    TMaskEdit *wmeHomePost = nullptr, *wmeUseDateFrom = nullptr, *wmeUseDateTo = nullptr;
    QPushButton *bbtHomePost = nullptr;

public slots:
    void bbtAddClick() override;
    void bbtHomePostClick();

protected:
    void search() override;
    void save() override;
    void cancel() override;
    bool ExecuteRow() override;
    void AfterSave() override;

private:
    QString m_saveRowId, m_saveMemberNo;
};
