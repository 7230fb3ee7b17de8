// A randomised soak of the real window from fixed seeds: anything typed or pasted into any
// field, Enter and Tab, the page tabs, the section menu, the class boxes and the bar dialogs,
// every box answered as it comes. After every action no label or field may show a figure
// that is not a number, the section must match the page and its inputs their bounds, and
// the drawing must be there. KORDAL_SOAK_ACTIONS sets the actions per seed (500).
#include "classes.h"
#include "mainkordalform.h"
#include "rplristloige.h"
#include "support.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTabBar>
#include <QTabWidget>

class TSoakTest : public QObject
{
    Q_OBJECT

private slots:
    void randomUse();
};

void TSoakTest::randomUse()
{
    for (quint32 seed : {1u, 2u, 20261206u}) {
        QRandomGenerator random(seed);
        auto any = [&](const QStringList &Items) { return Items[random.bounded(Items.size())]; };
        TModals modals;
        modals.Others = [&](QWidget *Dialog) { // the bar dialog: a few moves, then OK or cancel
            QWidget *grid = Child<QWidget>(Dialog, "ArmStringGrid");
            const Qt::Key moves[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
            for (int i = random.bounded(6); i > 0; --i)
                QTest::keyClick(grid, moves[random.bounded(4)]);
            QTest::keyClick(grid, random.bounded(2) ? Qt::Key_Return : Qt::Key_Escape);
        };
        TClassesScope classes;
        TMainKordalForm form;
        form.show();
        const QStringList fields{"hEdit",  "bEdit",   "hEditRPL", "bEditRPL", "hfEdit",
                                 "bwEdit", "MsdEdit", "aEdit",    "apEdit"};
        const int actions = qEnvironmentVariableIntValue("KORDAL_SOAK_ACTIONS");
        for (int action = 0; action < (actions > 0 ? actions : 500); ++action) {
            form.activateWindow(); // no window manager gives it back after a box
            QVERIFY(QTest::qWaitForWindowActive(&form));
            auto *edit = Child<QLineEdit>(&form, qPrintable(any(fields)));
            QString text;
            for (int i = random.bounded(1, 6); i > 0; --i)
                text += any({"0", "5", "12", "250", "2000", "10000", "-", ".", ",", "e", " ",
                             QString::fromUtf8("õ"), "99999999999999999999", "0.0001"});
            auto *box = Child<QComboBox>(
                &form, qPrintable(any({"BetKlComboBox", "AArmKlComboBox", "YArmKlComboBox"})));
            switch (random.bounded(7)) {
            case 0: // typed or pasted, at times a page of it
                if (edit->isVisible()) {
                    QTest::mouseClick(edit, Qt::LeftButton);
                    QApplication::clipboard()->setText(random.bounded(50) ? text
                                                                          : text.repeated(200));
                    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
                }
                break;
            case 1:
                if (QApplication::focusWidget())
                    QTest::keyClick(QApplication::focusWidget(),
                                    random.bounded(2) ? Qt::Key_Return : Qt::Key_Tab);
                break;
            case 2:
                Child<QTabWidget>(&form, "RLPageControl")->tabBar()->setFocus();
                QTest::keyClick(Child<QTabWidget>(&form, "RLPageControl")->tabBar(),
                                random.bounded(2) ? Qt::Key_Left : Qt::Key_Right);
                break;
            case 3:
                Child<QAction>(&form, random.bounded(2) ? "RKrlItem" : "RPLrlItem")->trigger();
                break;
            case 4:
                if (box->isVisible()) {
                    box->setFocus();
                    QTest::keyClick(box, random.bounded(2) ? Qt::Key_Down : Qt::Key_Up);
                }
                break;
            default:
                if (auto *b = Child<QPushButton>(&form, random.bounded(2) ? "AsValikButton"
                                                                          : "AscValikButton");
                    b->isVisible())
                    QTest::mouseClick(b, Qt::LeftButton);
            }
            const QString at = QStringLiteral("seed %1, action %2: ").arg(seed).arg(action);
            for (QWidget *child : form.findChildren<QWidget *>()) { // labels and fields
                const QString shown = child->property("text").toString().toLower();
                QVERIFY2(!shown.contains(QLatin1String("nan")) &&
                             !shown.contains(QLatin1String("inf")),
                         qPrintable(at + child->objectName() + " shows " + shown));
            }
            const TRistLoige &rl = form.CurrentSection();
            const auto *slab = dynamic_cast<const TRPLRistLoige *>(&rl);
            QCOMPARE(Child<QTabWidget>(&form, "RLPageControl")->currentIndex() * 2 +
                         form.IsRibbedSlab(),
                     slab ? 3 : 0);
            // The flange's bound follows h when it is entered; h may shrink below it later.
            for (auto [v, upper] : {std::pair{rl.h, 2.0},
                                    {rl.b, 2.0},
                                    {rl.Msd, 10000.0},
                                    {rl.a, rl.h / 2},
                                    {rl.ap, rl.h / 2},
                                    {slab ? slab->bw : 0, 2.0},
                                    {slab ? slab->hf : 0, 2.0}})
                QVERIFY2(v >= 0 && v <= upper * (1 + 1e-9), qPrintable(at + QString::number(v)));
            QVERIFY2(!Child<QLabel>(&form, "RistLImage")->pixmap().isNull(), qPrintable(at));
        }
        QVERIFY(modals.Unexpected.isEmpty());
    }
}

QTEST_MAIN(TSoakTest)
#include "soak_test.moc"
