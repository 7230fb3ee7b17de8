// A randomised soak of the real window from fixed seeds: anything typed or pasted into any
// field, Enter, Tab, the page tabs, the section menu, the class boxes and the bar dialog of
// either layer, every box answered as it comes. After every action the window must show no
// figure that is not a number, hold a section of the page's shape with its inputs within
// their bounds, and show a drawing. KORDAL_SOAK_ACTIONS sets the actions per seed (500).
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

    QRandomGenerator FRandom;
    int Pick(int N) { return int(FRandom.bounded(quint32(N))); }
    template <typename T, std::size_t N> const T &Any(const T (&Items)[N])
    {
        return Items[Pick(N)];
    }

private slots:
    void randomUse_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 20261206u})
            QTest::newRow(qPrintable(QString::number(seed))) << seed;
    }
    void randomUse();
};

void TSoakTest::randomUse()
{
    QFETCH(quint32, seed);
    FRandom.seed(seed);
    TModals modals;
    modals.Others = [this](QWidget *Dialog) { // the bar dialog: a few moves, then OK or cancel
        QWidget *grid = Child<QWidget>(Dialog, "ArmStringGrid");
        for (int i = Pick(6); i > 0; --i)
            QTest::keyClick(grid, Any({Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                                       Qt::Key_PageDown}));
        QTest::keyClick(grid, Pick(2) ? Qt::Key_Return : Qt::Key_Escape);
    };
    TClassesScope classes;
    TMainKordalForm form;
    form.show();
    const char *fields[] = {"hEdit",  "bEdit",   "hEditRPL", "bEditRPL", "hfEdit",
                            "bwEdit", "MsdEdit", "aEdit",    "apEdit"};
    const QString pieces[] = {"0",
                              "5",
                              "12",
                              "250",
                              "2000",
                              "10000",
                              "-",
                              ".",
                              ",",
                              "e",
                              " ",
                              QString::fromUtf8("õ"),
                              "99999999999999999999",
                              "0.0001"};
    const int actions = qEnvironmentVariableIntValue("KORDAL_SOAK_ACTIONS") > 0
                            ? qEnvironmentVariableIntValue("KORDAL_SOAK_ACTIONS")
                            : 500;
    for (int action = 0; action < actions; ++action) {
        form.activateWindow(); // no window manager gives it back after a box
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : &form;
        auto *edit = Child<QLineEdit>(&form, Any(fields));
        QString text;
        for (int i = Pick(5) + 1; i > 0; --i)
            text += Any(pieces);
        switch (Pick(8)) {
        case 0: // type into a field
            if (edit->isVisible()) {
                QTest::mouseClick(edit, Qt::LeftButton);
                for (QChar c : Pick(50) ? text : text.repeated(200))
                    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, c, Qt::NoModifier);
            }
            break;
        case 1: // paste
            if (edit->isVisible()) {
                QTest::mouseClick(edit, Qt::LeftButton);
                QApplication::clipboard()->setText(text);
                QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            }
            break;
        case 2:
            QTest::keyClick(focus, Any({Qt::Key_Return, Qt::Key_Tab, Qt::Key_Backtab}));
            break;
        case 3: {
            QTabBar *bar = Child<QTabWidget>(&form, "RLPageControl")->tabBar();
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(Pick(2)).center());
            break;
        }
        case 4:
            Child<QAction>(&form, Pick(2) ? "RKrlItem" : "RPLrlItem")->trigger();
            break;
        case 5: {
            auto *box =
                Child<QComboBox>(&form, Any({"BetKlComboBox", "AArmKlComboBox", "YArmKlComboBox"}));
            if (box->isVisible()) {
                box->setFocus();
                QTest::keyClick(box, Pick(2) ? Qt::Key_Down : Qt::Key_Up);
            }
            break;
        }
        default: {
            auto *button = Child<QPushButton>(&form, Pick(2) ? "AsValikButton" : "AscValikButton");
            if (button->isVisible())
                QTest::mouseClick(button, Qt::LeftButton);
        }
        }
        const QString at = QStringLiteral("action %1: ").arg(action);
        for (QWidget *child : form.findChildren<QWidget *>()) { // labels and fields
            const QString shown = child->property("text").toString().toLower();
            QVERIFY2(!shown.contains(QLatin1String("nan")) && !shown.contains(QLatin1String("inf")),
                     qPrintable(at + child->objectName() + " shows " + shown));
        }
        const TRistLoige &rl = form.CurrentSection();
        const auto *slab = dynamic_cast<const TRPLRistLoige *>(&rl);
        QCOMPARE(form.IsRibbedSlab(), slab != nullptr);
        QCOMPARE(Child<QTabWidget>(&form, "RLPageControl")->currentIndex(), slab ? 1 : 0);
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
    qInfo("%d actions, %lld boxes answered", actions, modals.Boxes.size());
}

QTEST_MAIN(TSoakTest)
#include "soak_test.moc"
