#include "accidentscreen.h"
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace {
const QString kPersonal = QStringLiteral("FN_ZA010MS_04(%1)");

// The fields every screen shows in its grid, by title.
const QStringList &gridTitles(TAccidentScreen::Kind kind)
{
    static const QStringList entry{"사고번호", "PEAK구분", "부상자-부상자신상-성명", "사고장소-코스구분", "부상자-부상자신상-성별"};
    static const QStringList lookup{"사고번호", "부상자-부상자신상-성명", "사고일자"};
    static const QStringList full{"사고번호", "PEAK구분", "부상자-부상자신상-성명", "사고일자"};
    return kind == TAccidentScreen::Entry ? entry : kind == TAccidentScreen::NameLookup ? lookup : full;
}
} // namespace

int TAccidentScreen::timeClassPosition(const QString &t)
{
    if (t < QLatin1String("0630") || t > QLatin1String("2400"))
        return -1;
    if (t <= QLatin1String("0830"))
        return 3;
    if (t <= QLatin1String("1200"))
        return 0;
    if (t <= QLatin1String("1630"))
        return 1;
    if (t <= QLatin1String("2200"))
        return 2;
    return 4;
}

QString TAccidentScreen::slopeMap(const QString &area)
{
    if (area == QLatin1String("P1"))
        return QStringLiteral(":/patrol/peak1.svg");
    if (area == QLatin1String("P2"))
        return QStringLiteral(":/patrol/peak2.svg");
    return QString();
}

TAccidentScreen::TAccidentScreen(Kind kind, QWidget *parent) : TfrmEZI000(parent), m_kind(kind)
{
    setFields(fieldTable());

    imgTrobPoint = new TSpotPicture(slopeMap("P1"), QSize(360, 260), panBody);
    imgTrobPoint->setObjectName("imgTrobPoint");
    BindByUserProperty(imgTrobPoint, {"사고발생지점X좌표", "사고발생지점Y좌표"});
    imgRegionFront = new TSpotPicture(QStringLiteral(":/patrol/body_front.svg"), QSize(140, 280), panBody);
    imgRegionFront->setObjectName("imgRegionFront");
    BindByUserProperty(imgRegionFront, {"부상부위(앞)X좌표", "부상부위(앞)Y좌표"});
    imgRegionBack = new TSpotPicture(QStringLiteral(":/patrol/body_back.svg"), QSize(140, 280), panBody);
    imgRegionBack->setObjectName("imgRegionBack");
    BindByUserProperty(imgRegionBack, {"부상부위(뒤)X좌표", "부상부위(뒤)Y좌표"});
    for (QWidget *picture : {static_cast<QWidget *>(imgTrobPoint), static_cast<QWidget *>(imgRegionFront),
                             static_cast<QWidget *>(imgRegionBack)})
        attachDetailControl(picture);
    buildPages(pages());

    // An age is a number of at most its cell's width (the statistics count it in bands).
    edtInAge->setValidator(new QRegularExpressionValidator(
        QRegularExpression(kind == Entry ? QStringLiteral("\\d{0,2}") : QStringLiteral("\\d{0,3}")), edtInAge));

    for (int c = 0; c < grid()->columnCount() - 1; ++c)
        grid()->column(c).hidden(!gridTitles(kind).contains(grid()->column(c).title));
    grid()->applyColumns();

    connect(cboPeakGubun, &QComboBox::currentIndexChanged, this, &TAccidentScreen::areaChanged);
    connect(wmeTrobTime, &QLineEdit::textChanged, this, &TAccidentScreen::timeChanged);
    bindZipCode(wmeInZipCode, edtInAddr1, bbtInZipCode, edtInAddr2);
    if (wmeCoZipCode)
        bindZipCode(wmeCoZipCode, edtCoAddr1, bbtCoZipCode, edtCoAddr2);
    setRowLeaveChecks(true);
}

TFieldTable TAccidentScreen::fieldTable()
{
    const bool full = m_kind == FullView;
    // A field the entry screens carry without an input is a hidden column of theirs.
    auto entry = [full](TField f, bool input) {
        if (!full && !input) {
            f.kind = TField::Column;
            f.assign = nullptr;
            f.lookupComponent.clear();
            f.lookupMember = nullptr;
        }
        return f;
    };
    // The caption on the entry screens and on EES010 (where the required ones carry their asterisk).
    auto cap = [full](const char *entryCaption, const char *fullCaption = nullptr) {
        return QString::fromUtf8(full && fullCaption ? fullCaption : entryCaption);
    };
    // Personal fields are shown through the display function; the procedure keeps a stored value that
    // comes back in its masked form.
    auto personal = [](TField f) { return f.sql(kPersonal.arg(f.name)); };
    QStringList skiLabels, skiCodes;
    LoadCodeList("E0053", &skiCodes, &skiLabels);

    TFieldTable t;
    if (m_kind == Entry)
        t << Condition("TROB_DATE", "*사고일자", BIND(dtpTrobDate));
    else
        t << Condition("IN_NAME", "*부상자명", BIND(edtSearchName)).bytes(16);
    if (m_kind == NameLookup)
        t << Condition("TROB_DATE", "사고일자", BIND(dtpTrobDate));
    t << Field("TROB_NO", "사고번호", BIND(wlbTrobNo)).sql("TO_CHAR(TROB_NO, 'FM0000')").bytes(16).width(60).captioned({})
      << Field("PEAK_GUBUN", "PEAK구분", BIND(cboPeakGubun)).code("E0027").bytes(16).width(70).captioned(cap("장소구분"))
      << Field("IN_NAME", "부상자-부상자신상-성명", BIND(edtInName)).bytes(16).width(90).captioned(cap("부상자명", "*부상자명"))
      << Field("TROB_TIME", "사고시간", BIND(wmeTrobTime)).mask("99:99").bytes(16).captioned(cap("사고시간", "*사고시간"))
      << Field("TROB_TIME_GUBUN", "사고시간구분", BIND(cboTrobTimeGubun)).code("E0028").bytes(4).captioned(cap("시간구분"))
      << entry(Field("WEATHER_STAT_GUBUN", "기상상태구분", BIND(cboWeatherStatGubun)).code("E0029").bytes(16).captioned(cap("기상상태")), false)
      << entry(Field("TEMPERATURE", "기온", BIND(wneTemperature)).digits(2).bytes(3).captioned(cap("기온(℃)")), false)
      << Field("TP_COURSE_GUBUN", "사고장소-코스구분", BIND(cboTpCourseGubun)).code("E0006").bytes(16).width(80).captioned(cap("코스"))
      << entry(Field("TP_LIFT_GUBUN", "사고장소-리프트구분", BIND(cboTpLiftGubun)).code("E0007").bytes(16).captioned(cap("리프트")), false)
      << Field("TP_DETAIL_DESC", "사고장소-구체적기술", BIND(edtTpDetailDesc)).bytes(80).captioned(cap("구체적기술"))
      << entry(Field("TP_COURSELEVEL_GUBUN", "사고장소-코스난이도구분", BIND(cboTpCourselevelGubun)).code("E0030").bytes(16).captioned(cap("난이도")), false)
      << entry(Field("TP_SNOW_GUGUBN", "사고장소-코스상태-눈구분", BIND(cboTpSnowGugubn)).code("E0031").bytes(16).captioned(cap("눈")), false)
      << entry(Field("TP_SNOWKIND_GUBUN", "사고장소-코스상태-눈종류구분", BIND(cboTpSnowkindGubun)).code("E0032").bytes(16).captioned(cap("눈종류")), false)
      << entry(Field("TP_ETC", "사고장소-코스상태-기타", BIND(edtTpEtc)).bytes(80).captioned(cap("코스상태기타")), false)
      << entry(Field("TP_CLASSIFY_GUBUN", "사고장소-코스상태-분류구분", BIND(cboTpClassifyGubun)).code("E0033").bytes(16).captioned(cap("코스상태분류")), false)
      << Field("IN_SEX", "부상자-부상자신상-성별", BIND(cboInSex)).code("Z0008").bytes(16).width(50).captioned(cap("성별"))
      << Field("IN_AGE", "부상자-부상자신상-나이", BIND(edtInAge)).bytes(m_kind == Entry ? 2 : 3).captioned(cap("나이", "*나이"))
      << entry(Field("IN_HEIGHT", "부상자-부상자신상-신장", BIND(wneInHeight)).digits(3).bytes(3).captioned(cap("신장(㎝)")), false)
      << entry(Field("IN_WEIGHT", "부상자-부상자신상-체중", BIND(wneInWeight)).digits(3).bytes(3).captioned(cap("체중(㎏)")), false)
      << Field("IN_ZIP_CODE", "부상자-부상자신상-우편번호", BIND(wmeInZipCode)).mask("999-999").bytes(6).captioned(cap("주소"))
             .lookup(BIND(bbtInZipCode))
      << personal(Field("IN_ADDR1", "부상자-부상자신상-주소1", BIND(edtInAddr1)).bytes(60).readOnly().captioned({}))
      << personal(Field("IN_ADDR2", "부상자-부상자신상-주소2", BIND(edtInAddr2)).bytes(60).captioned({}))
      << personal(Field("IN_ID_NO", "부상자-부상자신상-주민번호", BIND(wmeInIdNo)).mask("999999-9999999").bytes(13)
                      .captioned(cap("주민번호", "*주민번호")))
      << personal(Field("IN_TEL_NO", "부상자-부상자신상-연락처", BIND(edtInTelNo)).bytes(20).captioned(cap("연락처", "*연락처")))
      << entry(Field("IN_JOB", "부상자-부상자신상-직업", BIND(edtInJob)).bytes(40).captioned(cap("직업")), false)
      << entry(Field("IN_POSITION_GUBUN", "부상자-부상부위-위치구분", BIND(cboInPositionGubun)).code("E0034").bytes(16).captioned(cap("위치구분")), false)
      << Field("IN_DETAIL_GUBUN", "부상자-부상부위-상세구분", BIND(cboInDetailGubun)).code("E0035").bytes(16).captioned(cap("상세구분"))
      << Field("IN_STAT_GUBUN", "부상자-부상상태-부상상태구분", BIND(cboInStatGubun)).code("E0036").bytes(16).captioned(cap("상태구분"))
      << entry(Field("IN_STAT_ETC", "부상자-부상상태-기타", BIND(edtInStatEtc)).bytes(40).captioned(cap("기타")), false)
      << Field("IN_CAUSE_GUBUN", "부상자-부상원인-부상원인구분", BIND(cboInCauseGubun)).code("E0037").bytes(16).captioned(cap("원인구분"))
      << Field("IN_CAUSE_ETC", "부상자-부상원인-기타", BIND(edtInCauseEtc)).bytes(40).captioned(cap("기타"))
      << entry(Field("IN_FACTOR_GUBUN", "부상자-부상요인-부상요인구분", BIND(cboInFactorGubun)).code("E0038").bytes(16).captioned(cap("요인구분")), false)
      << entry(Field("IN_FACTOR_ETC", "부상자-부상요인-부상요인기타", BIND(edtInFactorEtc)).bytes(40).captioned(cap("기타")), false)
      << Field("IN_LEVEL_GUBUN", "부상자-스키경력-수준구분", BIND(cboInLevelGubun)).code("E0039").bytes(16).captioned(cap("수준구분"))
      << entry(Field("IN_DAYSKI_GUBUN", "부상자-스키경력-당일스키탄시간구분", BIND(cboInDayskiGubun)).code("E0040").bytes(16).captioned(cap("당일스키탄시간")), false)
      << entry(Field("IN_DAYUSE_GUBUN", "부상자-스키경력-당스키장사용일수구분", BIND(cboInDayuseGubun)).code("E0041").bytes(16).captioned(cap("스키장사용일수")), false)
      << Field("IN_LECTURE_GUBUN", "부상자-스키경력-강습이수구분", BIND(cboInLectureGubun)).code("E0042").bytes(16).captioned(cap("강습이수구분"));
    // The equipment is kept as the label of its E0053 entry: the entry screens pick it, EES010 shows it.
    if (full)
        t << Field("IN_SKI_NAME", "부상자-부상자장비-스키명", BIND(edtInSkiName)).bytes(40).captioned(cap("스키명"));
    else
        t << Field("IN_SKI_NAME", "부상자-부상자장비-스키명", BIND(cboInSkiName)).code(skiLabels, skiLabels).bytes(40)
                 .captioned(cap("사용장비"));
    t << entry(Field("IN_SKI_SIZE_GUBUN", "부상자-부상자장비-스키사이즈구분", BIND(cboInSkiSizeGubun)).code("E0010").bytes(16).captioned(cap("스키사이즈")), false)
      << entry(Field("IN_BINDING_NAME", "부상자-부상자장비-바인딩명", BIND(edtInBindingName)).bytes(40).captioned(cap("바인딩명")), false)
      << entry(Field("IN_BOOTS_NAME", "부상자-부상자장비-부츠명", BIND(edtInBootsName)).bytes(40).captioned(cap("부츠명")), false)
      << entry(Field("IN_BOOTS_SIZE_GUBUN", "부상자-부상자장비-부츠사이즈구분", BIND(cboInBootsSizeGubun)).code("E0011").bytes(16).captioned(cap("부츠사이즈")), false)
      << entry(Field("IN_ARTICLE_NAME", "부상자-부상자장비-품명", BIND(edtInArticleName)).bytes(40).captioned(cap("품명")), false)
      << entry(Field("IN_RENT_GUBUN", "부상자-부상자장비-대여구분", BIND(cboInRentGubun)).code("E0043").bytes(16).captioned(cap("대여구분")), false)
      << entry(Field("IN_RENT_PLACE", "부상자-부상자장비-대여장소", BIND(edtInRentPlace)).bytes(40).captioned(cap("대여장소")), false)
      << entry(Field("IN_BINDING_TEST_GUBUN", "부상자-부상자장비-바인딩테스트구분", BIND(cboInBindingTestGubun)).code("E0044").bytes(16).captioned(cap("바인딩테스트")), false)
      << Field("IN_SKI_LOOSE_GUBUN", "부상자-부상자장비-스키풀림구분", BIND(cboInSkiLooseGubun)).code("E0045").bytes(16).captioned(cap("스키풀림구분"))
      << entry(Field("IN_BINDING_STRENGTH_GUBUN", "부상자-부상자장비-바인딩강도구분", BIND(cboInBindingStrengthGubun)).code("E0046").bytes(16).captioned(cap("바인딩강도구분")), false)
      << entry(Field("IN_BINDING_LEFT_F", "부상자-부상자장비-바인딩강도(좌앞)", BIND(wneInBindingLeftF)).digits(2).bytes(3).captioned(cap("앞")), false)
      << entry(Field("IN_BINDING_LEFT_B", "부상자-부상자장비-바인딩강도(좌뒤)", BIND(wneInBindingLeftB)).digits(2).bytes(3).captioned(cap("뒤")), false)
      << entry(Field("IN_BINDING_RIGHT_F", "부상자-부상자장비-바인딩강도(우앞)", BIND(wneInBindingRightF)).digits(2).bytes(3).captioned(cap("앞")), false)
      << entry(Field("IN_BINDING_RIGHT_B", "부상자-부상자장비-바인딩강도(우뒤)", BIND(wneInBindingRightB)).digits(2).bytes(3).captioned(cap("뒤")), false)
      << entry(Field("WI_NAME", "최초목격및사고경위-성명", BIND(edtWiName)).bytes(30).captioned(cap("성명")), false)
      << entry(personal(Field("WI_ID_NO", "최초목격및사고경위-주민등록번호", BIND(wmeWiIdNo)).mask("999999-9999999").bytes(13).captioned(cap("주민등록번호"))), false)
      << entry(personal(Field("WI_TEL_NO", "최초목격및사고경위-연락처", BIND(edtWiTelNo)).bytes(20).captioned(cap("연락처"))), false)
      << entry(Field("WI_ACC_STAT", "최초목격및사고경위-접근시현장상황", BIND(edtWiAccStat)).bytes(80).captioned(cap("접근시현장상황")), false)
      << entry(Field("WI_TROB_DETAIL", "최초목격및사고경위-사고발생경위", BIND(edtWiTrobDetail)).bytes(80).captioned(cap("사고발생경위")), false)
      << entry(Field("PT_PHOTO_GUBUN", "사진촬영-사진촬영여부", BIND(cboPtPhotoGubun)).code("E0051").bytes(16).captioned(cap("사진촬영여부")), false)
      << entry(Field("PT_PHOTO_NAME", "사진촬영-사진촬영자", BIND(edtPtPhotoName)).bytes(30).captioned(cap("사진촬영자")), false)
      << entry(Field("EV_METHOD_GUBUN", "후송방법-후송방법구분", BIND(cboEvMethodGubun)).code("E0047").bytes(16).captioned(cap("방법구분")), false)
      << Field("EV_MEANS_GUBUN", "후송방법-후송수단구분", BIND(cboEvMeansGubun)).code("E0048").bytes(16).captioned(cap("수단구분"))
      << entry(Field("EV_ETC", "후송방법-후송수단기타", BIND(edtEvEtc)).bytes(40).captioned(cap("기타")), false)
      << Field("ME_SPOT_TIME", "부상자조치-패트롤-현장도착시간", BIND(wmeMeSpotTime)).mask("99:99").bytes(4)
             .captioned(cap("도착시간", "*현장도착시간"))
      << Field("ME_NAME", "부상자조치-패트롤-성명", BIND(edtMeName)).bytes(30).captioned(cap("처리자", "*성명"))
      << personal(Field("ME_TEL_NO", "부상자조치-패트롤-연락처", BIND(edtMeTelNo)).bytes(20).captioned(cap("연락처", "*연락처")))
      << Field("ME_EMERGENCY", "부상자조치-패트롤-응급조치사항", BIND(edtMeEmergency)).bytes(80).captioned(cap("조치사항", "응급조치사항"))
      << entry(Field("ME_MEDICAL_TIME", "부상자조치-의무실-도착시간", BIND(wmeMeMedicalTime)).mask("99:99").bytes(4).captioned(cap("도착시간")), false)
      << entry(Field("ME_MEDICAL_NAME", "부상자조치-의무실-의료진", BIND(edtMeMedicalName)).bytes(40).captioned(cap("의료진")), false)
      << entry(Field("ME_PATIENT_STAT", "부상자조치-의무실-환자상태", BIND(edtMePatientStat)).bytes(80).captioned(cap("환자상태")), false)
      << entry(Field("ME_AFTER", "부상자조치-의무실-조치사항", BIND(edtMeAfter)).bytes(80).captioned(cap("조치사항")), false)
      << Field("TE_MEANS_GUBUN", "2차후송및귀가형태-후송수단구분", BIND(cboTeMeansGubun)).code("E0049").bytes(16)
             .captioned(cap("앰블런스", "후송수단"))
      << entry(Field("TE_OBJECT_GUBUN", "2차후송및귀가형태-후송목적지구분", BIND(cboTeObjectGubun)).code("E0050").bytes(16).captioned(cap("후송목적지")), false)
      << entry(Field("CO_NAME", "충돌자신상-성명", BIND(edtCoName)).bytes(30).captioned(cap("성명")), false)
      << entry(personal(Field("CO_ID_NO", "충돌자신상-주민등록번호", BIND(wmeCoIdNo)).mask("999999-9999999").bytes(13).captioned(cap("주민등록번호"))), false)
      << entry(personal(Field("CO_TEL_NO", "충돌자신상-연락처", BIND(edtCoTelNo)).bytes(20).captioned(cap("연락처"))), false)
      << entry(Field("CO_ZIP_CODE", "충돌자신상-우편번호", BIND(wmeCoZipCode)).mask("999-999").bytes(6).captioned(cap("주소"))
                   .lookup(BIND(bbtCoZipCode)), false)
      << entry(personal(Field("CO_ADDR1", "충돌자신상-주소1", BIND(edtCoAddr1)).bytes(60).readOnly().captioned({})), false)
      << entry(personal(Field("CO_ADDR2", "충돌자신상-주소2", BIND(edtCoAddr2)).bytes(60).captioned({})), false)
      << Column("TROB_POINT_X", "사고발생지점X좌표") << Column("TROB_POINT_Y", "사고발생지점Y좌표")
      << Column("REGION_F_X", "부상부위(앞)X좌표") << Column("REGION_F_Y", "부상부위(앞)Y좌표")
      << Column("REGION_B_X", "부상부위(뒤)X좌표") << Column("REGION_B_Y", "부상부위(뒤)Y좌표");
    if (m_kind != Entry)
        t << Column("TROB_DATE", "사고일자").showsDate().width(90);
    for (TField &f : t)
        if (f.kind == TField::Column && f.column.maxBytes == 0)
            f.bytes(4);   // the coordinates
    t << Version();
    return t;
}

QList<TAccidentScreen::Page> TAccidentScreen::pages() const
{
    if (m_kind != FullView)
        return {{QStringLiteral("기본사항 및 사고장소"),
                 {{{"사고번호", {"TROB_NO"}},
                   {"기본사항", {"TROB_TIME", "TROB_TIME_GUBUN", "PEAK_GUBUN", "TP_COURSE_GUBUN", "IN_SKI_LOOSE_GUBUN", "TP_DETAIL_DESC"}},
                   {"후송방법", {"EV_MEANS_GUBUN", "TE_MEANS_GUBUN"}}},
                  {{"부상자신상", {"IN_NAME", "IN_SEX", "IN_AGE", "IN_ID_NO", "IN_TEL_NO", "IN_ZIP_CODE", "IN_ADDR1", "IN_ADDR2"}},
                   {"부상부위", {"IN_DETAIL_GUBUN"}},
                   {"부상상태", {"IN_STAT_GUBUN"}}},
                  {{"부상원인", {"IN_CAUSE_GUBUN", "IN_CAUSE_ETC"}},
                   {"스키경력", {"IN_LEVEL_GUBUN", "IN_LECTURE_GUBUN", "IN_SKI_NAME"}},
                   {"패트롤 및 의무실 조치사항", {"ME_SPOT_TIME", "ME_NAME", "ME_TEL_NO", "ME_EMERGENCY"}}}}},
                // the pictures keep their pixel sizes (the spots are stored in pixels): beside the inputs
                // they would leave the inputs too little room in a window of 1024 pixels
                {QStringLiteral("사고발생지점 및 부상부위"),
                 {{{"사고발생지점", {"@imgTrobPoint"}}},
                  {{"부상부위(앞)", {"@imgRegionFront"}}},
                  {{"부상부위(뒤)", {"@imgRegionBack"}}}}}};
    return {
        {QStringLiteral("기본사항 및 사고장소"),
         {{{"사고번호", {"TROB_NO"}},
           {"기본사항", {"PEAK_GUBUN", "TROB_TIME", "TROB_TIME_GUBUN", "WEATHER_STAT_GUBUN", "TEMPERATURE"}}},
          {{"사고장소", {"TP_COURSE_GUBUN", "TP_COURSELEVEL_GUBUN", "TP_LIFT_GUBUN", "TP_DETAIL_DESC", "TP_SNOW_GUGUBN",
                         "TP_ETC", "TP_CLASSIFY_GUBUN", "TP_SNOWKIND_GUBUN"}}}}},
        {QStringLiteral("부상자"),
         {{{"부상자신상", {"IN_NAME", "IN_SEX", "IN_AGE", "IN_ID_NO", "IN_TEL_NO", "IN_ZIP_CODE", "IN_ADDR1", "IN_ADDR2",
                          "IN_JOB", "IN_HEIGHT", "IN_WEIGHT"}},
           {"부상부위", {"IN_POSITION_GUBUN", "IN_DETAIL_GUBUN"}}},
          {{"부상자장비", {"IN_SKI_NAME", "IN_SKI_SIZE_GUBUN", "IN_BINDING_NAME", "IN_BOOTS_NAME", "IN_BOOTS_SIZE_GUBUN",
                          "IN_ARTICLE_NAME", "IN_RENT_GUBUN", "IN_RENT_PLACE", "IN_BINDING_TEST_GUBUN",
                          "IN_SKI_LOOSE_GUBUN", "IN_BINDING_STRENGTH_GUBUN"}},
           {"바인딩강도 (좌)", {"IN_BINDING_LEFT_F", "IN_BINDING_LEFT_B"}, 2},
           {"바인딩강도 (우)", {"IN_BINDING_RIGHT_F", "IN_BINDING_RIGHT_B"}, 2}},
          {{"부상상태", {"IN_STAT_GUBUN", "IN_STAT_ETC"}},
           {"부상원인", {"IN_CAUSE_GUBUN", "IN_CAUSE_ETC"}},
           {"부상요인", {"IN_FACTOR_GUBUN", "IN_FACTOR_ETC"}},
           {"스키경력", {"IN_LEVEL_GUBUN", "IN_DAYSKI_GUBUN", "IN_DAYUSE_GUBUN", "IN_LECTURE_GUBUN"}}}}},
        {QStringLiteral("기타"),
         {{{"최초목격 및 사고경위", {"WI_NAME", "WI_ID_NO", "WI_TEL_NO", "WI_ACC_STAT", "WI_TROB_DETAIL"}},
           {"사진촬영여부", {"PT_PHOTO_GUBUN", "PT_PHOTO_NAME"}},
           {"후송방법", {"EV_METHOD_GUBUN", "EV_MEANS_GUBUN", "EV_ETC"}}},
          {{"패트롤 조치사항", {"ME_SPOT_TIME", "ME_NAME", "ME_TEL_NO", "ME_EMERGENCY"}},
           {"의무실 조치사항", {"ME_MEDICAL_TIME", "ME_MEDICAL_NAME", "ME_PATIENT_STAT", "ME_AFTER"}},
           {"2차후송 및 귀가형태", {"TE_MEANS_GUBUN", "TE_OBJECT_GUBUN"}}},
          {{"충돌자 신상", {"CO_NAME", "CO_ID_NO", "CO_TEL_NO", "CO_ZIP_CODE", "CO_ADDR1", "CO_ADDR2"}}}}},
        {QStringLiteral("사고발생지점"), {{{"사고발생지점", {"@imgTrobPoint"}}}}},
        {QStringLiteral("부상부위(앞)"), {{{"부상부위(앞)", {"@imgRegionFront"}}}}},
        {QStringLiteral("부상부위(뒤)"), {{{"부상부위(뒤)", {"@imgRegionBack"}}}}},
    };
}

// The pages are a tab bar over a stack of pages, right in the detail panel: every input stays close enough
// to the data area to follow the screen's mode, and a refused field's page comes to the front.
void TAccidentScreen::buildPages(const QList<Page> &pages)
{
    tabPages = new QTabBar(panBody);
    tabPages->setObjectName("tabPages");
    tabPages->setFocusPolicy(Qt::NoFocus);
    tabPages->setDrawBase(false);
    tabPages->setExpanding(false);
    pgcPages = new QStackedWidget(panBody);
    pgcPages->setObjectName("pgcPages");
    QList<QWidget *> tabOrder;
    for (const Page &p : pages) {
        auto *page = new QWidget;
        auto *row = new QHBoxLayout(page);
        row->setContentsMargins(2, 2, 2, 2);
        for (const QList<Group> &column : p.columns) {
            auto *stack = new QVBoxLayout;
            for (const Group &g : column)
                stack->addWidget(placeGroup(g, page, &tabOrder));
            stack->addStretch(1);
            row->addLayout(stack, 1);   // the inputs grow with the window
        }
        pgcPages->addWidget(page);
        tabPages->addTab(p.title);
    }
    connect(tabPages, &QTabBar::currentChanged, pgcPages, &QStackedWidget::setCurrentIndex);
    connect(pgcPages, &QStackedWidget::currentChanged, tabPages, &QTabBar::setCurrentIndex);
    for (int i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    // the panel's own grid held the inputs until now: it carries the pages alone
    auto *layout = static_cast<QGridLayout *>(panBody->layout());
    const int line = layout->rowCount();
    layout->addWidget(tabPages, line, 0, 1, -1);
    layout->addWidget(pgcPages, line + 1, 0, 1, -1);
    layout->setSpacing(0);
}

QWidget *TAccidentScreen::placeGroup(const Group &group, QWidget *page, QList<QWidget *> *tabOrder)
{
    auto *box = new QGroupBox(group.title, page);
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    int slot = 0, line = 0;
    for (const QString &name : group.fields) {
        if (name.startsWith(QLatin1Char('@'))) {
            auto *picture = panBody->findChild<TSpotPicture *>(name.mid(1));
            picture->setParent(box);
            grid->addWidget(picture, line++, 0);
            continue;
        }
        QWidget *control = nullptr;
        for (const TField &f : fields())
            if (!f.isCondition && f.name == name && f.hasControl())
                control = panBody->findChild<QWidget *>(f.component);
        if (!control)
            continue;
        QWidget *cell = control->parentWidget() != panBody ? control->parentWidget() : control;   // with its lookup button
        QLabel *caption = panBody->captionOf(control);
        if (caption) {
            caption->setParent(box);
            grid->addWidget(caption, line, slot * 2);
        }
        cell->setParent(box);
        grid->addWidget(cell, line, slot * 2 + 1);
        if (control->minimumWidth() < 60 && !qobject_cast<QLabel *>(control))
            control->setMinimumWidth(qobject_cast<TEdit *>(control) && static_cast<TEdit *>(control)->maxBytes() > 30 ? 150 : 90);
        tabOrder->append(control);
        if (++slot >= group.pairs) {
            slot = 0;
            ++line;
        }
    }
    grid->setColumnStretch(group.pairs * 2 - 1, 1);
    return box;
}

void TAccidentScreen::showEvent(QShowEvent *event)
{
    TfrmEZI000::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;   // opened: the clerk starts on the first condition
    if (isSearchMode())
        if (QWidget *first = firstCondition())
            first->setFocus();
}

QWidget *TAccidentScreen::currentPage() const { return pgcPages->currentWidget(); }
int TAccidentScreen::pageCount() const { return pgcPages->count(); }

void TAccidentScreen::ShowRow()
{
    pgcPages->setCurrentIndex(0);
    TfrmEZI000::ShowRow();
}

// The area shows its slope map ("P3" keeps the one showing); the entry screens clear the course, which
// belongs to the area chosen before.
void TAccidentScreen::areaChanged()
{
    const QString map = slopeMap(cboPeakGubun->code());
    if (!map.isEmpty())
        imgTrobPoint->setPicture(map);
    if (isFilling() || m_kind == FullView || grid()->currentRow() < 0)
        return;
    cboTpCourseGubun->setCurrentIndex(-1);
}

// The class follows the digits while they are typed; outside the bounds it stays as it is.
void TAccidentScreen::timeChanged()
{
    if (isFilling())
        return;
    const int position = timeClassPosition(wmeTrobTime->value());
    if (position >= 0 && position < cboTrobTimeGubun->count())
        cboTrobTimeGubun->setCurrentIndex(position);
}

bool TAccidentScreen::validateRow()
{
    if (m_kind == FullView)
        return true;   // the asterisked fields, checked by the field table in their order
    const std::pair<QWidget *, QString> required[] = {
        {wmeTrobTime, wmeTrobTime->value()}, {edtInName, edtInName->text()}, {edtInAge, edtInAge->text()},
        {wmeInIdNo, wmeInIdNo->value()}, {edtInTelNo, edtInTelNo->text()}};
    for (const auto &[control, value] : required)
        if (value.isEmpty())
            return refuse(control, enterFirst(panBody->captionOf(control)->text()));
    return true;
}
