#pragma once
// The lookup dialogs and their opening functions. Each opening function shows its dialog modally and,
// when it was closed with OK, writes the chosen row's values into the caller's variables and answers
// true; otherwise it answers false and leaves them unchanged.
#include "framework/dialogs/zzh000.h"

class QLineEdit;

// zip codes: the code comes back as six digits without the dash
class TfrmEZH010 : public TfrmEZH000 {
    Q_OBJECT
public:
    explicit TfrmEZH010(QWidget *parent = nullptr);
    QLineEdit *edtAddress;
    QString ZipCode, Address;
protected:
    void ClearResults() override { ZipCode.clear(); Address.clear(); }
    bool TakeResults(int row) override;
};

// rentals of a day and area, with the rows of the current rental below
class TfrmEZH020 : public TfrmEZH000 {
    Q_OBJECT
public:
    explicit TfrmEZH020(QWidget *parent = nullptr);
    QLineEdit *edtRentName, *edtRentNo;
    QTableView *rgrDetail;
    TResultSet *cdsDetail;
    QString RentDate, AreaGubun, RentNo;
protected:
    void Search() override;
    void ClearResults() override { RentNo.clear(); }
    bool TakeResults(int row) override;
    void CurrentRowChanged(int row) override;
private:
    std::unique_ptr<db::Query> m_detail;
};

// members; a cancelled member can not be chosen
class TfrmEZH030 : public TfrmEZH000 {
    Q_OBJECT
public:
    explicit TfrmEZH030(QWidget *parent = nullptr);
    QLineEdit *edtMemberName;
    QString MemberNo, MemberName;
protected:
    void ClearResults() override { MemberNo.clear(); MemberName.clear(); }
    bool TakeResults(int row) override;
};

// codes of one code group of the common code table
class TfrmEZH040 : public TfrmEZH000 {
    Q_OBJECT
public:
    explicit TfrmEZH040(QWidget *parent = nullptr);
    void setTitle(const QString &title);
    void setCodeGroup(const QString &head);
    QString Head, Code, CodeName;
protected:
    bool HasPreset() const override { return !Head.isEmpty(); }
    void ClearResults() override { Code.clear(); CodeName.clear(); }
    bool TakeResults(int row) override;
};

// ski school receipts of a season, with the trainees of the current receipt below
class TfrmEZH050 : public TfrmEZH000 {
    Q_OBJECT
public:
    explicit TfrmEZH050(QWidget *parent = nullptr);
    QLineEdit *edtReceiptName;
    QTableView *rgrDetail;
    TResultSet *cdsDetail;
    QString SeasonGubun, ReceiptNo, EnterDate, ReceiptName;
protected:
    void Search() override;
    void ClearResults() override { ReceiptNo.clear(); EnterDate.clear(); ReceiptName.clear(); }
    bool TakeResults(int row) override;
    void CurrentRowChanged(int row) override;
private:
    std::unique_ptr<db::Query> m_detail;
};

// partner groups
class TfrmEZH060 : public TfrmEZH000 {
    Q_OBJECT
public:
    explicit TfrmEZH060(QWidget *parent = nullptr);
    QLineEdit *edtMemberName;
    QString MemberNo, MemberName;
protected:
    void ClearResults() override { MemberNo.clear(); MemberName.clear(); }
    bool TakeResults(int row) override;
};

// badge-test applicants of a season; date and ID number come back in their stored form
class TfrmEZH070 : public TfrmEZH000 {
    Q_OBJECT
public:
    explicit TfrmEZH070(QWidget *parent = nullptr);
    QLineEdit *edtAddress;
    QString SeasonGubun, RecvNo, EntryNameKor, ApplyDate, IdNo, ApplyClass;
protected:
    void Search() override;
    void ClearResults() override;
    bool TakeResults(int row) override;
};

// instructors: active regular employees and contract laborers whose contract runs
class TfrmEZH080 : public TfrmEZH000 {
    Q_OBJECT
public:
    explicit TfrmEZH080(QWidget *parent = nullptr);
    QLineEdit *edtLecturerName;
    QString EmpNo, EmpName, WorkGrpCode, WorkGrpName, DutyCode, DutyName;
protected:
    void ClearResults() override;
    bool TakeResults(int row) override;
};

// staff members
class TfrmEZH090 : public TfrmEZH000 {
    Q_OBJECT
public:
    explicit TfrmEZH090(QWidget *parent = nullptr);
    QLineEdit *edtEmpName;
    QString EmpNo, EmpName;
protected:
    void ClearResults() override { EmpNo.clear(); EmpName.clear(); }
    bool TakeResults(int row) override;
};

// sales outlets of one outlet type
class TfrmEFH020 : public TfrmEZH000 {
    Q_OBJECT
public:
    explicit TfrmEFH020(QWidget *parent = nullptr);
    void setTitle(const QString &title);
    QString UpjangType = QStringLiteral("50");
    QString UpjangCode, UpjangName;
protected:
    bool HasPreset() const override { return !UpjangType.isEmpty(); }
    void Search() override;
    void ClearResults() override { UpjangCode.clear(); UpjangName.clear(); }
    bool TakeResults(int row) override;
};

// the reason of a cancellation, typed by the user
class TfrmEZH100 : public TfrmZZH000 {
    Q_OBJECT
public:
    explicit TfrmEZH100(QWidget *parent = nullptr);
    QLineEdit *edtCancelRemark;
    QString CancelRemark;
protected:
    void OKAction() override;
};

bool SelectZipCode(QString &ZipCode, QString &Address, QWidget *parent = nullptr);
bool SelectRentNo(const QString &RentDate, const QString &AreaGubun, QString &RentNo, QWidget *parent = nullptr);
bool SelectMember(QString &MemberNo, QString &MemberName, QWidget *parent = nullptr);
bool SelectCode(const QString &Title, const QString &Head, QString &Code, QString &CodeName,
                QWidget *parent = nullptr);
bool SelectReceipt(const QString &SeasonGubun, QString &ReceiptNo, QString &EnterDate, QString &ReceiptName,
                   QWidget *parent = nullptr);
bool SelectEvent(QString &EventNo, QString &EventName, QWidget *parent = nullptr);
bool SelectApplicant(const QString &SeasonGubun, QString &RecvNo, QString &EntryNameKor, QString &ApplyDate,
                     QString &IdNo, QString &ApplyClass, QWidget *parent = nullptr);
bool SelectLecturer(QString &EmpNo, QString &EmpName, QString &WorkGrpCode, QString &WorkGrpName,
                    QString &DutyCode, QString &DutyName, QWidget *parent = nullptr);
bool SelectEmployee(QString &EmpNo, QString &EmpName, QWidget *parent = nullptr);
bool SelectUpjang(const QString &Title, QString &UpjangCode, QString &UpjangName, QWidget *parent = nullptr);
bool InputCancelRemark(QString &CancelRemark, QWidget *parent = nullptr);
