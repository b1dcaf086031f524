#pragma once
// EGI020 회원 등록: the members this program registers (table BA040MS, numbers beginning with "20").
// The list by name and by whether the period of use has ended, the chosen member's form beside it;
// every member changed in the list or in the form is saved through PR_EGI020_01, which gives a new
// member its number. After a save the list is read again and the member of the form chosen again.
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

    static QString sexLabel(const QString &code);   // "남", "여", else "구분없슴"
    static QString sexCode(const QString &label);   // "1", "2", else "Z"

    TEdit *edt_Member_No;
    QComboBox *cboSearch;

    TFieldPanel *panMember;
    TEdit *edtMemberName, *edtMemberNameEng, *edtIdNo, *edtEMail, *edtHomeTel, *edtMobileTel;
    TEdit *edtHomeAddress1, *edtHomeAddress2;
    TLabel *wlbMemberNo;
    QComboBox *cboSex;
    TMaskEdit *wmeHomePost, *wmeUseDateFrom, *wmeUseDateTo;
    QPushButton *bbtHomePost;

public slots:
    void bbtAddClick() override;
    void bbtHomePostClick();

protected:
    void search() override;
    void save() override;
    void cancel() override;
    bool SaveChanges() override;
    bool ExecuteRow() override;

private:
    void showMember(int row);                            // the form from the row
    void storeField(int column, const QString &value);   // a form edit into the current row
    void connectEdit(QLineEdit *edit, int column);

    QList<std::pair<QWidget *, int>> m_formFields;
    QString m_saveRowId, m_saveMemberNo;
    bool m_filling = false;
    bool m_saveRan = false;
};
