// The bar selection dialog driven as a user drives it: real mouse clicks and key presses,
// the dialog opened modally through ShowArmTabel where closing matters.
#include "armtabelform.h"
#include "classes.h"
#include "ristloige.h"
#include "testsupport.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>
#include <limits>
#include <tuple>

namespace
{

QTableWidget *Grid(QWidget &Form)
{
    return Form.findChild<QTableWidget *>("ArmStringGrid");
}

QLabel *Label2(QWidget &Form)
{
    return Form.findChild<QLabel *>("Label2");
}

bool IsRed(QWidget &Form)
{
    return Label2(Form)->palette().color(QPalette::Window) == QColor(255, 0, 0);
}

bool IsMarked(QWidget &Form, int Row, int Column)
{
    return Grid(Form)->item(Row, Column)->text().startsWith(QStringLiteral("x "));
}

void ClickCell(QWidget &Form, int Row, int Column)
{
    QTableWidget *G = Grid(Form);
    QTest::mouseClick(G->viewport(), Qt::LeftButton, {},
                      G->visualItemRect(G->item(Row, Column)).center());
}

// D, Arv, AsReq, AsProv.
std::tuple<int, int, double, double> Fields(const TArmatuurid &Group)
{
    return {Group.D, Group.Arv, Group.AsReq, Group.AsProv};
}

void SetGroup(TArmatuurid &Group, int D, int Arv, double AsReq)
{
    Group.D = D;
    Group.Arv = Arv;
    Group.AsReq = AsReq;
    Group.CalcArea();
}
} // namespace

class TArmTabelTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TClassesScope> Classes;
    QTimer Watchdog;
    QString Unexpected; // what the watchdog had to close

    // Opens the dialog modally on RL and runs Action in it once it is up. Whatever Action
    // leaves open, the watchdog closes, and the test fails.
    void RunDialog(TRistLoige &RL, const std::function<void(TArmTabelForm &)> &Action)
    {
        bool Ran = false;
        QTimer::singleShot(0, this, [&] {
            auto *Form = qobject_cast<TArmTabelForm *>(QApplication::activeModalWidget());
            if (!Form)
                return;
            Ran = true;
            Form->activateWindow();
            if (QTest::qWaitForWindowActive(Form))
                Action(*Form);
        });
        ShowArmTabel(RL, nullptr);
        QVERIFY2(Ran, "the dialog did not open modally");
    }

private slots:
    void initTestCase()
    {
        // Any other modal box is a failure; the dialog itself may stay up only so long.
        Watchdog.setInterval(100);
        connect(&Watchdog, &QTimer::timeout, this, [this] {
            static int Ticks = 0;
            QWidget *Modal = QApplication::activeModalWidget();
            Ticks = Modal ? Ticks + 1 : 0;
            if (Modal && (!qobject_cast<TArmTabelForm *>(Modal) || Ticks > 100)) {
                Unexpected = Modal->windowTitle();
                Modal->close();
            }
        });
        Watchdog.start();
    }
    void init()
    {
        Unexpected.clear();
        Classes = std::make_unique<TClassesScope>();
        ArmValik = 0;
    }
    void cleanup()
    {
        Classes.reset();
        QVERIFY2(Unexpected.isEmpty(), qPrintable("modal left open: " + Unexpected));
    }

    void opensOnTheGroupsBars_data()
    {
        QTest::addColumn<int>("Valik");
        QTest::addColumn<int>("D");
        QTest::addColumn<int>("Arv");
        QTest::addColumn<double>("AsReq");
        QTest::addColumn<QString>("Text");
        QTest::addColumn<bool>("Red");
        QTest::newRow("tension default")
            << 0 << 32 << 6 << 36.477 << Localized("As,req = 36.48 cm2, As,prov = 48.25 cm2")
            << false;
        QTest::newRow("compression default")
            << 1 << 16 << 4 << 2.226 << Localized("As,req = 2.23 cm2, As,prov = 8.04 cm2") << false;
        QTest::newRow("short bars") << 0 << 12 << 2 << 36.477
                                    << Localized("As,req = 36.48 cm2, As,prov = 2.26 cm2") << true;
        QTest::newRow("column moves, row stays")
            << 0 << 6 << 3 << 1.0 << Localized("As,req = 1.00 cm2, As,prov = 0.85 cm2") << true;
        // The first cell is current already: nothing moves, the opening text stays.
        QTest::newRow("first cell")
            << 0 << 6 << 1 << 1.0 << Localized("As,req = 1.00 cm2") << false;
    }
    void opensOnTheGroupsBars()
    {
        QFETCH(int, Valik);
        QFETCH(int, D);
        QFETCH(int, Arv);
        QFETCH(double, AsReq);
        QFETCH(QString, Text);
        QFETCH(bool, Red);
        TRistLoige RL;
        SetGroup(Valik == 0 ? RL.AArmatuur : RL.YArmatuur, D, Arv, AsReq);
        ArmValik = static_cast<std::uint8_t>(Valik);
        TArmTabelForm Form(RL);
        QCOMPARE(Form.windowTitle(), QStringLiteral("Armatuuri valik"));
        QCOMPARE(Grid(Form)->currentRow(), GridRowOf(D));
        QCOMPARE(Grid(Form)->currentColumn(), Arv);
        QCOMPARE(Label2(Form)->text(), Text);
        QCOMPARE(IsRed(Form), Red);
    }

    void gridTexts()
    {
        TRistLoige RL;
        TArmTabelForm Form(RL);
        QTableWidget *G = Grid(Form);
        QCOMPARE(G->item(0, 0)->text(), QStringLiteral("D \\ Arv"));
        QCOMPARE(G->item(0, 10)->text(), QStringLiteral("10"));
        QCOMPARE(G->item(14, 0)->text(), QStringLiteral("40"));
        QCOMPARE(G->item(1, 1)->text(), Localized("0.28"));
        QCOMPARE(G->item(14, 10)->text(), Localized("125.66"));
    }

    // Marks and Label2's colour answer the same question for every cell.
    void markedExactlyWhenRed_data()
    {
        QTest::addColumn<double>("AsReq");
        QTest::addColumn<int>("Marked");
        QTest::newRow("nothing required") << 0.0 << 0;
        QTest::newRow("default tension") << 36.477 << 110;
        QTest::newRow("equal to 3 x 20") << BarArea(3, 20) << 58;
        QTest::newRow("just above 3 x 20")
            << std::nextafter(BarArea(3, 20), std::numeric_limits<double>::infinity()) << 59;
        QTest::newRow("beyond every cell") << 130.0 << 140;
    }
    void markedExactlyWhenRed()
    {
        QFETCH(double, AsReq);
        QFETCH(int, Marked);
        TRistLoige RL;
        RL.AArmatuur.AsReq = AsReq;
        TArmTabelForm Form(RL);
        Form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Form));
        int Count = 0;
        for (int r = 1; r <= 14; ++r) {
            for (int j = 1; j <= 10; ++j) {
                ClickCell(Form, r, j);
                QCOMPARE(Grid(Form)->currentRow(), r);
                QCOMPARE(Grid(Form)->currentColumn(), j);
                QCOMPARE(IsRed(Form), IsMarked(Form, r, j));
                Count += IsMarked(Form, r, j);
            }
        }
        QCOMPARE(Count, Marked);
    }

    // The red is painted in the dialog, not only set in the palette; clicks on the fixed
    // row and column change nothing.
    void shortfallShowsRed()
    {
        TRistLoige RL;
        SetGroup(RL.AArmatuur, 12, 2, 36.477);
        TArmTabelForm Form(RL);
        Form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Form));
        const QPoint Inside = Label2(Form)->geometry().topLeft() + QPoint(1, 1);
        QCOMPARE(Form.grab().toImage().pixelColor(Inside), QColor(255, 0, 0));
        const QString Text = Label2(Form)->text();
        ClickCell(Form, 0, 6);
        ClickCell(Form, GridRowOf(32), 0);
        QCOMPARE(Label2(Form)->text(), Text);
        QCOMPARE(Grid(Form)->currentRow(), GridRowOf(12));
        QCOMPARE(Grid(Form)->currentColumn(), 2);
        ClickCell(Form, GridRowOf(32), 6);
        QCOMPARE(Form.grab().toImage().pixelColor(Inside), Form.palette().color(QPalette::Button));
    }

    void keyboardMoves_data()
    {
        QTest::addColumn<QList<int>>("Keys");
        QTest::addColumn<int>("Row");
        QTest::addColumn<int>("Column");
        QTest::addColumn<QString>("Text");
        QTest::newRow("up, left") << QList<int>{Qt::Key_Up, Qt::Key_Left} << GridRowOf(28) << 5
                                  << Localized("As,req = 36.48 cm2, As,prov = 30.79 cm2");
        QList<int> Ups(20, Qt::Key_Up), Lefts(20, Qt::Key_Left);
        QTest::newRow("stops before the counts")
            << Ups << 1 << 6 << Localized("As,req = 36.48 cm2, As,prov = 1.70 cm2");
        QTest::newRow("stops before the diameters")
            << Lefts << GridRowOf(32) << 1 << Localized("As,req = 36.48 cm2, As,prov = 8.04 cm2");
        QTest::newRow("page up") << QList<int>{Qt::Key_PageUp} << 1 << 6
                                 << Localized("As,req = 36.48 cm2, As,prov = 1.70 cm2");
        QTest::newRow("page down") << QList<int>{Qt::Key_PageDown} << 14 << 6
                                   << Localized("As,req = 36.48 cm2, As,prov = 75.40 cm2");
        QTest::newRow("home") << QList<int>{Qt::Key_Home} << GridRowOf(32) << 1
                              << Localized("As,req = 36.48 cm2, As,prov = 8.04 cm2");
    }
    void keyboardMoves()
    {
        QFETCH(QList<int>, Keys);
        QFETCH(int, Row);
        QFETCH(int, Column);
        QFETCH(QString, Text);
        TRistLoige RL;
        RL.AArmatuur.AsReq = 36.477;
        TArmTabelForm Form(RL);
        Form.show();
        Form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Form));
        QCOMPARE(QApplication::focusWidget(), Grid(Form));
        for (int Key : Keys)
            QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(Key));
        QCOMPARE(Grid(Form)->currentRow(), Row);
        QCOMPARE(Grid(Form)->currentColumn(), Column);
        QCOMPARE(Label2(Form)->text(), Text);
    }

    // Closing: OK by mouse, Enter, Tab to OK and Space write back; Escape and the close box
    // do not.
    void closing_data()
    {
        QTest::addColumn<int>("Valik");
        QTest::addColumn<QString>("How");
        QTest::addColumn<bool>("Written");
        QTest::newRow("OK clicked, tension") << 0 << "ok" << true;
        QTest::newRow("OK clicked, compression") << 1 << "ok" << true;
        QTest::newRow("Enter") << 0 << "enter" << true;
        QTest::newRow("Tab, Space") << 1 << "tab" << true;
        QTest::newRow("Escape") << 0 << "escape" << false;
        QTest::newRow("close box") << 1 << "close" << false;
    }
    void closing()
    {
        QFETCH(int, Valik);
        QFETCH(QString, How);
        QFETCH(bool, Written);
        TRistLoige RL;
        SetGroup(RL.AArmatuur, 32, 6, 36.477);
        SetGroup(RL.YArmatuur, 16, 4, 2.226);
        RL.YArmatuur.AsProv = 8.0; // Assign copies, never recomputes
        TArmatuurid &Chosen = Valik == 0 ? RL.AArmatuur : RL.YArmatuur;
        TArmatuurid &Other = Valik == 0 ? RL.YArmatuur : RL.AArmatuur;
        const auto Before = Fields(Chosen), OtherBefore = Fields(Other);

        ArmValik = static_cast<std::uint8_t>(Valik);
        RunDialog(RL, [&](TArmTabelForm &Form) {
            ClickCell(Form, GridRowOf(12), 2); // a marked cell may be confirmed
            QWidget *Focus = QApplication::focusWidget();
            auto *OK = Form.findChild<QPushButton *>("OKButton");
            if (How == "ok") {
                QTest::mouseClick(OK, Qt::LeftButton);
            } else if (How == "enter") {
                QTest::keyClick(Focus, Qt::Key_Return);
            } else if (How == "tab") {
                QTest::keyClick(Focus, Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget(), OK);
                QTest::keyClick(OK, Qt::Key_Space);
            } else if (How == "escape") {
                QTest::keyClick(Focus, Qt::Key_Escape);
            } else {
                Form.close();
            }
        });
        QVERIFY(!QApplication::activeModalWidget());
        const auto Picked = std::tuple(12, 2, std::get<2>(Before), BarArea(2, 12));
        QVERIFY(Fields(Chosen) == (Written ? Picked : Before));
        QVERIFY(Fields(Other) == OtherBefore);
    }

    // With the widest texts (everything marked) every cell shows whole without scrolling,
    // and the two labels neither overlap nor leave the dialog.
    void everythingShows()
    {
        TRistLoige RL;
        RL.AArmatuur.AsReq = 130.0;
        TArmTabelForm Form(RL);
        Form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Form));
        QTableWidget *G = Grid(Form);
        const QRect Viewport = G->viewport()->rect();
        const QFontMetrics Metrics(G->font());
        for (int r = 0; r < G->rowCount(); ++r) {
            for (int j = 0; j < G->columnCount(); ++j) {
                const QRect Cell = G->visualItemRect(G->item(r, j));
                QVERIFY2(Viewport.contains(Cell), qPrintable(QString("cell %1, %2").arg(r).arg(j)));
                // The style leaves a margin of 3 pixels on either side of the text.
                QVERIFY(Metrics.horizontalAdvance(G->item(r, j)->text()) + 6 <= Cell.width());
                QVERIFY(Metrics.height() <= Cell.height());
            }
        }
        QVERIFY(Form.rect().contains(G->geometry()));
        auto *Label1 = Form.findChild<QLabel *>("Label1");
        QCOMPARE(Label1->text(), QStringLiteral("Armatuurvarraste ristlõikepindala (cm2)"));
        QVERIFY(Label1->x() + Label1->fontMetrics().horizontalAdvance(Label1->text()) <
                Label2(Form)->x());
        ClickCell(Form, 14, 10);
        QVERIFY(Form.rect().contains(Label2(Form)->geometry()));
        QVERIFY(Label2(Form)->fontMetrics().horizontalAdvance(Label2(Form)->text()) <=
                Label2(Form)->width());
        QVERIFY(Form.rect().contains(Form.findChild<QPushButton *>("OKButton")->geometry()));
    }
};

QTEST_MAIN(TArmTabelTest)
#include "armtabel_test.moc"
