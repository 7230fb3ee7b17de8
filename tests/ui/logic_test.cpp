// What the window decides and writes, without the window: its decisions as tables of plain
// values; section files read back bit for bit, refused with a message that says where, never
// lost to a failed save; the calculation sheet as a checker reads it (the window's figures, no
// word off the page or on another, the drawing to scale), and the batch without a display.
#include "classes.h"
#include "comproc.h"
#include "inputfields.h"
#include "report.h"
#include "resultlines.h"
#include "rplristloige.h"
#include "sectionfile.h"
#include "support.h"

#include <QDirIterator>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace
{
// Every value differs from the others, so that a row below can change one by its text.
const QByteArray Valid = R"({"format": "kordal-section", "version": 1, "shape": "ribbed-slab",
"rectangle": {"b_mm": 400.5, "h_mm": 500.1, "a_mm": -0.0, "ap_mm": 40, "Msd_kNm": 550.25,
 "concrete": "C25/30", "tension_steel": "A500", "compression_steel": "A400", "tension_bars":
 {"count": 6, "diameter_mm": 32}, "compression_bars": {"count": 4, "diameter_mm": 16}},
"ribbed_slab": {"b_mm": 600, "h_mm": 450, "bw_mm": 63.7, "hf_mm": 100, "a_mm": 50, "ap_mm": 35,
 "Msd_kNm": 300, "concrete": "C30/37", "tension_steel": "A-III", "compression_steel": "S235",
 "tension_bars": {"count": 5, "diameter_mm": 25}, "compression_bars": {"count": 2, "diameter_mm": 6}}})";
const TSectionDocument ValidDoc{
    true,
    {400.5 / 1000, 500.1 / 1000, 0, 0.04, 550.25, 0, 0, "C25/30", "A500", "A400", 6, 32, 4, 16},
    {0.6, 0.45, 0.05, 0.035, 300, 63.7 / 1000, 0.1, "C30/37", "A-III", "S235", 5, 25, 2, 6}};

// Why Bytes, as file "f.kordal", are refused; empty when they are read.
QString Refusal(const QByteArray &Bytes)
{
    const auto read = ReadSectionDocument(Bytes, QStringLiteral("f.kordal"));
    return read.index() == 1 ? std::get<QString>(read) : QString();
}

QString PdfText(const QString &Pdf, const char *Mode = "-layout")
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {Mode, Pdf, "-"});
    return tool.waitForFinished() ? QString::fromUtf8(tool.readAllStandardOutput()) : "";
}
// The bounding box of the red pixels: the tension bars.
QRect Red(const QImage &Image)
{
    QRect red;
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            if (Image.pixel(x, y) == qRgb(255, 0, 0))
                red |= QRect(x, y, 1, 1);
    return red;
}
} // namespace

class TLogicTest : public QObject
{
    Q_OBJECT
    TClassesScope Classes;

private slots:
    void cleanup() { SetDecimalSeparator(QString()); }
    void numbersTyped();
    void leavingAField();
    void warnings();
    void barsAsRequired();
    void fileRoundTrip();
    void fileRefused();
    void failedSave();
    void sheets();
    void commandLine();
};

void TLogicTest::numbersTyped()
{
    const QString wide(QChar(0x066B)); // an Arabic separator: its code modulo 256 is 'k'
    struct Read {
        QString Separator, Text;
        bool Ok;
        double Value;
    };
    // clang-format off
    const Read read[] = {
        {".", "  -12.5", true, -12.5}, {".", "+.5", true, 0.5},   {".", "-.", true, 0},
        {".", "1.5e3", true, 1500},    {".", "1e", false, 0},     {".", "-", false, 0},
        {".", "5-3", false, 0},        {".", "42 ", false, 0},    {".", "1e400", false, 0},
        {".", "12,5", false, 0},       {",", "12,5", true, 12.5}, {",", "1.5", true, 1.5},
        {wide, "1" + wide + "5", true, 1.5}};
    // clang-format on
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
    SetDecimalSeparator(QStringLiteral("."));
    for (QChar c : QString("09-.+,e ") + QChar(0x100))
        QCOMPARE(NumChars().Contains(c), QString("09-.").contains(c));
    SetDecimalSeparator(wide);
    QVERIFY(NumChars().Contains(wide[0]) && !NumChars().Contains('k') &&
            !NumChars().Contains(QChar(0x660)));
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
    };
    // clang-format off
    const Row rows[] = {
        {"612.5", 500, 2000, 1, false, 612.5, ""},     {"2000", 500, 2000, 1, false, 2000, ""},
        {"2000.1", 500, 2000, 1, true, 500, "500.0"},  {"", 550, 10000, 2, true, 550, "550.00"},
        {"-1", 45, 250, 1, true, 45, "45.0"},          {"-0", 550, 10000, 2, false, 0, ""},
        {"250.05", 45, half, 1, false, 250.05, ""},    // a bound typed exactly is within it
        {"250.06", 45, half, 1, true, 45, "45.0"},
        {"600", 600, 500, 1, true, 500, "500.0"},      // the previous value above a bound since
        {"40.8", 40.75, 40.75, 1, false, 40.75, ""},   // left as shown, rounded above its bound
        {"41", 40.75, 40.75, 1, true, 40.75, "40.8"},
        {"5", std::numeric_limits<double>::quiet_NaN(), 2, 1, true, 0, "0.0"},
        {"x", 44.96, 2000, 1, true, 45.0, "45.0"}};    // restored as it was shown
    // clang-format on
    for (const Row &r : rows) {
        const TExitDecision exit =
            DecideExit(QString::fromLatin1(r.Typed), r.Shown, {0.0, r.Upper}, r.Decimals);
        QVERIFY2(exit.Warn == r.Warn && !std::signbit(exit.Value), r.Typed);
        QCOMPARE(exit.Value, r.Value);
        QCOMPARE(exit.Text, QString::fromLatin1(r.Text));
    }
}

void TLogicTest::warnings()
{
    SetDecimalSeparator(QStringLiteral(","));
    for (auto [q, heightMm, message] :
         {std::tuple{TQuantity::h, 500.0, "Ristlõike kõrgus peaks olema arv: 0,0..2000,0"},
          {TQuantity::b, 500.0, "Ristlõike laius peaks olema arv: 0,0..2000,0"},
          {TQuantity::hf, 612.5, "Plaadi paksus peaks olema arv: 0,0..612,5"},
          {TQuantity::bw, 500.0, "Ribi laius peaks olema arv: 0,0..2000,0"},
          {TQuantity::Msd, 500.0, "Arvutuslik paindemoment peaks olema arv: 0,0..10000,0"},
          {TQuantity::a, 500.1, "Arvutuslik kaitsekiht peaks olema arv: 0,0..250,05"},
          {TQuantity::ap, 333.33, "Arvutuslik kaitsekiht peaks olema arv: 0,0..166,665"}})
        QCOMPARE(BoundsMessage(q, BoundsOf(q, heightMm)), QString::fromUtf8(message));
    const TBounds cover = BoundsOf(TQuantity::a, 500.1);
    QVERIFY(cover.Contains(250.05) && cover.Contains(0.0) && cover.Contains(-0.0));
    QVERIFY(!cover.Contains(250.0501) && !cover.Contains(-1e-300) && !cover.Contains(NAN));
    QCOMPARE(ScaleOf(TQuantity::Msd) + ScaleOf(TQuantity::hf), 1001.0);
    QCOMPARE(DecimalsOf(TQuantity::Msd) * 10 + DecimalsOf(TQuantity::bw), 21);
}

// What the bars must cover: As, at least As,min, and As'; bars of exactly those areas are no
// shortfall. (The result lines themselves are read on the calculation sheet.)
void TLogicTest::barsAsRequired()
{
    for (double msd : {0.0, 550.0}) {
        TRistLoige rl;
        rl.Msd = msd;
        rl.CalcDesignValues();
        rl.Calculate();
        const TResultLines required = DescribeResults(rl);
        QCOMPARE(required.TensionReq, std::max(rl.As, rl.Asmin) * 10000);
        QCOMPARE(required.CompressionReq, rl.Asc * 10000);
        rl.AArmatuur.AsProv = required.TensionReq;
        rl.YArmatuur.AsProv = required.CompressionReq;
        const TResultLines exact = DescribeResults(rl);
        QVERIFY(!exact.TensionShort && !exact.CompressionShort && !exact.CapacityShort);
    }
}

// Every length the window can store (mm typed with up to two decimals, over 1000) and every
// moment reads back bit for bit, written as typed; inputs applied to a section are its inputs.
void TLogicTest::fileRoundTrip()
{
    TSectionDocument doc = ValidDoc;
    doc.Rectangle.TensionCount = MaxBarCount;
    static const QRegularExpression untyped("\\d{8}"); // not as typed
    for (int i = 0; i <= 200000; i += 37) {            // every ending of two decimals
        doc.Rectangle.b = doc.RibbedSlab.bw = i / 100.0 / 1000;
        doc.Rectangle.Msd = i / 100.0;
        doc.RibbedSlab.Msd = i / 20.0;
        const QByteArray bytes = WriteSectionDocument(doc);
        const auto read = ReadSectionDocument(bytes, {});
        QVERIFY2(read.index() == 0 && std::get<0>(read) == doc, bytes);
        QVERIFY2(!untyped.match(bytes).hasMatch(), bytes);
    }
    TRistLoige rectangle;
    TRPLRistLoige slab;
    for (const TSectionDocument &in : {ValidDoc, doc}) {
        ApplyInputs(in.Rectangle, rectangle);
        ApplyInputs(in.RibbedSlab, slab);
        QVERIFY(InputsOf(rectangle) == in.Rectangle && InputsOf(slab) == in.RibbedSlab);
        QCOMPARE(slab.YArmatuur.AsProv, BarArea(in.RibbedSlab.CompressionCount, 6));
        QCOMPARE(rectangle.AArmatuur.AsProv, BarArea(in.Rectangle.TensionCount, 32));
    }
}

// The hand-written file, read field by field; then with one fault in it at a time.
void TLogicTest::fileRefused()
{
    const TSectionDocument doc = std::get<TSectionDocument>(ReadSectionDocument(Valid, {}));
    QCOMPARE(doc, ValidDoc);
    QVERIFY(!std::signbit(doc.Rectangle.a)); // -0 is read as 0
    // Valid with From replaced by To, and the message after "f.kordal: "; ' stands for ".
    const char *const rows[][3] = {
        {"400.5", "2000.01", "rectangle.b_mm: 2000.01 is above 2000"},
        {"'b_mm': 600", "'b_mm': -0.1", "ribbed_slab.b_mm: -0.1 is below 0"},
        {"'hf_mm': 100", "'hf_mm': 450.1", "ribbed_slab.hf_mm: 450.1 is above h = 450"},
        {"'ap_mm': 40", "'ap_mm': 250.06", "rectangle.ap_mm: 250.06 is above h/2 = 250.05"},
        {"C25/30", "C12/15", "rectangle.concrete: 'C12/15' is not one of C16/20..C50/60"},
        {"'A500'", "'a500'",
         "rectangle.tension_steel: 'a500' is not one of A400, A500, A600, A-I, A-III, S235"},
        {"'count': 6", "'count': 0", "rectangle.tension_bars.count: 0 is not a bar count 1..10"},
        {"'count': 4", "'count': 1.5", "rectangle.compression_bars.count: 1.5 is not a bar"},
        {"6}}}", "7}}}", "ribbed_slab.compression_bars.diameter_mm: 7 is not a diameter of the"},
        {"'ap_mm': 35,", "", "ribbed_slab.ap_mm: missing"},
        {"'ap_mm': 40,", "'ap_mm': 40, 'bw_mm': 1,", "rectangle.bw_mm: unknown key"},
        {"'count': 2,", "'count': 2, 'n': 1,", "ribbed_slab.compression_bars.n: unknown key"},
        {"'version': 1,", "'version': 1, 'x': 1,", "x: unknown key"},
        {"'h_mm': 500.1", "'h_mm': '500'", "rectangle.h_mm: not a number"},
        {"'A400'", "400", "rectangle.compression_steel: not a string"},
        {"'ribbed-slab'", "'T'", "shape: 'T' is neither 'rectangle' nor 'ribbed-slab'"},
        {"kordal-section", "kordal", "format: 'kordal' is not 'kordal-section'"},
        {"'version': 1", "'version': 2", "version: 2 is not a version this program reads (1)"},
        {"}}}", "}}", "not JSON: "},
        {"A-III", "A-III\xff", "not UTF-8 text"}};
    auto quoted = [](const char *Text) { return QByteArray(Text).replace('\'', '"'); };
    for (const auto &[from, to, message] : rows) {
        const QByteArray text = QByteArray(Valid).replace(quoted(from), quoted(to));
        QVERIFY2(text != Valid && Refusal(text).startsWith("f.kordal: " + quoted(message)),
                 qPrintable(Refusal(text)));
    }
    const QByteArray full = Valid + QByteArray(MaxSectionFileSize - Valid.size(), ' ');
    QTemporaryFile file; // exactly 1 MiB passes the size check before reading too
    QVERIFY(file.open() && file.write(full) == full.size() && file.flush());
    QVERIFY(LoadSectionFile(file.fileName()).index() == 0);
    QCOMPARE(Refusal(full + ' '), QStringLiteral("f.kordal: larger than 1 MiB"));
}

// Into a read-only folder, and with a limit on file sizes, as a full disk, for root, whom
// permissions do not stop.
void TLogicTest::failedSave()
{
    QTemporaryDir dir;
    const QString old = dir.filePath("old.kordal");
    QCOMPARE(SaveSectionFile(old, ValidDoc), QString());
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{100, limit.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails rather than ends the test
    setrlimit(RLIMIT_FSIZE, &small);
    const QString reason = SaveSectionFile(old, {false, ValidDoc.Rectangle, ValidDoc.RibbedSlab});
    setrlimit(RLIMIT_FSIZE, &limit);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY2(reason.startsWith("old.kordal: ") && reason.size() > 12, qPrintable(reason));
    QFile file(old);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), WriteSectionDocument(ValidDoc));
}

void TLogicTest::sheets()
{
    // Default sections with b, both covers and Msd changed where given (not -1), and the
    // texts the window shows for them, hand-checked ("-": not there).
    struct {
        bool Ribbed;
        double b, Cover, Msd;
        int BarLength; // the tension bars drawn, pixels of 0.1 mm at 254 dpi, mid-page
        const char *Expected;
    } rows[] = {
        {false, -1, -1, 550, 320,
         "Ristkülikristlõige|h = 500.0 mm|b = 400.0 mm|a = 45.0 mm|a' = 40.0 mm|"
         "Msd = 550.00 kNm|Betooni klass C25/30|Betoon C25/30|fck = 25.0 MPa|fcd = 16.7 MPa|"
         "fctm = 2.56 MPa|alfa,cc = 1.00|gc = 1.50|fyk = 500.0 MPa|fyd = 434.78 MPa|"
         "fycd = 400.00 MPa|Es = 200.0 GPa|gs = 1.15|As = 36.48 cm2|"
         "As,min = 2.43 cm2, As,max = 80.00 cm2|As' = 2.23 cm2|mõõtkava 1:10|"
         "λ = 0.8, η = 1, εcu3 = 0.0035|Fail: b.kordal|4. Ristlõige|"
         "Valitud tõmbearmatuur: 6 x 32, As,prov = 48.25 cm2 piisab|Arvutuslik survearmatuur "
         "As' = 2.23 cm2 Valitud survearmatuur: 4 x 16, As,prov = 8.04 cm2 piisab|Kandevõime "
         "valitud armatuuriga MRd = 660.53 kNm, Msd/MRd = 0.83, tõmbearmatuur ei voola (x/d = "
         "0.64) piisab"},
        {true, -1, -1, 550, 160,
         "Ribiplaatristlõige|h = 500.0 mm|b = 600.0 mm|hf = 100.0 mm|bw = 200.0 mm|"
         "As = 33.85 cm2|As' = 1.41 cm2|As,max = 56.00 cm2|mõõtkava 1:10|MRd = 670.25 kNm, "
         "Msd/MRd = 0.82, tõmbearmatuur ei voola (x/d = 0.65) piisab"},
        {false, -1, -1, 12.5, 0, "Msd = 12.50 kNm|< As,min = 2.43|ei ole vajalik"},
        {false, -1, -1, 2000, 0,
         "As = 116.84 cm2 > As,max = 80.00 cm2|As' = 89.58 cm2 > As,max = 80.00 cm2|As,prov "
         "= 48.25 cm2 ei piisa|As,prov = 8.04 cm2 ei piisa|Msd/MRd = 3.03, tõmbearmatuur ei "
         "voola (x/d = 0.64) ei piisa"},
        {false, -1, -1, -5, 0, "Msd = -5.00 kNm|kontrolli lähteandmeid|-cm2|-piisa"},
        {true, 2, -1, 10000, 0, "b = 2000.0 mm|mõõtkava 1:20|As,prov = 48.25 cm2 ei piisa"},
        {false, 0, -1, 550, 0,
         "b = 0.0 mm|Ristlõiget ei saa arvutada: kontrolli mõõtmeid|-cm2|-4. Ristlõige|-piisa"},
        {false, -1, 0.25, 550, 0,
         "a' = 250.0 mm|kontrolli kaitsekihte|-cm2|mõõtkava 1:5|-survetsoon"}};
    static const QRegularExpression word(
        "xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\"");
    const QDateTime when(QDate(2024, 5, 6), QTime(7, 8));
    QTemporaryDir dir;
    const QString pdf = dir.filePath("sheet.pdf");
    for (const auto &row : rows) {
        std::unique_ptr<TRistLoige> rl(row.Ribbed ? new TRPLRistLoige : new TRistLoige);
        rl->Msd = row.Msd;
        rl->b = row.b < 0 ? rl->b : row.b;
        if (row.Cover >= 0)
            rl->a = rl->ap = row.Cover;
        rl->CalcDesignValues();
        rl->Calculate();
        QCOMPARE(WriteSheetPdf(pdf, *rl, "/x/b.kordal", when), QString());

        const QString text = PdfText(pdf).simplified();
        QVERIFY(text.contains("06.05.2024 07:08"));
        for (QString e : QString::fromUtf8(row.Expected).split('|')) {
            const bool absent = e.startsWith('-');
            e = Localized(e.mid(absent)).simplified();
            QVERIFY2(text.contains(e) != absent, qPrintable(e + "\n" + text));
        }
        QList<QRectF> words; // within the margins of A4 (595 x 842 pt), none on another
        for (const auto &m : word.globalMatch(PdfText(pdf, "-bbox")))
            words << QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                            QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
        QVERIFY(words.size() > 60);
        for (qsizetype i = 0; i < words.size(); ++i) {
            QVERIFY(QRectF(56, 42, 497, 767).contains(words[i]));
            for (qsizetype j = 0; j < i; ++j)
                QVERIFY(!words[i].adjusted(.3, .3, -.3, -.3).intersects(words[j]));
        }
        if (!row.BarLength)
            continue;
        QImage image(2100, 2970, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        PaintSheet(painter, image.rect(), 254, *rl, {}, when);
        painter.end();
        const QRect red = Red(image);
        QVERIFY(qAbs(red.width() - row.BarLength) <= 2 && qAbs(red.center().x() - 1075) <= 2);
        QCOMPARE(red.height(), 11); // 3 pt: every weight in whole pixels, 3 x 254 / 72 rounded
    }
}

// After --pdf: the sheets written, and the start of each line on standard error; the
// exit status is 1 with such lines. The files given stay as they were.
void TLogicTest::commandLine()
{
    const char *const rows[][3] = {
        {"out good.kordal broken.kordal missing.kordal", "out/good.pdf",
         "broken.kordal: not JSON|missing.kordal: "},
        {"one.pdf good.kordal", "one.pdf", ""},
        {"keep.pdf good.kordal broken.kordal", "", "good.kordal: keep.pdf: not a folder|broken"},
        {"o good.kordal o/../good.kordal", "o/good.pdf", "good.kordal: o/good.pdf: not"},
        {"/proc/k.pdf good.kordal", "", "good.kordal: k.pdf: "}};
    const std::pair<const char *, QByteArray> files[] = {
        {"good.kordal",
         WriteSectionDocument({true, InputsOf(TRistLoige()), InputsOf(TRPLRistLoige())})},
        {"broken.kordal", "{"},
        {"keep.pdf", "keep"}};
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(name);
    for (const auto &[arguments, written, errors] : rows) {
        QTemporaryDir dir;
        for (const auto &[name, bytes] : files) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        }
        env.insert("XDG_RUNTIME_DIR", dir.path()); // else Qt warns
        QProcess kordal;
        kordal.setProcessEnvironment(env);
        kordal.setWorkingDirectory(dir.path());
        kordal.start(KORDAL_EXE, QStringList{"--pdf"} + QString(arguments).split(' '));
        QVERIFY(kordal.waitForFinished(60000));
        QCOMPARE(kordal.exitCode(), *errors ? 1 : 0);
        QStringList expected = QString(errors).split('|', Qt::SkipEmptyParts),
                    said = QString(kordal.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < std::min(said.size(), expected.size()); ++i)
            said[i].truncate(expected[i].size());
        QCOMPARE(said, expected);
        QStringList pdfs; // the sheets written, each of the shape its file shows
        for (QDirIterator it(dir.path(), {"*.pdf"}, QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();)
            if (const QString pdf = it.next(); !pdf.endsWith("/keep.pdf"))
                pdfs << QDir(dir.path()).relativeFilePath(pdf) +
                            (PdfText(pdf).contains("Ribiplaatristlõige") ? "" : " (wrong)");
        QCOMPARE(pdfs, QString(written).split('|', Qt::SkipEmptyParts));
        for (const auto &[name, bytes] : files) {
            QFile kept(dir.filePath(name));
            QVERIFY(kept.open(QIODevice::ReadOnly) && kept.readAll() == bytes);
        }
    }
}

QTEST_MAIN(TLogicTest)
#include "logic_test.moc"
