// The component set and the base screen frame, as a user meets them.
#include "core/settings.h"
#include "core/cp949.h"
#include "core/startupvalues.h"
#include "support/testdatabase.h"
#include "framework/zzi000.h"
#include "support/messagerecorder.h"
#include "widgets/fieldpanel.h"
#include "widgets/editgrid.h"
#include <QApplication>
#include <QInputMethodEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TfrmEEI020 : public TfrmZZI000 {
    Q_OBJECT
public:
    using TfrmZZI000::TfrmZZI000;
};

class TestWidgets : public QObject {
    Q_OBJECT
private slots:
    void hangulLengthCountsCp949Bytes()
    {
        TFieldPanel panel;
        TEdit *name = panel.addEdit("edtName", "*보관자명", "보관자명", 30);
        panel.show();
        QVERIFY(QTest::qWaitForWindowActive(&panel));
        name->setFocus();
        QInputMethodEvent ev;
        ev.setCommitString(QString(20, QChar(0xAC00)));   // 20 syllables = 40 bytes
        QCoreApplication::sendEvent(name, &ev);
        QVERIFY(Cp949Length(name->text()) <= 30);
        name->clear();
        QInputMethodEvent ok;
        ok.setCommitString(QString(15, QChar(0xAC00)));
        QCoreApplication::sendEvent(name, &ok);
        QCOMPARE(name->text().size(), 15);
        QTest::keyClicks(name, "a");
        QCOMPARE(name->text().size(), 15);                // the 31st byte does not fit
        // The caption finds the field; the field names itself.
        QCOMPARE(panel.field("*보관자명"), static_cast<QWidget *>(name));
        QCOMPARE(panel.captionOf(name)->objectName(), QString("lblName"));
        QCOMPARE(name->accessibleName(), QString("*보관자명"));
    }

    void maskedNumericDateAndCombo()
    {
        TMaskEdit date("9999-99-99");
        date.setValue("20261209");
        QCOMPARE(date.text(), QString("2026-12-09"));
        QCOMPARE(date.value(), QString("20261209"));
        QVERIFY(date.isComplete());
        TMaskEdit reg("999999-9999999");
        QTest::keyClicks(&reg, "8001011234567");
        QCOMPARE(reg.value(), QString("8001011234567"));
        // a stored number shown masked keeps its stars and is given back so; typing starts afresh
        reg.setValue("8001011******");
        QCOMPARE(reg.displayText(), QString("800101-1******"));
        QCOMPARE(reg.value(), QString("8001011******"));
        QTest::keyClicks(&reg, "9001012");
        QCOMPARE(reg.displayText(), QString("900101-2______"));
        QCOMPARE(reg.value(), QString("9001012"));
        TMaskEdit time("99:99");
        QTest::keyClicks(&time, "09");
        QCOMPARE(time.value(), QString("09"));
        QVERIFY(!time.isComplete());
        TMaskEdit zip("999-999");
        zip.setValue("123456");
        QCOMPARE(zip.displayText(), QString("123-456"));
        // an emptied field takes what is typed from its first position on
        TMaskEdit intake("9999-99-99");
        intake.setValue(QString());
        QTest::keyClicks(&intake, "20261209");
        QCOMPARE(intake.value(), QString("20261209"));

        TNumericEdit qty(nullptr, 4);
        qty.clear();
        QTest::keyClicks(&qty, "12a34");
        QCOMPARE(qty.value(), qint64(1234));
        QTest::keyClicks(&qty, "5");
        QCOMPARE(qty.text(), QString("1234"));

        TDateEdit dtp;
        QVERIFY(dtp.setDateText("20270105"));
        QCOMPARE(dtp.dateText(), QString("20270105"));
        QCOMPARE(dtp.text(), QString("2027-01-05"));
        QVERIFY(!dtp.setDateText("2027-13-01"));

        SetCodeListSource([](const QString &group, QStringList *codes, QStringList *labels) {
            if (group == "E0017") {
                *codes = {"01", "02"};
                *labels = {"본관", "별관"};
            }
        });
        TCodeCombo area;
        area.fillFromGroup("E0017", true);
        QCOMPARE(area.currentText(), QString("[전체]"));
        QCOMPARE(area.code(), QString());
        QVERIFY(area.setCode("02"));
        QCOMPARE(area.currentText(), QString("별관"));
        QVERIFY(!area.setCode("09"));
        QVERIFY(area.isEmpty());
        SetCodeListSource({});
    }

    void gridShowsLabelsHoldsCodes()
    {
        TEditGrid grid;
        grid.setReadOnly();
        grid.addColumn("TEMP", TColumn::Text, 10).hidden().trailing();
        grid.addColumn("사이즈", TColumn::Text, 80).pickList({"S", "M"}, {"소", "중"}).key();
        grid.addColumn("수량", TColumn::Number, 60);
        QCOMPARE(grid.columnByTitle("TEMP"), 2);     // stays last
        QVERIFY(grid.isColumnHidden(2));
        QCOMPARE(grid.columnWidth(0), 80);
        grid.appendRow({"M", "3", "Y"});
        grid.appendRow({"X", "1"});
        QCOMPARE(grid.cell(0, 0), QString("M"));
        QCOMPARE(grid.cellLabel(0, 0), QString("중"));
        QCOMPARE(grid.cellLabel(1, 0), QString("X"));
        grid.setCurrentRow(5);
        QCOMPARE(grid.currentRow(), 1);
        QCOMPARE(grid.palette().color(QPalette::Highlight), QColor(0, 0, 128));
        QCOMPARE(grid.palette().color(QPalette::HighlightedText), QColor(Qt::white));
        QCOMPARE(grid.model()->headerData(1, Qt::Horizontal).toString(), QString("수량"));
    }

    void gridDesignSettlesBeforeShowing()
    {
        TEditGrid grid;
        grid.setReadOnly();
        grid.addColumn("TEMP", TColumn::Text, 10).hidden().trailing();
        grid.addColumn("입고일자", TColumn::Date, 90);
        grid.addColumn("비고").hidden();   // the last column designed is hidden too
        grid.appendRow({"20261209", "메모"});
        grid.appendRow({"2026", ""});
        grid.show();
        QVERIFY(grid.isColumnHidden(1) && grid.isColumnHidden(2) && !grid.isColumnHidden(0));
        QCOMPARE(grid.cellLabel(0, 0), QString("2026-12-09"));
        QCOMPARE(grid.cell(0, 0), QString("20261209"));
        QCOMPARE(grid.cellLabel(1, 0), QString("2026"));

        // a guard may keep the cursor on its row or send it elsewhere
        for (int i = 0; i < 3; ++i)
            grid.appendRow();
        grid.setCurrentRow(0);
        QList<QPair<int, int>> asked;
        grid.setRowLeaveGuard([&](int from, int to) {
            asked.append({from, to});
            return to == 2 ? -1 : to == 3 ? 4 : to;
        });
        grid.setCurrentRow(2);
        QCOMPARE(grid.currentRow(), 0);
        grid.setCurrentRow(3);
        QCOMPARE(grid.currentRow(), 4);
        grid.setCurrentRow(4);   // staying on the row asks nothing
        QCOMPARE(asked, (QList<QPair<int, int>>{{0, 2}, {0, 3}}));
    }

    void lookupButtonBesideItsField()
    {
        TFieldPanel panel;
        TEdit *member = panel.addEdit("edtMemberNo", "회원번호", {}, 10);
        QPushButton *lookup = panel.addLookupButton(member, "bbtMemberNo");
        TEdit *name = panel.addEdit("edtName", "성명", {}, 30);
        panel.resize(600, 80);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QCOMPARE(lookup->text(), QString("..."));
        QCOMPARE(lookup->focusPolicy(), Qt::NoFocus);
        QCOMPARE(lookup->parentWidget(), member->parentWidget());
        QVERIFY(lookup->mapTo(&panel, QPoint()).x() > member->mapTo(&panel, QPoint()).x());
        QVERIFY(lookup->mapTo(&panel, QPoint()).x() < name->mapTo(&panel, QPoint()).x());
        QCOMPARE(panel.field("회원번호"), static_cast<QWidget *>(member));
    }

    void statusBarPanels()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath("role.ini");
        {
            QFile f(ini);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("[Role]\nType=2\nName=\n");
        }
        Startup().userName = "김철수";
        ReadSettings(ini);
        QPointer<TfrmEEI020> owned = new TfrmEEI020;
        TfrmEEI020 &screen = *owned;
        screen.resize(800, 300);
        screen.show();
        QCOMPARE(screen.statusPanelText(0), QString("EEI020"));    // from the screen's own name
        QCOMPARE(screen.statusPanelText(2), QString("사용자 : 김철수"));
        QCOMPARE(screen.statusPanelText(3), QString());
        QCOMPARE(screen.statusPanelWidth(3), 0);
        QCOMPARE(screen.statusPanelWidth(1),
                 800 - screen.statusPanelWidth(0) - screen.statusPanelWidth(2));
        screen.setObjectName("frmEBI040");
        QCOMPARE(screen.statusPanelText(0), QString("EBI040"));

        QFile f(ini);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("[Role]\nType=3\nCode=S1\nName=매표소\n");
        f.close();
        ReadSettings(ini);
        QCOMPARE(TfrmZZI000::roleCaption(), QString("영업장 - 매표소"));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("[Role]\nType=4\nName=x\n");
        f.close();
        ReadSettings(ini);
        QCOMPARE(TfrmZZI000::roleCaption(), QString());

        screen.SetStatusMessage("처리중");
        QCOMPARE(screen.statusMessage(), QString("처리중"));
        // A disabled close button does nothing and clears nothing but the message.
        int closes = 0;
        TfrmZZI000::setHost({[&] { ++closes; }, {}});
        screen.bbtClose->setEnabled(false);
        screen.bbtClose->click();
        screen.bbtCloseClick();
        QCOMPARE(closes, 0);
        QVERIFY(screen.isVisible());
        screen.bbtClose->setEnabled(true);
        screen.bbtCloseClick();
        QCOMPARE(closes, 0);
        QTRY_VERIFY(owned.isNull());      // a free-standing screen closes and is destroyed
        TfrmZZI000::setHost({});
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    TestWidgets test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_widgets.moc"
