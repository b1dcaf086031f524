// The patrol accident screens as the menu opens them, on the demo database of both back ends: a record
// entered from the keyboard with its spots marked by the mouse and saved, the checks in their order, the
// time class and the slope maps, a record holding an unknown code and masked personal fields saved back
// unchanged, every field saved and read back equal, and the look-ups by name and day.
#include "modules/patrol/ees010.h"
#include "modules/patrol/eei010.h"
#include "modules/patrol/eei021.h"
#include "modules/patrol/screens.h"
#include "core/startupvalues.h"
#include "database/datamodule.h"
#include "database/procedure.h"
#include "database/schema.h"
#include "framework/screenregistry.h"
#include "support/messagerecorder.h"
#include "support/testdatabase.h"
#include "support/typing.h"
#include <QApplication>
#include <QDate>
#include <QStackedWidget>
#include <QtTest>

namespace {
QString today() { return QDate::currentDate().toString("yyyyMMdd"); }
const char *kOldDay = "20200105";

// Two accidents of one person on a day the demo data never reaches: the first holds a code its list
// lacks and full registration numbers.
QString fixture()
{
    return QString("INSERT INTO EE010MS (TROB_DATE, TROB_NO, PEAK_GUBUN, IN_NAME, TROB_TIME, TROB_TIME_GUBUN, "
                   "TP_COURSE_GUBUN, IN_SEX, IN_AGE, IN_ID_NO, IN_TEL_NO, IN_STAT_GUBUN, CO_ID_NO, ME_SPOT_TIME, "
                   "ME_NAME, ME_TEL_NO, TROB_POINT_X, TROB_POINT_Y) VALUES "
                   "('%1', 1, 'P2', '나검색', '1015', '1', 'C05', '2', '34', '9001012345678', '010-1234-5678', 'X9', "
                   "'8802021234567', '1020', '정순찰', '033-330-7110', '120', '80');\n"
                   "INSERT INTO EE010MS (TROB_DATE, TROB_NO, PEAK_GUBUN, IN_NAME, TROB_TIME, IN_SEX, IN_AGE, IN_ID_NO, "
                   "IN_TEL_NO) VALUES ('%1', 2, 'P1', '나검색', '1400', '2', '34', '9001012345678', '');\n")
        .arg(kOldDay);
}
} // namespace

class TestPatrol : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::TestDatabase> t;
    std::unique_ptr<QWidget> w;
    std::unique_ptr<testing::MessageRecorder> rec;

    template <class S> S *open(int backend, const QString &id)
    {
        t = std::make_unique<testing::TestDatabase>(static_cast<db::Backend>(backend));
        QString error;
        if (!t->ok() || !db::loadDemoData(*t->database(), QDate::currentDate(), &error) || !t->run(fixture()))
            return nullptr;
        DM()->attach(t->database());
        rec = std::make_unique<testing::MessageRecorder>();
        w.reset(ScreenRegistry::instance().create(id));
        auto *s = qobject_cast<S *>(w.get());
        if (!s)
            return nullptr;
        s->resize(1400, 900);
        s->show();
        return QTest::qWaitForWindowActive(s) ? s : nullptr;
    }
    QString stored(const QString &day, int no, const QString &column) const
    {
        return t->scalar(QString("SELECT %1 FROM EE010MS WHERE TROB_DATE = '%2' AND TROB_NO = %3").arg(column, day).arg(no));
    }
    static void drag(TSpotPicture *picture, QPoint from, QPoint to)
    {
        QTest::mousePress(picture, Qt::LeftButton, {}, from);
        QTest::mouseMove(picture, (from + to) / 2);
        QTest::mouseMove(picture, to);
        QTest::mouseRelease(picture, Qt::LeftButton, {}, to);
    }

private slots:
    void initTestCase()
    {
        RegisterPatrolScreens();
        Startup().employeeNumber = "P7";
        Startup().workstationAddress = "10.0.0.7";
    }
    void cleanup() { w.reset(); rec.reset(); t.reset(); }

    void timeClassBounds()
    {
        const QList<std::pair<const char *, int>> cases{{"0630", 3}, {"0830", 3}, {"0831", 0}, {"1200", 0}, {"1201", 1},
                                                         {"1630", 1}, {"1631", 2}, {"2200", 2}, {"2201", 4}, {"2400", 4},
                                                         {"0600", -1}, {"2401", -1}, {"", -1}, {"1", 0}, {"09", 0}};
        for (const auto &[time, position] : cases)
            QCOMPARE(QString("%1 → %2").arg(time).arg(TAccidentScreen::timeClassPosition(time)),
                     QString("%1 → %2").arg(time).arg(position));
    }

    // Today's accident entered from the keyboard: the checks refuse it field by field in their order, the
    // time sets its class, the spots are dragged on the slope map and the body picture, and the saved
    // record is numbered after the demo accidents of the day.
    void enterTodaysAccident_data() { testing::addBackendColumn(); }
    void enterTodaysAccident()
    {
        QFETCH(int, backend);
        auto *s = open<TfrmEEI020>(backend, "EEI010");
        QVERIFY(s);
        QCOMPARE(s->windowTitle(), QString("패트롤 사고기록 등록"));
        QCOMPARE(s->dtpTrobDate->dateText(), today());
        s->bbtSearchClick();
        const int demo = t->count("EE010MS", QString("TROB_DATE = '%1'").arg(today()));
        QVERIFY(demo > 0);
        QCOMPARE(s->grid()->rowCount(), demo);
        QCOMPARE(s->grid()->cell(0, 0), QString("0001"));
        QVERIFY(s->grid()->cell(0, "부상자-부상자신상-주민번호").endsWith("******"));   // shown masked
        QVERIFY(s->wmeInIdNo->displayText().endsWith("******"));

        s->bbtAddClick();
        QCOMPARE(s->grid()->rowCount(), demo + 1);
        QCOMPARE(s->cboPeakGubun->code(), QString("P1"));   // a new record starts on the first codes
        const QStringList messages{"사고시간을(를) 먼저 입력하십시오.", "부상자명을(를) 먼저 입력하십시오.",
                                   "나이을(를) 먼저 입력하십시오.", "주민번호을(를) 먼저 입력하십시오.",
                                   "연락처을(를) 먼저 입력하십시오."};
        auto refusedWith = [&](const QString &text) {
            rec->clear();
            s->bbtAddClick();
            return rec->texts() == QStringList{text} && s->grid()->rowCount() == demo + 1;
        };
        rec->clear();
        s->bbtAddClick();   // nothing typed yet: no second new row, no message
        QCOMPARE(rec->count(), 0);
        QCOMPARE(s->grid()->rowCount(), demo + 1);
        s->cboInSex->setCurrentIndex(1);
        QVERIFY(refusedWith(messages[0]));
        QCOMPARE(QApplication::focusWidget(), s->wmeTrobTime);
        QTest::keyClicks(s->wmeTrobTime, "0745");
        QCOMPARE(s->cboTrobTimeGubun->currentIndex(), 3);
        QVERIFY(refusedWith(messages[1]));
        testing::typeInto(s->edtInName, "한입력");
        QTest::keyClick(s->edtInName, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), s->cboInSex);   // Enter in the name moves on to the sex
        QVERIFY(refusedWith(messages[2]));
        testing::typeInto(s->edtInAge, "123");                // two digits on this screen
        QCOMPARE(s->edtInAge->text(), QString());
        testing::typeInto(s->edtInAge, "27");
        QVERIFY(refusedWith(messages[3]));
        QTest::keyClicks(s->wmeInIdNo, "9901011234567");
        QVERIFY(refusedWith(messages[4]));
        testing::typeInto(s->edtInTelNo, "010-7777-8888");
        testing::typeInto(s->edtInName, "한입력이라는아주긴이름입니다");   // 16 bytes at most, as the cell
        QCOMPARE(s->edtInName->text(), QString("한입력"));

        s->cboPeakGubun->setCurrentIndex(0);   // PEAK I
        s->cboTpCourseGubun->setCurrentIndex(1);
        QCOMPARE(s->imgTrobPoint->picture(), QString(":/patrol/peak1.svg"));
        QVERIFY(!s->imgTrobPoint->isVisible());   // on the second page, the inputs have the first to themselves
        s->tabPages->setCurrentIndex(1);
        QVERIFY(s->imgTrobPoint->isVisible() && s->imgRegionFront->isVisible());
        drag(s->imgTrobPoint, {10, 10}, {110, 60});
        QCOMPARE(s->imgTrobPoint->position(), QStringList({"100", "50"}));
        drag(s->imgRegionFront, {5, 5}, {65, 205});
        const int row = s->grid()->currentRow();
        QCOMPARE(s->grid()->cell(row, "사고발생지점X좌표") + "," + s->grid()->cell(row, "사고발생지점Y좌표"), QString("100,50"));
        QCOMPARE(s->grid()->cell(row, "부상부위(앞)X좌표") + "," + s->grid()->cell(row, "부상부위(앞)Y좌표"), QString("60,200"));
        QVERIFY(s->isModified());

        rec->clear();
        s->bbtSaveClick();
        QCOMPARE(rec->texts(), (QStringList{"저장 하시겠습니까?", "정상적으로 저장 되었습니다."}));
        const int no = demo + 1;
        QCOMPARE(stored(today(), no, "IN_NAME || '/' || TROB_TIME || '/' || TROB_TIME_GUBUN || '/' || IN_ID_NO"),
                 QString("한입력/0745/4/9901011234567"));
        QCOMPARE(stored(today(), no, "TROB_POINT_X || ',' || TROB_POINT_Y || ',' || REGION_F_X || ',' || REGION_F_Y"),
                 QString("100,50,60,200"));
        QVERIFY(stored(today(), no, "REGION_B_X").isEmpty());   // the back picture was never marked
        QCOMPARE(stored(today(), no, "U_EMP_NO || '@' || U_IP"), QString("P7@10.0.0.7"));
        QCOMPARE(s->grid()->rowCount(), demo + 1);
        QCOMPARE(s->grid()->cell(demo, 0), QString("%1").arg(no, 4, 10, QChar('0')));
    }

    // Area and course: P2 shows its map and clears the course, P3 keeps the map and still clears it;
    // showing a record switches the map without touching its course.
    void areaSwitchesTheMap_data() { testing::addBackendColumn(); }
    void areaSwitchesTheMap()
    {
        QFETCH(int, backend);
        auto *s = open<TfrmEEI020>(backend, "EEI010");
        QVERIFY(s);
        s->dtpTrobDate->setDateText(kOldDay);
        s->bbtSearchClick();
        QCOMPARE(s->imgTrobPoint->picture(), QString(":/patrol/peak2.svg"));
        QCOMPARE(s->imgTrobPoint->position(), QStringList({"120", "80"}));
        QCOMPARE(s->cboTpCourseGubun->code(), QString("C05"));
        QVERIFY(!s->isModified());
        s->cboPeakGubun->setCurrentIndex(2);   // P3
        QCOMPARE(s->imgTrobPoint->picture(), QString(":/patrol/peak2.svg"));
        QCOMPARE(s->cboTpCourseGubun->currentIndex(), -1);
        QCOMPARE(s->grid()->cell(0, "사고장소-코스구분"), QString());
        s->cboTpCourseGubun->setCurrentIndex(3);
        s->cboPeakGubun->setCurrentIndex(0);   // P1
        QCOMPARE(s->imgTrobPoint->picture(), QString(":/patrol/peak1.svg"));
        QCOMPARE(s->cboTpCourseGubun->currentIndex(), -1);
        QTest::keyClicks(s->wmeTrobTime, "0600");   // outside the bounds: the class stays
        QCOMPARE(s->cboTrobTimeGubun->code(), QString("1"));
    }

    // A stored code the list lacks is shown as itself and saved back unchanged when another field is
    // edited; the registration numbers shown masked keep their stored digits; leaving a record without
    // a telephone is refused.
    void unknownCodeAndMaskedFieldsKept_data() { testing::addBackendColumn(); }
    void unknownCodeAndMaskedFieldsKept()
    {
        QFETCH(int, backend);
        auto *s = open<TfrmEEI020>(backend, "EEI010");
        QVERIFY(s);
        s->dtpTrobDate->setDateText(kOldDay);
        s->bbtSearchClick();
        QCOMPARE(s->cboInStatGubun->currentIndex(), -1);
        QCOMPARE(s->cboInStatGubun->placeholderText(), QString("(미등록 코드 X9)"));
        testing::typeInto(s->edtInCauseEtc, "눈 속 바위");
        s->grid()->setCurrentRow(1);   // the second record has no telephone: it may be shown, not left changed
        QCOMPARE(s->grid()->currentRow(), 1);
        QCOMPARE(s->cboInStatGubun->placeholderText(), QString());
        testing::typeInto(s->edtInCauseEtc, "기타");
        s->grid()->setCurrentRow(0);
        QCOMPARE(rec->last(), QString("연락처을(를) 먼저 입력하십시오."));
        QCOMPARE(s->grid()->currentRow(), 1);
        testing::typeInto(s->edtInTelNo, "010-1111-2222");
        rec->clear();
        s->bbtSaveClick();
        QCOMPARE(rec->last(), QString("정상적으로 저장 되었습니다."));
        QCOMPARE(stored(kOldDay, 1, "IN_STAT_GUBUN || '/' || IN_CAUSE_ETC"), QString("X9/눈 속 바위"));
        QCOMPARE(stored(kOldDay, 1, "IN_ID_NO || '/' || CO_ID_NO"), QString("9001012345678/8802021234567"));
        QCOMPARE(stored(kOldDay, 2, "IN_ID_NO || '/' || IN_TEL_NO"), QString("9001012345678/010-1111-2222"));
    }

    // Two workstations on one accident: the second saves first; the first's save of the record it read
    // before is refused, nothing of it is stored, and its change stays pending for after a new search.
    void staleRecordRefused_data() { testing::addBackendColumn(); }
    void staleRecordRefused()
    {
        QFETCH(int, backend);
        auto *a = open<TfrmEEI020>(backend, "EEI010");
        QVERIFY(a);
        a->dtpTrobDate->setDateText(kOldDay);
        a->bbtSearchClick();
        std::unique_ptr<QWidget> other(ScreenRegistry::instance().create("EEI010"));
        auto *b = qobject_cast<TfrmEEI020 *>(other.get());
        other->resize(1400, 900);
        other->show();
        b->dtpTrobDate->setDateText(kOldDay);
        b->bbtSearchClick();
        testing::typeInto(b->edtInCauseEtc, "두 번째 작업장");
        b->bbtSaveClick();
        QCOMPARE(stored(kOldDay, 1, "IN_CAUSE_ETC"), QString("두 번째 작업장"));

        testing::typeInto(a->edtInCauseEtc, "첫 번째 작업장");
        rec->clear();
        a->bbtSaveClick();
        QCOMPARE(rec->last(), QString("자료를 저장하지 못했습니다.\r\r에러내용:\r") + db::ProcedureCall::staleRowMessage());
        QCOMPARE(stored(kOldDay, 1, "IN_CAUSE_ETC"), QString("두 번째 작업장"));
        QCOMPARE(a->pendingCount(), 1);
        QCOMPARE(a->edtInCauseEtc->text(), QString("첫 번째 작업장"));
        // the same workstation saving twice in a row is no conflict
        testing::typeInto(b->edtInCauseEtc, "다시");
        b->bbtSaveClick();
        testing::typeInto(b->edtInCauseEtc, "또 다시");
        b->bbtSaveClick();
        QCOMPARE(stored(kOldDay, 1, "IN_CAUSE_ETC"), QString("또 다시"));
    }

    // Every field sent to the procedure is stored as sent, and a record changed on EEI010 keeps the
    // fields that screen has no input for.
    void everyFieldSavedAndReadBack_data() { testing::addBackendColumn(); }
    void everyFieldSavedAndReadBack()
    {
        QFETCH(int, backend);
        auto *s = open<TfrmEEI020>(backend, "EEI010");
        QVERIFY(s);
        db::StoredProc proc(t->database(), "PR_EEI010_01");
        QStringList columns;
        for (const QString &p : proc.paramNames())
            if (!QStringList{"ATROB_DATE", "ATROB_NO", "ATEST", "AU_EMP_NO", "AU_IP", "AEDITSTATUS"}.contains(p))
                columns << p.mid(1);
        QCOMPARE(columns.size(), 83);
        QCOMPARE(columns.first() + "…" + columns.last(), QString("PEAK_GUBUN…REGION_B_Y"));
        QStringList values;
        for (int i = 0; i < columns.size(); ++i) {
            const QString c = columns[i];
            values << (c.endsWith("ID_NO") ? QString("80010%1123456").arg(i % 10, 2, 10, QChar('0'))
                       : c.contains("TIME") && c != "TROB_TIME_GUBUN" ? QString("1%1").arg(100 + i)
                       : c.endsWith("_X") || c.endsWith("_Y") ? QString::number(i)
                       : c == "PEAK_GUBUN" ? QString("P1")
                                         : QString("값%1").arg(i).left(c.endsWith("GUBUN") ? 4 : 8));
            proc.setParam("A" + c, values.last());
        }
        proc.setParam("ATROB_DATE", "20200301");
        proc.setParam("AEDITSTATUS", "2");
        QVERIFY2(proc.exec(), qPrintable(proc.lastError()));
        QCOMPARE(stored("20200301", 1, columns.join(" || '|' || ")), values.join("|"));

        s->dtpTrobDate->setDateText("20200301");
        s->bbtSearchClick();
        QCOMPARE(s->grid()->rowCount(), 1);
        testing::typeInto(s->edtTpDetailDesc, "바뀐 기술");
        s->bbtSaveClick();
        QCOMPARE(rec->last(), QString("정상적으로 저장 되었습니다."));
        values[columns.indexOf("TP_DETAIL_DESC")] = "바뀐 기술";
        QCOMPARE(stored("20200301", 1, columns.join(" || '|' || ")), values.join("|"));
    }

    // EEI021: the day's accidents with an empty name, a person's accidents of any day beside them, and
    // nothing found emptied with its message.
    void lookupByNameOrDay_data() { testing::addBackendColumn(); }
    void lookupByNameOrDay()
    {
        QFETCH(int, backend);
        auto *s = open<TfrmEEI021>(backend, "EEI021");
        QVERIFY(s);
        QVERIFY(s->bbtSave->isHidden() && s->bbtAdd->isHidden() && !s->dtpTrobDate->isVisible());
        const int todays = t->count("EE010MS", QString("TROB_DATE = '%1'").arg(today()));
        s->bbtSearchClick();
        QCOMPARE(s->grid()->rowCount(), todays);
        s->bbtCancelClick();
        s->edtSearchName->setText("나검색");
        s->bbtSearchClick();
        QCOMPARE(s->grid()->rowCount(), todays + 2);
        QCOMPARE(s->grid()->cell(0, "사고일자"), QString(kOldDay));
        QCOMPARE(s->edtInName->text(), QString("나검색"));
        QCOMPARE(s->wmeInIdNo->value(), QString("9001012******"));   // masked on screen

        t->run(QString("DELETE FROM EE010MS WHERE TROB_DATE = '%1';").arg(today()));
        s->bbtCancelClick();
        s->edtSearchName->setText("없는사람");
        rec->clear();
        s->bbtSearchClick();
        QCOMPARE(rec->texts(), QStringList{"검색결과가 없습니다."});
        QCOMPARE(s->grid()->rowCount(), 0);
        QVERIFY(s->isSearchMode());
    }

    // EES010: all six pages, a refused field's page brought to the front with its asterisked label, and
    // Cancel emptying the name.
    void fullViewOnSixPages_data() { testing::addBackendColumn(); }
    void fullViewOnSixPages()
    {
        QFETCH(int, backend);
        auto *s = open<TfrmEES010>(backend, "EES010");
        QVERIFY(s);
        QCOMPARE(QApplication::focusWidget(), s->edtSearchName);
        QCOMPARE(s->pageCount(), 6);
        s->edtSearchName->setText("나검색");
        s->bbtSearchClick();
        QCOMPARE(s->grid()->rowCount(), 2);
        QCOMPARE(s->currentPage(), s->pgcPages->widget(0));
        QCOMPARE(s->wmeCoIdNo->value(), QString("8802021******"));
        QCOMPARE(s->edtMeName->text(), QString("정순찰"));
        s->edtInAge->clear();
        s->grid()->setCurrentRow(1);
        QCOMPARE(rec->last(), QString("*나이을(를) 먼저 입력하십시오."));
        QCOMPARE(s->currentPage(), s->pgcPages->widget(1));
        QCOMPARE(QApplication::focusWidget(), s->edtInAge);
        testing::typeInto(s->edtInAge, "35");
        s->grid()->setCurrentRow(1);
        QCOMPARE(s->grid()->currentRow(), 1);
        QCOMPARE(s->currentPage(), s->pgcPages->widget(0));
        rec->answer(true);
        s->bbtCancelClick();
        QVERIFY(s->isSearchMode());
        QCOMPARE(s->edtSearchName->text(), QString());
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    TestPatrol t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_patrol.moc"
