// The sections' drawings, call by call, against pixel coordinates worked out by hand from the
// scale rule: s = 0.96 H / ExtHeight or 0.96 W / ExtWidth, whichever is smaller, the extent
// centred, every coordinate rounded to the nearest pixel with ties to even.
#include "classes.h"
#include "designedsection.h"
#include "recordingcanvas.h"
#include "ristloige.h"
#include "rplristloige.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace
{
using TStrings = std::vector<std::string>;

// The pen and brush calls expected before each element, in any order.
const TStrings StressBlockStyle = {"BrushColor clSilver", "PenColor clSilver", "PenStyle psSolid",
                                   "PenWidth 0"};
const TStrings AxisStyle = {"BrushColor clSilver", "PenColor clBlack", "PenStyle psDashDot",
                            "PenWidth 0"};
const TStrings OutlineStyle = {"PenColor clBlack", "PenMode pmCopy", "PenStyle psSolid",
                               "PenWidth 0"};
const TStrings CompressionStyle = {"PenColor clBlue", "PenStyle psSolid", "PenWidth 3"};
const TStrings TensionStyle = {"PenColor clRed", "PenStyle psSolid", "PenWidth 3"};

// One element of a drawing: the pen and brush calls (sorted) and the shape calls after them,
// joined as "MoveTo 1 2, LineTo 3 4".
struct TElement {
    TStrings Style;
    std::string Shapes;
};

std::vector<TElement> Elements(const TStrings &Log)
{
    std::vector<TElement> elements;
    bool inShapes = true;
    for (const std::string &call : Log) {
        if (TRecordingCanvas::IsStyle(call)) {
            if (inShapes)
                elements.emplace_back();
            inShapes = false;
            elements.back().Style.push_back(call);
        } else {
            if (elements.empty()) // a shape before any style: keep it visible in the failure
                elements.emplace_back();
            std::string &shapes = elements.back().Shapes;
            shapes += (shapes.empty() ? "" : ", ") + call;
            inShapes = true;
        }
    }
    for (TElement &e : elements)
        std::sort(e.Style.begin(), e.Style.end());
    return elements;
}

// The points of an element's MoveTo/LineTo calls.
std::vector<std::pair<int, int>> Points(const std::string &Shapes)
{
    std::vector<std::pair<int, int>> points;
    std::istringstream in(Shapes);
    std::string op;
    int x, y;
    char comma;
    while (in >> op >> x >> y) {
        points.emplace_back(x, y);
        in >> comma;
    }
    return points;
}

class DrawTest : public ::testing::Test
{
protected:
    TClassesScope Classes;

    static std::vector<TElement> Drawn(TRistLoige &RL, int W, int H)
    {
        TRecordingCanvas canvas;
        RL.Draw(canvas, W, H);
        return Elements(canvas.Log);
    }
};

// The defaults at 550 kNm need compression steel: rectangle lambdax 0.2245 m, x 0.2807 m;
// ribbed slab lambdax 0.2245 m, x 0.2807 m, both below the flange.
struct TExample {
    const char *Name;
    bool Ribbed;
    int W, H;
    std::string StressBlock, Axis, Outline, Compression, Tension;
};

const TExample Examples[] = {
    // s 405.12, ox 108.976, oy 4.22
    {"rectangle 380x211", false, 380, 211, "Rectangle 109 4 271 95",
     "MoveTo 109 118, LineTo 271 118",
     "MoveTo 109 4, LineTo 271 4, LineTo 271 207, LineTo 109 207, LineTo 109 4",
     "MoveTo 125 20, LineTo 255 20", "MoveTo 125 189, LineTo 255 189"},
    // limited by height: s 192, ox 151.6, oy 2
    {"rectangle 380x100", false, 380, 100, "Rectangle 152 2 228 45", "MoveTo 152 56, LineTo 228 56",
     "MoveTo 152 2, LineTo 228 2, LineTo 228 98, LineTo 152 98, LineTo 152 2",
     "MoveTo 159 10, LineTo 221 10", "MoveTo 159 89, LineTo 221 89"},
    // limited by width: s 240, ox 2, oy 45.5 (the top edge's tie goes to 46)
    {"rectangle 100x211", false, 100, 211, "Rectangle 2 46 98 99", "MoveTo 2 113, LineTo 98 113",
     "MoveTo 2 46, LineTo 98 46, LineTo 98 166, LineTo 2 166, LineTo 2 46",
     "MoveTo 12 55, LineTo 88 55", "MoveTo 12 155, LineTo 88 155"},
    // s 405.12, ox 68.464: flange 68..312 x 4..45, web 149..231 down to 207
    {"ribbed slab 380x211", true, 380, 211, "Rectangle 68 4 312 45, Rectangle 149 45 231 95",
     "MoveTo 149 118, LineTo 231 118",
     "MoveTo 68 4, LineTo 312 4, LineTo 312 45, LineTo 231 45, LineTo 231 207, "
     "LineTo 149 207, LineTo 149 45, LineTo 68 45, LineTo 68 4",
     "MoveTo 93 20, LineTo 287 20", "MoveTo 158 189, LineTo 222 189"},
};

TEST_F(DrawTest, DefaultSectionsDrawFiveElementsInOrderWithTheirStyles)
{
    for (const TExample &ex : Examples) {
        SCOPED_TRACE(ex.Name);
        auto rl = DesignedSection(ex.Ribbed, 550.0);
        ASSERT_TRUE(rl->NeedsCompressionSteel());
        const auto e = Drawn(*rl, ex.W, ex.H);
        ASSERT_EQ(e.size(), 5u);
        EXPECT_EQ(e[0].Style, StressBlockStyle);
        EXPECT_EQ(e[0].Shapes, ex.StressBlock);
        EXPECT_EQ(e[1].Style, AxisStyle);
        EXPECT_EQ(e[1].Shapes, ex.Axis);
        EXPECT_EQ(e[2].Style, OutlineStyle);
        EXPECT_EQ(e[2].Shapes, ex.Outline);
        EXPECT_EQ(e[3].Style, CompressionStyle);
        EXPECT_EQ(e[3].Shapes, ex.Compression);
        EXPECT_EQ(e[4].Style, TensionStyle);
        EXPECT_EQ(e[4].Shapes, ex.Tension);
    }
}

TEST_F(DrawTest, PixelTiesGoToTheEvenPixel)
{
    // 0.5 x 0.5 on 105 x 100: s 192, ox 4.5, oy 2, so the sides fall at 4.5 and 100.5.
    auto rl = DesignedSection(false, 550.0);
    rl->b = rl->h = 0.5;
    const auto e = Drawn(*rl, 105, 100);
    ASSERT_GE(e.size(), 3u);
    EXPECT_EQ(e[2].Shapes, "MoveTo 4 2, LineTo 100 2, LineTo 100 98, LineTo 4 98, LineTo 4 2");
}

TEST_F(DrawTest, RibbedSlabStressBlockAndAxisFollowTheFlangeThickness)
{
    // hf = 0.1 m. A block or axis exactly at the flange's underside stays in the flange.
    struct {
        double lambdax, x;
        const char *StressBlock, *Axis;
    } const cases[] = {
        {0.08, 0.1, "Rectangle 68 4 312 37", "MoveTo 68 45, LineTo 312 45"},
        {0.1, 0.125, "Rectangle 68 4 312 45", "MoveTo 149 55, LineTo 231 55"},
        {0.12, 0.15, "Rectangle 68 4 312 45, Rectangle 149 45 231 53",
         "MoveTo 149 65, LineTo 231 65"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.StressBlock);
        auto rl = DesignedSection(true, 550.0);
        rl->lambdax = c.lambdax;
        rl->x = c.x;
        const auto e = Drawn(*rl, 380, 211);
        ASSERT_EQ(e.size(), 5u);
        EXPECT_EQ(e[0].Shapes, c.StressBlock);
        EXPECT_EQ(e[1].Shapes, c.Axis);
    }
}

TEST_F(DrawTest, NoCompressionLineWhenNoneIsNeeded)
{
    // ap stays at 0.04 m throughout: the line depends on the design, not on the cover.
    struct {
        bool Ribbed;
        double Msd;
    } const cases[] = {{false, 400.0}, {false, 0.0}, {true, 300.0}, {true, 450.0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << (c.Ribbed ? "ribbed " : "rectangle ") << c.Msd);
        auto rl = DesignedSection(c.Ribbed, c.Msd);
        ASSERT_GT(rl->ap, 0.0);
        const auto e = Drawn(*rl, 380, 211);
        ASSERT_EQ(e.size(), 4u);
        EXPECT_EQ(e[0].Style, StressBlockStyle);
        EXPECT_EQ(e[1].Style, AxisStyle);
        EXPECT_EQ(e[2].Style, OutlineStyle);
        EXPECT_EQ(e[3].Style, TensionStyle);
    }
}

TEST_F(DrawTest, EmptySectionOrSurfaceDrawsNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct {
        const char *Name;
        bool Ribbed;
        double b, h, bw, hf;
        int W, H;
    } const cases[] = {
        {"zero width", false, 0.0, 0.5, 0, 0, 380, 211},
        {"zero height", false, 0.4, 0.0, 0, 0, 380, 211},
        {"width not a number", false, nan, 0.5, 0, 0, 380, 211},
        {"height infinite", false, 0.4, INFINITY, 0, 0, 380, 211},
        {"slab of zero width", true, 0.0, 0.5, 0.0, 0.1, 380, 211},
        {"slab of zero height", true, 0.6, 0.0, 0.2, 0.0, 380, 211},
        {"surface of zero width", false, 0.4, 0.5, 0, 0, 0, 211},
        {"surface of zero height", true, 0.6, 0.5, 0.2, 0.1, 380, 0},
        {"negative surface", false, 0.4, 0.5, 0, 0, -380, -211},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.Name);
        auto rl = DesignedSection(c.Ribbed, 550.0);
        rl->b = c.b;
        rl->h = c.h;
        if (auto *rpl = dynamic_cast<TRPLRistLoige *>(rl.get())) {
            rpl->bw = c.bw;
            rpl->hf = c.hf;
        }
        TRecordingCanvas canvas;
        rl->Draw(canvas, c.W, c.H);
        EXPECT_TRUE(canvas.Log.empty()) << canvas.Log.front();
    }
}

TEST_F(DrawTest, WebWiderThanFlangeIsDrawnWholeAndCentred)
{
    struct {
        double b, bw;
        int W, H;
        double ExtXMin, ExtXMax;
    } const cases[] = {
        {0.6, 0.6, 380, 211, 0.0, 0.6},  // equal widths: the flange's extent
        {0.6, 0.8, 380, 211, -0.1, 0.7}, // still limited by height
        {0.6, 2.0, 380, 211, -0.7, 1.3}, // now limited by width
        {0.2, 0.6, 100, 211, -0.2, 0.4}, // narrow surface
        {0.0, 0.4, 380, 211, -0.2, 0.2}, // no flange at all
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "b " << c.b << " bw " << c.bw);
        TRPLRistLoige rl;
        rl.b = c.b;
        rl.bw = c.bw;
        rl.CalcDesignValues();
        rl.Calculate();
        const auto e = Drawn(rl, c.W, c.H);
        EXPECT_DOUBLE_EQ(rl.ExtXMin, c.ExtXMin);
        EXPECT_DOUBLE_EQ(rl.ExtXMax, c.ExtXMax);
        ASSERT_GE(e.size(), 3u);
        ASSERT_EQ(e[2].Style, OutlineStyle);
        const auto outline = Points(e[2].Shapes);
        ASSERT_EQ(outline.size(), 9u);
        int minX = c.W, maxX = 0, minY = c.H, maxY = 0;
        for (auto [x, y] : outline) {
            minX = std::min(minX, x), maxX = std::max(maxX, x);
            minY = std::min(minY, y), maxY = std::max(maxY, y);
        }
        EXPECT_GE(minX, 0);
        EXPECT_LE(maxX, c.W);
        EXPECT_GE(minY, 0);
        EXPECT_LE(maxY, c.H);
        EXPECT_NEAR(minX + maxX, c.W, 1); // centred across
        EXPECT_NEAR(minY + maxY, c.H, 1); // and down
        // 96 % of the surface in the limiting direction.
        const bool byWidth = (maxX - minX) * c.H > (maxY - minY) * c.W;
        if (byWidth)
            EXPECT_NEAR(maxX - minX, 0.96 * c.W, 1);
        else
            EXPECT_NEAR(maxY - minY, 0.96 * c.H, 1);
    }
}
} // namespace
