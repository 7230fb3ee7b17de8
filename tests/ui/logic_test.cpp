// The window's decisions in plain values, as tables: what leaving a field does with its text,
// the warnings with their bounds, the result lines with their flags, the memory figure of the
// About box, and what a numeric field admits and reads.
#include "aboutbox.h"
#include "armtabelform.h"
#include "classes.h"
#include "comproc.h"
#include "inputfields.h"
#include "numformat.h"
#include "resultlines.h"
#include "ristloige.h"
#include "support.h"

#include <cmath>
#include <limits>

class TLogicTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { SetDecimalSeparator(QString()); }
    void numbersTyped();
    void leavingAField();
    void warnings();
    void resultLines();
    void memoryFigure();
    void barDialogStaysOnTheScreen();
};

void TLogicTest::numbersTyped()
{
    const QString wide(QChar(0x066B)); // an Arabic separator: its code modulo 256 is 'k'
    struct Read {
        QString Separator, Text;
        bool Ok;
        double Value;
    } read[] = {{".", "  -12.5", true, -12.5},
                {".", "+.5", true, 0.5},
                {".", "-.", true, 0},
                {".", "1.5e3", true, 1500},
                {".", "1e", false, 0},
                {".", "-", false, 0},
                {".", "5-3", false, 0},
                {".", "42 ", false, 0},
                {".", "1e400", false, 0},
                {".", "12,5", false, 0},
                {",", "12,5", true, 12.5},
                {",", "1.5", true, 1.5},
                {wide, "1" + wide + "5", true, 1.5}};
    for (const Read &r : read) {
        SetDecimalSeparator(r.Separator);
        double value = -1;
        QCOMPARE(TryStrToNum(r.Text, value), r.Ok);
        QCOMPARE(value, r.Value);
    }
    // Texts are written as printf would, with the user's separator; a conversion without its
    // argument, or with one of another kind, is a "?".
    SetDecimalSeparator(QStringLiteral(","));
    QCOMPARE(Format("%.19f %f %d x %d %.1f..%.1f %s %%", {0.5, 1.5, 6, 32, 3, 2.0}),
             QStringLiteral("0,5000000000000000000 1,500000 6 x 32 ?..2,0 ? %"));
    // Digits, minus and the separator only; no character beyond Latin-1 but a wide separator.
    for (auto [separator, in, out] :
         {std::tuple{QString("."), QString("09-."), QString("+,e ") + QChar(0x100)},
          {wide, wide, QString("k") + QChar(0x660)}}) {
        SetDecimalSeparator(separator);
        for (QChar c : in)
            QVERIFY(NumChars().Contains(c));
        for (QChar c : out)
            QVERIFY(!NumChars().Contains(c));
    }
}

void TLogicTest::leavingAField()
{
    SetDecimalSeparator(QStringLiteral("."));
    const double half = 0.5 * 500.1; // 250.0499999..., the covers' bound for h = 500.1 mm
    struct Row {
        const char *Typed;
        double Shown, Upper;
        int Decimals;
        bool Warn;
        double Value;
        const char *Text;
    } rows[] = {
        {"612.5", 500, 2000, 1, false, 612.5, ""},
        {"2000", 500, 2000, 1, false, 2000, ""},
        {"2000.1", 500, 2000, 1, true, 500, "500.0"},
        {"", 550, 10000, 2, true, 550, "550.00"},
        {"-1", 45, 250, 1, true, 45, "45.0"},
        {"-0", 550, 10000, 2, false, 0, ""},
        {"250.05", 45, half, 1, false, 250.05, ""}, // a bound typed exactly is within it
        {"250.06", 45, half, 1, true, 45, "45.0"},
        {"600", 600, 500, 1, true, 500, "500.0"},    // the previous value above a bound since
        {"40.8", 40.75, 40.75, 1, false, 40.75, ""}, // left as shown, rounded above its bound
        {"41", 40.75, 40.75, 1, true, 40.75, "40.8"},
        {"5", std::numeric_limits<double>::quiet_NaN(), 2, 1, true, 0, "0.0"},
        {"44.96", 44.96, 2000, 1, false, 44.96, ""},
        {"x", 44.96, 2000, 1, true, 45.0, "45.0"}, // restored as it was shown
    };
    for (const Row &r : rows) {
        const TExitDecision exit =
            DecideExit(QString::fromLatin1(r.Typed), r.Shown, {0.0, r.Upper}, r.Decimals);
        QVERIFY2(exit.Warn == r.Warn, r.Typed);
        QCOMPARE(exit.Value, r.Value);
        QVERIFY2(!std::signbit(exit.Value), r.Typed);
        QCOMPARE(exit.Text, QString::fromLatin1(r.Text));
    }
}

void TLogicTest::warnings()
{
    SetDecimalSeparator(QStringLiteral(","));
    struct Row {
        TQuantity Q;
        double HeightMm;
        const char *Message;
    } rows[] = {
        {TQuantity::h, 500, "Ristlõike kõrgus peaks olema arv: 0,0..2000,0"},
        {TQuantity::b, 500, "Ristlõike laius peaks olema arv: 0,0..2000,0"},
        {TQuantity::hf, 612.5, "Plaadi paksus peaks olema arv: 0,0..612,5"},
        {TQuantity::bw, 500, "Ribi laius peaks olema arv: 0,0..2000,0"},
        {TQuantity::Msd, 500, "Arvutuslik paindemoment peaks olema arv: 0,0..10000,0"},
        {TQuantity::a, 500.1, "Arvutuslik kaitsekiht peaks olema arv: 0,0..250,05"},
        {TQuantity::ap, 333.33, "Arvutuslik kaitsekiht peaks olema arv: 0,0..166,665"},
    };
    for (const Row &r : rows)
        QCOMPARE(BoundsMessage(r.Q, BoundsOf(r.Q, r.HeightMm)), QString::fromUtf8(r.Message));
    const TBounds cover = BoundsOf(TQuantity::a, 500.1);
    QVERIFY(cover.Contains(250.05) && cover.Contains(0.0) && cover.Contains(-0.0));
    QVERIFY(!cover.Contains(250.0501) && !cover.Contains(-1e-300) && !cover.Contains(NAN));
    QCOMPARE(ScaleOf(TQuantity::Msd) + ScaleOf(TQuantity::hf), 1001.0);
    QCOMPARE(DecimalsOf(TQuantity::Msd) * 10 + DecimalsOf(TQuantity::bw), 21);
}

void TLogicTest::resultLines()
{
    SetDecimalSeparator(QStringLiteral("."));
    TClassesScope classes;
    const QString capacity = QString::fromUtf8("Kandevõime valitud armatuuriga   MRd = %1 kNm,  "
                                               "Msd/MRd = %2"),
                  unyielding = QString::fromUtf8(",  tõmbearmatuur ei voola (x/d = %1)");
    struct Row {
        double Msd, b, TensionReq;
        const char *Tension, *Compression; // no compression steel: empty
        QString Capacity;                  // not designed: empty
        const char *Short;                 // red: T tension bars, C compression bars, M capacity
    } rows[] = {
        {550, 0.4, 36.477, "As = 36.48 cm2", "As' = 2.23 cm2",
         capacity.arg("660.53", "0.83") + unyielding.arg("0.64"), ""},
        {400, 0.4, 24.53, "As = 24.53 cm2", "",
         capacity.arg("543.46", "0.74") + unyielding.arg("0.67"), ""},
        {0, 0.4, 2.427, "As = 0.00 cm2 < As,min = 2.43 cm2", "",
         capacity.arg("543.46", "0.00") + unyielding.arg("0.67"), ""},
        {1500, 0.4, 89.13, "As = 89.13 cm2 > As,max = 80.00 cm2", "As' = 59.46 cm2",
         capacity.arg("660.53", "2.27") + unyielding.arg("0.64"), "TCM"},
        {2000, 0.4, 116.84, "As = 116.84 cm2 > As,max = 80.00 cm2",
         "As' = 89.58 cm2 > As,max = 80.00 cm2",
         capacity.arg("660.53", "3.03") + unyielding.arg("0.64"), "TCM"},
        {550, 0, 0, "Ristlõiget ei saa arvutada: kontrolli mõõtmeid", "", "", ""},
        {-5, 0.4, 0, "Ristlõiget ei saa arvutada: kontrolli lähteandmeid", "", "", ""},
    };
    for (const Row &r : rows) {
        TRistLoige rl;
        rl.Msd = r.Msd;
        rl.b = r.b;
        rl.CalcDesignValues();
        rl.Calculate();
        const TResultLines lines = DescribeResults(rl);
        const bool designed = r.TensionReq > 0;
        QCOMPARE(lines.Tension,
                 (designed ? QString::fromUtf8("Arvutuslik tõmbearmatuur   ") : QString()) +
                     QString::fromUtf8(r.Tension));
        QCOMPARE(lines.TensionBars,
                 QString::fromUtf8("Valitud tõmbearmatuur: 6 x 32, As,prov = 48.25 cm2"));
        QVERIFY(std::abs(lines.TensionReq - r.TensionReq) < 0.006);
        QCOMPARE(lines.CompressionText, *r.Compression
                                            ? QString::fromUtf8("Arvutuslik survearmatuur   ") +
                                                  QString::fromUtf8(r.Compression)
                                            : QString());
        QCOMPARE(lines.Compression, *r.Compression != 0);
        QCOMPARE(lines.Capacity, r.Capacity);
        QCOMPARE(lines.CapacityShown, !r.Capacity.isEmpty());
        QCOMPARE(QString(lines.TensionShort ? "T" : "") + (lines.CompressionShort ? "C" : "") +
                     (lines.CapacityShort ? "M" : ""),
                 QString(r.Short));
    }
    TRistLoige rl; // no lever arm; then bars exactly as required are no shortfall
    rl.a = rl.ap = 0.25;
    rl.CalcDesignValues();
    rl.Calculate();
    QCOMPARE(DescribeResults(rl).Tension,
             QString::fromUtf8("Ristlõiget ei saa arvutada: kontrolli kaitsekihte a ja a'"));
    rl.a = rl.ap = 0.04;
    rl.CalcDesignValues();
    rl.Calculate();
    rl.AArmatuur.AsProv = DescribeResults(rl).TensionReq;
    rl.YArmatuur.Arv = 7;
    rl.YArmatuur.AsProv = DescribeResults(rl).CompressionReq;
    const TResultLines exact = DescribeResults(rl);
    QVERIFY(!exact.TensionShort && !exact.CompressionShort);
    QVERIFY(exact.CompressionBars.startsWith(QString::fromUtf8("Valitud survearmatuur: 7 x 16")));
    QCOMPARE(exact.CompressionReq, rl.Asc * 10000);
}

void TLogicTest::memoryFigure()
{
    SetDecimalSeparator(QStringLiteral(","));
    // Whole kilobytes (the rest dropped) over 1024, to the nearest tenth, the tenth only if not 0.
    for (auto [bytes, text] : {std::pair<std::uint64_t, const char *>{4294967295u, "4096 MB"},
                               {1048576u * 1000 + 1024 * 52 + 1023, "1000,1 MB"},
                               {25275535360u, "24104,6 MB"}})
        QCOMPARE(PhysMemText(bytes), QString::fromUtf8(text));
    QVERIFY(TotalPhysicalMemory() > 0);
}

// The bar dialog where it was designed when it fits, else moved the least onto the screen.
void TLogicTest::barDialogStaysOnTheScreen()
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

QTEST_MAIN(TLogicTest)
#include "logic_test.moc"
