// The bar selection dialog on a section of its own: the grid of areas with its marks, the
// required and chosen areas, the keys and the mouse, OK, and its place on a small screen.
// (Opening it modally from the window, and cancelling it, is the window test's story.)
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

private slots:
    void gridMarksAndChoice();
};

void TArmTabelTest::gridMarksAndChoice()
{
    TClassesScope classes;
    TRistLoige section; // 6 x 32 chosen, exactly what 3 x 20 provide required
    section.AArmatuur.AsReq = BarArea(3, 20);
    ArmValik = 0;
    TArmTabelForm form(section);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto *grid = Child<QTableWidget>(&form, "ArmStringGrid");
    auto *label = Child<QLabel>(&form, "Label2");
    auto at = [&] { return grid->currentRow() * 100 + grid->currentColumn(); };
    QCOMPARE(form.objectName() + form.windowTitle(), QStringLiteral("ArmTabelFormArmatuuri valik"));
    QCOMPARE(grid->item(0, 0)->text() + grid->item(0, 10)->text() + grid->item(14, 0)->text() +
                 grid->item(8, 3)->text() + grid->item(8, 2)->text(),
             Localized("D \\ Arv1040"
                       "9.42x 6.28")); // 3 x 20: equal is no shortfall
    for (int r = 1; r <= 14; ++r)
        for (int j = 1; j <= 10; ++j)
            QCOMPARE(grid->item(r, j)->text().startsWith(QStringLiteral("x ")),
                     BarArea(j, ArmDiameetrid[r - 1]) < BarArea(3, 20));
    // It opens on the group's bars, every cell whole without scrolling, OK on the dialog.
    QCOMPARE(at(), 1206);
    QCOMPARE(label->text(), Localized("As,req = 9.42 cm2, As,prov = 48.25 cm2"));
    QCOMPARE(grid->horizontalScrollBar()->maximum() + grid->verticalScrollBar()->maximum(), 0);
    QVERIFY(form.rect().contains(Child<QPushButton>(&form, "OKButton")->geometry()));
    // The fixed column and row are no cells to choose; a shortfall shows red.
    for (Qt::Key key : {Qt::Key_Home, Qt::Key_Left, Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_Up})
        QTest::keyClick(grid, key);
    QCOMPARE(at(), 101);
    QCOMPARE(label->text(), Localized("As,req = 9.42 cm2, As,prov = 0.28 cm2"));
    QCOMPARE(label->palette().color(QPalette::Window), QColor(Qt::red));
    for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_Down, Qt::Key_End})
        QTest::keyClick(grid, key);
    QCOMPARE(at(), 1410);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualItemRect(grid->item(3, 4)).center());
    QTest::mouseClick(Child<QPushButton>(&form, "OKButton"), Qt::LeftButton);
    const TArmatuurid &bars = section.AArmatuur; // 4 x 10, the requirement as it was
    QCOMPARE(std::tuple(bars.Arv, bars.D, bars.AsProv, bars.AsReq),
             std::tuple(4, 10, BarArea(4, 10), BarArea(3, 20)));
    // The offscreen screen is 800 x 800: too narrow for the designed place.
    QVERIFY(form.screen()->availableGeometry().contains(form.frameGeometry()));
    // Bars not of the table (7 mm, none) open on the first cell; cancelling changes nothing.
    section.YArmatuur.D = 7;
    section.YArmatuur.Arv = 0;
    ArmValik = 1;
    TArmTabelForm other(section);
    QCOMPARE(Child<QTableWidget>(&other, "ArmStringGrid")->currentRow() * 100 +
                 Child<QTableWidget>(&other, "ArmStringGrid")->currentColumn(),
             101);
    other.reject();
    QCOMPARE(section.YArmatuur.D * 100 + section.YArmatuur.Arv, 700);
}

QTEST_MAIN(TArmTabelTest)
#include "armtabel_test.moc"
