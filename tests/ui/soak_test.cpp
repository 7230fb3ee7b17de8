// A randomised soak of the real window: thousands of user actions chosen from fixed seeds
// (typing and pasting anything into any field, Enter, Tab, Shift+Tab, the page tabs, the
// section menu, the class boxes, the bar dialog with OK or Escape), warning boxes answered
// as they come. After every action the window must hold no figure that is not a number, a
// current section that matches the page, stored inputs within their fields' bounds, and a
// drawing. KORDAL_SOAK_ACTIONS sets the number of actions per seed (default 1500).
#include "aboutbox.h"
#include "armtabelform.h"
#include "classes.h"
#include "mainkordalform.h"
#include "numformat.h"
#include "rplristloige.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <memory>

namespace
{

const char *const Fields[] = {"hEdit",  "bEdit",   "hEditRPL", "bEditRPL", "hfEdit",
                              "bwEdit", "MsdEdit", "aEdit",    "apEdit"};

class TSoakTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void randomUse_data();
    void randomUse();

private:
    template <typename T> T *Child(const char *Name) const
    {
        return FForm->findChild<T *>(QString::fromLatin1(Name));
    }
    QString RandomText();
    int Act(); // returns which kind of action it took
    void AnswerModal();
    void CheckInvariants(int Action, int Kind);

    std::unique_ptr<TClassesScope> FClasses;
    std::unique_ptr<TMainKordalForm> FForm;
    QRandomGenerator FRandom;
    QTimer FAnswerer;
    int FBoxes = 0;
    int FDialogs = 0;
};

void TSoakTest::initTestCase()
{
    FClasses = std::make_unique<TClassesScope>();
    AboutBox = nullptr; // the greeting is the main window test's business
    FForm = std::make_unique<TMainKordalForm>();
    FForm->show();
    FForm->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FForm.get()));
    // Warning boxes and the bar dialog open in nested loops; answer them from a timer.
    FAnswerer.setInterval(0);
    connect(&FAnswerer, &QTimer::timeout, this, &TSoakTest::AnswerModal);
    FAnswerer.start();
}

void TSoakTest::cleanupTestCase()
{
    FAnswerer.stop();
    FForm.reset();
    FClasses.reset();
}

void TSoakTest::AnswerModal()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        ++FBoxes;
        box->button(QMessageBox::Ok)->click();
    } else if (auto *dialog = qobject_cast<TArmTabelForm *>(modal)) {
        ++FDialogs;
        QWidget *grid = dialog->focusWidget() ? dialog->focusWidget() : dialog;
        static const Qt::Key moves[] = {Qt::Key_Left, Qt::Key_Right,    Qt::Key_Up,
                                        Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Home};
        for (int i = FRandom.bounded(6); i > 0; --i)
            QTest::keyClick(grid, moves[FRandom.bounded(6)]);
        QTest::keyClick(grid, FRandom.bounded(2) ? Qt::Key_Return : Qt::Key_Escape);
    } else {
        modal->close(); // nothing else should open; the invariants report it
        QFAIL("an unexpected modal window opened");
    }
}

QString TSoakTest::RandomText()
{
    static const QString pieces[] = {
        QStringLiteral("0"),   QStringLiteral("5"),      QStringLiteral("12"),
        QStringLiteral("250"), QStringLiteral("2000"),   QStringLiteral("10000"),
        QStringLiteral("-"),   QStringLiteral("."),      QStringLiteral(","),
        QStringLiteral("e"),   QStringLiteral(" "),      QStringLiteral("x"),
        QStringLiteral("1e5"), QString::fromUtf8("õäü"), QStringLiteral("99999999999999999999"),
        QStringLiteral("\t"),  QStringLiteral("0.0001")};
    QString text;
    for (int i = FRandom.bounded(1, 6); i > 0; --i)
        text += pieces[FRandom.bounded(int(std::size(pieces)))];
    if (FRandom.bounded(50) == 0)
        text = text.repeated(200); // a very long paste
    return text;
}

int TSoakTest::Act()
{
    // The offscreen platform has no window manager to give the window back its activation
    // when a box or the dialog closes.
    if (QApplication::activeWindow() != FForm.get()) {
        FForm->activateWindow();
        if (!QTest::qWaitForWindowActive(FForm.get()))
            qFatal("the window cannot be activated again");
    }
    QWidget *focus = QApplication::focusWidget();
    const int kind = FRandom.bounded(12);
    switch (kind) {
    case 0:
    case 1:
    case 2: { // click into a visible field, then type
        auto *edit = Child<QLineEdit>(Fields[FRandom.bounded(9)]);
        if (edit && edit->isVisible()) {
            QTest::mouseClick(edit, Qt::LeftButton);
            if (FRandom.bounded(2))
                edit->selectAll();
            const QString text = RandomText();
            for (QChar c : text)
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, c, Qt::NoModifier);
        }
        break;
    }
    case 3: { // paste
        auto *edit = Child<QLineEdit>(Fields[FRandom.bounded(9)]);
        if (edit && edit->isVisible()) {
            QTest::mouseClick(edit, Qt::LeftButton);
            QApplication::clipboard()->setText(RandomText());
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        }
        break;
    }
    case 4:
    case 5:
        if (focus)
            QTest::keyClick(focus, Qt::Key_Return);
        break;
    case 6:
        if (focus)
            QTest::keyClick(focus, Qt::Key_Tab);
        break;
    case 7:
        if (focus)
            QTest::keyClick(focus, Qt::Key_Backtab, Qt::ShiftModifier);
        break;
    case 8: { // a page tab
        QTabBar *bar = Child<QTabWidget>("RLPageControl")->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(FRandom.bounded(2)).center());
        break;
    }
    case 9: // the section menu
        Child<QAction>(FRandom.bounded(2) ? "RKrlItem" : "RPLrlItem")->trigger();
        break;
    case 10: { // a class box, by keyboard
        static const char *const boxes[] = {"BetKlComboBox", "AArmKlComboBox", "YArmKlComboBox"};
        auto *box = Child<QComboBox>(boxes[FRandom.bounded(3)]);
        if (box->isVisible()) {
            box->setFocus();
            QTest::keyClick(box, FRandom.bounded(2) ? Qt::Key_Down : Qt::Key_Up);
        }
        break;
    }
    case 11: { // the bar dialog of either layer
        auto *button = Child<QPushButton>(FRandom.bounded(2) ? "AsValikButton" : "AscValikButton");
        if (button->isVisible())
            QTest::mouseClick(button, Qt::LeftButton);
        break;
    }
    }
    QCoreApplication::processEvents();
    return kind;
}

void TSoakTest::CheckInvariants(int Action, int Kind)
{
    const QString where = QStringLiteral("action %1 (kind %2)").arg(Action).arg(Kind);
    for (QLabel *label : FForm->findChildren<QLabel *>()) {
        const QString text = label->text().toLower();
        QVERIFY2(!text.contains(QLatin1String("nan")) && !text.contains(QLatin1String("inf")),
                 qPrintable(where + ": " + label->objectName() + " shows " + label->text()));
    }
    for (const char *name : Fields) {
        const QString text = Child<QLineEdit>(name)->text().toLower();
        QVERIFY2(!text.contains(QLatin1String("nan")) && !text.contains(QLatin1String("inf")),
                 qPrintable(where + ": " + QLatin1String(name) + " holds " + text));
    }
    QVERIFY2(!Child<QLabel>("AstLabel")->text().isEmpty(), qPrintable(where));

    const TRistLoige &rl = FForm->CurrentSection();
    const bool ribbed = dynamic_cast<const TRPLRistLoige *>(&rl) != nullptr;
    QCOMPARE(FForm->IsRibbedSlab(), ribbed);
    QCOMPARE(Child<QTabWidget>("RLPageControl")->currentIndex(), ribbed ? 1 : 0);

    auto within = [&](double v, double low, double high, const char *what) {
        QVERIFY2(v >= low && v <= high,
                 qPrintable(where + QStringLiteral(": %1 = %2").arg(what).arg(v)));
    };
    within(rl.h, 0, 2.0, "h");
    within(rl.b, 0, 2.0, "b");
    within(rl.Msd, 0, 10000, "Msd");
    within(rl.a, 0, rl.h / 2, "a");
    within(rl.ap, 0, rl.h / 2, "ap");
    if (ribbed) {
        const auto &slab = static_cast<const TRPLRistLoige &>(rl);
        within(slab.bw, 0, 2.0, "bw");
        // The flange's bound follows h when it is entered; h may shrink below it later.
        within(slab.hf, 0, 2.0, "hf");
    }
    const QPixmap picture = Child<QLabel>("RistLImage")->pixmap();
    QVERIFY2(!picture.isNull(), qPrintable(where + ": no drawing"));
}

void TSoakTest::randomUse_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::newRow("seed 1") << 1u;
    QTest::newRow("seed 2") << 2u;
    QTest::newRow("seed 20261206") << 20261206u;
}

void TSoakTest::randomUse()
{
    QFETCH(quint32, seed);
    FRandom.seed(seed);
    FBoxes = FDialogs = 0;
    bool ok = false;
    int actions = qEnvironmentVariableIntValue("KORDAL_SOAK_ACTIONS", &ok);
    if (!ok || actions <= 0)
        actions = 1500;
    for (int i = 0; i < actions; ++i) {
        const int kind = Act();
        CheckInvariants(i, kind);
        if (QTest::currentTestFailed())
            return;
    }
    qInfo("%d actions, %d warning boxes answered, %d bar dialogs", actions, FBoxes, FDialogs);
}

} // namespace

QTEST_MAIN(TSoakTest)
#include "soak_test.moc"
