// The bar selection dialog on a section of its own: the grid of areas with its marks, the
// required and chosen areas, the keys and the mouse, OK and cancel. (Opening it modally from
// the window is the window test's story.)
#include "armtabelform.h"
#include "classes.h"
#include "ristloige.h"
#include "support.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>

class TArmTabelTest : public QObject
{
    Q_OBJECT

    TClassesScope FClasses;
    TRistLoige FSection;

    // Opens the dialog on the layer Layer of the section and gives it the keyboard.
    std::unique_ptr<TArmTabelForm> Open(std::uint8_t Layer)
    {
        ArmValik = Layer;
        auto form = std::make_unique<TArmTabelForm>(FSection);
        form->show();
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get()))
            qFatal("the dialog did not become active");
        return form;
    }
    static QTableWidget *Grid(QWidget *Form) { return Child<QTableWidget>(Form, "ArmStringGrid"); }
    static QString Label2(QWidget *Form) { return Child<QLabel>(Form, "Label2")->text(); }
    static bool Red(QWidget *Form)
    {
        return Child<QLabel>(Form, "Label2")->palette().color(QPalette::Window) == Qt::red;
    }
    static void Keys(QWidget *Form, const QList<Qt::Key> &Keys)
    {
        for (Qt::Key key : Keys)
            QTest::keyClick(Grid(Form), key);
    }

private slots:
    void init()
    {
        FSection.AArmatuur = TArmatuurid();
        FSection.AArmatuur.Arv = 6;
        FSection.AArmatuur.D = 32;
        FSection.AArmatuur.CalcArea();
        FSection.AArmatuur.AsReq = BarArea(3, 20); // exactly what 3 x 20 provide
    }
    void gridOfAreasMarksTheShortOnes();
    void keysMouseAndOK();
    void staysOnTheScreen();
};

void TArmTabelTest::gridOfAreasMarksTheShortOnes()
{
    auto form = Open(0);
    QCOMPARE(form->objectName() + form->windowTitle(),
             QStringLiteral("ArmTabelFormArmatuuri valik"));
    QTableWidget *grid = Grid(form.get());
    QCOMPARE(grid->item(0, 0)->text() + grid->item(0, 10)->text() + grid->item(14, 0)->text(),
             QStringLiteral("D \\ Arv1040"));
    QCOMPARE(grid->item(8, 3)->text(), Localized("9.42")); // 3 x 20: equal is not short
    QCOMPARE(grid->item(8, 2)->text(), Localized("x 6.28"));
    QCOMPARE(grid->item(14, 10)->text(), Localized("125.66"));
    for (int r = 1; r <= 14; ++r)
        for (int j = 1; j <= 10; ++j)
            QCOMPARE(grid->item(r, j)->text().startsWith(QStringLiteral("x ")),
                     BarArea(j, ArmDiameetrid[r - 1]) < BarArea(3, 20));
    // It opens on the group's bars; every cell shows whole, without scrolling.
    QCOMPARE(grid->currentRow() * 100 + grid->currentColumn(), 1206);
    QCOMPARE(Label2(form.get()), Localized("As,req = 9.42 cm2, As,prov = 48.25 cm2"));
    QVERIFY(!Red(form.get()));
    QCOMPARE(grid->horizontalScrollBar()->maximum() + grid->verticalScrollBar()->maximum(), 0);
    QVERIFY(form->rect().contains(Child<QPushButton>(form.get(), "OKButton")->geometry()));
    // The offscreen screen is 800 x 600: too narrow for the designed place.
    QVERIFY(form->screen()->availableGeometry().contains(form->frameGeometry()));
}

void TArmTabelTest::staysOnTheScreen()
{
    struct Row {
        QRect Available;
        QPoint At;
    } rows[] = {{{0, 0, 1920, 1080}, {353, 191}},     {{0, 0, 800, 600}, {212, 191}},
                {{1920, 0, 1280, 1024}, {1920, 191}}, {{-1280, 0, 1280, 1024}, {-588, 191}},
                {{0, 0, 500, 300}, {0, 0}},           {{0, 250, 1024, 500}, {353, 250}}};
    for (const Row &r : rows)
        QCOMPARE(PlaceOnScreen({353, 191, 588, 389}, r.Available), r.At);
}

void TArmTabelTest::keysMouseAndOK()
{
    auto form = Open(0);
    QTableWidget *grid = Grid(form.get());
    Keys(form.get(), {Qt::Key_Home, Qt::Key_Left}); // the fixed column is no cell to choose
    QCOMPARE(grid->currentRow() * 100 + grid->currentColumn(), 1201);
    QCOMPARE(Label2(form.get()), Localized("As,req = 9.42 cm2, As,prov = 8.04 cm2"));
    QVERIFY(Red(form.get()));
    Keys(form.get(), {Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_Up}); // nor is the fixed row
    QCOMPARE(grid->currentRow() * 100 + grid->currentColumn(), 101);
    Keys(form.get(), {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_Down, Qt::Key_End});
    QCOMPARE(grid->currentRow() * 100 + grid->currentColumn(), 1410);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualItemRect(grid->item(3, 4)).center());
    QCOMPARE(Label2(form.get()), Localized("As,req = 9.42 cm2, As,prov = 3.14 cm2"));
    QTest::mouseClick(Child<QPushButton>(form.get(), "OKButton"), Qt::LeftButton);
    QCOMPARE(form->result(), int(QDialog::Accepted));
    const TArmatuurid &bars = FSection.AArmatuur;
    QCOMPARE(bars.Arv * 100 + bars.D, 410);
    QCOMPARE(bars.AsProv, BarArea(4, 10));
    QCOMPARE(bars.AsReq, BarArea(3, 20));
}

QTEST_MAIN(TArmTabelTest)
#include "armtabel_test.moc"
