// The calculation sheet read back as a checker reads it: every figure the window shows, with
// the user's separator, on a PDF and on a printer's page; nothing off the page or on top of
// another word; the drawing to the scale it states; and the command line's batch, run as a
// user runs it, without a display.
#include "classes.h"
#include "report.h"
#include "resultlines.h"
#include "rplristloige.h"
#include "sectionfile.h"
#include "support.h"

#include <QDirIterator>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <limits>
#include <memory>

namespace
{
// pdftotext's words and their boxes (pt) on the page of Pdf.
QString PdfText(const QString &Pdf, bool Boxes = false)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {Boxes ? "-bbox" : "-layout", Pdf, "-"});
    tool.waitForFinished();
    return QString::fromUtf8(tool.readAllStandardOutput());
}

using TFiles = std::initializer_list<std::pair<const char *, QByteArray>>;

// A default section of either shape, designed with the moment Msd, the width b and both
// covers Cover where these are not negative.
std::unique_ptr<TRistLoige> Section(bool Ribbed, double b, double Cover, double Msd)
{
    std::unique_ptr<TRistLoige> rl(Ribbed ? new TRPLRistLoige : new TRistLoige);
    rl->Msd = Msd;
    if (b >= 0)
        rl->b = b;
    if (Cover >= 0)
        rl->a = rl->ap = Cover;
    rl->CalcDesignValues();
    rl->Calculate();
    return rl;
}
} // namespace

class TReportTest : public QObject
{
    Q_OBJECT
    TClassesScope Classes;

private slots:
    void sheets()
    {
        // Hand-checked figures (a full stop for the separator); "-" marks a text that must not
        // be there. Then, on every sheet, each result line the window shows, with its verdict.
        struct {
            bool Ribbed;
            double b, Cover, Msd;   // -1: the default
            int BarEnds, BarLayers; // pixels (0.1 mm) between the red bar's ends, and the layers
            const char *Expected;   // |-separated
        } rows[] = {
            {false, -1, -1, 550, 320, 415,
             "Ristkülikristlõige|h = 500.0 mm|b = 400.0 mm|a = 45.0 mm|a' = 40.0 mm|"
             "Msd = 550.00 kNm|Betooni klass C25/30|Betoon C25/30|fck = 25.0 MPa|fcd = 16.7 MPa|"
             "fctm = 2.56 MPa|alfa,cc = 1.00|gc = 1.50|fyk = 500.0 MPa|fyd = 434.78 MPa|"
             "fycd = 400.00 MPa|Es = 200.0 GPa|gs = 1.15|As = 36.48 cm2|"
             "As,min = 2.43 cm2, As,max = 80.00 cm2|As' = 2.23 cm2|mõõtkava 1:10|"
             "λ = 0.8, η = 1, εcu3 = 0.0035|Fail: b.kordal"},
            {true, -1, -1, 550, 160, 415,
             "Ribiplaatristlõige|h = 500.0 mm|b = 600.0 mm|hf = 100.0 mm|bw = 200.0 mm|"
             "As = 33.85 cm2|As' = 1.41 cm2|As,max = 56.00 cm2|mõõtkava 1:10"},
            {false, -1, -1, 12.5, 0, 0, "Msd = 12.50 kNm|< As,min = 2.43|ei ole vajalik"},
            {true, 2, -1, 10000, 0, 0, "b = 2000.0 mm|mõõtkava 1:20|ei piisa"},
            {false, 0, -1, 550, 0, 0,
             "b = 0.0 mm|Ristlõiget ei saa arvutada: kontrolli mõõtmeid|-cm2|-mõõtkava|-piisa"},
            {false, -1, 0.25, 550, 0, 0,
             "a' = 250.0 mm|kontrolli kaitsekihte|-cm2|mõõtkava 1:|-survetsoon"}};
        QTemporaryDir dir;
        for (const auto &row : rows) {
            const auto rl = Section(row.Ribbed, row.b, row.Cover, row.Msd);
            const QString pdf = dir.filePath("sheet.pdf"), printed = dir.filePath("printed.pdf");
            const QDateTime when(QDate(2024, 5, 6), QTime(7, 8));
            QCOMPARE(WriteSheetPdf(pdf, *rl, "/x/b.kordal", when), QString());
            QPrinter printer(QPrinter::HighResolution); // Letter, the printer's own margins
            printer.setOutputFileName(printed);
            printer.setPageSize(QPageSize(QPageSize::Letter));
            QPainter painter(&printer);
            PaintSheet(painter, painter.viewport(), printer.resolution(), *rl, "b.kordal", when);
            painter.end();

            const TResultLines lines = DescribeResults(*rl);
            QStringList expected = QString::fromUtf8(row.Expected).split('|');
            expected << lines.Tension;
            auto verdict = [](bool Short) { return Short ? " ei piisa" : " piisab"; };
            if (rl->Fault == TDesignFault::None)
                expected << lines.TensionBars + verdict(lines.TensionShort) << lines.Capacity;
            if (lines.Compression)
                expected << lines.CompressionText
                         << lines.CompressionBars + verdict(lines.CompressionShort);
            if (lines.CapacityShown)
                expected << lines.Capacity + verdict(lines.CapacityShort);
            for (const QString &file : {pdf, printed}) {
                const QString text = PdfText(file).simplified();
                QVERIFY(text.contains("06.05.2024 07:08"));
                for (QString e : expected) {
                    const bool absent = e.startsWith('-');
                    e = Localized(e.mid(absent)).simplified();
                    QVERIFY2(text.contains(e) != absent, qPrintable(e + "\n" + text));
                }
                // Every word on the page, in the margins, apart from every other.
                static const QRegularExpression number(R"((\w+)="([\d.]+)\")");
                QSizeF size;
                QList<QRectF> words;
                QList<double> box; // xMin, yMin, xMax, yMax of a word
                for (const auto &m : number.globalMatch(PdfText(file, true))) {
                    const double value = m.captured(2).toDouble();
                    if (m.captured(1) == "width")
                        size.setWidth(value);
                    else if (m.captured(1) == "height")
                        size.setHeight(value);
                    else if (box << value; box.size() == 4)
                        words << QRectF(QPointF(box[0], box[1]), QPointF(box[2], box[3]))
                                     .adjusted(0.3, 0.3, -0.3, -0.3),
                            box.clear();
                }
                const QRectF page = QRectF(QPointF(), size).adjusted(34, 34, -34, -34); // 12 mm
                QVERIFY(words.size() > 60);
                for (qsizetype i = 0; i < words.size(); ++i) {
                    QVERIFY(page.contains(words[i]));
                    for (qsizetype j = 0; j < i; ++j)
                        QVERIFY(!words[i].intersects(words[j]));
                }
            }
            if (!row.BarEnds)
                continue;
            // The drawing to scale: at 254 dpi a pixel is 0.1 mm of paper, 1 mm of section at 1:10.
            QImage image(2100, 2970, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter onImage(&image);
            PaintSheet(onImage, image.rect(), 254, *rl, {}, when);
            onImage.end();
            QRect red, blue; // the bar layers: pure red below, pure blue above
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    for (auto [colour, box] :
                         {std::pair(qRgb(255, 0, 0), &red), std::pair(qRgb(0, 0, 255), &blue)})
                        if (image.pixel(x, y) == colour)
                            *box |= QRect(x, y, 1, 1);
            QVERIFY(qAbs(red.width() - row.BarEnds) <= 2);
            QVERIFY(qAbs(red.center().y() - blue.center().y() - row.BarLayers) <= 2);
        }
    }

    void scales()
    {
        const double inf = std::numeric_limits<double>::infinity();
        const double rows[][5] = {
            // extent (m), frame (mm), N
            {0.4, 0.5, 175, 100, 10},   {0.4, 0.48, 175, 100, 5}, // 96 mm of 100: just fits
            {0.4, 0.481, 175, 100, 10}, {2, 2, 100, 100, 25},     {2.4, 0.1, 100, 100, 25},
            {0.001, 0.001, 2, 2, 1},    {96, 1, 1, 100, 1e5},     {0, 0.5, 175, 100, 0},
            {0.4, 0.5, 175, -1, 0},     {inf, 1, 100, 100, 0},    {0.4, 0.5, 0, 100, 0}};
        for (const auto &r : rows)
            QCOMPARE(SheetScale(r[0], r[1], r[2], r[3]), r[4]);
    }

    void commandLine()
    {
        struct {
            QStringList Args;
            int Exit;
            QStringList Written, Errors; // sheets; the start of each line on standard error
        } rows[] = {
            {{"--pdf", "out", "good.kordal", "broken.kordal", "missing.kordal"},
             1,
             {"out/good.pdf"},
             {"broken.kordal: not JSON", "missing.kordal: "}},
            {{"--pdf", "folder", "good.kordal"}, 0, {"folder/good.pdf"}, {}},
            {{"--pdf", "one.pdf", "good.kordal"}, 0, {"one.pdf"}, {}},
            {{"--pdf", "keep.pdf", "good.kordal", "other.kordal"},
             1,
             {},
             {"good.kordal: keep.pdf: not a folder", "other.kordal: keep.pdf: not a folder"}},
            {{"--pdf", "good.kordal", "good.kordal"}, 1, {}, {"good.kordal: good.kordal: not"}},
            {{"--pdf", "o", "good.kordal", "o/../good.kordal"},
             1,
             {"o/good.pdf"},
             {"good.kordal: o/good.pdf: not written"}},
            {{"--pdf", "/proc/k.pdf", "good.kordal"}, 1, {}, {"good.kordal: k.pdf: "}}};
        const QByteArray good =
            WriteSectionDocument({true, InputsOf(TRistLoige()), InputsOf(TRPLRistLoige())});
        for (const auto &row : rows) {
            QTemporaryDir dir;
            QDir(dir.path()).mkdir("folder");
            for (auto [name, bytes] : TFiles{{"good.kordal", good},
                                             {"other.kordal", good},
                                             {"broken.kordal", "{"},
                                             {"keep.pdf", "keep"}}) {
                QFile file(dir.filePath(name));
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
            }
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
                env.remove(name);
            env.insert("XDG_RUNTIME_DIR", dir.path());
            QProcess kordal;
            kordal.setProcessEnvironment(env);
            kordal.setWorkingDirectory(dir.path());
            kordal.start(KORDAL_EXE, row.Args);
            QVERIFY(kordal.waitForFinished(60000));
            const QStringList errors =
                QString::fromUtf8(kordal.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
            QCOMPARE(kordal.exitCode(), row.Exit);
            QCOMPARE(errors.size(), row.Errors.size());
            for (qsizetype i = 0; i < errors.size(); ++i)
                QVERIFY2(errors[i].startsWith(row.Errors[i]), qPrintable(errors[i]));
            QStringList pdfs;
            for (const QString &pdf : row.Written) {
                QFile file(dir.filePath(pdf));
                QVERIFY(file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-");
                QVERIFY(PdfText(file.fileName()).contains("Ribiplaatristlõige")); // shown shape
            }
            QDirIterator all(dir.path(), {"*.pdf"}, QDir::Files, QDirIterator::Subdirectories);
            while (all.hasNext())
                pdfs << QDir(dir.path()).relativeFilePath(all.next());
            pdfs.removeOne("keep.pdf");
            QCOMPARE(pdfs, row.Written);
            for (auto [name, bytes] : TFiles{{"good.kordal", good}, {"keep.pdf", "keep"}}) {
                QFile kept(dir.filePath(name)); // the inputs and other files as they were
                QVERIFY(kept.open(QIODevice::ReadOnly) && kept.readAll() == bytes);
            }
        }
        QProcess help;
        help.start(KORDAL_EXE, {"--help"});
        QVERIFY(help.waitForFinished(60000) &&
                help.readAllStandardOutput().contains("--pdf <OUT>"));
    }
};

QTEST_MAIN(TReportTest)
#include "report_test.moc"
