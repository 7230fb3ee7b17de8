// The calculation sheet as a checker reads it (the window's figures, no word off the page or
// on another, the drawing to scale), and the command line's batch without a display.
#include "classes.h"
#include "report.h"
#include "rplristloige.h"
#include "sectionfile.h"
#include "support.h"

#include <QDirIterator>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace
{
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
// Every page's words within the margins of A4 (595 x 842 pt), none on another.
void WordsApart(const QString &Pdf)
{
    static const QRegularExpression word(
        "xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\"");
    const QStringList pages = PdfText(Pdf, "-bbox").split("<page ").mid(1);
    QCOMPARE(pages.size(), SheetPages);
    for (const QString &page : pages) {
        QList<QRectF> words;
        for (const auto &m : word.globalMatch(page))
            words << QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                            QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
        QVERIFY(words.size() > 40);
        for (qsizetype i = 0; i < words.size(); ++i) {
            QVERIFY2(QRectF(56, 42, 497, 767).contains(words[i]), qPrintable(Pdf));
            for (qsizetype j = 0; j < i; ++j)
                QVERIFY(!words[i].adjusted(.3, .3, -.3, -.3).intersects(words[j]));
        }
    }
}
} // namespace

class TSheetTest : public QObject
{
    Q_OBJECT
    TClassesScope Classes;

private slots:
    void cleanup() { SetDecimalSeparator(QString()); }
    void sheets();
    void commandLine();
};

void TSheetTest::sheets()
{
    // Default sections with b, both covers and Msd changed where given (not -1), the tension
    // bars in Rows rows (at a = 90 mm when more than one), and the texts the window shows for
    // them, hand-checked ("-": not there). The tension bars are drawn to scale, their outer
    // axes a from the sides: 6 circles of 32 mm over 400 - 2 45 + 32 = 342 mm (the slab's web:
    // 142), one row 32 mm high; two rows 64 mm apart, e = 58: 316 wide, 64 + 32 high.
    struct {
        bool Ribbed;
        double b, Cover, Msd;
        int Rows;
        int BarLength, BarHeight; // the tension bars drawn, pixels of 0.1 mm at 254 dpi, mid-page
        const char *Expected;
    } rows[] = {
        {false, -1, -1, 550, 1, 342, 32,
         "Ristkülikristlõige|h = 500.0 mm|b = 400.0 mm|a = 45.0 mm|a' = 40.0 mm|"
         "Msd = 550.00 kNm|Betooni klass C25/30|Betoon C25/30|fck = 25.0 MPa|fcd = 16.7 MPa|"
         "fctm = 2.56 MPa|alfa,cc = 1.00|gc = 1.50|fyk = 500.0 MPa|fyd = 434.78 MPa|"
         "fycd = 400.00 MPa|Es = 200.0 GPa|gs = 1.15|As = 36.48 cm2|"
         "As,min = 2.43 cm2, As,max = 80.00 cm2|As' = 2.23 cm2|mõõtkava 1:10|"
         "λ = 0.8, η = 1, εcu3 = 0.0035|Fail: b.kordal|4. Ristlõige|"
         "Valitud tõmbearmatuur: 6 x 32, As,prov = 48.25 cm2 piisab|Arvutuslik survearmatuur "
         "As' = 2.23 cm2 Valitud survearmatuur: 4 x 16, As,prov = 8.04 cm2 piisab|Kandevõime "
         "valitud armatuuriga MRd = 660.53 kNm, Msd/MRd = 0.83, tõmbearmatuur ei voola (x/d = "
         "0.64) piisab|Leht 1/3|Leht 2/3|Leht 3/3|5. Kasutuspiirseisund|Mk = 400.00 kNm|Mqp = "
         "300.00 kNm|"
         "φ = 2.0|dg = 16.0 mm|Keskkonnaklass XC1|6. Põikjõud|Vsd = 200.00 kN|Rangide klass "
         "A500|fywd = 434.78 MPa|ø = 8 mm|n = 2|s = 200.0 mm|Ecm = 31.5 GPa|Ec,eff = 10.5 GPa|"
         "Varraste vaba vahe tõmbes 30.0 mm < 32.0 mm, survel 90.7 mm ≥ 21.0 mm ei piisa|"
         "σc,qp = 12.2 MPa > 11.25 MPa ei piisa|wk = 0.10 mm ≤ 0.40 mm|VRd,c = 133.80 kN|"
         "Asw/s = 4.49 cm2/m|VRd,s = 223.74 kN piisab|-rida|Projekteeritud kasutusiga 50 aastat|"
         "Δcdev = 10.0 mm|Konstruktsiooniklass S4|cmin,dur = 15 mm|roheline – rangid|"
         // by hand in the serviceability test: x, I = b x^3 / 3 + (ae - 1) As' (x - 40)^2 + ae
         // As (455 - x)^2, ae 6.354 and 19.062; hc,ef, rho_p,eff, esm - ecm, the outer row
         "Mk x = 192.3 mm, I = 316402 cm4|Mqp x = 265.8 mm, I = 6537|hc,ef = 78.1 mm, ρp,eff = "
         "15.45 %, εsm − εcm = 0.762 ‰|sr,max = 3.4c + 0.17ø/ρp,eff|c = 29.0 mm, s = 62.0 mm ≤ "
         "5(c + ø/2) = 225.0 mm|"
         "7. Ava ja detailid|leff = 6.00 m|Toetusskeem lihttala|kahjustab ei|α6 = 1.5|Kaitsekiht "
         "tõmbes: rangini 21.0 mm < 25.0 mm, vardani 29.0 mm < 42.0 mm (a ≥ 58.0 mm) ei piisa|"
         "survel: rangini 24.0 mm < 25.0 mm, vardani 32.0 mm ≥ 26.0 mm (a' ≥ 41.0 mm) ei piisa|"
         "leff/d = 13.2 ≤ 17.5 (K = 1.0, ρ = 2.00 %, ρ' = 0.12 %, 310/σs = 1.32) piisab|"
         "tõmbes ø32: lbd = 1291 mm, l0 = 1937 mm; survel ø16: lbd = 849 mm, l0 = 1273 mm|"
         "-Plaadi ja ribi"},
        // o = 32, e = 58: c 42, s (400 - 116) / 2, 5 58; hc,ef (500 - 245.95) / 3
        {false, -1, -1, 550, 2, 316, 96,
         "a = 90.0 mm|6 x 32, 2 rida, As,prov|4 x 16, As,prov|hc,ef = 84.7 mm, ρp,eff = 14.25 %|"
         "c = 42.0 mm, s = 142.0 mm ≤ 5(c + ø/2) = 290.0 mm|tõmbes 2 rida: 110.0 mm ≥ 32.0 mm|"
         "rangini 34.0 mm ≥ 25.0 mm, vardani 42.0 mm ≥ 42.0 mm (a ≥ 90.0 mm) piisab"},
        {true, -1, -1, 550, 1, 142, 32,
         "Ribiplaatristlõige|h = 500.0 mm|b = 600.0 mm|hf = 100.0 mm|bw = 200.0 mm|"
         "As = 33.85 cm2|As' = 1.41 cm2|As,max = 56.00 cm2|mõõtkava 1:10|MRd = 670.25 kNm, "
         "Msd/MRd = 0.82, tõmbearmatuur ei voola (x/d = 0.65) piisab|VRd,c = 66.90 kN|VRd,max = "
         "254.17 kN|leff/d = 13.2 ≤ 18.1|vEd = 1.11 MPa > 0.4·fctd = 0.48 MPa, Asf/sf = 1.27 cm2/m "
         "(cotθf = 2.00) piisab"},
        {false, -1, -1, 12.5, 1, 0, 0, "Msd = 12.50 kNm|< As,min = 2.43|ei ole vajalik"},
        {false, -1, -1, 2000, 1, 0, 0,
         "As = 116.84 cm2 > As,max = 80.00 cm2|As' = 89.58 cm2 > As,max = 80.00 cm2|As,prov "
         "= 48.25 cm2 ei piisa|As,prov = 8.04 cm2 ei piisa|Msd/MRd = 3.03, tõmbearmatuur ei "
         "voola (x/d = 0.64) ei piisa"},
        {false, -1, -1, -5, 1, 0, 0, "Msd = -5.00 kNm|kontrolli lähteandmeid|-cm2|-piisa"},
        {true, 2, -1, 10000, 1, 0, 0, "b = 2000.0 mm|mõõtkava 1:20|As,prov = 48.25 cm2 ei piisa"},
        {false, 0, -1, 550, 1, 0, 0,
         "b = 0.0 mm|Ristlõiget ei saa arvutada: kontrolli mõõtmeid|-cm2|-4. Ristlõige|-piisa|"
         "-Ecm"},
        {false, -1, 0.25, 550, 1, 0, 0,
         "a' = 250.0 mm|kontrolli kaitsekihte|-cm2|mõõtkava 1:5|-survetsoon"}};
    const QDateTime when(QDate(2024, 5, 6), QTime(7, 8));
    QTemporaryDir dir;
    const QString pdf = dir.filePath("sheet.pdf");
    for (const auto &row : rows) {
        std::unique_ptr<TRistLoige> rl(row.Ribbed ? new TRPLRistLoige : new TRistLoige);
        rl->Msd = row.Msd;
        rl->b = row.b < 0 ? rl->b : row.b;
        if (row.Cover >= 0)
            rl->a = rl->ap = row.Cover;
        if (row.Rows > 1)
            std::tie(rl->a, rl->AArmatuur.Rows) = std::pair(0.09, row.Rows);
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
        WordsApart(pdf);
        if (!row.BarLength)
            continue;
        QImage image(2100, 2970, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        PaintSheet(painter, 0, image.rect(), 254, *rl, {}, when);
        painter.end();
        const QRect red = Red(image);
        QVERIFY2(qAbs(red.width() - row.BarLength) <= 2 && qAbs(red.center().x() - 1075) <= 2 &&
                     qAbs(red.height() - row.BarHeight) <= 2,
                 qPrintable(QString("%1 x %2").arg(red.width()).arg(red.height())));
    }
}

// After --pdf (with --lang en, in English): the sheets written, words apart, and the start of
// each line on standard error, the exit status 1 with such lines. The files stay as they were.
void TSheetTest::commandLine()
{
    const char *const rows[][3] = {
        {"out good.kordal broken.kordal missing.kordal", "out/good.pdf",
         "broken.kordal: not JSON|missing.kordal: "},
        {"one.pdf good.kordal", "one.pdf", ""},
        {"keep.pdf good.kordal broken.kordal", "", "good.kordal: keep.pdf: not a folder|broken"},
        {"o good.kordal o/../good.kordal", "o/good.pdf", "good.kordal: o/good.pdf: not"},
        {"/proc/k.pdf good.kordal", "", "good.kordal: k.pdf: "},
        {"en.pdf good.kordal --lang en", "en.pdf", ""}};
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
        QStringList pdfs; // the sheets written, each of the shape its file shows, in its language
        const bool english = QString(arguments).endsWith("--lang en");
        const char *shape = english ? "Ribbed slab section" : "Ribiplaatristlõige";
        for (QDirIterator it(dir.path(), {"*.pdf"}, QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();)
            if (const QString pdf = it.next(), text = PdfText(pdf); !pdf.endsWith("/keep.pdf")) {
                const bool right = text.contains(shape) && text.contains(Estonian) != english;
                pdfs << QDir(dir.path()).relativeFilePath(pdf) + (right ? "" : " (wrong)");
                WordsApart(pdf);
            }
        QCOMPARE(pdfs, QString(written).split('|', Qt::SkipEmptyParts));
        for (const auto &[name, bytes] : files) {
            QFile kept(dir.filePath(name));
            QVERIFY(kept.open(QIODevice::ReadOnly) && kept.readAll() == bytes);
        }
    }
}

QTEST_MAIN(TSheetTest)
#include "sheet_test.moc"
