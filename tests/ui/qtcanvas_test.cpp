// Pixels painted by the Qt canvas: the GDI conventions it promises, and the two default
// sections drawn on the main window's 380 x 211 picture.
//
// Set KORDAL_CANVAS_PNG_DIR to a folder to have the two default drawings saved there as
// rectangle.png and ribbed.png for a look by eye.
#include "classes.h"
#include "designedsection.h"
#include "qtcanvas.h"
#include "ristloige.h"
#include "rplristloige.h"

#include <QDir>
#include <QGuiApplication>
#include <QPalette>
#include <QTest>

#include <limits>
#include <memory>

namespace
{
const QColor Black(0, 0, 0), Silver(192, 192, 192), Red(255, 0, 0), Blue(0, 0, 255),
    White(255, 255, 255);

QImage Blank(int W, int H)
{
    QImage image(W, H, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// A default section at the given moment, designed, drawn on a white W x H image.
QImage Drawing(bool Ribbed, double Msd, int W = 380, int H = 211)
{
    const auto rl = DesignedSection(Ribbed, Msd);
    QImage image = Blank(W, H);
    TQtCanvas canvas(image);
    rl->Draw(canvas, W, H);
    return image;
}

int CountPixels(const QImage &Image, const QColor &Color)
{
    int n = 0;
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            n += Image.pixelColor(x, y) == Color;
    return n;
}

// The rows of column X that have the colour, as "first..last".
QString Rows(const QImage &Image, int X, const QColor &Color)
{
    int first = -1, last = -1;
    for (int y = 0; y < Image.height(); ++y)
        if (Image.pixelColor(X, y) == Color) {
            if (first < 0)
                first = y;
            last = y;
        }
    return QStringLiteral("%1..%2").arg(first).arg(last);
}
} // namespace

class QtCanvasTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ClassesInitialize(); }
    void cleanupTestCase() { ClassesFinalize(); }

    void gdiConventions_data();
    void gdiConventions();
    void systemColourTakesThePalette();
    void farOffShapesAreClipped();
    void nullImageIsLeftAlone();
    void defaultSections_data();
    void defaultSections();
    void barLinesAreThreePixelsThick();
    void noCompressionLineWhenNoneIsNeeded();
    void paintsInDevicePixels();
    void savePngForInspection();
};

void QtCanvasTest::gdiConventions_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QColor>("colour");

    // Rectangle(2, 3, 7, 6): black pen, silver brush, pixels 2..6 x 3..5.
    QTest::newRow("rectangle top-left") << QPoint(2, 3) << Black;
    QTest::newRow("rectangle last pixel") << QPoint(6, 5) << Black;
    QTest::newRow("rectangle inside") << QPoint(4, 4) << Silver;
    QTest::newRow("rectangle right of X2-1") << QPoint(7, 4) << White;
    QTest::newRow("rectangle below Y2-1") << QPoint(4, 6) << White;
    // A one-pixel rectangle is all outline.
    QTest::newRow("1x1 rectangle") << QPoint(10, 3) << Black;
    // MoveTo(1, 9), LineTo(8, 9), LineTo(8, 12): the first end point is left out by the
    // first line and painted by the second, which starts there.
    QTest::newRow("line start") << QPoint(1, 9) << Black;
    QTest::newRow("line before its end") << QPoint(7, 9) << Black;
    QTest::newRow("corner from the next line") << QPoint(8, 9) << Black;
    QTest::newRow("last end point left out") << QPoint(8, 12) << White;
    QTest::newRow("width 0 is one pixel") << QPoint(4, 10) << White;
    // LineTo leftwards, (18, 9) to (12, 9): 18..13.
    QTest::newRow("leftward line end left out") << QPoint(12, 9) << White;
    QTest::newRow("leftward line start") << QPoint(18, 9) << Black;
    // LineTo upwards, (19, 15) to (19, 10): 15..11.
    QTest::newRow("upward line start") << QPoint(19, 15) << Black;
    QTest::newRow("upward line end left out") << QPoint(19, 10) << White;
    // FillRect {12, 2, 15, 5} with a red brush: no outline, right and bottom left out.
    QTest::newRow("fill edge") << QPoint(12, 2) << Red;
    QTest::newRow("fill last pixel") << QPoint(14, 4) << Red;
    QTest::newRow("fill right and bottom left out") << QPoint(15, 5) << White;
    // Empty shapes paint nothing: a rectangle of zero height, a line of zero length.
    QTest::newRow("zero-height rectangle") << QPoint(2, 14) << White;
    QTest::newRow("zero-length line") << QPoint(18, 14) << White;
}

void QtCanvasTest::gdiConventions()
{
    QFETCH(QPoint, pixel);
    QFETCH(QColor, colour);
    QImage image = Blank(20, 16);
    {
        TQtCanvas c(image);
        c.SetPenStyle(TPenStyle::psSolid);
        c.SetPenColor(clBlack);
        c.SetPenWidth(0);
        c.SetBrushColor(clSilver);
        c.Rectangle(2, 3, 7, 6);
        c.Rectangle(10, 3, 11, 4);
        c.Rectangle(2, 14, 9, 14);
        c.MoveTo(1, 9);
        c.LineTo(8, 9);
        c.LineTo(8, 12);
        c.MoveTo(18, 9);
        c.LineTo(12, 9);
        c.MoveTo(19, 15);
        c.LineTo(19, 10);
        c.MoveTo(18, 14);
        c.LineTo(18, 14);
        c.SetBrushColor(clRed);
        c.FillRect({12, 2, 15, 5});
    }
    QCOMPARE(image.pixelColor(pixel), colour);
}

void QtCanvasTest::systemColourTakesThePalette()
{
    QImage image = Blank(4, 4);
    {
        TQtCanvas c(image);
        c.SetBrushColor(clBtnFace);
        c.FillRect({0, 0, 4, 4});
    }
    QCOMPARE(image.pixelColor(1, 1), QGuiApplication::palette().color(QPalette::Button));
}

void QtCanvasTest::farOffShapesAreClipped()
{
    // The widest coordinates a caller can pass; only the part on the image shows.
    constexpr int lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
    QImage image = Blank(10, 10);
    {
        TQtCanvas c(image);
        c.SetPenColor(clBlack);
        c.SetPenWidth(0);
        c.SetBrushColor(clSilver);
        c.Rectangle(lo, lo, hi, 5); // outline off the image but for its bottom row, 4
        c.SetBrushColor(clRed);
        c.FillRect({lo, 7, hi, hi});
    }
    QCOMPARE(image.pixelColor(0, 0), Silver);
    QCOMPARE(image.pixelColor(9, 4), Black);
    QCOMPARE(image.pixelColor(5, 5), White);
    QCOMPARE(image.pixelColor(0, 9), Red);
}

void QtCanvasTest::nullImageIsLeftAlone()
{
    TRistLoige rl;
    rl.CalcDesignValues();
    rl.Calculate();
    QImage image;
    {
        TQtCanvas canvas(image);
        rl.Draw(canvas, 380, 211);
    }
    QVERIFY(image.isNull());
}

void QtCanvasTest::defaultSections_data()
{
    QTest::addColumn<bool>("ribbed");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QColor>("colour");

    // Rectangle: outline 109..271 x 4..207, stress block to row 95, axis on row 118 from
    // x 109 (dash 109..117, gap 118..123, dot 124..126), bars on rows 20 and 189.
    QTest::newRow("rect top-left corner") << false << QPoint(109, 4) << Black;
    QTest::newRow("rect top-right corner") << false << QPoint(271, 4) << Black;
    QTest::newRow("rect bottom-right corner") << false << QPoint(271, 207) << Black;
    QTest::newRow("rect bottom-left corner") << false << QPoint(109, 207) << Black;
    QTest::newRow("rect stress block") << false << QPoint(190, 60) << Silver;
    QTest::newRow("rect stress block edge") << false << QPoint(190, 94) << Silver;
    QTest::newRow("rect below stress block") << false << QPoint(190, 95) << White;
    QTest::newRow("rect axis dash") << false << QPoint(113, 118) << Black;
    QTest::newRow("rect axis gap") << false << QPoint(120, 118) << Silver;
    QTest::newRow("rect axis dot") << false << QPoint(125, 118) << Black;
    QTest::newRow("rect tension zone") << false << QPoint(190, 150) << White;
    QTest::newRow("rect tension bars") << false << QPoint(190, 189) << Red;
    QTest::newRow("rect compression bars") << false << QPoint(190, 20) << Blue;
    QTest::newRow("rect left of section") << false << QPoint(60, 100) << White;
    QTest::newRow("rect right of section") << false << QPoint(320, 100) << White;
    QTest::newRow("rect above section") << false << QPoint(190, 2) << White;
    QTest::newRow("rect below section") << false << QPoint(190, 209) << White;

    // Ribbed slab: flange 68..312 x 4..45, web 149..231 down to 207, axis on row 118 across
    // the web only (dash from 149), bars on rows 20 and 189.
    QTest::newRow("slab flange top-left") << true << QPoint(68, 4) << Black;
    QTest::newRow("slab flange bottom-right") << true << QPoint(312, 45) << Black;
    QTest::newRow("slab web bottom-left") << true << QPoint(149, 207) << Black;
    QTest::newRow("slab web bottom-right") << true << QPoint(231, 207) << Black;
    QTest::newRow("slab flange in compression") << true << QPoint(90, 30) << Silver;
    QTest::newRow("slab web in compression") << true << QPoint(190, 80) << Silver;
    QTest::newRow("slab axis dash") << true << QPoint(152, 118) << Black;
    QTest::newRow("slab axis gap") << true << QPoint(160, 118) << Silver;
    QTest::newRow("slab no axis beside web") << true << QPoint(120, 118) << White;
    QTest::newRow("slab tension bars") << true << QPoint(190, 189) << Red;
    QTest::newRow("slab tension bars start") << true << QPoint(158, 189) << Red;
    QTest::newRow("slab tension bars end left out") << true << QPoint(222, 189) << White;
    QTest::newRow("slab compression bars") << true << QPoint(190, 20) << Blue;
    QTest::newRow("slab under the overhang") << true << QPoint(100, 100) << White;
    QTest::newRow("slab left of section") << true << QPoint(30, 30) << White;
}

void QtCanvasTest::defaultSections()
{
    QFETCH(bool, ribbed);
    QFETCH(QPoint, pixel);
    QFETCH(QColor, colour);
    QCOMPARE(Drawing(ribbed, 550.0).pixelColor(pixel), colour);
}

void QtCanvasTest::barLinesAreThreePixelsThick()
{
    const QImage rect = Drawing(false, 550.0), slab = Drawing(true, 550.0);
    QCOMPARE(Rows(rect, 190, Red), QStringLiteral("188..190"));
    QCOMPARE(Rows(rect, 190, Blue), QStringLiteral("19..21"));
    QCOMPARE(Rows(slab, 190, Red), QStringLiteral("188..190"));
    QCOMPARE(Rows(slab, 190, Blue), QStringLiteral("19..21"));
}

void QtCanvasTest::noCompressionLineWhenNoneIsNeeded()
{
    QCOMPARE(CountPixels(Drawing(false, 400.0), Blue), 0);
    QCOMPARE(CountPixels(Drawing(true, 300.0), Blue), 0);
    QVERIFY(CountPixels(Drawing(true, 300.0), Red) > 0);
}

void QtCanvasTest::paintsInDevicePixels()
{
    // A picture of 760 x 422 device pixels at ratio 2, drawn at its device size:
    // s 810.24, ox 217.952, oy 8.44, so the outline runs 218..542 x 8..414.
    std::unique_ptr<TRistLoige> rl = std::make_unique<TRistLoige>();
    rl->CalcDesignValues();
    rl->Calculate();
    QImage image = Blank(760, 422);
    image.setDevicePixelRatio(2.0);
    {
        TQtCanvas canvas(image);
        rl->Draw(canvas, image.width(), image.height());
    }
    QCOMPARE(image.devicePixelRatio(), 2.0);
    QCOMPARE(image.pixelColor(218, 8), Black);
    QCOMPARE(image.pixelColor(217, 8), White);
    QCOMPARE(image.pixelColor(542, 414), Black);
    QCOMPARE(image.pixelColor(543, 414), White);
    QCOMPARE(Rows(image, 380, Red), QStringLiteral("376..378")); // still 3 pixels
}

void QtCanvasTest::savePngForInspection()
{
    const QString dir = qEnvironmentVariable("KORDAL_CANVAS_PNG_DIR");
    if (dir.isEmpty())
        QSKIP("KORDAL_CANVAS_PNG_DIR not set");
    QVERIFY(Drawing(false, 550.0).save(QDir(dir).filePath("rectangle.png")));
    QVERIFY(Drawing(true, 550.0).save(QDir(dir).filePath("ribbed.png")));
}

QTEST_MAIN(QtCanvasTest)
#include "qtcanvas_test.moc"
