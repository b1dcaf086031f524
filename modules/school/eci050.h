#pragma once
#include <QMap>
// ECI050 직원예약 등록: reserves places in a lesson of a coming day within its capacity, and lists and
// cancels one staff member's coming reservations. Each reservation and cancellation is one call of
// PR_ECI050_01 in a unit of work of its own; the database checks capacity and repeats under a lock.
#include "framework/zzi010.h"
#include "database/procedure.h"
#include "widgets/editgrid.h"
#include <memory>

class QPlainTextEdit;
class QGroupBox;

class TfrmECI050 : public TfrmZZI010 {
    Q_OBJECT
public:
    explicit TfrmECI050(QWidget *parent = nullptr);
    ~TfrmECI050() override;

    // The reservation day, "yyyymmdd" of the date picker.
    QString yaeyakDate() const;

    TDateEdit *dtpDate;
    TEditGrid *rgrGrid;          // the day's lessons: names, booked count (hidden: capacity, remark, codes)
    QPlainTextEdit *detRemark;
    TEdit *detLectureItem, *detLectureRec, *detLectureDetail;
    TEdit *edtEmpNo;
    QPushButton *bbtEmpNo;
    TLabel *wlbEmpName;
    TNumericEdit *wneLectureCnt;
    TEdit *edtRemark;
    TEditGrid *rgrGridYaeyak;    // the staff member's reservations from today on, after the marker column
    std::unique_ptr<db::Query> qryYaeyak;
    std::unique_ptr<db::StoredProc> prcYaeyak;

    // Column positions in the two lists.
    enum LectureColumn { LcItemName, LcRecName, LcDetailName, LcBooked, LcCapacity, LcRemark, LcItem, LcRec, LcDetail };
    enum YaeyakColumn { YcMarker, YcDate, YcItemName, YcRecName, YcDetailName, YcCount, YcItem, YcRec, YcDetail };

public slots:
    void bbtEmpNoClick();
    void rgrGridYaeyakMarkerClick(int row);   // a click on the row's "예약취소" cell

protected:
    void search() override;
    void save() override;
    void cancel() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeQueries() override;

private:
    bool openLectures();
    void openReservations();
    void closeReservations();
    void showLecture(int row);
    void empNoLeft();
    // One call of PR_ECI050_01 in a unit of work of its own, then both lists read again.
    bool runAction(const QHash<QString, QString> &params, const QString &done);
    QMap<QString, QWidget *> m_refusals;   // a procedure's refusal (its start) shown at that input
    QGroupBox *createLecturePanel();
    QWidget *createInputPanel();
    QGroupBox *createYaeyakPanel();
};
