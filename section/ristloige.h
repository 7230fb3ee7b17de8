// Rectangular reinforced-concrete section in pure bending, EN 1992-1-1 with the
// rectangular stress block (lambda = 0.8, eta = 1, eps_cu3 = 0.0035).
//
// Inputs (metres, kNm):  b width, h height, a tension-bar centroid from the bottom face,
//                        ap compression-bar centroid from the top face, Msd design moment.
// Materials (own copies): BetKlass (alfacc, fcd, fctm), AArmKlass tension steel (fyk, fyd, Es),
//                        YArmKlass compression steel (fycd), RArmKlass links (shear.h).
//
// CalcDesignValues:
//   a, ap   := min(a, h/2), min(ap, h/2)
//   d       = h - a                             effective depth, m
//   d2      = ap                                depth of the compression bars, m
//   rhomin  = max(0.26 fctm / fyk, 0.0013)      rhomax = 0.04
//   epsyd   = fyd / Es / 1000                   (Es in GPa)
//   xilim   = 0.0035 / (0.0035 + epsyd)         omegalim = 0.8 xilim
//   mulim   = (1 - 0.5 omegalim) omegalim
//   Asmin   = rhomin b d,  Asmax = rhomax b h   m2
//
// Calculate, with A = alfacc fcd (MPa; x1000 gives kN/m2 against Msd in kNm):
//   mu = Msd / (A 1000 b d^2)
//   mu > mulim:  Asc = (Msd - mulim A b d^2 1000) / ((d - d2) fycd 1000)
//                As  = omegalim A b d / fyd + fycd Asc / fyd,   lambdax = omegalim d
//   otherwise:   omega = 1 - sqrt(1 - 2 mu),  As = omega A b d / fyd,  lambdax = omega d
//   x = lambdax / 0.8;  AsUnderMin = As < Asmin;  AsOverMax = As > Asmax;  AscOverMax = Asc > Asmax
//
// Calculate returns false, with every result zeroed, when the section cannot be designed, and
// says why in Fault: a zero or negative dimension (Dimensions), compression steel needed
// without a lever arm, d = d2 (Covers), anything else: a negative moment or cover, a strength
// that is not positive, a result that would not be a finite number (Inputs).
//
// Callers write the inputs, then CalcDesignValues, then Calculate, then read the results.
#pragma once

#include "armatuurid.h"
#include "armklass.h"
#include "betklass.h"
#include "canvas.h"
#include "member.h"
#include "serviceability.h"
#include "shear.h"

// How Draw shows the bars. Rows: the window's schematic, each row of a group a 3-pixel line
// at its axis over the middle 80 % of the width the group lies in. ToScale: the sheet's, each
// bar a filled circle of its diameter where it lies (a row's bars with their outer axes at the
// outer row's axis e from the sides, a row of one bar in the middle) and the links' outline at
// their cover, the band between the links' outer and inner faces.
enum class TBarDrawing { Rows, ToScale };

// Why the last Calculate could not design the section.
enum class TDesignFault { None, Dimensions, Covers, Inputs };

class TRistLoige
{
public:
    TRistLoige(); // default inputs; derived values and results stay 0
    virtual ~TRistLoige() = default;
    TRistLoige(const TRistLoige &) = delete; // copies go through Assign
    TRistLoige &operator=(const TRistLoige &) = delete;

    // Copies inputs (the serviceability, shear and member ones too), material classes and bar
    // groups into Dest, then Dest derives its design values (its own CalcDesignValues). Results and
    // extents are not copied.
    virtual void Assign(TRistLoige &Dest) const;
    // The outline's bounding box in section coordinates (u right, v down from the top face).
    virtual void CalcExtent();
    virtual void CalcDesignValues();
    // Required reinforcement and flags; false when the section cannot be designed.
    virtual bool Calculate();
    // True when the moment exceeds what the concrete carries at the limiting depth.
    virtual bool NeedsCompressionSteel() const;
    // The outline a stress block from the top face compresses: width Top down to depth
    // TopDepth, width Below beneath it, m. The rectangle is b wide throughout.
    struct TCompressedOutline {
        double Top, TopDepth, Below;
    };
    virtual TCompressedOutline CompressedOutline() const { return {b, h, b}; }
    // Draws the section to scale, centred on a W x H pixel surface, the bars as Bars says.
    virtual void Draw(TCanvas &Canvas, int W, int H, TBarDrawing Bars = TBarDrawing::Rows);

    TBetKlass BetKlass;
    TArmKlass YArmKlass; // compression (top) bars
    TArmKlass AArmKlass; // tension (bottom) bars
    TArmKlass RArmKlass; // links
    TArmatuurid YArmatuur;
    TArmatuurid AArmatuur;
    TServiceInputs Kasutus; // serviceability inputs
    TShearInputs Nihe;      // shear inputs
    TMemberInputs Ava;      // span, support and partitions of the member

    double b = 0.0;   // width, m
    double h = 0.0;   // height, m
    double a = 0.0;   // tension-bar centroid from the bottom face, m
    double ap = 0.0;  // compression-bar centroid from the top face, m
    double Msd = 0.0; // design moment, kNm

    double d = 0.0;       // effective depth, m
    double d2 = 0.0;      // depth of the compression bars, m
    double x = 0.0;       // neutral-axis depth, m
    double lambdax = 0.0; // stress-block depth 0.8 x, m
    double epsyd = 0.0;
    double xilim = 0.0;
    double omegalim = 0.0;
    double mulim = 0.0;
    double As = 0.0;  // required tension reinforcement, m2
    double Asc = 0.0; // required compression reinforcement, m2
    double rhomax = 0.0;
    double rhomin = 0.0;
    double Asmin = 0.0; // m2
    double Asmax = 0.0; // m2
    bool AscOverMax = false;
    bool AsUnderMin = false;
    bool AsOverMax = false;
    TDesignFault Fault = TDesignFault::None; // set by every Calculate

    double ExtXMin = 0.0, ExtYMin = 0.0, ExtXMax = 0.0, ExtYMax = 0.0; // m
    double ExtWidth = 0.0, ExtHeight = 0.0;                            // m

protected:
    // alfacc * fcd of the concrete copy, MPa.
    double DesignCompressiveStress() const { return BetKlass.alfacc * BetKlass.fcd; }
    // The inputs and materials every design needs: finite, positive sizes and strengths.
    bool HasDesignableInputs() const;
    // Zeroes x, lambdax, As, Asc and the flags, records Why, and returns false.
    bool RejectDesign(TDesignFault Why);
    // The fault of inputs that HasDesignableInputs refuses.
    TDesignFault InputFault() const;
    // Checks the results just computed; rejects them unless all are finite and As, Asc >= 0.
    bool AcceptDesign();

    // Scale s and origin (ox, oy) that fit the extent, centred, into 96 % of a W x H surface:
    //   s = 0.96 H / ExtHeight or 0.96 W / ExtWidth, whichever is smaller
    //   X(u) = round(u s + ox), Y(v) = round(v s + oy), ties to even
    struct TView {
        double s, ox, oy;
        int X(double u) const;
        int Y(double v) const;
        static int Pixel(double p);
    };
    // False when nothing can be drawn (an empty surface or extent).
    bool FitExtent(int W, int H, TView &View) const;
    // Pen and brush of each element, set completely before it is drawn.
    static void SetPen(TCanvas &Canvas, TPenStyle Style, TColor Color, int Width);
    static void DrawStressBlockStyle(TCanvas &Canvas);
    static void DrawAxisStyle(TCanvas &Canvas);
    static void DrawOutlineStyle(TCanvas &Canvas);
    // A bar layer as a 3-pixel line from (u1, v) to (u2, v).
    static void DrawBarLine(TCanvas &Canvas, const TView &View, TColor Color, double u1, double u2,
                            double v);
    // The group Bars laid in its rows (cover.h, RowsOf), their centroid Cover from the face at
    // v = Face, the rows going inwards (Inward +1 downwards from the top face, -1 upwards from the
    // bottom one), across the width Left .. Left + Width it lies in; m.
    struct TBarPlace {
        double Cover, Left, Width, Face;
        int Inward;
    };
    void DrawBarGroup(TCanvas &Canvas, const TView &View, TBarDrawing Style, TColor Color,
                      const TArmatuurid &Bars, const TBarPlace &Place) const;
    // The links around Left .. Left + Width from the top face to the bottom one at their covers
    // (CoversOf: the tension group's at the bottom and the sides, the compression group's at the
    // top while it counts, else the tension group's); nothing while the covers are not valid.
    void DrawLinks(TCanvas &Canvas, const TView &View, double Left, double Width) const;
};
