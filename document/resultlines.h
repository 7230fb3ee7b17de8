// The results block in words: what each result label says, which "Valitud" label shows a
// shortfall, whether the compression reinforcement is shown, and what the bars must cover.
// Plain values from a designed section, so the window, the calculation sheet and the tests
// share one account of it.
#pragma once

#include <QString>

enum class TSupport;

class TRistLoige;

struct TResultLines {
    QString Tension;     // "Arvutuslik tõmbearmatuur   As = ...", or why nothing is designed
    QString TensionBars; // "Valitud tõmbearmatuur: n x D, As,prov = ..."
    bool TensionShort = false;
    double TensionReq = 0.0; // cm2 the tension bars must cover: As, at least As,min
    // The compression reinforcement, only while the section needs it; otherwise the
    // compression controls are hidden and keep what they showed last.
    bool Compression = false;
    QString CompressionText, CompressionBars;
    bool CompressionShort = false;
    double CompressionReq = 0.0; // cm2
    // The capacity of the bars chosen, while a design exists: MRd and Msd/MRd, and x/d when
    // the tension bars would not yield. Short when Msd/MRd > 1.
    bool CapacityShown = false;
    QString Capacity;
    bool CapacityShort = false;
    // Serviceability of the chosen bars, shown with the capacity: whether each group's outer
    // row fits across the section ("tõmbes 2 rida: ..." for a group in rows), the service
    // stresses, the crack width. Short when a limit is broken.
    bool ServiceShown = false;
    QString Gap, Stress, Crack;
    bool GapShort = false, StressShort = false, CrackShort = false;
    // The covers of each group's outer row, shown with the serviceability lines: "Kaitsekiht
    // tõmbes: rangini ..., vardani ... (a ≥ ...)", and "survel: ..." while the compression bars
    // count. Short when either cover of the group is below what it needs.
    bool CoverShown = false;
    QString Cover;
    bool CoverShort = false;
    bool CoverCompressionShown = false;
    QString CoverCompression;
    bool CoverCompressionShort = false;
    // Shear, while a design exists: the concrete's resistance (never short), the links needed
    // or that the web is too small, the links chosen. A slab strip that carries the shear on
    // its concrete needs no links: its lines say so and its links are never short.
    bool ShearShown = false;
    QString ShearConcrete, LinksRequired, Links;
    bool LinksRequiredShort = false, LinksShort = false;
    // The member around the section: the span/depth ratio (short above its limit), the anchorage
    // and lap lengths of the chosen bars (never short), and for a ribbed slab the shear between
    // flange and web (short when the flange is too thin for it).
    bool SpanDepthShown = false;
    QString SpanDepth;
    bool SpanDepthShort = false;
    bool AnchorageShown = false;
    QString Anchorage;
    bool FlangeShearShown = false;
    QString FlangeShear;
    bool FlangeShearShort = false;
};

// The results of the section's last Calculate (its Fault says whether it designed).
TResultLines DescribeResults(const TRistLoige &RL);

// "Ecm = 31.5 GPa,  Ec,eff = 10.5 GPa": the concrete's secant modulus and its effective
// modulus with RL's creep coefficient.
QString ModuliText(const TRistLoige &RL);

// The support scheme as the window lists it and the sheet names it: "lihttala", "jätkuva tala
// otsaava", "jätkuva tala vaheava", "konsool"; empty for a value that is none of them.
QString SupportText(TSupport Support);

// "Konstruktsiooniklass S4,  cmin,dur = 15 mm": the structural class of RL's exposure class,
// concrete class and design life, and the least cover durability asks for; shown whether or
// not RL is designed. Empty for an exposure class outside TExposure.
QString StructuralClassText(const TRistLoige &RL);

// "ei mahu ühte ritta: vaba vahe 30.0 mm < 32.0 mm" for Count bars of D mm that do not fit in
// the rows of RL's group (Compression: the top bars across b, else the bottom ones across the
// tension face), counted as the group's Rows ("kahte ritta", "kolme ritta"); empty when they
// fit. Rows above three are named as three.
QString BarFitProblem(const TRistLoige &RL, bool Compression, int Count, int D);
