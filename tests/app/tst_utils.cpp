// Date and text utilities, the stored password, the program registry and the splash mask.
#include "app/password.h"
#include "framework/screenregistry.h"
#include "app/mainwindow.h"
#include "app/splash.h"
#include "core/cp949.h"
#include "core/utils.h"
#include "support/testdatabase.h"
#include <QtTest>
#include <limits>
#include <unistd.h>

class TestUtils : public QObject {
    Q_OBJECT
private slots:
    void digitsOnly_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("minus first") << "-12a3" << "-123";
        QTest::newRow("minus inside") << "1-2" << "12";
        QTest::newRow("hangul") << "2003년01월" << "200301";
        QTest::newRow("empty") << "" << "";
    }
    void digitsOnly()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(DigitsOnly(in), out);
    }

    void dateForms_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("stored");
        QTest::newRow("stored") << "20030115" << "2003-01-15" << "20030115";
        QTest::newRow("dots") << "2003.01.15" << "2003-01-15" << "2003.01.15";
        QTest::newRow("30 Feb") << "20030230" << "20030230" << "20030230";
        QTest::newRow("display") << "2003-01-15" << "2003-01-15" << "20030115";
        QTest::newRow("short display") << "2003-1-15" << "2003-1-15" << "2003-1-15";
        QTest::newRow("display 30 Feb") << "2003-02-30" << "2003-02-30" << "2003-02-30";
        QTest::newRow("year 0") << "00000101" << "00000101" << "00000101";
        QTest::newRow("seven digits") << "2003011" << "2003011" << "2003011";
        QTest::newRow("leap") << "20040229" << "2004-02-29" << "20040229";
    }
    void dateForms()
    {
        QFETCH(QString, in);
        QFETCH(QString, display);
        QFETCH(QString, stored);
        QCOMPARE(ToDisplayDate(in), display);
        QCOMPARE(ToStoredDate(in), stored);
    }

    void dayNameAndIsDate()
    {
        QCOMPARE(DayName("20030101"), QString("수요일"));
        QCOMPARE(DayName("2003-01-01"), QString());
        QCOMPARE(DayName("20030230"), QString());
        QCOMPARE(DayName("20261206"), QString("일요일"));
        // a real date in the stored or the shown form, nothing else
        for (const char *yes : {"20030101", "2003-01-01", "20240229", "2024-02-29", "00010101"})
            QVERIFY2(IsDateText(yes), yes);
        for (const char *no : {"20031301", "abcdefghij", "2003-13-45", "x20030115", "2003011x", "2003/01/15",
                               "20230229", "00000101", "0000-01-01", "2003-1-015", "200301015", "2003 0115", ""})
            QVERIFY2(!IsDateText(no), no);
        QVERIFY(!IsDateText(QString::fromUtf8("２００３０１０１")));   // full-width digits
        QCOMPARE(DayNames.size(), 7);
        QCOMPARE(RowStateCodes, QStringList({"0", "1", "2", "3"}));
    }

    void isValidDate8_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<bool>("valid");
        QTest::newRow("leap with blank") << "2004 0229" << true;
        QTest::newRow("1900 not leap") << "19000229" << false;
        QTest::newRow("2000 leap") << "20000229" << true;
        QTest::newRow("year 0") << "00000101" << false;
        QTest::newRow("month 13") << "20031301" << false;
        QTest::newRow("day 0") << "20030100" << false;
        QTest::newRow("31 April") << "20030431" << false;
        QTest::newRow("letters") << "2003O101" << false;
        QTest::newRow("nine chars") << "200301011" << false;
        QTest::newRow("dashes") << "2003-01-" << false;
        QTest::newRow("plus signs") << "2024+1+1" << false;
        QTest::newRow("leading plus") << "+0240101" << false;
        QTest::newRow("newline") << "7298032\n" << false;
        QTest::newRow("tab") << "2024\t0101" << false;
    }
    void isValidDate8()
    {
        QFETCH(QString, in);
        QFETCH(bool, valid);
        QCOMPARE(IsValidDate8(in), valid);
    }

    void numbersAndPadding()
    {
        QCOMPARE(PadZeros("7", 3), QString("007"));
        QCOMPARE(PadZeros("12345", 3), QString("12345"));
        QCOMPARE(TextToInt("   "), 0);
        QCOMPARE(TextToInt("12a"), 0);
        QCOMPARE(TextToInt(" 42 "), 42);
        QCOMPARE(TextToInt("-9223372036854775808"), std::numeric_limits<qint64>::min());
        QCOMPARE(TextToInt("9223372036854775808"), 0);   // out of range
        QCOMPARE(IntToText(-5), QString("-5"));
        QCOMPARE(TodayText(), QDate::currentDate().toString("yyyyMMdd"));
        const QString ip = WorkstationAddress();
        QVERIFY(ip.isEmpty() || QRegularExpression("^\\d+\\.\\d+\\.\\d+\\.\\d+$").match(ip).hasMatch());
    }

    void passwordRoundTrip_data()
    {
        QTest::addColumn<QString>("password");
        QTest::newRow("short") << "demo";
        QTest::newRow("empty") << "";
        QTest::newRow("long") << "a-much-longer-password-of-forty-characters!";
        QTest::newRow("blanks kept") << " pw with blanks ";
        QTest::newRow("latin1") << QString::fromLatin1("p\xe4ss\xff");
    }
    void passwordRoundTrip()
    {
        QFETCH(QString, password);
        const QString stored = ScramblePassword(password);
        QVERIFY(stored.size() >= 64);
        QVERIFY(QRegularExpression("^[0-9A-F]+$").match(stored).hasMatch());
        QString back, error;
        QVERIFY2(UnscramblePassword(stored, &back, &error), qPrintable(error));
        QCOMPARE(back, password);
        // Lower-case digits read the same.
        QVERIFY(UnscramblePassword(stored.toLower(), &back, &error));
        QCOMPARE(back, password);
    }

    void passwordRefusals()
    {
        QString back = "untouched", error;
        QVERIFY(!UnscramblePassword("XYZ", &back, &error));
        QVERIFY(error.contains("TQUpdate.ini"));
        QCOMPARE(back, QString("untouched"));
        error.clear();
        QVERIFY(!UnscramblePassword(QString(62, 'A'), &back, &error));   // 31 bytes
        QVERIFY(!error.isEmpty());
        QString stored = ScramblePassword("secret");
        stored[10] = 'G';
        QVERIFY(!UnscramblePassword(stored, &back, &error));
        // A trailing odd digit is ignored.
        QVERIFY(UnscramblePassword(ScramblePassword("secret") + "7", &back, &error));
        QCOMPARE(back, QString("secret"));
        QCOMPARE(ScramblePassword(QString::fromUtf8("비밀")), QString());
    }

    void oddInnerDigitIgnored()
    {
        // An inner text of an odd number of digits: the last one is dropped.
        const QString stored = ScramblePassword("ab");
        QString plain, error;
        QVERIFY(UnscramblePassword(stored, &plain, &error));
        QCOMPARE(plain, QString("ab"));
    }

    void passwordFile()
    {
        QTemporaryDir dir;
        QString pw, error;
        QVERIFY(ResolvePassword(dir.path(), "SPORTSUSER", &pw, &error));
        QCOMPARE(pw, QString("SPORTSUSER"));   // no TQUpdate.ini
        QVERIFY(WritePasswordFile(dir.filePath("TQUpdate.ini"), "s3cret", &error));
        QVERIFY(ResolvePassword(dir.path(), "SPORTSUSER", &pw, &error));
        QCOMPARE(pw, QString("s3cret"));
        QFile f(dir.filePath("TQUpdate.ini"));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("[PROGRAM]\nPASS=\n");
        f.close();
        QVERIFY(ResolvePassword(dir.path(), "SPORTSUSER", &pw, &error));
        QCOMPARE(pw, QString("SPORTSUSER"));   // empty value

        // a TQUpdate.ini that is there but cannot serve says so, never counts as absent
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray("\x7F" "ELF\x02\x01\x01\x00\x00\x00", 10));
        f.close();
        QVERIFY(!ResolvePassword(dir.path(), "SPORTSUSER", &pw, &error));
        QVERIFY2(error.startsWith("TQUpdate.ini가 설정 파일이 아닙니다"), qPrintable(error));
        QVERIFY(f.remove());
        QVERIFY(QDir(dir.path()).mkdir("TQUpdate.ini"));
        QVERIFY(!ResolvePassword(dir.path(), "SPORTSUSER", &pw, &error));
        QVERIFY2(error.startsWith("TQUpdate.ini가 파일이 아니라 폴더입니다."), qPrintable(error));
        QVERIFY(QDir(dir.path()).rmdir("TQUpdate.ini"));
        QVERIFY(WritePasswordFile(dir.filePath("TQUpdate.ini"), "s3cret", &error));
        if (::geteuid() != 0) {   // root reads any file
            QVERIFY(f.setPermissions(QFileDevice::WriteOwner));
            QVERIFY(!ResolvePassword(dir.path(), "SPORTSUSER", &pw, &error));
            QVERIFY2(error.startsWith("TQUpdate.ini를 읽을 수 없습니다."), qPrintable(error));
        }
    }

    void registry()
    {
        QCOMPARE(ScreenRegistry::programIds().size(), 67);
        QCOMPARE(QSet<QString>(ScreenRegistry::programIds().begin(), ScreenRegistry::programIds().end()).size(), 67);
        QCOMPARE(ScreenRegistry::screenClassName("EEI010"), QString("TfrmEEI020"));
        QCOMPARE(ScreenRegistry::screenClassName("EBI040"), QString("TfrmEBI040"));
        QCOMPARE(ScreenRegistry::screenClassName("XXX999"), QString());
        QVERIFY(!ScreenRegistry::instance().add("XXX999", [] { return new QWidget; }));
        QVERIFY(ScreenRegistry::instance().create("ECS160") == nullptr);
    }

    void acceleratorCut()
    {
        QCOMPARE(TfrmZZMain::CutAccelerator("회원 등록(&G)"), QString("회원 등록"));
        QCOMPARE(TfrmZZMain::CutAccelerator("장비등록"), QString("장비등록"));
        QCOMPARE(TfrmZZMain::CutAccelerator("(A) 목록(&L)"), QString("(A) 목록"));
    }

    void programCount()
    {
        QTemporaryDir dir;
        QCOMPARE(TfrmZZMain::ReadProgramCount(dir.path()), 10);
        QFile f(dir.filePath("Main.ini"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[MAIN]\nPROGRAM_COUNT=3\n");
        f.close();
        QCOMPARE(TfrmZZMain::ReadProgramCount(dir.path()), 3);
        // no limit below one screen: the default, with a line in the log
        for (const char *bad : {"0", "-4"}) {
            QTemporaryDir other;
            QFile g(other.filePath("Main.ini"));
            QVERIFY(g.open(QIODevice::WriteOnly));
            g.write(QByteArray("[MAIN]\nPROGRAM_COUNT=") + bad + "\n");
            g.close();
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("PROGRAM_COUNT=" + QString(bad) + " is below 1"));
            QCOMPARE(TfrmZZMain::ReadProgramCount(other.path()), 10);
        }
    }

    void cp949Lengths()
    {
        const QString emoji = QString::fromUtf8("\xF0\x9F\x8E\xBF");   // U+1F3BF, outside CP949 and the BMP
        const QString text = QString::fromUtf8("스키") + emoji + "a";
        QCOMPARE(Cp949Length(text), 7);
        // truncation and length agree, and a character is never split
        for (int max = 0; max <= 8; ++max) {
            const QString cut = TruncateCp949(text, max);
            QVERIFY(Cp949Length(cut) <= max);
            QVERIFY(cut.isEmpty() || !cut.back().isHighSurrogate());
        }
        QCOMPARE(TruncateCp949(text, 5), QString::fromUtf8("스키"));
        QCOMPARE(TruncateCp949(text, 6), QString::fromUtf8("스키") + emoji);
        QCOMPARE(Cp949Length(QString(QChar(0xD83C))), 2);   // a lone surrogate is one character

        QCOMPARE(ToCp949(QString::fromUtf8("a스") + emoji + "b"), QByteArray("a\xBD\xBA?b"));
        // characters outside the code page cost about what others do: 32,000 of them (2.5 s when each
        // one made the converter go back over the text) against as many Hangul syllables
        auto timeOf = [](const QString &text, int expectedMarks) {
            qint64 best = std::numeric_limits<qint64>::max();
            for (int run = 0; run < 5; ++run) {
                QElapsedTimer timer;
                timer.start();
                const QByteArray out = ToCp949(text);
                best = qMin(best, timer.nsecsElapsed());
                if (out.count('?') != expectedMarks)
                    return qint64(-1);
            }
            return best;
        };
        QString mixed, hangul;
        for (int i = 0; i < 32000; ++i) {
            mixed += i % 3 ? emoji : QString::fromUtf8("스");
            hangul += QString::fromUtf8("스");
        }
        const qint64 outside = timeOf(mixed, 32000 - (32000 + 2) / 3), inside = timeOf(hangul, 0);
        QVERIFY(outside > 0 && inside > 0);
        QVERIFY2(outside < inside * 50 + 50'000'000,
                 qPrintable(QString("outside the code page: %1 ns, Hangul: %2 ns").arg(outside).arg(inside)));
    }

    void splashMaskRuns()
    {
        QImage mask(20, 2, QImage::Format_RGB32);
        mask.fill(Qt::white);
        for (int x = 2; x < 5; ++x) mask.setPixel(x, 0, qRgb(0, 0, 0));
        for (int x = 15; x < 20; ++x) mask.setPixel(x, 0, qRgb(0, 0, 0));   // reaches the right edge
        const QRegion r = TfrmZZC010::MaskRegion(mask);
        QCOMPARE(r.rectCount(), 2);
        QVERIFY(r.contains(QPoint(3, 0)));
        QVERIFY(r.contains(QPoint(19, 0)));
        QVERIFY(!r.contains(QPoint(5, 0)));
        QVERIFY(!r.contains(QPoint(3, 1)));
        QCOMPARE(TfrmZZC010::FileVersion(), QString("1.0.0.1"));
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    TestUtils t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_utils.moc"
