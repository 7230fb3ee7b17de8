// The main window as the user meets it: start-up state, material and result display for
// the worked moments, bar shortfalls, the notice for a section that cannot be designed,
// the About box and Exit. Runs under a full-stop and a comma locale; expected numbers are
// written with a full stop and get the locale's separator.
#include "aboutbox.h"
#include "armatuurid.h"
#include "armtabelform.h"
#include "classes.h"
#include "mainkordalform.h"
#include "numformat.h"
#include "ristloige.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>
#include <memory>

namespace
{
const QColor Red(255, 0, 0);
const QColor Navy(0, 0, 128);

QColor Background(const QLabel *Label)
{
    return Label->palette().color(QPalette::Window);
}
} // namespace

class TMainFormTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TClassesScope> FClasses;
    std::unique_ptr<TMainKordalForm> FForm;
    // The watchdog closes any modal box nobody expects and remembers its title.
    QTimer FWatchdog;
    QString FExpectedModal;
    QStringList FUnexpectedModals;

    template <typename T> T *Child(const char *Name) const
    {
        T *child = FForm->findChild<T *>(QLatin1String(Name));
        if (!child)
            qFatal("no child %s", Name);
        return child;
    }
    QLabel *Label(const char *Name) const { return Child<QLabel>(Name); }
    QString Text(const char *Name) const { return Label(Name)->text(); }
    bool Shown(const char *Name) const { return Child<QWidget>(Name)->isVisibleTo(FForm.get()); }

    // Writes the moment as the moment field's exit handler does, and refreshes.
    void SetMoment(double Msd)
    {
        FForm->CurrentSection().Msd = Msd;
        FForm->SetRLValues();
        FForm->SetResults();
    }

    // Runs Answer on the modal box titled Title as soon as it is open; true once it ran.
    bool AnswerModal(const QString &Title, const std::function<void(QWidget *)> &Answer,
                     const std::function<void()> &Open)
    {
        FExpectedModal = Title;
        bool answered = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!answered && modal && modal->windowTitle() == Title) {
                answered = true;
                Answer(modal);
            }
        });
        poll.start(20);
        Open();
        for (int i = 0; i < 250 && !answered; ++i)
            QTest::qWait(20);
        QTest::qWait(50);
        FExpectedModal.clear();
        return answered;
    }

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsOnRectangleWithDefaults();
    void classComboBoxes_data();
    void classComboBoxes();
    void windowFrameAndMenus();
    void hints_data();
    void hints();
    void hoverShowsHintInStatusBar();
    void results_data();
    void results();
    void hiddenCompressionKeepsItsTexts();
    void barShortfall_data();
    void barShortfall();
    void notDesignable_data();
    void notDesignable();
    void drawingFillsItsBox();
    void valikButtonsOpenTheirLayer();
    void physMemText_data();
    void physMemText();
    void physMemIsTheWholeMemory();
    void aboutBoxGreetsOnceAtStart();
    void aboutBoxFromHelpMenu();
    void exitClosesAtOnce();
};

void TMainFormTest::initTestCase()
{
    // Both ctest variants must really run under their separator.
    const QByteArray locale = qgetenv("LC_ALL");
    if (locale.startsWith("et_EE"))
        QCOMPARE(DecimalSeparator(), QStringLiteral(","));
    else if (locale.startsWith("C."))
        QCOMPARE(DecimalSeparator(), QStringLiteral("."));

    connect(&FWatchdog, &QTimer::timeout, this, [this] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal->windowTitle() == FExpectedModal)
            return;
        FUnexpectedModals << modal->windowTitle();
        modal->close();
    });
    FWatchdog.start(50);
}

void TMainFormTest::init()
{
    FUnexpectedModals.clear();
    FClasses = std::make_unique<TClassesScope>();
    FForm = std::make_unique<TMainKordalForm>();
    FForm->show();
    FForm->activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(FForm.get()));
}

void TMainFormTest::cleanup()
{
    FForm.reset();
    FClasses.reset();
    QVERIFY2(FUnexpectedModals.isEmpty(),
             qPrintable(QStringLiteral("unexpected modal box: ") + FUnexpectedModals.join(", ")));
}

void TMainFormTest::startsOnRectangleWithDefaults()
{
    // The form names the ribbed-slab page; start-up overrides it.
    QCOMPARE(Child<QTabWidget>("RLPageControl")->currentWidget(), Child<QWidget>("RKTabSheet"));
    QVERIFY(!FForm->IsRibbedSlab());

    QCOMPARE(Child<QLineEdit>("hEdit")->text(), Localized("500.0"));
    QCOMPARE(Child<QLineEdit>("bEdit")->text(), Localized("400.0"));
    QCOMPARE(Child<QLineEdit>("MsdEdit")->text(), Localized("550.00"));
    QCOMPARE(Child<QLineEdit>("aEdit")->text(), Localized("45.0"));
    QCOMPARE(Child<QLineEdit>("apEdit")->text(), Localized("40.0"));

    QCOMPARE(Text("fckLabel"), Localized("fck = 25.0 MPa"));
    QCOMPARE(Text("fcdLabel"), Localized("fcd = 16.7 MPa"));
    QCOMPARE(Text("gcLabel"), Localized("gc = 1.50"));
    QCOMPARE(Text("alfaLabel"), Localized("alfa,cc = 1.00"));
    for (const char *side : {"A", "Y"}) {
        const QByteArray s(side);
        QCOMPARE(Text(s + "fykLabel"), Localized("fyk = 500.0 MPa"));
        QCOMPARE(Text(s + "fydLabel"), Localized("fyd = 434.78 MPa"));
        QCOMPARE(Text(s + "gsLabel"), Localized("gs = 1.15"));
        QCOMPARE(Text(s + "EsLabel"), Localized("Es = 200.0 GPa"));
    }
}

void TMainFormTest::classComboBoxes_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("selected");
    const QStringList concrete{"C16/20", "C20/25", "C25/30", "C30/37",
                               "C35/45", "C40/50", "C45/55", "C50/60"};
    const QStringList steel{"A400", "A500", "A600", "A-I", "A-III", "S235"};
    QTest::newRow("concrete from C16/20") << "BetKlComboBox" << concrete << 2;
    QTest::newRow("tension steel") << "AArmKlComboBox" << steel << 1;
    QTest::newRow("compression steel") << "YArmKlComboBox" << steel << 1;
}

void TMainFormTest::classComboBoxes()
{
    QFETCH(QString, box);
    QFETCH(QStringList, items);
    QFETCH(int, selected);
    auto *combo = Child<QComboBox>(box.toLatin1().constData());
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown << combo->itemText(i);
    QCOMPARE(shown, items); // the form's placeholder item is gone
    QCOMPARE(combo->currentIndex(), selected);
    QVERIFY(!combo->isEditable());
}

void TMainFormTest::windowFrameAndMenus()
{
    QCOMPARE(FForm->windowTitle(),
             QString::fromUtf8("Raudbetoonristlõigete dimensioneerimine (EVS-EN 1992-1-1:2007)"));
    QCOMPARE(FForm->centralWidget()->size(), QSize(756, 523));
    QCOMPARE(FForm->statusBar()->height(), 30);
    QCOMPARE(FForm->minimumSize(), FForm->maximumSize()); // the user cannot resize it

    auto visibleItems = [this](const char *Menu) {
        QStringList texts;
        for (QAction *action : Child<QMenu>(Menu)->actions())
            if (action->isVisible())
                texts << action->text();
        return texts;
    };
    QCOMPARE(visibleItems("FileMnu"), QStringList{"&Exit"});
    QCOMPARE(visibleItems("RistLMnu"),
             (QStringList{QString::fromUtf8("&Ristkülik"), QStringLiteral("Ribi&plaat")}));
    QCOMPARE(visibleItems("HelpMnu"), QStringList{"&About Kordal ..."});

    // The icon comes from the program's resources in the sizes a window asks for.
    for (int size : {16, 32, 48, 64})
        QCOMPARE(FForm->windowIcon().pixmap(size, size).size(), QSize(size, size));
}

void TMainFormTest::hints_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hint");
    auto row = [](const char *Name, const char *Hint) {
        QTest::newRow(Name) << QString::fromLatin1(Name) << QString::fromUtf8(Hint);
    };
    row("hEdit", "Ristlõike kõrgus h (mm)");
    row("MsdEdit", "Arvutuslik paindemoment Msd (kNm)");
    row("BetKlComboBox", "Betooni klass");
    row("fckLabel", "Silindriline normsurvetugevus");
    row("apEdit", "Arvutuslik kaitsekiht a' (mm)");
    row("AstLabel", "Arvutuslik tõmbearmatuuri pindala As (cm2)");
    row("AsValikButton", "Tõmbearmatuuri valimine");
    row("RLScrollBox", "Ristlõige");
}

void TMainFormTest::hints()
{
    QFETCH(QString, name);
    QFETCH(QString, hint);
    auto *widget = Child<QWidget>(name.toLatin1().constData());
    QCOMPARE(widget->toolTip(), hint);
    QCOMPARE(widget->statusTip(), hint);
    QCOMPARE(widget->accessibleName(), hint);
}

void TMainFormTest::hoverShowsHintInStatusBar()
{
    QTest::mouseMove(Child<QWidget>("MsdEdit"));
    QTRY_COMPARE(FForm->statusBar()->currentMessage(),
                 QStringLiteral("Arvutuslik paindemoment Msd (kNm)"));
}

void TMainFormTest::results_data()
{
    QTest::addColumn<double>("msd");
    QTest::addColumn<QString>("tension");
    QTest::addColumn<double>("asReq");
    QTest::addColumn<bool>("tensionShort");
    QTest::addColumn<QString>("compression"); // empty: the compression controls are hidden
    QTest::addColumn<bool>("compressionShort");

    QTest::newRow("550 defaults") << 550.0 << Localized("Arvutuslik tõmbearmatuur   As = 36.48 cm2")
                                  << 36.477 << false
                                  << Localized("Arvutuslik survearmatuur   As' = 2.23 cm2")
                                  << false;
    QTest::newRow("400 single") << 400.0 << Localized("Arvutuslik tõmbearmatuur   As = 24.53 cm2")
                                << 24.53 << false << QString() << false;
    QTest::newRow("0 minimum") << 0.0
                               << Localized("Arvutuslik tõmbearmatuur   As = 0.00 cm2"
                                            " < As,min = 2.43 cm2")
                               << 2.427 << false << QString() << false;
    QTest::newRow("2000 both over max")
        << 2000.0 << Localized("Arvutuslik tõmbearmatuur   As = 116.84 cm2 > As,max = 80.00 cm2")
        << 116.84 << true
        << Localized("Arvutuslik survearmatuur   As' = 89.58 cm2 > As,max = 80.00 cm2") << true;
    QTest::newRow("1500 tension over max")
        << 1500.0 << Localized("Arvutuslik tõmbearmatuur   As = 89.13 cm2 > As,max = 80.00 cm2")
        << 89.13 << true << Localized("Arvutuslik survearmatuur   As' = 59.46 cm2") << true;
}

void TMainFormTest::results()
{
    QFETCH(double, msd);
    QFETCH(QString, tension);
    QFETCH(double, asReq);
    QFETCH(bool, tensionShort);
    QFETCH(QString, compression);
    QFETCH(bool, compressionShort);

    SetMoment(msd);
    const TRistLoige &rl = FForm->CurrentSection();
    QCOMPARE(Child<QLineEdit>("MsdEdit")->text(), FormatFloat(msd, 2));
    QCOMPARE(Text("AstLabel"), tension);
    QVERIFY(std::abs(rl.AArmatuur.AsReq - asReq) < 0.005);
    QCOMPARE(Text("AstProvLabel"), Localized("Valitud tõmbearmatuur: 6 x 32, As,prov = 48.25 cm2"));
    const QColor face = QApplication::palette().color(QPalette::Button);
    QCOMPARE(Background(Label("AstProvLabel")), tensionShort ? Red : face);

    const bool needed = !compression.isEmpty();
    for (const char *name : {"AscLabel", "YArmKlGroupBox", "AscValikButton", "AscProvLabel"})
        QVERIFY2(Shown(name) == needed, name);
    if (needed) {
        QCOMPARE(Text("AscLabel"), compression);
        QCOMPARE(rl.YArmatuur.AsReq, rl.Asc * 10000);
        QCOMPARE(Text("AscProvLabel"),
                 Localized("Valitud survearmatuur: 4 x 16, As,prov = 8.04 cm2"));
        QCOMPARE(Background(Label("AscProvLabel")), compressionShort ? Red : face);
    }

    // Whole texts in navy bold, inside the results block.
    const int blockWidth = Child<QGroupBox>("AsGroupBox")->width();
    for (const char *name : {"AstLabel", "AstProvLabel", "AscLabel", "AscProvLabel"}) {
        QLabel *label = Label(name);
        QVERIFY2(label->width() >= label->sizeHint().width(), name);
        QVERIFY2(label->x() + label->width() <= blockWidth, name);
        QCOMPARE(label->palette().color(QPalette::WindowText), Navy);
        QVERIFY(label->font().bold());
    }
}

void TMainFormTest::hiddenCompressionKeepsItsTexts()
{
    SetMoment(2000.0);
    const QString asc = Text("AscLabel");
    SetMoment(400.0);
    QVERIFY(!Shown("AscLabel"));
    QCOMPARE(Text("AscLabel"), asc);
    QCOMPARE(Background(Label("AscProvLabel")), Red);
    SetMoment(550.0);
    QCOMPARE(Text("AscLabel"), Localized("Arvutuslik survearmatuur   As' = 2.23 cm2"));
    QCOMPARE(Background(Label("AscProvLabel")), QApplication::palette().color(QPalette::Button));
}

void TMainFormTest::barShortfall_data()
{
    QTest::addColumn<bool>("tension");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("diameter");
    QTest::addColumn<int>("provVsReq"); // -1 just below the required area, 0 equal, +1 bars' own
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("red");
    QTest::newRow("2 x 12 tension")
        << true << 2 << 12 << 1 << Localized("Valitud tõmbearmatuur: 2 x 12, As,prov = 2.26 cm2")
        << true;
    QTest::newRow("tension exactly enough") << true << 6 << 32 << 0 << QString() << false;
    QTest::newRow("tension a hair short") << true << 6 << 32 << -1 << QString() << true;
    QTest::newRow("1 x 6 compression")
        << false << 1 << 6 << 1 << Localized("Valitud survearmatuur: 1 x 6, As,prov = 0.28 cm2")
        << true;
    QTest::newRow("compression exactly enough") << false << 4 << 16 << 0 << QString() << false;
}

void TMainFormTest::barShortfall()
{
    QFETCH(bool, tension);
    QFETCH(int, count);
    QFETCH(int, diameter);
    QFETCH(int, provVsReq);
    QFETCH(QString, text);
    QFETCH(bool, red);

    TRistLoige &rl = FForm->CurrentSection();
    TArmatuurid &bars = tension ? rl.AArmatuur : rl.YArmatuur;
    bars.Arv = count;
    bars.D = diameter;
    bars.CalcArea();
    if (provVsReq <= 0) {
        FForm->SetResults(); // AsReq of the current inputs
        bars.AsProv = provVsReq == 0 ? bars.AsReq : std::nextafter(bars.AsReq, 0.0);
    }
    FForm->SetResults();
    QLabel *label = Label(tension ? "AstProvLabel" : "AscProvLabel");
    if (!text.isEmpty())
        QCOMPARE(label->text(), text);
    QCOMPARE(Background(label), red ? Red : QApplication::palette().color(QPalette::Button));
    QCOMPARE(label->palette().color(QPalette::WindowText), Navy);
}

void TMainFormTest::notDesignable_data()
{
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("cover"); // a and a', m
    QTest::addColumn<QString>("notice");
    const QString sizes = QString::fromUtf8("Ristlõiget ei saa arvutada: kontrolli mõõtmeid");
    QTest::newRow("zero width") << 0.0 << 0.5 << 0.045 << sizes;
    QTest::newRow("zero height") << 0.4 << 0.0 << 0.0 << sizes;
    QTest::newRow("bars at mid-height, no lever arm")
        << 0.4 << 0.5 << 0.25
        << QString::fromUtf8("Ristlõiget ei saa arvutada: kontrolli kaitsekihte a ja a'");
}

void TMainFormTest::notDesignable()
{
    QFETCH(double, b);
    QFETCH(double, h);
    QFETCH(double, cover);
    QFETCH(QString, notice);

    SetMoment(2000.0); // both "Valitud" labels red, compression shown
    TRistLoige &rl = FForm->CurrentSection();
    rl.b = b;
    rl.h = h;
    rl.a = rl.ap = cover;
    FForm->SetRLValues();
    FForm->SetResults();

    QCOMPARE(Text("AstLabel"), notice);
    for (const char *name : {"AscLabel", "YArmKlGroupBox", "AscValikButton", "AscProvLabel"})
        QVERIFY2(!Shown(name), name);
    const QColor face = QApplication::palette().color(QPalette::Button);
    QCOMPARE(Background(Label("AstProvLabel")), face);
    QCOMPARE(Background(Label("AscProvLabel")), face);
    QCOMPARE(rl.AArmatuur.AsReq, 0.0);
    QCOMPARE(rl.YArmatuur.AsReq, 0.0);
    QVERIFY(!Label("RistLImage")->pixmap().isNull());

    // As soon as the inputs allow a design, everything shows as usual.
    rl.b = 0.4;
    rl.h = 0.5;
    rl.a = 0.045;
    rl.ap = 0.04;
    SetMoment(550.0);
    QCOMPARE(Text("AstLabel"), Localized("Arvutuslik tõmbearmatuur   As = 36.48 cm2"));
    QVERIFY(Shown("YArmKlGroupBox"));
    QCOMPARE(Text("AscLabel"), Localized("Arvutuslik survearmatuur   As' = 2.23 cm2"));
}

void TMainFormTest::drawingFillsItsBox()
{
    auto *box = Child<QScrollArea>("RLScrollBox");
    QLabel *image = Label("RistLImage");
    QCOMPARE(box->geometry(), QRect(13, 189, 384, 215));
    QCOMPARE(box->viewport()->size(), QSize(380, 211));
    QCOMPARE(image->geometry(), box->viewport()->rect());
    QVERIFY(!box->horizontalScrollBar()->isVisible() && !box->verticalScrollBar()->isVisible());

    // White paper with the section on it, in device pixels.
    const QImage picture = image->pixmap().toImage();
    const qreal ratio = FForm->devicePixelRatioF();
    QCOMPARE(picture.size(), QSize(std::lround(380 * ratio), std::lround(211 * ratio)));
    QCOMPARE(QColor(picture.pixel(0, 0)), QColor(Qt::white));
    int inked = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            inked += picture.pixel(x, y) != QColor(Qt::white).rgb();
    QVERIFY(inked > 1000);
}

void TMainFormTest::valikButtonsOpenTheirLayer()
{
    const QString title = QString::fromUtf8("Armatuuri valik");
    for (const char *button : {"AsValikButton", "AscValikButton"}) {
        int layer = -1;
        QVERIFY(AnswerModal(
            title,
            [&](QWidget *Dialog) {
                layer = ArmValik;
                QTest::keyClick(Dialog, Qt::Key_Escape);
            },
            [&] { QTest::mouseClick(Child<QPushButton>(button), Qt::LeftButton); }));
        QCOMPARE(layer, QByteArray(button) == "AsValikButton" ? 0 : 1);
    }
    // Closed without OK: the bars stay as they were.
    QCOMPARE(Text("AstProvLabel"), Localized("Valitud tõmbearmatuur: 6 x 32, As,prov = 48.25 cm2"));
}

void TMainFormTest::physMemText_data()
{
    QTest::addColumn<quint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("2 GiB") << quint64(2147483648ULL) << "2048 MB";
    QTest::newRow("largest 32-bit count") << quint64(4294967295ULL) << "4096 MB";
    QTest::newRow("16 GiB, beyond 32 bits") << quint64(17179869184ULL) << "16384 MB";
    QTest::newRow("1 PiB") << quint64(1ULL << 50) << "1073741824 MB";
    QTest::newRow("nothing") << quint64(0) << "0 MB";
    QTest::newRow("remainder below 1 kB dropped") << quint64(1023) << "0 MB";
    QTest::newRow("a tenth") << quint64(102503ULL * 1024) << Localized("100.1 MB");
    QTest::newRow("half a tenth rounds up")
        << quint64((7 * 1024 + 256) * 1024ULL) << Localized("7.3 MB");
    QTest::newRow("rounds to whole, no separator")
        << quint64((5 * 1024 + 1000) * 1024ULL) << "6 MB";
}

void TMainFormTest::physMemText()
{
    QFETCH(quint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(PhysMemText(bytes), text);
}

void TMainFormTest::physMemIsTheWholeMemory()
{
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    if (!meminfo.open(QIODevice::ReadOnly))
        QSKIP("no /proc/meminfo");
    quint64 kilobytes = 0;
    for (const QByteArray &line : meminfo.readAll().split('\n'))
        if (line.startsWith("MemTotal:"))
            kilobytes = line.mid(9).trimmed().split(' ').first().toULongLong();
    QVERIFY(kilobytes > 0);
    QCOMPARE(TotalPhysicalMemory(), kilobytes * 1024);

    TAboutBox about;
    QCOMPARE(about.findChild<QLabel *>("PhysMem")->text(), PhysMemText(kilobytes * 1024));
}

void TMainFormTest::aboutBoxGreetsOnceAtStart()
{
    // The program block: window, then About box, then the window is shown.
    FForm.reset();
    FForm = std::make_unique<TMainKordalForm>();
    auto *about = new TAboutBox(FForm.get()); // the window's child, as in the program
    AboutBox = about;
    QSignalSpy finished(about, &QDialog::finished);
    bool mainBlocked = false;
    QVERIFY(AnswerModal(
        QStringLiteral("About Kordal"),
        [&](QWidget *Box) {
            mainBlocked = Box == about && about->isModal();
            QTest::mouseClick(about->findChild<QPushButton *>("OKButton"), Qt::LeftButton);
        },
        [&] { FForm->show(); }));
    QVERIFY(mainBlocked);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(about->result(), int(QDialog::Accepted));

    // Showing the window again does not greet again.
    FForm->hide();
    FForm->show();
    QTest::qWait(100);
    QCOMPARE(finished.count(), 1);
    QVERIFY(!QApplication::activeModalWidget());
    FForm.reset(); // takes its child, the About box, along
    QVERIFY(!AboutBox);
}

void TMainFormTest::aboutBoxFromHelpMenu()
{
    auto *about = new TAboutBox(FForm.get());
    AboutBox = about;
    QStringList texts;
    QVERIFY(AnswerModal(
        QStringLiteral("About Kordal"),
        [&](QWidget *Box) {
            for (const char *name : {"ProductName", "Version", "PhysMemLabel"})
                texts << Box->findChild<QLabel *>(name)->text();
            QTest::keyClick(Box, Qt::Key_Escape);
        },
        [&] { Child<QAction>("AboutKordalItem")->trigger(); }));
    QCOMPARE(texts, (QStringList{QString::fromUtf8("Raudbetoonristlõigete dimensioneerimine"),
                                 QStringLiteral("Versioon 5.0 (EVS 1992-1-1:2007)"),
                                 QStringLiteral("Memory Available to Windows:")}));
    QVERIFY(!about->isVisible());
}

void TMainFormTest::exitClosesAtOnce()
{
    // Inside the program's message loop, as in the program: Exit must end the loop.
    bool timedOut = false;
    QTimer guard; // stopped with the test, whatever happens
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, this, [&] {
        timedOut = true;
        QApplication::quit();
    });
    guard.start(5000);
    QTimer::singleShot(0, this, [this] { Child<QAction>("ExitItem")->trigger(); });
    QApplication::exec();
    QVERIFY(!timedOut);
    QVERIFY(!FForm->isVisible());
    QVERIFY(FUnexpectedModals.isEmpty()); // no confirmation
}

QTEST_MAIN(TMainFormTest)
#include "mainform_test.moc"
