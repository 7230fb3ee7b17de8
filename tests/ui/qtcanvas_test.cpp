// Pixels painted by the Qt canvas: the same line weights at every device pixel ratio (where
// each drawn element falls is the engine's drawing test). KORDAL_CANVAS_PNG_DIR keeps the drawings
// for a look by eye.
#include "classes.h"
#include "qtcanvas.h"
#include "rplristloige.h"

#include <QDir>
#include <QTest>

namespace
{
const QColor K(0, 0, 0), S(192, 192, 192), R(255, 0, 0), B(0, 0, 255), W(255, 255, 255);

// The default rectangle at Msd, drawn at Ratio on its picture of the window.
QImage Drawing(double Msd, qreal Ratio)
{
    TClassesScope classes;
    TRistLoige rl;
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
    if (const QString dir = qEnvironmentVariable("KORDAL_CANVAS_PNG_DIR"); !dir.isEmpty())
        image.save(QDir(dir).filePath(QStringLiteral("%1-%2.png").arg(Msd).arg(Ratio)));
    return image;
}

// How many pixels of Colour run from (X, Y) in the direction (Dx, Dy).
int Run(const QImage &Image, int X, int Y, int Dx, int Dy, const QColor &Colour)
{
    int n = 0;
    for (; Image.valid(X, Y) && Image.pixelColor(X, Y) == Colour; X += Dx, Y += Dy)
        ++n;
    return n;
}
} // namespace

class TQtCanvasTest : public QObject
{
    Q_OBJECT

private slots:
    void sameWeightsAtEveryRatio();
};

// At ratio r the section is fitted to the device pixels and every weight is r times that at
// 1, whole: at 2 the outline and the axis are 2 pixels, the bars 6, the dashes 18 (and gaps
// 12); at 1.5 they are 2, 5 and 14 (9 x 1.5 rounded). A width w covers w pixels centred on
// its coordinate, the odd one after it.
void TQtCanvasTest::sameWeightsAtEveryRatio()
{
    for (auto [ratio, outline, bar, dash, top, left, axis] : {std::tuple{1.0, 1, 3, 9, 4, 109, 118},
                                                              {1.5, 2, 5, 14, 6, 163, 177},
                                                              {2.0, 2, 6, 18, 8, 218, 236}}) {
        const QImage image = Drawing(550, ratio);
        const int middle = image.width() / 2, edge = left - outline / 2;
        QCOMPARE(Run(image, middle, top - outline / 2, 0, 1, K), outline);
        QCOMPARE(Run(image, edge - 1, image.height() / 2, 1, 0, W), 1);
        QCOMPARE(Run(image, edge, image.height() / 2, 1, 0, K), outline);
        int bars = 0;
        for (int y = 0; y < image.height(); ++y)
            bars += image.pixelColor(middle, y) == R;
        QCOMPARE(bars, bar);
        QCOMPARE(Run(image, left, axis, 1, 0, K), dash);
        QCOMPARE(Run(image, left + dash, axis, 1, 0, S), dash * 2 / 3);
    }
    QCOMPARE(Run(Drawing(400, 1), 190, 20, 0, 1, B), 0); // no compression bars needed
}

QTEST_MAIN(TQtCanvasTest)
#include "qtcanvas_test.moc"
