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
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>

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
    void Press(Qt::Key Key, Qt::KeyboardModifiers Modifiers) // a shortcut, in the active window
    {
        FForm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(FForm.get()));
        QTest::keyClick(FForm.get(), Key, Modifiers);
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
    void filesKeepTheWork();
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
    QCOMPARE(Text("AstLabel") + Text("AscProvLabel"),
             Localized("Arvutuslik tõmbearmatuur   As = 36.48 cm2Valitud survearmatuur: 4 x 16, "
                       "As,prov = 8.04 cm2"));
    QVERIFY(!Red("AstProvLabel") && !Red("AscProvLabel"));
    for (const char *name : {"AscLabel", "YArmKlGroupBox", "AscValikButton", "AscProvLabel"})
        QVERIFY2(Shown(name), name);
    QVERIFY(!Child<QLabel>(FForm.get(), "RistLImage")->pixmap().isNull());

    QCOMPARE(Text("MRdLabel"), Localized("Kandevõime valitud armatuuriga   MRd = 660.53 kNm,  "
                                         "Msd/MRd = 0.83,  tõmbearmatuur ei voola (x/d = 0.64)"));
    QVERIFY(!Red("MRdLabel"));
    QStringList items;
    for (const char *menu : {"FileMnu", "RistLMnu", "HelpMnu"})
        for (QAction *action : Child<QMenu>(FForm.get(), menu)->actions())
            if (action->isVisible())
                items << action->text() + action->shortcut().toString();
    QCOMPARE(items.join(QLatin1Char('|')),
             QString::fromUtf8("Ava...Ctrl+O|SalvestaCtrl+S|Salvesta kui...Ctrl+Shift+S||Ekspordi "
                               "PDF...|Prindi...Ctrl+P||&Exit|&Ristkülik|Ribi&plaat|&About "
                               "Kordal ..."));
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
    QVERIFY(Red("AstProvLabel") && Red("MRdLabel"));
    // 2 x 12 yield: 5.3333 x + 8.0425e-4 700 (x - 0.04) / x = 2.2619e-4 434.78 gives x =
    // 0.0347, the top bars pulled at 108 MPa; MRd = 0.1849 (d - 0.4 x) - 0.0866 (d - d2).
    QCOMPARE(Text("MRdLabel"),
             Localized("Kandevõime valitud armatuuriga   MRd = 45.65 kNm,  Msd/MRd = 12.05"));
    ChooseBars("AsValikButton", 8, 40, Qt::Key_Escape); // a cancel changes nothing
    QCOMPARE(RL().AArmatuur.Arv * 100 + RL().AArmatuur.D, 212);
    ChooseBars("AscValikButton", 5, 16, Qt::Key_Return);
    QCOMPARE(Text("AscProvLabel"), Localized("Valitud survearmatuur: 5 x 16, As,prov = 10.05 cm2"));
    QVERIFY(!Red("AscProvLabel"));
}

void TWindowTest::filesKeepTheWork()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tala.kordal")), title = FForm->windowTitle();
    auto fileDialog = [&](const QString &Name) {
        return [&, Name](QWidget *Dialog) {
            Child<QLineEdit>(Dialog, "fileNameEdit")->setText(dir.filePath(Name));
            QTest::keyClick(Child<QLineEdit>(Dialog, "fileNameEdit"), Qt::Key_Return);
        };
    };
    auto question = [this](const char *Answer) {
        FModals->Expect(QString::fromUtf8("Salvestamata muudatused"), [this, Answer](QWidget *Box) {
            FModals->Boxes << static_cast<QMessageBox *>(Box)->text();
            for (QAbstractButton *button : static_cast<QMessageBox *>(Box)->buttons())
                if (button->text() == QString::fromUtf8(Answer))
                    QTest::mouseClick(button, Qt::LeftButton);
        });
    };
    ClickTab(1);
    Enter("hfEdit", QStringLiteral("120"));
    FModals->Expect(QStringLiteral("Salvesta kui"), fileDialog(QStringLiteral("tala")));
    Press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(FForm->windowTitle(), title + QString::fromUtf8(" – tala.kordal[*]"));
    QVERIFY(!FForm->isWindowModified() && QFile::exists(path));

    // A moment typed and not yet confirmed is part of the work: Exit asks, Loobu stays.
    TypeInto(Edit("MsdEdit"), QStringLiteral("600"));
    question("Loobu");
    Child<QAction>(FForm.get(), "ExitItem")->trigger();
    QVERIFY(FForm->isVisible() && FForm->isWindowModified());
    QCOMPARE(FModals->Boxes,
             QStringList{QString::fromUtf8("Salvesta muudatused faili tala.kordal?")});
    Press(Qt::Key_S, Qt::ControlModifier); // Salvesta: no question
    QVERIFY(!FForm->isWindowModified());

    // A broken file is refused with its reason and changes nothing.
    QFile broken(dir.filePath(QStringLiteral("katki.kordal")));
    QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("{\"format\": 1}") > 0);
    broken.close();
    QVERIFY(!FForm->OpenFile(broken.fileName()));
    QVERIFY(FModals->Boxes.last().startsWith(QStringLiteral("katki.kordal: ")));
    QCOMPARE(Edit("MsdEdit")->text(), Localized("600.00"));

    // Changes dropped on purpose, and the saved state opened again: both shapes as saved.
    Enter("MsdEdit", QStringLiteral("700"));
    ClickTab(0);
    question("Ära salvesta");
    FModals->Expect(QStringLiteral("Ava"), fileDialog(QStringLiteral("tala.kordal")));
    Press(Qt::Key_O, Qt::ControlModifier);
    QVERIFY(FForm->IsRibbedSlab() && !FForm->isWindowModified());
    QCOMPARE(Edit("MsdEdit")->text() + Edit("hfEdit")->text(), Localized("600.00120.0"));
    // M1 + M2 = 0.2565 + 0.3160 MNm < 0.6: Asc = 0.0275 / (0.415 400) = 1.655 cm2, in the web:
    // As = (0.7485 + 0.8 + 0.0662) / 434.78 = 37.14 cm2.
    QCOMPARE(Text("AstLabel"), Localized("Arvutuslik tõmbearmatuur   As = 37.14 cm2"));
}

void TWindowTest::aboutBoxAndExit()
{
    // As the program starts with a file named: the window, its About box, the window shown,
    // and once the greeting is closed, the file.
    QTemporaryDir dir;
    TSectionDocument doc{true, InputsOf(*StoredRistLoige), InputsOf(*StoredRPLRistLoige)};
    doc.RibbedSlab.Msd = 480;
    QVERIFY(SaveSectionFile(dir.filePath(QStringLiteral("plaat.kordal")), doc).isEmpty());
    FForm = std::make_unique<TMainKordalForm>();
    FForm->SetStartFile(dir.filePath(QStringLiteral("plaat.kordal")));
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
    QTRY_VERIFY(FForm->IsRibbedSlab());
    QCOMPARE(Edit("MsdEdit")->text(), Localized("480.00"));
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
