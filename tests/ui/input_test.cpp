// The main window's input handling driven by real key and mouse events: the character
// filter, the checks on leaving a field with their warning box, Enter, the class boxes and
// the shape switch. Runs under a full-stop and a comma locale; numbers in the tables are
// written with a full stop and typed with the locale's separator.
#include "classes.h"
#include "mainkordalform.h"
#include "numformat.h"
#include "ristloige.h"
#include "rplristloige.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <memory>

namespace
{
// Text as the user types it: every point is the locale's separator.
QString Typed(QString Text)
{
    return Text.replace(QLatin1Char('.'), DecimalSeparator());
}

struct TBox {
    QString Title, Text;
    QMessageBox::Icon Icon;
    QMessageBox::StandardButtons Buttons;
};
} // namespace

class TInputTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TClassesScope> FClasses;
    std::unique_ptr<TMainKordalForm> FForm;
    // Every modal box is recorded and answered with its OK button; a test compares the
    // record with the boxes it expects, so an unexpected box fails it and never hangs it.
    QTimer FResponder;
    QList<TBox> FBoxes;
    QStringList FOtherModals;

    template <typename T> T *Child(const char *Name) const
    {
        T *child = FForm->findChild<T *>(QLatin1String(Name));
        if (!child)
            qFatal("no child %s", Name);
        return child;
    }
    QLineEdit *Edit(const char *Name) const { return Child<QLineEdit>(Name); }
    TRistLoige &RL() const { return FForm->CurrentSection(); }
    QTabBar *TabBar() const { return Child<QTabWidget>("RLPageControl")->tabBar(); }

    // Clicks into the field, selects its text and types Text over it.
    void Type(QLineEdit *Field, const QString &Text)
    {
        QTest::mouseClick(Field, Qt::LeftButton);
        QVERIFY(Field->hasFocus());
        QTest::keyClick(Field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(Field, Qt::Key_Backspace);
        for (QChar c : Text) {
            if (c.unicode() < 128)
                QTest::keyClick(Field, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, Field, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
        }
    }
    // Types Text and leaves the field with Tab.
    void Enter(const char *Name, const QString &Text)
    {
        Type(Edit(Name), Text);
        QTest::keyClick(Edit(Name), Qt::Key_Tab);
    }
    void ClickTab(int Index)
    {
        QTest::mouseClick(TabBar(), Qt::LeftButton, {}, TabBar()->tabRect(Index).center());
        QCOMPARE(Child<QTabWidget>("RLPageControl")->currentIndex(), Index);
    }
    // Chooses a section menu item by keyboard, as the user does: Alt+R, then its letter.
    void ChooseSectionMenu(Qt::Key Letter)
    {
        QTest::keyClick(FForm.get(), Qt::Key_R, Qt::AltModifier);
        QMenu *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QTest::keyClick(menu, Letter);
        QTRY_VERIFY(!QApplication::activePopupWidget());
    }
    QStringList BoxTexts() const
    {
        QStringList texts;
        for (const TBox &box : FBoxes)
            texts << box.Text;
        return texts;
    }

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void filterWhileTyping();
    void filterOnPaste();
    void bounds_data();
    void bounds();
    void warningBox();
    void unchangedFieldStoresShownValue();
    void coversFollowReducedHeight();
    void activationLossIsNoExit();
    void enterKey_data();
    void enterKey();
    void classBoxes_data();
    void classBoxes();
    void tensionSteelMovesLimits();
    void tabSwitchKeepsEachShape();
    void tabClickStoresSharedField();
    void menuSwitchDropsUnsaved();
    void restoredValueOutOfBounds();
    void shownValueRoundedAboveBound();
    void noNestedCheck();
    void hiddenFocusTargetIsNoNestedBox();
    void wideSeparator();
    void zeroWidthIsAccepted();
};

void TInputTest::initTestCase()
{
    const QByteArray locale = qgetenv("LC_ALL");
    if (locale.startsWith("et_EE"))
        QCOMPARE(DecimalSeparator(), QStringLiteral(","));
    connect(&FResponder, &QTimer::timeout, this, [this] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            FBoxes << TBox{box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
            if (FBoxes.size() > 10) // a check that never ends would hang the test
                qFatal("box after box: %s", qPrintable(box->text()));
            if (QAbstractButton *ok = box->button(QMessageBox::Ok))
                QTest::mouseClick(ok, Qt::LeftButton);
            else
                box->reject();
        } else {
            FOtherModals << modal->windowTitle();
            modal->close();
        }
    });
    FResponder.start(10);
}

void TInputTest::init()
{
    FBoxes.clear();
    FOtherModals.clear();
    SetDecimalSeparator(QString());
    FClasses = std::make_unique<TClassesScope>();
    FForm = std::make_unique<TMainKordalForm>();
    FForm->show();
    FForm->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FForm.get()));
}

void TInputTest::cleanup()
{
    FForm.reset();
    FClasses.reset();
    SetDecimalSeparator(QString());
    QVERIFY2(FOtherModals.isEmpty(), qPrintable(FOtherModals.join(", ")));
}

void TInputTest::filterWhileTyping()
{
    QLineEdit *h = Edit("hEdit");
    Type(h, QStringLiteral("12a"));
    QCOMPARE(h->text(), QStringLiteral("12"));
    QCOMPARE(h->cursorPosition(), 2);
    QTest::keyClicks(h, "3");
    QCOMPARE(h->text(), QStringLiteral("123"));
    // Blanks, plus signs, exponents, Estonian letters and the other separator vanish.
    const QString other = DecimalSeparator() == QLatin1String(",") ? "." : ",";
    Type(h, QString::fromUtf8("1 +e5õ") + other + Localized("5.5"));
    QCOMPARE(h->text(), Localized("155.5"));
    QTest::keyClick(h, Qt::Key_Tab);
    QCOMPARE(RL().h, 0.1555);
    QVERIFY(FBoxes.isEmpty());
}

void TInputTest::filterOnPaste()
{
    QLineEdit *b = Edit("bEdit");
    QTest::mouseClick(b, Qt::LeftButton);
    QTest::keyClick(b, Qt::Key_A, Qt::ControlModifier);
    QApplication::clipboard()->setText(QStringLiteral("3 0 0 mm"));
    QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(b->text(), QStringLiteral("300"));
    QCOMPARE(b->cursorPosition(), 1); // where the first blank stood
    QTest::keyClick(b, Qt::Key_Tab);
    QCOMPARE(RL().b, 0.3);
    QCOMPARE(b->text(), Localized("300.0"));
}

void TInputTest::bounds_data()
{
    QTest::addColumn<bool>("ribbed");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("stored");   // display units; the previous value when rejected
    QTest::addColumn<QString>("message"); // empty when accepted

    const QString height = QString::fromUtf8("Ristlõike kõrgus peaks olema arv: 0.0..2000.0");
    const QString width = QString::fromUtf8("Ristlõike laius peaks olema arv: 0.0..2000.0");
    const QString moment =
        QString::fromUtf8("Arvutuslik paindemoment peaks olema arv: 0.0..10000.0");
    const QString cover = QString::fromUtf8("Arvutuslik kaitsekiht peaks olema arv: 0.0..250.0");
    const QString flange = QString::fromUtf8("Plaadi paksus peaks olema arv: 0.0..500.0");
    const QString rib = QString::fromUtf8("Ribi laius peaks olema arv: 0.0..2000.0");
    const QString ok;

    QTest::newRow("h upper end") << false << QByteArray("hEdit") << "2000" << 2000.0 << ok;
    QTest::newRow("h just above") << false << QByteArray("hEdit") << "2000.1" << 500.0 << height;
    QTest::newRow("h fraction") << false << QByteArray("hEdit") << "612.5" << 612.5 << ok;
    QTest::newRow("h empty") << false << QByteArray("hEdit") << "" << 500.0 << height;
    QTest::newRow("h minus alone") << false << QByteArray("hEdit") << "-" << 500.0 << height;
    QTest::newRow("h negative") << false << QByteArray("hEdit") << "-1" << 500.0 << height;
    QTest::newRow("h minus inside") << false << QByteArray("hEdit") << "5-3" << 500.0 << height;
    QTest::newRow("b upper end") << false << QByteArray("bEdit") << "2000" << 2000.0 << ok;
    QTest::newRow("b just above") << false << QByteArray("bEdit") << "2000.1" << 400.0 << width;
    QTest::newRow("b separator") << false << QByteArray("bEdit") << "12.5" << 12.5 << ok;
    QTest::newRow("Msd upper end") << false << QByteArray("MsdEdit") << "10000" << 10000.0 << ok;
    QTest::newRow("Msd just above")
        << false << QByteArray("MsdEdit") << "10000.01" << 550.0 << moment;
    QTest::newRow("Msd negative") << false << QByteArray("MsdEdit") << "-5" << 550.0 << moment;
    QTest::newRow("Msd lower end") << false << QByteArray("MsdEdit") << "0" << 0.0 << ok;
    QTest::newRow("Msd minus zero") << false << QByteArray("MsdEdit") << "-0" << 0.0 << ok;
    QTest::newRow("a half of h") << false << QByteArray("aEdit") << "250" << 250.0 << ok;
    QTest::newRow("a just above") << false << QByteArray("aEdit") << "250.1" << 45.0 << cover;
    QTest::newRow("a separator alone") << false << QByteArray("aEdit") << "." << 0.0 << ok;
    QTest::newRow("ap half of h") << false << QByteArray("apEdit") << "250" << 250.0 << ok;
    QTest::newRow("ap just above") << false << QByteArray("apEdit") << "250.1" << 40.0 << cover;
    QTest::newRow("ap empty") << false << QByteArray("apEdit") << "" << 40.0 << cover;
    QTest::newRow("RPL h upper end") << true << QByteArray("hEditRPL") << "2000" << 2000.0 << ok;
    QTest::newRow("RPL h just above")
        << true << QByteArray("hEditRPL") << "2000.1" << 500.0 << height;
    QTest::newRow("RPL b upper end") << true << QByteArray("bEditRPL") << "2000" << 2000.0 << ok;
    QTest::newRow("RPL b just above")
        << true << QByteArray("bEditRPL") << "2000.1" << 600.0 << width;
    QTest::newRow("hf equal to h") << true << QByteArray("hfEdit") << "500" << 500.0 << ok;
    QTest::newRow("hf just above h") << true << QByteArray("hfEdit") << "500.1" << 100.0 << flange;
    QTest::newRow("hf minus alone") << true << QByteArray("hfEdit") << "-" << 100.0 << flange;
    QTest::newRow("bw upper end") << true << QByteArray("bwEdit") << "2000" << 2000.0 << ok;
    QTest::newRow("bw just above") << true << QByteArray("bwEdit") << "2000.1" << 200.0 << rib;
    QTest::newRow("RPL a half of h") << true << QByteArray("aEdit") << "250" << 250.0 << ok;
    QTest::newRow("RPL a just above") << true << QByteArray("aEdit") << "250.1" << 45.0 << cover;
}

void TInputTest::bounds()
{
    QFETCH(bool, ribbed);
    QFETCH(QByteArray, field);
    QFETCH(QString, typed);
    QFETCH(double, stored);
    QFETCH(QString, message);
    if (ribbed)
        ClickTab(1);
    QCOMPARE(FForm->IsRibbedSlab(), ribbed);

    QLineEdit *edit = Edit(field.constData());
    Type(edit, Typed(typed));
    QTest::keyClick(edit, Qt::Key_Tab);

    const bool moment = field == "MsdEdit";
    auto value = [&]() -> double {
        TRistLoige &rl = RL();
        if (field == "hfEdit")
            return static_cast<TRPLRistLoige &>(rl).hf * 1000;
        if (field == "bwEdit")
            return static_cast<TRPLRistLoige &>(rl).bw * 1000;
        if (moment)
            return rl.Msd;
        if (field == "aEdit")
            return rl.a * 1000;
        if (field == "apEdit")
            return rl.ap * 1000;
        return (field.startsWith("h") ? rl.h : rl.b) * 1000;
    };
    QCOMPARE(value(), stored);
    QCOMPARE(edit->text(), FormatFloat(stored, moment ? 2 : 1));
    if (message.isEmpty()) {
        QCOMPARE(BoxTexts(), QStringList());
        QVERIFY(!edit->hasFocus());
    } else {
        QCOMPARE(BoxTexts(), QStringList{Localized(message.toUtf8().constData())});
        QTRY_VERIFY(edit->hasFocus()); // back in the rejected field
    }
}

// The box of a rejected value: its title, icon, one OK button; the focus comes back to the
// field with the previous value selected, ready to be typed over.
void TInputTest::warningBox()
{
    QLineEdit *h = Edit("hEdit");
    Type(h, QStringLiteral("9999"));
    QTest::keyClick(h, Qt::Key_Return); // Enter steps on to bEdit, the check turns it back
    QCOMPARE(FBoxes.size(), 1);
    QCOMPARE(FBoxes[0].Title, QStringLiteral("Hoiatus"));
    QCOMPARE(FBoxes[0].Icon, QMessageBox::Warning);
    QCOMPARE(FBoxes[0].Buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QTRY_VERIFY(h->hasFocus());
    QCOMPARE(h->text(), Localized("500.0"));
    QCOMPARE(h->selectedText(), Localized("500.0"));
    QTest::keyClicks(h, "700");
    QTest::keyClick(h, Qt::Key_Return);
    QCOMPARE(FBoxes.size(), 1);
    QCOMPARE(RL().h, 0.7);
    QVERIFY(Edit("bEdit")->hasFocus());
}

void TInputTest::unchangedFieldStoresShownValue()
{
    RL().h = 0.50004; // shown as 500.0
    FForm->SetRLValues();
    QCOMPARE(Edit("hEdit")->text(), Localized("500.0"));
    QTest::mouseClick(Edit("hEdit"), Qt::LeftButton);
    QTest::keyClick(Edit("hEdit"), Qt::Key_Tab);
    QCOMPARE(RL().h, 0.5);
    QVERIFY(FBoxes.isEmpty());
}

void TInputTest::coversFollowReducedHeight()
{
    Enter("hEdit", QStringLiteral("70"));
    QCOMPARE(Edit("aEdit")->text(), Localized("35.0"));
    QCOMPARE(Edit("apEdit")->text(), Localized("35.0"));
    QCOMPARE(RL().a, 0.035);
    QVERIFY(FBoxes.isEmpty());
}

// Another window taking the activation, or a menu opening over the field, is no exit.
void TInputTest::activationLossIsNoExit()
{
    QLineEdit *h = Edit("hEdit");
    Type(h, QStringLiteral("-"));
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    FForm->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FForm.get()));
    QTest::keyClick(FForm.get(), Qt::Key_R, Qt::AltModifier);
    QVERIFY(QApplication::activePopupWidget());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QVERIFY(FBoxes.isEmpty());
    QCOMPARE(h->text(), QStringLiteral("-"));
    QCOMPARE(RL().h, 0.5);
}

void TInputTest::enterKey_data()
{
    QTest::addColumn<bool>("ribbed");
    QTest::addColumn<double>("moment");
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");

    const QList<QPair<const char *, const char *>> rectangle{
        {"hEdit", "bEdit"},
        {"bEdit", "MsdEdit"},
        {"MsdEdit", "BetKlComboBox"},
        {"BetKlComboBox", "AArmKlComboBox"},
        {"AArmKlComboBox", "aEdit"},
        {"aEdit", "YArmKlComboBox"}, // 550 kNm needs compression steel
        {"YArmKlComboBox", "apEdit"},
        {"apEdit", "RLPageControl"},
    };
    for (const auto &[from, to] : rectangle)
        QTest::newRow(from) << false << 550.0 << QByteArray(from) << QByteArray(to);
    QTest::newRow("aEdit without compression steel")
        << false << 400.0 << QByteArray("aEdit") << QByteArray("RLPageControl");
    const QList<QPair<const char *, const char *>> ribbed{
        {"hEditRPL", "bEditRPL"},
        {"bEditRPL", "hfEdit"},
        {"hfEdit", "bwEdit"},
        {"bwEdit", "MsdEdit"},
    };
    for (const auto &[from, to] : ribbed)
        QTest::newRow(from) << true << 550.0 << QByteArray(from) << QByteArray(to);
}

void TInputTest::enterKey()
{
    QFETCH(bool, ribbed);
    QFETCH(double, moment);
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    if (ribbed)
        ClickTab(1);
    if (moment != 550.0)
        Enter("MsdEdit", Localized(QString::number(moment)));
    if (!ribbed)
        QCOMPARE(RL().NeedsCompressionSteel(), moment == 550.0);

    QWidget *source = Child<QWidget>(from.constData());
    if (auto *edit = qobject_cast<QLineEdit *>(source))
        QTest::mouseClick(edit, Qt::LeftButton);
    else
        source->setFocus(Qt::TabFocusReason); // a click would open the list
    QVERIFY(source->hasFocus());
    const int index =
        qobject_cast<QComboBox *>(source) ? qobject_cast<QComboBox *>(source)->currentIndex() : 0;
    QTest::keyClick(source, Qt::Key_Return);
    QVERIFY2(Child<QWidget>(to.constData())->hasFocus(),
             qPrintable(QApplication::focusWidget()->objectName()));
    if (auto *box = qobject_cast<QComboBox *>(source))
        QCOMPARE(box->currentIndex(), index); // Enter chose nothing
    QVERIFY(FBoxes.isEmpty());
}

void TInputTest::classBoxes_data()
{
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<int>("downs");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");

    QTest::newRow("concrete C30/37") << QByteArray("BetKlComboBox") << 1 << "fckLabel"
                                     << "fck = 30.0 MPa";
    QTest::newRow("concrete last C50/60") << QByteArray("BetKlComboBox") << 20 << "fckLabel"
                                          << "fck = 50.0 MPa";
    QTest::newRow("tension A600") << QByteArray("AArmKlComboBox") << 1 << "AfykLabel"
                                  << "fyk = 600.0 MPa";
    QTest::newRow("tension S235, last") << QByteArray("AArmKlComboBox") << 20 << "AfykLabel"
                                        << "fyk = 235.0 MPa";
    QTest::newRow("compression A-III") << QByteArray("YArmKlComboBox") << 3 << "YfykLabel"
                                       << "fyk = 390.0 MPa";
}

void TInputTest::classBoxes()
{
    QFETCH(QByteArray, box);
    QFETCH(int, downs);
    QFETCH(QString, label);
    QFETCH(QString, text);
    auto *combo = Child<QComboBox>(box.constData());
    QVERIFY(!combo->isEditable());
    combo->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < downs; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(Child<QLabel>(label.toLatin1().constData())->text(), Localized(text));
    const std::string name = combo->currentText().toStdString();
    const TRistLoige &rl = RL();
    QCOMPARE(box == "BetKlComboBox"
                 ? rl.BetKlass.Name
                 : (box == "AArmKlComboBox" ? rl.AArmKlass.Name : rl.YArmKlass.Name),
             name);
    // The lists themselves keep their classes.
    QCOMPARE(BetKlassid->Items(4).Name, std::string("C25/30"));
    QCOMPARE(ArmKlassid->Items(2).fyk, 500.0);
}

// A tension steel of lower strength raises As,min and moves the limit between single and
// double reinforcement: 550 kNm needs compression steel with A500 but not with A-I.
void TInputTest::tensionSteelMovesLimits()
{
    const double asminA500 = RL().Asmin;
    QVERIFY(RL().NeedsCompressionSteel());
    QVERIFY(!Child<QGroupBox>("YArmKlGroupBox")->isHidden());
    auto *combo = Child<QComboBox>("AArmKlComboBox");
    combo->setFocus(Qt::TabFocusReason);
    QTest::keyClick(combo, Qt::Key_Down); // A600
    QTest::keyClick(combo, Qt::Key_Down); // A-I
    QCOMPARE(combo->currentText(), QStringLiteral("A-I"));
    QCOMPARE(RL().AArmKlass.fyk, 235.0);
    QVERIFY(RL().Asmin > 2 * asminA500);
    QVERIFY(!RL().NeedsCompressionSteel());
    QVERIFY(Child<QGroupBox>("YArmKlGroupBox")->isHidden());
    QVERIFY(!Child<QLabel>("AscLabel")->isVisible());
}

// Each shape keeps every input, classes and chosen bars included, across a tab switch.
void TInputTest::tabSwitchKeepsEachShape()
{
    Enter("hEdit", QStringLiteral("600"));
    Enter("bEdit", QStringLiteral("300"));
    Enter("MsdEdit", QStringLiteral("300"));
    Enter("aEdit", QStringLiteral("50"));
    auto *concrete = Child<QComboBox>("BetKlComboBox");
    concrete->setFocus(Qt::TabFocusReason);
    QTest::keyClick(concrete, Qt::Key_Down); // C30/37
    RL().AArmatuur.Arv = 5;
    RL().AArmatuur.D = 25;
    RL().AArmatuur.CalcArea();

    ClickTab(1);
    QVERIFY(FForm->IsRibbedSlab());
    QCOMPARE(Edit("hEditRPL")->text(), Localized("500.0"));
    QCOMPARE(Edit("bEditRPL")->text(), Localized("600.0"));
    QCOMPARE(Edit("hfEdit")->text(), Localized("100.0"));
    QCOMPARE(Edit("bwEdit")->text(), Localized("200.0"));
    QCOMPARE(Edit("MsdEdit")->text(), Localized("550.00"));
    QCOMPARE(Edit("aEdit")->text(), Localized("45.0"));
    QCOMPARE(concrete->currentText(), QStringLiteral("C25/30"));
    Enter("MsdEdit", QStringLiteral("120"));
    Enter("hfEdit", QStringLiteral("80"));

    ClickTab(0);
    QVERIFY(!FForm->IsRibbedSlab());
    const TRistLoige &rect = RL();
    QCOMPARE(rect.h, 0.6);
    QCOMPARE(rect.b, 0.3);
    QCOMPARE(rect.Msd, 300.0);
    QCOMPARE(rect.a, 0.05);
    QCOMPARE(rect.ap, 0.04);
    QCOMPARE(rect.BetKlass.Name, std::string("C30/37"));
    QCOMPARE(rect.AArmatuur.Arv, 5);
    QCOMPARE(rect.AArmatuur.D, 25);
    QCOMPARE(Edit("hEdit")->text(), Localized("600.0"));
    QCOMPARE(Edit("MsdEdit")->text(), Localized("300.00"));
    QCOMPARE(concrete->currentText(), QStringLiteral("C30/37"));

    ClickTab(1);
    const auto &rpl = static_cast<const TRPLRistLoige &>(RL());
    QCOMPARE(rpl.Msd, 120.0);
    QCOMPARE(rpl.hf, 0.08);
    QCOMPARE(rpl.BetKlass.Name, std::string("C25/30"));
    QVERIFY(FBoxes.isEmpty());
}

// Text typed into a field both shapes share reaches the shape being left: the click on the
// tab takes the focus, and the field is checked on its way out.
void TInputTest::tabClickStoresSharedField()
{
    Type(Edit("MsdEdit"), QStringLiteral("321"));
    ClickTab(1);
    QCOMPARE(StoredRistLoige->Msd, 321.0);
    QCOMPARE(RL().Msd, 550.0);
    ClickTab(0);
    QCOMPARE(Edit("MsdEdit")->text(), Localized("321.00"));

    // Ctrl+Tab from a field of the page being left: the field is stored on its way out.
    Type(Edit("hEdit"), QStringLiteral("650"));
    QTest::keyClick(Edit("hEdit"), Qt::Key_Tab, Qt::ControlModifier);
    QVERIFY(FForm->IsRibbedSlab());
    QCOMPARE(StoredRistLoige->h, 0.65);
    QVERIFY(FBoxes.isEmpty());
}

void TInputTest::menuSwitchDropsUnsaved()
{
    Enter("hEdit", QStringLiteral("600"));
    ChooseSectionMenu(Qt::Key_R); // "&Ristkülik": the start-up rectangle, never saved
    QCOMPARE(RL().h, 0.5);
    QCOMPARE(Edit("hEdit")->text(), Localized("500.0"));

    Enter("hEdit", QStringLiteral("700"));
    ClickTab(1); // saves h = 700
    ChooseSectionMenu(Qt::Key_R);
    QCOMPARE(Child<QTabWidget>("RLPageControl")->currentIndex(), 0);
    QVERIFY(!FForm->IsRibbedSlab());
    QCOMPARE(RL().h, 0.7);
    Enter("hEdit", QStringLiteral("800"));

    // To the ribbed slab by the menu: the rectangle is not saved on the way.
    ChooseSectionMenu(Qt::Key_P); // "Ribi&plaat"
    QCOMPARE(Child<QTabWidget>("RLPageControl")->currentIndex(), 1);
    QVERIFY(FForm->IsRibbedSlab());
    QVERIFY(dynamic_cast<TRPLRistLoige *>(&RL()));
    QCOMPARE(StoredRistLoige->h, 0.7);
    ChooseSectionMenu(Qt::Key_R);
    QCOMPARE(RL().h, 0.7);
    QVERIFY(FBoxes.isEmpty());
}

// A flange entered thicker than the height later given: the box for a wrong new value
// restores the old flange, which fails too; the nearest bound is taken without a second box.
void TInputTest::restoredValueOutOfBounds()
{
    ClickTab(1);
    Enter("hfEdit", QStringLiteral("400"));
    Enter("hEditRPL", QStringLiteral("300"));
    const auto &rpl = static_cast<const TRPLRistLoige &>(RL());
    QCOMPARE(rpl.hf, 0.4);
    Enter("hfEdit", QStringLiteral("999"));
    QCOMPARE(BoxTexts(), QStringList{Localized("Plaadi paksus peaks olema arv: 0.0..300.0")});
    QCOMPARE(rpl.hf, 0.3);
    QCOMPARE(Edit("hfEdit")->text(), Localized("300.0"));
    QTRY_VERIFY(Edit("hfEdit")->hasFocus());
}

// h = 81.5 mm limits a to 40.75 mm, shown as 40.8: above its own bound once read back.
void TInputTest::shownValueRoundedAboveBound()
{
    Enter("hEdit", Localized("81.5"));
    QCOMPARE(RL().a * 1000, 40.75);
    QCOMPARE(Edit("aEdit")->text(), Localized("40.8"));
    // Passing through the field as it is shown is no error, and RL keeps the exact value.
    QTest::mouseClick(Edit("aEdit"), Qt::LeftButton);
    QTest::keyClick(Edit("aEdit"), Qt::Key_Tab);
    QVERIFY(FBoxes.isEmpty());
    QCOMPARE(RL().a * 1000, 40.75);
    // A wrong value: one box, then the bound.
    Enter("aEdit", QStringLiteral("999"));
    QCOMPARE(BoxTexts(),
             QStringList{Localized("Arvutuslik kaitsekiht peaks olema arv: 0.0..40.8")});
    QCOMPARE(RL().a * 1000, 40.75);
}

// The check of a rejected field gives the focus back; the field that had just received it
// is not checked on the way, though its text would fail.
void TInputTest::noNestedCheck()
{
    Type(Edit("hEdit"), QStringLiteral("9999"));
    Edit("bEdit")->setText(QStringLiteral("-"));
    // Where the desktop hands the activation back at once when the box closes, the focus
    // returns to bEdit first, and the check's refocusing of hEdit takes it from bEdit.
    QMetaObject::Connection reactivate =
        connect(Edit("hEdit"), &QLineEdit::textChanged, this, [this] {
            if (!FBoxes.isEmpty() && !FForm->isActiveWindow())
                QApplication::setActiveWindow(FForm.get());
        });
    QTest::mouseClick(Edit("bEdit"), Qt::LeftButton);
    disconnect(reactivate);
    QCOMPARE(BoxTexts(), QStringList{Localized("Ristlõike kõrgus peaks olema arv: 0.0..2000.0")});
    QTRY_VERIFY(Edit("hEdit")->hasFocus());
    QCOMPARE(RL().b, 0.4);
    QCOMPARE(RL().h, 0.5);
}

// A moment that needs no compression steel hides the group of the field being clicked
// into: the focus moves on without a check of that field.
void TInputTest::hiddenFocusTargetIsNoNestedBox()
{
    Type(Edit("MsdEdit"), QStringLiteral("400"));
    Edit("apEdit")->setText(QStringLiteral("-"));
    QTest::mouseClick(Edit("apEdit"), Qt::LeftButton);
    QCOMPARE(RL().Msd, 400.0);
    QVERIFY(Child<QGroupBox>("YArmKlGroupBox")->isHidden());
    QVERIFY(FBoxes.isEmpty());
    QCOMPARE(RL().ap, 0.04);
    QVERIFY(QApplication::focusWidget());
    QVERIFY(QApplication::focusWidget()->isVisible());
}

// A separator neither comma nor full stop is typed, read and written back as itself.
void TInputTest::wideSeparator()
{
    const QString sep(QChar(0x066B));
    SetDecimalSeparator(sep);
    FForm->SetRLValues();
    QCOMPARE(Edit("bEdit")->text(), QString("400" + sep + "0"));
    Enter("bEdit", QString("12" + sep + "5"));
    QCOMPARE(RL().b, 0.0125);
    QCOMPARE(Edit("bEdit")->text(), QString("12" + sep + "5"));
    Enter("hEdit", QStringLiteral("2500"));
    QCOMPARE(FBoxes.size(), 1);
    QCOMPARE(Edit("hEdit")->text(), QString("500" + sep + "0"));
    QCOMPARE(RL().h, 0.5);
}

// A zero width passes the check; the window says the section cannot be designed.
void TInputTest::zeroWidthIsAccepted()
{
    Enter("bEdit", QStringLiteral("0"));
    QVERIFY(FBoxes.isEmpty());
    QCOMPARE(RL().b, 0.0);
    QVERIFY(!RL().Calculate());
    QVERIFY(Child<QLabel>("AstLabel")->text().contains(QString::fromUtf8("ei saa arvutada")));
    Enter("bEdit", QStringLiteral("400"));
    QVERIFY(RL().Calculate());
}

QTEST_MAIN(TInputTest)
#include "input_test.moc"
