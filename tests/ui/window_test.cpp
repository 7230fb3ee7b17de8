// The main window as a user meets it, one story at a time, with real key and mouse events.
// Runs under a full-stop and a comma locale; expected numbers are written with a full stop.
#include "aboutbox.h"
#include "armtabelform.h"
#include "classes.h"
#include "mainkordalform.h"
#include "rplristloige.h"
#include "support.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

#include <algorithm>
#include <memory>

class TWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TModals> FModals;
    std::unique_ptr<TClassesScope> FClasses;
    std::unique_ptr<TMainKordalForm> FForm;

    QLineEdit *Edit(const char *Name) const { return Child<QLineEdit>(FForm.get(), Name); }
    QString Text(const char *Name) const { return Child<QLabel>(FForm.get(), Name)->text(); }
    bool Shown(const char *Name) const
    {
        return Child<QWidget>(FForm.get(), Name)->isVisibleTo(FForm.get());
    }
    bool Red(const char *Name) const
    {
        return Child<QLabel>(FForm.get(), Name)->palette().color(QPalette::Window) == Qt::red;
    }
    TRistLoige &RL() const { return FForm->CurrentSection(); }
    void Enter(const char *Name, const QString &Typed, Qt::Key Leave = Qt::Key_Tab)
    {
        TypeInto(Edit(Name), Typed);
        QTest::keyClick(Edit(Name), Leave);
    }
    void ClickTab(int Index)
    {
        QTabBar *bar = Child<QTabWidget>(FForm.get(), "RLPageControl")->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(Index).center());
    }
    void ChooseSectionMenu(Qt::Key Letter) // Alt+R, then the item's letter
    {
        QTest::keyClick(FForm.get(), Qt::Key_R, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Letter);
        QTRY_VERIFY(!QApplication::activePopupWidget());
    }
    // Opens a layer's bar dialog, clicks the cell of Count x D bars and closes with Close.
    void ChooseBars(const char *Button, int Count, int D, Qt::Key Close)
    {
        bool answered = false;
        FModals->Expect(QStringLiteral("Armatuuri valik"), [&](QWidget *Dialog) {
            QCOMPARE(Dialog->objectName(), QStringLiteral("ArmTabelForm"));
            auto *grid = Child<QTableWidget>(Dialog, "ArmStringGrid");
            const int row = int(std::find(ArmDiameetrid.begin(), ArmDiameetrid.end(), D) -
                                ArmDiameetrid.begin()) +
                            1;
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                              grid->visualItemRect(grid->item(row, Count)).center());
            QTest::keyClick(grid, Close);
            answered = true;
        });
        QTest::mouseClick(Child<QPushButton>(FForm.get(), Button), Qt::LeftButton);
        QVERIFY(answered);
    }

private slots:
    void init()
    {
        FModals = std::make_unique<TModals>();
        FClasses = std::make_unique<TClassesScope>();
        FForm = std::make_unique<TMainKordalForm>();
        FForm->show();
        FForm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(FForm.get()));
    }
    void cleanup()
    {
        FForm.reset();
        FClasses.reset();
        QVERIFY2(FModals->Unexpected.isEmpty(), qPrintable(FModals->Unexpected.join(", ")));
    }

    void startsOnTheDefaultRectangle();
    void typedValuesAreFilteredCheckedAndStored();
    void enterStepsThroughTheInputs();
    void classBoxesChangeTheMaterials();
    void eachShapeKeepsItsInputs();
    void barDialogChoosesTheBars();
    void aboutBoxAndExit();
};

void TWindowTest::startsOnTheDefaultRectangle()
{
    QCOMPARE(FForm->objectName(), QStringLiteral("MainKordalForm"));
    QCOMPARE(FForm->windowTitle(),
             QString::fromUtf8("Raudbetoonristlõigete dimensioneerimine (EVS-EN 1992-1-1:2007)"));
    QCOMPARE(FForm->minimumSize(), FForm->maximumSize()); // not resizable
    QVERIFY(!FForm->IsRibbedSlab() && Shown("RKTabSheet") && !Shown("RPLTabSheet"));
    const char *fields[] = {"hEdit", "bEdit", "MsdEdit", "aEdit", "apEdit"};
    const char *values[] = {"500.0", "400.0", "550.00", "45.0", "40.0"};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(Edit(fields[i])->text(), Localized(values[i]));
    QCOMPARE(Text("fckLabel") + Text("fcdLabel") + Text("gcLabel") + Text("alfaLabel"),
             Localized("fck = 25.0 MPafcd = 16.7 MPagc = 1.50alfa,cc = 1.00"));
    for (QByteArray side : {"A", "Y"})
        QCOMPARE(Text(side + "fykLabel") + Text(side + "fydLabel") + Text(side + "gsLabel") +
                     Text(side + "EsLabel"),
                 Localized("fyk = 500.0 MPafyd = 434.78 MPags = 1.15Es = 200.0 GPa"));
    for (auto [box, first, count, selected] : {std::tuple{"BetKlComboBox", "C16/20", 8, "C25/30"},
                                               {"AArmKlComboBox", "A400", 6, "A500"},
                                               {"YArmKlComboBox", "A400", 6, "A500"}}) {
        auto *combo = Child<QComboBox>(FForm.get(), box);
        QCOMPARE(combo->itemText(0) + combo->currentText(), QString(first) + selected);
        QCOMPARE(combo->count(), count);
    }
    QCOMPARE(Text("AstLabel"), Localized("Arvutuslik tõmbearmatuur   As = 36.48 cm2"));
    QCOMPARE(Text("AstProvLabel"), Localized("Valitud tõmbearmatuur: 6 x 32, As,prov = 48.25 cm2"));
    QCOMPARE(Text("AscLabel"), Localized("Arvutuslik survearmatuur   As' = 2.23 cm2"));
    QCOMPARE(Text("AscProvLabel"), Localized("Valitud survearmatuur: 4 x 16, As,prov = 8.04 cm2"));
    QVERIFY(!Red("AstProvLabel") && !Red("AscProvLabel"));
    for (const char *name : {"AscLabel", "YArmKlGroupBox", "AscValikButton", "AscProvLabel"})
        QVERIFY2(Shown(name), name);
    QVERIFY(!Child<QLabel>(FForm.get(), "RistLImage")->pixmap().isNull());

    QStringList items;
    for (const char *menu : {"FileMnu", "RistLMnu", "HelpMnu"})
        for (QAction *action : Child<QMenu>(FForm.get(), menu)->actions())
            if (action->isVisible())
                items << action->text();
    QCOMPARE(items, (QStringList{"&Exit", QString::fromUtf8("&Ristkülik"), "Ribi&plaat",
                                 "&About Kordal ..."}));
    // A hint is a control's tooltip, status tip and accessible name; hovering shows it.
    auto *msd = Edit("MsdEdit");
    const QString hint = QStringLiteral("Arvutuslik paindemoment Msd (kNm)");
    QCOMPARE(msd->toolTip() + msd->statusTip() + msd->accessibleName(), hint + hint + hint);
    QTest::mouseMove(msd);
    QTRY_COMPARE(FForm->statusBar()->currentMessage(), hint);
}

void TWindowTest::typedValuesAreFilteredCheckedAndStored()
{
    // Enter steps on; the results follow at once.
    Enter("MsdEdit", QStringLiteral("400"), Qt::Key_Return);
    QCOMPARE(Text("AstLabel"), Localized("Arvutuslik tõmbearmatuur   As = 24.53 cm2"));
    QVERIFY(!Shown("AscLabel") && !Shown("YArmKlGroupBox") && !Shown("AscValikButton"));
    QVERIFY(Child<QComboBox>(FForm.get(), "BetKlComboBox")->hasFocus());

    // Only digits, minus and the separator get in; the value is stored on leaving the field.
    Enter("bEdit", QString::fromUtf8("3x0 0+eõ"));
    QCOMPARE(RL().b, 0.3);
    QCOMPARE(Edit("bEdit")->text(), Localized("300.0"));

    // Out of bounds: the warning names them, the previous value comes back selected.
    Enter("hEdit", QStringLiteral("2500"));
    QCOMPARE(FModals->Boxes, QStringList{QString::fromUtf8("Ristlõike kõrgus peaks olema arv: ") +
                                         Localized("0.0..2000.0")});
    QTRY_VERIFY(Edit("hEdit")->hasFocus());
    QCOMPARE(Edit("hEdit")->selectedText(), Localized("500.0"));
    QCOMPARE(RL().h, 0.5);

    // The covers' bound follows the height.
    Enter("hEdit", QStringLiteral("300.1"));
    Enter("aEdit", QStringLiteral("150.06"));
    Enter("apEdit", QStringLiteral("150.05"));
    QCOMPARE(FModals->Boxes.size(), 2);
    QCOMPARE(FModals->Boxes.last(), QString::fromUtf8("Arvutuslik kaitsekiht peaks olema arv: ") +
                                        Localized("0.0..150.05"));
    QCOMPARE(RL().a, 0.045);
    QCOMPARE(RL().ap * 1000, 150.05); // typed exactly at its bound

    // A section that cannot be designed says why, with no figures.
    Enter("bEdit", QStringLiteral("0"));
    QCOMPARE(Text("AstLabel"), QString::fromUtf8("Ristlõiget ei saa arvutada: kontrolli mõõtmeid"));
    Enter("bEdit", QStringLiteral("400"));
    Enter("MsdEdit", QStringLiteral("550"));
    Enter("aEdit", QStringLiteral("150.05"));
    QCOMPARE(Text("AstLabel"),
             QString::fromUtf8("Ristlõiget ei saa arvutada: kontrolli kaitsekihte a ja a'"));
    QVERIFY(!Shown("AscLabel"));
}

void TWindowTest::enterStepsThroughTheInputs()
{
    auto walk = [this](const char *From, int Steps) {
        QStringList names;
        Edit(From)->setFocus();
        for (int i = 0; i < Steps; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QWidget *w = QApplication::focusWidget();
            names << (qobject_cast<QTabBar *>(w) ? QStringLiteral("RLPageControl")
                                                 : w->objectName());
        }
        return names.join(QLatin1Char(' '));
    };
    QCOMPARE(walk("hEdit", 8), QStringLiteral("bEdit MsdEdit BetKlComboBox AArmKlComboBox aEdit "
                                              "YArmKlComboBox apEdit RLPageControl"));
    Enter("MsdEdit", QStringLiteral("400")); // no compression steel: its inputs are skipped
    QCOMPARE(walk("aEdit", 1), QStringLiteral("RLPageControl"));
    ClickTab(1);
    QCOMPARE(walk("hEditRPL", 4), QStringLiteral("bEditRPL hfEdit bwEdit MsdEdit"));
}

void TWindowTest::classBoxesChangeTheMaterials()
{
    auto choose = [this](const char *Box, Qt::Key Key) {
        auto *combo = Child<QComboBox>(FForm.get(), Box);
        combo->setFocus();
        QTest::keyClick(combo, Key);
    };
    choose("BetKlComboBox", Qt::Key_Down);
    QCOMPARE(Text("fckLabel") + Text("fcdLabel"), Localized("fck = 30.0 MPafcd = 20.0 MPa"));
    QCOMPARE(RL().BetKlass.Name, "C30/37");
    // C30/37: mulim A b d^2 = 615.65 kNm, so 550 kNm needs no compression steel.
    QVERIFY(!Shown("AscLabel"));
    choose("AArmKlComboBox", Qt::Key_Up);
    QCOMPARE(Text("AfydLabel"), Localized("fyd = 347.83 MPa"));
    choose("BetKlComboBox", Qt::Key_Up);
    choose("YArmKlComboBox", Qt::Key_Up); // A400 compression bars: fycd 347.83 MPa
    // A400 both ways: limit 540.51 kNm, As' = (550 - 540.51) / (0.415 * 347.83) = 0.66 cm2.
    QCOMPARE(Text("AscLabel"), Localized("Arvutuslik survearmatuur   As' = 0.66 cm2"));
    QCOMPARE(Text("YfydLabel"), Localized("fyd = 347.83 MPa"));
    QCOMPARE(RL().YArmKlass.Name + RL().AArmKlass.Name, "A400A400");
}

void TWindowTest::eachShapeKeepsItsInputs()
{
    Enter("MsdEdit", QStringLiteral("400"));
    ClickTab(1);
    QVERIFY(FForm->IsRibbedSlab() && dynamic_cast<TRPLRistLoige *>(&RL()));
    QCOMPARE(Edit("hEditRPL")->text() + Edit("bEditRPL")->text() + Edit("hfEdit")->text() +
                 Edit("bwEdit")->text() + Edit("MsdEdit")->text(),
             Localized("500.0600.0100.0200.0550.00"));
    QCOMPARE(Text("AstLabel"), Localized("Arvutuslik tõmbearmatuur   As = 33.85 cm2"));
    TypeInto(Edit("hfEdit"), QStringLiteral("150")); // stored as the tab takes the focus
    ClickTab(0);
    QCOMPARE(Edit("MsdEdit")->text(), Localized("400.00"));
    ClickTab(1);
    QCOMPARE(Edit("hfEdit")->text(), Localized("150.0"));
    // The section menu shows a shape as it was last saved: the moment typed here is dropped.
    Enter("MsdEdit", QStringLiteral("300"));
    ChooseSectionMenu(Qt::Key_R);
    QVERIFY(!FForm->IsRibbedSlab());
    QCOMPARE(Child<QTabWidget>(FForm.get(), "RLPageControl")->currentIndex(), 0);
    ChooseSectionMenu(Qt::Key_P);
    QCOMPARE(Edit("MsdEdit")->text() + Edit("hfEdit")->text(), Localized("550.00150.0"));
}

void TWindowTest::barDialogChoosesTheBars()
{
    ChooseBars("AsValikButton", 2, 12, Qt::Key_Return);
    QCOMPARE(Text("AstProvLabel"), Localized("Valitud tõmbearmatuur: 2 x 12, As,prov = 2.26 cm2"));
    QVERIFY(Red("AstProvLabel"));
    ChooseBars("AsValikButton", 8, 40, Qt::Key_Escape); // a cancel changes nothing
    QCOMPARE(RL().AArmatuur.Arv * 100 + RL().AArmatuur.D, 212);
    ChooseBars("AscValikButton", 5, 16, Qt::Key_Return);
    QCOMPARE(Text("AscProvLabel"), Localized("Valitud survearmatuur: 5 x 16, As,prov = 10.05 cm2"));
    QVERIFY(!Red("AscProvLabel"));
}

void TWindowTest::aboutBoxAndExit()
{
    // As the program starts: the window, its About box, then the window is shown.
    FForm = std::make_unique<TMainKordalForm>();
    AboutBox = new TAboutBox(FForm.get());
    QCOMPARE(AboutBox->objectName(), QStringLiteral("AboutBox"));
    int greetings = 0;
    auto answer = [&](QWidget *Box) {
        ++greetings;
        QTest::mouseClick(Child<QPushButton>(Box, "OKButton"), Qt::LeftButton);
    };
    FModals->Expect(QStringLiteral("About Kordal"), answer);
    FForm->show();
    QTRY_COMPARE(greetings, 1);
    FForm->hide();
    FForm->show(); // once only
    QTest::qWait(50);
    FModals->Expect(QStringLiteral("About Kordal"), answer);
    Child<QAction>(FForm.get(), "AboutKordalItem")->trigger();
    QCOMPARE(greetings, 2);
    Child<QAction>(FForm.get(), "ExitItem")->trigger();
    QVERIFY(!FForm->isVisible());
}

QTEST_MAIN(TWindowTest)
#include "window_test.moc"
