// Pixels painted by the Qt canvas: the GDI conventions it promises, the default rectangle on
// the window's 380 x 211 picture, and the same weights at every device pixel ratio.
// KORDAL_CANVAS_PNG_DIR names a folder to keep the drawings in for a look by eye.
#include "classes.h"
#include "qtcanvas.h"
#include "rplristloige.h"

#include <QDir>
#include <QGuiApplication>
#include <QPalette>
#include <QTest>

#include <limits>

namespace
{
const QColor K(0, 0, 0), S(192, 192, 192), R(255, 0, 0), B(0, 0, 255), W(255, 255, 255);

// The default section of either shape at Msd, drawn at Ratio on its picture of the window.
QImage Drawing(bool Ribbed, double Msd, qreal Ratio = 1.0)
{
    TClassesScope classes;
    TRPLRistLoige slab;
    TRistLoige rect;
    TRistLoige &rl = Ribbed ? static_cast<TRistLoige &>(slab) : rect;
    rl.Msd = Msd;
    rl.CalcDesignValues();
    rl.Calculate();
    QImage image(QSize(380, 211) * Ratio, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDevicePixelRatio(Ratio);
    {
        TQtCanvas canvas(image);
        rl.Draw(canvas, image.width(), image.height());
    }
    const QString dir = qEnvironmentVariable("KORDAL_CANVAS_PNG_DIR");
    if (!dir.isEmpty())
        image.save(
            QDir(dir).filePath(QStringLiteral("%1-%2-%3.png").arg(Ribbed).arg(Msd).arg(Ratio)));
    return image;
}

// How many pixels of Colour run from (X, Y) in the direction (Dx, Dy).
int Run(const QImage &Image, int X, int Y, int Dx, int Dy, const QColor &Colour)
{
    int n = 0;
    while (Image.valid(X, Y) && Image.pixelColor(X, Y) == Colour)
        ++n, X += Dx, Y += Dy;
    return n;
}
} // namespace

class TQtCanvasTest : public QObject
{
    Q_OBJECT

private slots:
    void gdiConventions();
    void sameWeightsAtEveryRatio();
};

void TQtCanvasTest::gdiConventions()
{
    QImage image(24, 16, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        TQtCanvas c(image);
        c.SetPenColor(clBlack);
        c.SetPenWidth(0);
        c.SetBrushColor(clSilver);
        c.Rectangle(7, 6, 2, 3); // pixels 2..6 x 3..5, corners in any order
        c.Rectangle(10, 3, 11, 4);
        c.Rectangle(2, 14, 9, 14); // empty
        c.MoveTo(1, 9);
        c.LineTo(8, 9);
        c.LineTo(8, 12); // each line leaves out its end point
        c.MoveTo(18, 9);
        c.LineTo(12, 9); // leftwards
        c.MoveTo(19, 15);
        c.LineTo(19, 10); // upwards
        c.SetBrushColor(clBtnFace);
        c.FillRect({12, 2, 15, 5});
        c.SetBrushColor(clRed);
        constexpr int lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
        c.FillRect({20, lo, hi, hi}); // far off: clipped, no overflow
    }
    const QColor face = QGuiApplication::palette().color(QPalette::Button);
    struct Probe {
        int X, Y;
        QColor Colour;
    } probes[] = {{2, 3, K},   {6, 5, K},     {4, 4, S},     {7, 4, W},  {4, 6, W},   {10, 3, K},
                  {2, 14, W},  {1, 9, K},     {7, 9, K},     {8, 9, K},  {8, 11, K},  {8, 12, W},
                  {4, 10, W},  {18, 9, K},    {13, 9, K},    {12, 9, W}, {19, 15, K}, {19, 11, K},
                  {19, 10, W}, {12, 2, face}, {14, 4, face}, {15, 5, W}, {20, 0, R},  {23, 15, R}};
    for (const Probe &p : probes)
        QVERIFY2(image.pixelColor(p.X, p.Y) == p.Colour,
                 qPrintable(QString("%1, %2").arg(p.X).arg(p.Y)));
    QImage none; // nothing to paint on
    TQtCanvas(none).Rectangle(0, 0, 5, 5);
    QVERIFY(none.isNull());
}

// At ratio r the section is fitted to the device pixels, and every weight is r times
// today's, whole: at 2 the outline and the axis are 2 pixels, the bars 6, the dashes 18, 12
// and 6; at 1.5 they are 2, 5 and 14 (9 x 1.5 rounded).
void TQtCanvasTest::sameWeightsAtEveryRatio()
{
    struct Row {
        qreal Ratio;
        int Outline, Bar, Dash, Top, Left, AxisRow;
    } rows[] = {
        {1.0, 1, 3, 9, 4, 109, 118}, {1.5, 2, 5, 14, 6, 163, 177}, {2.0, 2, 6, 18, 8, 218, 236}};
    for (const Row &r : rows) {
        const QImage image = Drawing(false, 550, r.Ratio);
        QCOMPARE(image.devicePixelRatio(), r.Ratio);
        // A line of width w covers w pixels centred on its coordinate, the odd one after it.
        const int middle = image.width() / 2, edge = r.Left - r.Outline / 2;
        QCOMPARE(Run(image, middle, r.Top - r.Outline / 2, 0, 1, K), r.Outline);
        QCOMPARE(Run(image, edge - 1, image.height() / 2, 1, 0, W), 1);
        QCOMPARE(Run(image, edge, image.height() / 2, 1, 0, K), r.Outline);
        int bars = 0;
        for (int y = 0; y < image.height(); ++y)
            bars += image.pixelColor(middle, y) == R;
        QCOMPARE(bars, r.Bar);
        QCOMPARE(Run(image, r.Left, r.AxisRow, 1, 0, K), r.Dash); // then a silver gap, a dot
        QCOMPARE(Run(image, r.Left + r.Dash, r.AxisRow, 1, 0, S), r.Dash * 2 / 3);
    }
    QCOMPARE(Run(Drawing(false, 400), 190, 20, 0, 1, B), 0); // no compression bars needed
}

QTEST_MAIN(TQtCanvasTest)
#include "qtcanvas_test.moc"
