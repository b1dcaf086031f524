#pragma once
// The patrol accident record (EE010MS) on a record screen: the same field table for the three screens
// that show it, laid out on pages of captioned groups, with the slope map and the two body pictures
// carrying the spot markers. EEI010 enters the accidents of one day (one page of the inputs the patrol
// fills in at the scene, and one of the three pictures), EEI021 looks them up by name or day, EES010
// shows every field on six pages.
#include "framework/ezi000.h"
#include "spotpicture.h"

class QStackedWidget;
class QTabBar;

class TAccidentScreen : public TfrmEZI000 {
    Q_OBJECT
public:
    enum Kind { Entry, NameLookup, FullView };   // EEI010, EEI021, EES010

    // The time class for an accident time "HHMM" (or the digits typed so far): the position in the
    // E0028 list, -1 when the class stays as it is.
    static int timeClassPosition(const QString &hhmm);
    static QString slopeMap(const QString &area);   // the map of "P1" and "P2"; empty for any other area

    Kind kind() const { return m_kind; }
    QWidget *currentPage() const;
    int pageCount() const;

    // Conditions.
    TDateEdit *dtpTrobDate = nullptr;
    TEdit *edtSearchName = nullptr;

    // The record (nullptr where the screen has no input for the field).
    TLabel *wlbTrobNo = nullptr;
    TCodeCombo *cboPeakGubun = nullptr;
    TEdit *edtInName = nullptr;
    TMaskEdit *wmeTrobTime = nullptr;
    TCodeCombo *cboTrobTimeGubun = nullptr, *cboWeatherStatGubun = nullptr;
    TNumericEdit *wneTemperature = nullptr;
    TCodeCombo *cboTpCourseGubun = nullptr, *cboTpLiftGubun = nullptr;
    TEdit *edtTpDetailDesc = nullptr;
    TCodeCombo *cboTpCourselevelGubun = nullptr, *cboTpSnowGugubn = nullptr, *cboTpSnowkindGubun = nullptr;
    TEdit *edtTpEtc = nullptr;
    TCodeCombo *cboTpClassifyGubun = nullptr, *cboInSex = nullptr;
    TEdit *edtInAge = nullptr;
    TNumericEdit *wneInHeight = nullptr, *wneInWeight = nullptr;
    TMaskEdit *wmeInZipCode = nullptr;
    QPushButton *bbtInZipCode = nullptr;
    TEdit *edtInAddr1 = nullptr, *edtInAddr2 = nullptr;
    TMaskEdit *wmeInIdNo = nullptr;
    TEdit *edtInTelNo = nullptr, *edtInJob = nullptr;
    TCodeCombo *cboInPositionGubun = nullptr, *cboInDetailGubun = nullptr, *cboInStatGubun = nullptr;
    TEdit *edtInStatEtc = nullptr;
    TCodeCombo *cboInCauseGubun = nullptr;
    TEdit *edtInCauseEtc = nullptr;
    TCodeCombo *cboInFactorGubun = nullptr;
    TEdit *edtInFactorEtc = nullptr;
    TCodeCombo *cboInLevelGubun = nullptr, *cboInDayskiGubun = nullptr, *cboInDayuseGubun = nullptr,
               *cboInLectureGubun = nullptr;
    TCodeCombo *cboInSkiName = nullptr;   // the entry screens pick the label of an E0053 entry
    TEdit *edtInSkiName = nullptr;        // EES010 shows it as text
    TCodeCombo *cboInSkiSizeGubun = nullptr;
    TEdit *edtInBindingName = nullptr, *edtInBootsName = nullptr;
    TCodeCombo *cboInBootsSizeGubun = nullptr;
    TEdit *edtInArticleName = nullptr;
    TCodeCombo *cboInRentGubun = nullptr;
    TEdit *edtInRentPlace = nullptr;
    TCodeCombo *cboInBindingTestGubun = nullptr, *cboInSkiLooseGubun = nullptr, *cboInBindingStrengthGubun = nullptr;
    TNumericEdit *wneInBindingLeftF = nullptr, *wneInBindingLeftB = nullptr, *wneInBindingRightF = nullptr,
                 *wneInBindingRightB = nullptr;
    TEdit *edtWiName = nullptr;
    TMaskEdit *wmeWiIdNo = nullptr;
    TEdit *edtWiTelNo = nullptr, *edtWiAccStat = nullptr, *edtWiTrobDetail = nullptr;
    TCodeCombo *cboPtPhotoGubun = nullptr;
    TEdit *edtPtPhotoName = nullptr;
    TCodeCombo *cboEvMethodGubun = nullptr, *cboEvMeansGubun = nullptr;
    TEdit *edtEvEtc = nullptr;
    TMaskEdit *wmeMeSpotTime = nullptr;
    TEdit *edtMeName = nullptr, *edtMeTelNo = nullptr, *edtMeEmergency = nullptr;
    TMaskEdit *wmeMeMedicalTime = nullptr;
    TEdit *edtMeMedicalName = nullptr, *edtMePatientStat = nullptr, *edtMeAfter = nullptr;
    TCodeCombo *cboTeMeansGubun = nullptr, *cboTeObjectGubun = nullptr;
    TEdit *edtCoName = nullptr;
    TMaskEdit *wmeCoIdNo = nullptr;
    TEdit *edtCoTelNo = nullptr;
    TMaskEdit *wmeCoZipCode = nullptr;
    QPushButton *bbtCoZipCode = nullptr;
    TEdit *edtCoAddr1 = nullptr, *edtCoAddr2 = nullptr;

    // The spot markers: the accident on the slope map, the injury on the front and back body pictures.
    TSpotPicture *imgTrobPoint = nullptr, *imgRegionFront = nullptr, *imgRegionBack = nullptr;

    QTabBar *tabPages = nullptr;
    QStackedWidget *pgcPages = nullptr;

protected:
    TAccidentScreen(Kind kind, QWidget *parent);
    void ShowRow() override;
    bool validateRow() override;
    void showEvent(QShowEvent *event) override;

private:
    struct Group {
        QString title;
        QStringList fields;   // field names, or "@" + the name of a picture
        int pairs = 1;        // caption and input pairs per line
    };
    struct Page {
        QString title;
        QList<QList<Group>> columns;
    };
    TFieldTable fieldTable();
    QList<Page> pages() const;
    void buildPages(const QList<Page> &pages);
    QWidget *placeGroup(const Group &group, QWidget *page, QList<QWidget *> *tabOrder);
    void areaChanged();
    void timeChanged();

    Kind m_kind;
    bool m_shown = false;
};
