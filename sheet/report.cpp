#include "report.h"

#include "cover.h"
#include "numformat.h"
#include "qtcanvas.h"
#include "resultlines.h"
#include "rplristloige.h"
#include "sectionfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <optional>
#include <vector>

namespace
{
// The page in mm, the type in points.
constexpr double MarginLeft = 20, MarginRight = 15, MarginTop = 15, MarginBottom = 12;
constexpr double TitlePt = 16, HeadingPt = 11.5, BodyPt = 10, NotePt = 8.5;
constexpr double Fill = 0.96; // of its surface that the section's drawing takes

QString Utf8(const char *Text)
{
    return QString::fromUtf8(Text);
}

// The sheet's own texts, in the catalogue's context "Sheet"; the labels of its tables are
// marked where they are listed and translated where they are painted. The result lines come
// translated from the window's account of them.
struct Sheet {
    Q_DECLARE_TR_FUNCTIONS(Sheet)
};

// A copy of RL in its own shape, designed: the sheet draws and describes it without
// touching RL, and shows what RL's inputs give even if RL was not designed since.
std::unique_ptr<TRistLoige> DesignedCopy(const TRistLoige &RL)
{
    std::unique_ptr<TRistLoige> copy;
    if (const auto *slab = dynamic_cast<const TRPLRistLoige *>(&RL)) {
        auto ribbed = std::make_unique<TRPLRistLoige>();
        slab->AssignRPL(*ribbed);
        copy = std::move(ribbed);
    } else {
        copy = std::make_unique<TRistLoige>();
        RL.Assign(*copy);
    }
    copy->CalcDesignValues();
    copy->Calculate();
    return copy;
}

// A result line in a label column and a value column: split after the label's gap of three
// spaces, or after its colon ("Valitud tõmbearmatuur: 6 x 32, ...").
std::pair<QString, QString> SplitResult(const QString &Line)
{
    if (const qsizetype gap = Line.indexOf(QLatin1String("   ")); gap > 0)
        return {Line.left(gap), Line.mid(gap).trimmed()};
    if (const qsizetype colon = Line.indexOf(QLatin1String(": ")); colon > 0)
        return {Line.left(colon + 1), Line.mid(colon + 2)};
    return {Line, QString()};
}

enum class TAlign { Left, Centre, Right, Decimal };

// One text on a row: from X, Width wide (mm from the left margin); a Decimal cell puts its
// decimal separator (or its end) at X.
struct TCell {
    double X, Width;
    QString Text;
    TAlign Align = TAlign::Left;
    bool Bold = false;
    QColor Colour = Qt::black;
    bool Last = false; // on the row's last line, as a verdict after its figures
};

// Lays the sheet out from the top down in mm within the margins, at the painter's resolution.
class TSheet
{
public:
    TSheet(QPainter &Painter, const QRect &Page, int Resolution)
        : P(Painter), Dpi(Resolution), Left(Page.left() + Du(MarginLeft)),
          Width(Page.width() - Du(MarginLeft + MarginRight)), Y(Page.top() + Du(MarginTop)),
          Bottom(Page.top() + Page.height() - Du(MarginBottom))
    {
    }
    double Du(double Mm) const { return Mm * Dpi / 25.4; }
    double WidthMm() const { return Width * 25.4 / Dpi; }

    void Font(double Points, bool Bold = false)
    {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(std::max(1, int(std::lround(Points * Dpi / 72))));
        font.setBold(Bold);
        P.setFont(font);
    }
    void Space(double Mm) { Y += Du(Mm); }
    void Rule(double Points = 0.5)
    {
        P.save();
        P.setPen(QPen(Qt::black, Points * Dpi / 72));
        P.drawLine(QPointF(Left, Y), QPointF(Left + Width, Y));
        P.restore();
    }
    // The cells at the current line, wrapped within their widths (long texts first after the
    // commas of their lists, ",  "); the line moves below the tallest of them. A cell marked
    // Last stands on the row's last line.
    void Row(const std::vector<TCell> &Cells, double Points = BodyPt)
    {
        Font(Points);
        const double line = QFontMetricsF(P.font(), P.device()).lineSpacing();
        double height = line;
        for (bool last : {false, true})
            for (const TCell &cell : Cells)
                if (cell.Last == last)
                    height = std::max(height, Paint(cell, Points, last ? Y + height - line : Y));
        Y += height + Du(0.6);
    }
    void Heading(const QString &Text)
    {
        Space(3.5);
        Row({{0, WidthMm(), Text, TAlign::Left, true}}, HeadingPt);
        Space(0.8);
    }

    QPainter &P;
    const double Dpi;
    const double Left, Width;
    double Y;
    const double Bottom;

private:
    // Paints Cell with its top at Top; returns its height.
    double Paint(const TCell &Cell, double Points, double Top)
    {
        Font(Points, Cell.Bold);
        const QFontMetricsF metrics(P.font(), P.device());
        QRectF box(Left + Du(Cell.X), Top, Du(Cell.Width), Bottom - Top);
        QString text = Cell.Text;
        int flags = Qt::TextWordWrap | Qt::AlignTop;
        if (Cell.Align == TAlign::Right || Cell.Align == TAlign::Centre) {
            flags |= Cell.Align == TAlign::Right ? Qt::AlignRight : Qt::AlignHCenter;
        } else if (Cell.Align == TAlign::Decimal) {
            const qsizetype point = text.indexOf(DecimalSeparator());
            box.moveLeft(box.left() - metrics.horizontalAdvance(text.left(point)));
            box.setWidth(metrics.horizontalAdvance(text) + Du(1));
            flags = Qt::AlignTop | Qt::AlignLeft | Qt::TextDontClip;
        } else if (metrics.horizontalAdvance(text) > box.width()) {
            const QStringList items = text.split(QLatin1String(",  "));
            text = items.first();
            for (qsizetype i = 1, start = 0; i < items.size(); ++i) {
                const QString joined = text + QLatin1String(",  ") + items[i];
                if (metrics.horizontalAdvance(joined.mid(start)) <= box.width()) {
                    text = joined;
                } else {
                    text += QLatin1String(",\n");
                    start = text.size();
                    text += items[i];
                }
            }
        }
        // A figure keeps its unit on its line: "4.50 MPa", never "4.50" and "MPa" below it.
        static const QRegularExpression unit(QStringLiteral("(\\d) (?=[\\p{L}%‰])"));
        text.replace(unit, QStringLiteral("\\1\u00a0"));
        QRectF used;
        P.setPen(Cell.Colour);
        P.drawText(box, flags, text, &used);
        return used.height();
    }
};

void PaintHeader(TSheet &S, const TRistLoige &RL, const QString &FileName, const QDateTime &When)
{
    const double w = S.WidthMm();
    S.Row({{0, w, Sheet::tr("Raudbetoonristlõike dimensioneerimine"), TAlign::Left, true}},
          TitlePt);
    S.Space(1);
    const bool ribbed = dynamic_cast<const TRPLRistLoige *>(&RL) != nullptr;
    S.Font(BodyPt);
    const QString file =
        FileName.isEmpty() ? Sheet::tr("salvestamata") : QFileInfo(FileName).fileName();
    const QString fileText =
        QFontMetricsF(S.P.font(), S.P.device())
            .elidedText(Sheet::tr("Fail: ") + file, Qt::ElideMiddle, S.Du(w / 2));
    S.Row({{0, w / 2, Utf8("EVS-EN 1992-1-1:2007")}, {w / 2, w / 2, fileText, TAlign::Right}});
    S.Row({{0, w / 2, ribbed ? Sheet::tr("Ribiplaatristlõige") : Sheet::tr("Ristkülikristlõige"),
            TAlign::Left, true},
           {w / 2, w / 2, When.toString(QStringLiteral("dd.MM.yyyy HH:mm")), TAlign::Right}});
    S.Space(1);
    S.Rule(0.8);
}

// A quantity's row: its description, symbol, value and unit in aligned columns.
struct TQuantityRow {
    const char *Label, *Symbol;
    QString Value;
    const char *Unit;
};

// Quantities under each other: description, symbol, value on its decimal separator, unit.
void QuantityRows(TSheet &S, const std::vector<TQuantityRow> &Rows)
{
    for (const TQuantityRow &row : Rows)
        S.Row({{0, 80, Sheet::tr(row.Label)},
               {84, 16, Utf8(row.Symbol)},
               {100, 4, QStringLiteral("=")},
               {116, 0, row.Value, TAlign::Decimal},
               {124, 20, Utf8(row.Unit)}});
}

// A named choice in the columns of the quantities: "Betooni klass   C25/30".
void ChoiceRow(TSheet &S, const char *Label, const QString &Name)
{
    S.Row({{0, 80, Sheet::tr(Label)}, {84, S.WidthMm() - 84, Name}});
}

void ChoiceRow(TSheet &S, const char *Label, const std::string &Name)
{
    ChoiceRow(S, Label, QString::fromStdString(Name));
}

// A result line in its label and value columns, with its verdict at the right when it has
// one: "ei piisa" in red where a limit is broken.
void ResultRow(TSheet &S, const QString &Label, const QString &Text, std::optional<bool> Short)
{
    const double w = S.WidthMm(), value = 64, verdict = 22;
    std::vector<TCell> cells{{0, value - 2, Label}, {value, w - value - verdict, Text}};
    if (Short)
        cells.push_back({w - verdict, verdict, *Short ? Sheet::tr("ei piisa") : Sheet::tr("piisab"),
                         TAlign::Right, *Short, *Short ? QColor(200, 0, 0) : Qt::black, true});
    S.Row(cells);
}

void ResultRow(TSheet &S, const QString &Line, std::optional<bool> Short = {})
{
    const auto [label, text] = SplitResult(Line);
    ResultRow(S, label, text, Short);
}

// The chosen bars' line with the rows they are laid in beside them when more than one:
// "6 x 32, 2 rida" (the rows as laid, at most one per bar).
QString WithRows(const QString &Line, const TArmatuurid &Bars)
{
    const int rows = RowsOf(Bars.Arv, Bars.Rows, Bars.D, 0, 0).Rows;
    const QString bars = Format("%d x %d", {Bars.Arv, Bars.D});
    const qsizetype at = Line.indexOf(bars);
    if (rows <= 1 || at < 0)
        return Line;
    return Line.left(at + bars.size()) + Format(Sheet::tr(", %d rida"), {rows}) +
           Line.mid(at + bars.size());
}

// Why a section shows no figures, in place of them.
void NoticeRow(TSheet &S, const QString &Text)
{
    S.Row({{0, S.WidthMm(), Text, TAlign::Left, true, QColor(200, 0, 0)}});
}

QString Mm(double Metres)
{
    return Format("%.1f", {Metres * 1000});
}

void PaintInputs(TSheet &S, const TRistLoige &RL)
{
    S.Heading(Sheet::tr("1. Lähteandmed"));
    std::vector<TQuantityRow> rows;
    if (const auto *slab = dynamic_cast<const TRPLRistLoige *>(&RL))
        rows = {{QT_TRANSLATE_NOOP("Sheet", "Ristlõike kogukõrgus"), "h", Mm(RL.h), "mm"},
                {QT_TRANSLATE_NOOP("Sheet", "Plaadi laius"), "b", Mm(RL.b), "mm"},
                {QT_TRANSLATE_NOOP("Sheet", "Plaadi paksus"), "hf", Mm(slab->hf), "mm"},
                {QT_TRANSLATE_NOOP("Sheet", "Ribi laius"), "bw", Mm(slab->bw), "mm"}};
    else
        rows = {{QT_TRANSLATE_NOOP("Sheet", "Ristlõike kõrgus"), "h", Mm(RL.h), "mm"},
                {QT_TRANSLATE_NOOP("Sheet", "Ristlõike laius"), "b", Mm(RL.b), "mm"}};
    rows.push_back(
        {QT_TRANSLATE_NOOP("Sheet", "Arvutuslik kaitsekiht, tõmbearmatuur"), "a", Mm(RL.a), "mm"});
    rows.push_back({QT_TRANSLATE_NOOP("Sheet", "Arvutuslik kaitsekiht, survearmatuur"), "a'",
                    Mm(RL.ap), "mm"});
    rows.push_back({QT_TRANSLATE_NOOP("Sheet", "Arvutuslik paindemoment"), "Msd",
                    Format("%.2f", {RL.Msd}), "kNm"});
    QuantityRows(S, rows);
    const std::array<std::pair<const char *, const std::string *>, 3> classes{
        {{QT_TRANSLATE_NOOP("Sheet", "Betooni klass"), &RL.BetKlass.Name},
         {QT_TRANSLATE_NOOP("Sheet", "Tõmbearmatuuri klass"), &RL.AArmKlass.Name},
         {QT_TRANSLATE_NOOP("Sheet", "Survearmatuuri klass"), &RL.YArmKlass.Name}}};
    for (const auto &[label, name] : classes)
        ChoiceRow(S, label, *name);
}

void PaintDesignValues(TSheet &S, const TRistLoige &RL)
{
    S.Heading(Sheet::tr("2. Materjalide arvutusväärtused"));
    const TBetKlass &bet = RL.BetKlass;
    const TArmKlass &tension = RL.AArmKlass, &compression = RL.YArmKlass;
    auto steel = [](const TArmKlass &Steel) {
        return std::vector<TQuantityRow>{{"", "fyk", Format("%.1f", {Steel.fyk}), "MPa"},
                                         {"", "fyd", Format("%.2f", {Steel.fyd}), "MPa"},
                                         {"", "Es", Format("%.1f", {Steel.Es}), "GPa"},
                                         {"", "gs", Format("%.2f", {Steel.gs}), ""}};
    };
    std::vector<TQuantityRow> columns[3] = {{{"", "fck", Format("%.1f", {bet.fck}), "MPa"},
                                             {"", "fcd", Format("%.1f", {bet.fcd}), "MPa"},
                                             {"", "fctm", Format("%.2f", {bet.fctm}), "MPa"},
                                             {"", "alfa,cc", Format("%.2f", {bet.alfacc}), ""},
                                             {"", "gc", Format("%.2f", {bet.gc}), ""}},
                                            steel(tension),
                                            steel(compression)};
    columns[2].insert(columns[2].begin() + 2,
                      {"", "fycd", Format("%.2f", {compression.fycd}), "MPa"});
    const QString titles[3] = {Sheet::tr("Betoon ") + QString::fromStdString(bet.Name),
                               Sheet::tr("Tõmbearmatuur ") + QString::fromStdString(tension.Name),
                               Sheet::tr("Survearmatuur ") +
                                   QString::fromStdString(compression.Name)};
    const double column = S.WidthMm() / 3;
    std::vector<TCell> cells;
    for (int k = 0; k < 3; ++k)
        cells.push_back({k * column, column, titles[k], TAlign::Left, true});
    S.Row(cells);
    for (size_t i = 0; i < columns[2].size(); ++i) {
        cells.clear();
        for (int k = 0; k < 3; ++k) {
            if (i >= columns[k].size())
                continue;
            const TQuantityRow &row = columns[k][i];
            const double x = k * column;
            cells.insert(cells.end(), {{x, 14, Utf8(row.Symbol)},
                                       {x + 14, 4, QStringLiteral("=")},
                                       {x + 29, 0, row.Value, TAlign::Decimal},
                                       {x + 36, 14, Utf8(row.Unit)}});
        }
        S.Row(cells);
    }
}

void PaintResults(TSheet &S, const TRistLoige &RL, const TResultLines &Lines)
{
    S.Heading(Sheet::tr("3. Tulemused"));
    if (RL.Fault != TDesignFault::None) { // the notice in place of every figure
        NoticeRow(S, Lines.Tension);
        return;
    }
    ResultRow(S, Lines.Tension);
    ResultRow(S,
              Format(Sheet::tr("Armatuuri piirväärtused   As,min = %.2f cm2,  As,max = %.2f cm2"),
                     {RL.Asmin * 10000, RL.Asmax * 10000}));
    ResultRow(S, WithRows(Lines.TensionBars, RL.AArmatuur), Lines.TensionShort);
    if (Lines.Compression) {
        ResultRow(S, Lines.CompressionText);
        ResultRow(S, WithRows(Lines.CompressionBars, RL.YArmatuur), Lines.CompressionShort);
    } else {
        ResultRow(S, Sheet::tr("Arvutuslik survearmatuur   ei ole vajalik"));
    }
    if (Lines.CapacityShown)
        ResultRow(S, Lines.Capacity, Lines.CapacityShort);
}

// In place of a check's lines when it has none: the section's fault, or that the check could
// not be made, so that no check is read as passed by its absence.
void NoCheckRow(TSheet &S, const TRistLoige &RL, const TResultLines &Lines, const char *Check)
{
    NoticeRow(
        S, RL.Fault != TDesignFault::None
               ? Lines.Tension
               : Sheet::tr("%1 ei saa kontrollida: kontrolli lähteandmeid").arg(Sheet::tr(Check)));
}

// The figures behind the stresses and the crack width that a checker retraces by hand.
void PaintServiceFigures(TSheet &S, const TServiceability &V)
{
    if (!V.Valid)
        return;
    const std::pair<const char *, const TElasticStress *> analyses[] = {
        {QT_TRANSLATE_NOOP("Sheet", "Pragunenud ristlõige, Mk   "), &V.Characteristic},
        {QT_TRANSLATE_NOOP("Sheet", "Pragunenud ristlõige, Mqp   "), &V.QuasiPermanent}};
    for (const auto &[label, stress] : analyses) // I in cm4, from mm4
        ResultRow(S, Sheet::tr(label) +
                         Format("x = %.1f mm,  I = %.0f cm4", {stress->x, stress->I / 1e4}));
    if (!V.Cracked)
        return;
    ResultRow(S, Format(Sheet::tr("Pragude laiuse arvutus   hc,ef = %.1f mm,  ρp,eff = %.2f %%,  "
                                  "εsm − εcm = %.3f ‰"),
                        {V.HcEff, V.RhoPEff * 100, V.StrainDiff * 1000}));
    QString spacing;
    if (V.BarSpacing > 0 || V.CloseBars)
        spacing = Format(",  s = %.1f mm ", {V.BarSpacing}) + Utf8(V.CloseBars ? "≤" : ">") +
                  Format(" 5(c + ø/2) = %.1f mm", {V.CloseLimit});
    else
        spacing = Sheet::tr(",  välimises reas üks varras");
    ResultRow(S, Sheet::tr("Pragude vahekaugus   ") +
                     (V.CloseBars ? Format("sr,max = %.1fc + %.2fø/ρp,eff (7.11)", {3.4, 0.17})
                                  : Format("sr,max = %.1f(h − x) (7.14)", {1.3})) +
                     Format(":  c = %.1f mm", {V.CrackCover}) + spacing);
}

void PaintService(TSheet &S, const TRistLoige &RL, const TResultLines &Lines)
{
    S.Heading(Sheet::tr("5. Kasutuspiirseisund"));
    const TServiceInputs &in = RL.Kasutus;
    std::vector<TQuantityRow> rows{
        {QT_TRANSLATE_NOOP("Sheet", "Karakteristlik paindemoment"), "Mk", Format("%.2f", {in.Mk}),
         "kNm"},
        {QT_TRANSLATE_NOOP("Sheet", "Kvaasipüsiv paindemoment"), "Mqp", Format("%.2f", {in.Mqp}),
         "kNm"},
        {QT_TRANSLATE_NOOP("Sheet", "Roometegur"), "φ", Format("%.1f", {in.Phi}), ""},
        {QT_TRANSLATE_NOOP("Sheet", "Täitematerjali suurim tera"), "dg", Mm(in.dg), "mm"}};
    // The moduli only from a check that was made: a zero would read as a figure.
    if (const TServiceability s = ServiceabilityOf(RL); s.Valid) {
        rows.push_back({QT_TRANSLATE_NOOP("Sheet", "Betooni elastsusmoodul"), "Ecm",
                        Format("%.1f", {s.Ecm}), "GPa"});
        rows.push_back({QT_TRANSLATE_NOOP("Sheet", "Efektiivne elastsusmoodul (roomega)"), "Ec,eff",
                        Format("%.1f", {s.EcEff}), "GPa"});
    }
    QuantityRows(S, rows);
    const auto exposure = static_cast<size_t>(in.Exposure);
    ChoiceRow(S, QT_TRANSLATE_NOOP("Sheet", "Keskkonnaklass"),
              Utf8(exposure < ExposureNames.size() ? ExposureNames[exposure] : "?"));
    ChoiceRow(S, QT_TRANSLATE_NOOP("Sheet", "Projekteeritud kasutusiga"),
              Format(Sheet::tr("%d aastat"), {in.DesignLife}));
    QuantityRows(
        S, {{QT_TRANSLATE_NOOP("Sheet", "Kaitsekihi hälve"), "Δcdev", Mm(in.CoverDev), "mm"}});
    const int structural = StructuralClass(in.Exposure, RL.BetKlass.fck, in.DesignLife);
    ChoiceRow(S, QT_TRANSLATE_NOOP("Sheet", "Konstruktsiooniklass"), Format("S%d", {structural}));
    if (const double cmin = MinCoverDurability(in.Exposure, structural); std::isfinite(cmin))
        QuantityRows(S, {{QT_TRANSLATE_NOOP("Sheet", "Kaitsekihi miinimum keskkonnatingimustest"),
                          "cmin,dur", Format("%.0f", {cmin}), "mm"}});
    S.Space(2);
    if (!Lines.ServiceShown) {
        NoCheckRow(S, RL, Lines, QT_TRANSLATE_NOOP("Sheet", "Kasutuspiirseisundit"));
        return;
    }
    ResultRow(S, Lines.Gap, Lines.GapShort);
    if (Lines.CoverShown)
        ResultRow(S, Lines.Cover, Lines.CoverShort);
    if (Lines.CoverCompressionShown) // continues the line above: "survel: rangini ..."
        ResultRow(S, QString(), Lines.CoverCompression, Lines.CoverCompressionShort);
    ResultRow(S, Lines.Stress, Lines.StressShort);
    ResultRow(S, Lines.Crack, Lines.CrackShort);
    PaintServiceFigures(S, ServiceabilityOf(RL));
}

void PaintShear(TSheet &S, const TRistLoige &RL, const TResultLines &Lines)
{
    S.Heading(Sheet::tr("6. Põikjõud"));
    const TShearInputs &in = RL.Nihe;
    const double legs = in.Legs; // a count, written whole while it is whole
    QuantityRows(S, {{QT_TRANSLATE_NOOP("Sheet", "Arvutuslik põikjõud"), "Vsd",
                      Format("%.2f", {in.Vsd}), "kN"}});
    ChoiceRow(S, QT_TRANSLATE_NOOP("Sheet", "Rangide klass"), RL.RArmKlass.Name);
    QuantityRows(
        S, {{QT_TRANSLATE_NOOP("Sheet", "Rangide voolavuspiir"), "fyk",
             Format("%.1f", {RL.RArmKlass.fyk}), "MPa"},
            {QT_TRANSLATE_NOOP("Sheet", "Rangide arvutuslik voolavuspiir"), "fywd",
             Format("%.2f", {RL.RArmKlass.fyd}), "MPa"},
            {QT_TRANSLATE_NOOP("Sheet", "Rangide läbimõõt"), "ø", Format("%d", {in.LinkD}), "mm"},
            {QT_TRANSLATE_NOOP("Sheet", "Harude arv"), "n",
             FormatFloat(legs, legs == std::round(legs) ? 0 : 2), ""},
            {QT_TRANSLATE_NOOP("Sheet", "Rangide samm"), "s", Mm(in.s), "mm"}});
    S.Space(2);
    if (!Lines.ShearShown) {
        NoCheckRow(S, RL, Lines, QT_TRANSLATE_NOOP("Sheet", "Põikjõudu"));
        return;
    }
    ResultRow(S, Lines.ShearConcrete); // never short: it says whether links are needed
    ResultRow(S, Lines.LinksRequired, Lines.LinksRequiredShort);
    ResultRow(S, Lines.Links, Lines.LinksShort);
}

void PaintMember(TSheet &S, const TRistLoige &RL, const TResultLines &Lines)
{
    S.Heading(Sheet::tr("7. Ava ja detailid"));
    const TMemberInputs &in = RL.Ava;
    QuantityRows(S, {{QT_TRANSLATE_NOOP("Sheet", "Ava arvutuslik pikkus"), "leff",
                      Format("%.2f", {in.Span}), "m"}});
    ChoiceRow(S, QT_TRANSLATE_NOOP("Sheet", "Toetusskeem"), SupportText(in.Support));
    ChoiceRow(S, QT_TRANSLATE_NOOP("Sheet", "Vaheseinad, mida suur läbipaine kahjustab"),
              in.Partitions ? Sheet::tr("jah") : Sheet::tr("ei"));
    S.Space(2);
    if (RL.Fault != TDesignFault::None) { // the notice in place of every line
        NoticeRow(S, Lines.Tension);
        return;
    }
    const bool ribbed = dynamic_cast<const TRPLRistLoige *>(&RL) != nullptr;
    // Each line, its verdict where it has one, or that it could not be made.
    const struct {
        bool Shown;
        const QString &Line;
        std::optional<bool> Short;
        const char *Check;
    } checks[] = {{Lines.SpanDepthShown, Lines.SpanDepth, Lines.SpanDepthShort,
                   QT_TRANSLATE_NOOP("Sheet", "Läbipainet")},
                  // required lengths, not a check of something chosen: no verdict
                  {Lines.AnchorageShown, Lines.Anchorage, std::nullopt,
                   QT_TRANSLATE_NOOP("Sheet", "Ankurduspikkust")},
                  {Lines.FlangeShearShown, Lines.FlangeShear, Lines.FlangeShearShort,
                   QT_TRANSLATE_NOOP("Sheet", "Plaadi ja ribi vahelist nihet")}};
    for (const auto &check : checks) {
        if (&check.Line == &Lines.FlangeShear && !ribbed)
            continue;
        if (check.Shown)
            ResultRow(S, check.Line, check.Short);
        else
            NoCheckRow(S, RL, Lines, check.Check);
    }
}

// The section to scale in what is left above the footer, the scale under it; nothing when
// the section has no extent to draw.
void PaintDrawing(TSheet &S, TRistLoige &RL, double FooterTop)
{
    RL.CalcExtent();
    S.Font(HeadingPt);
    const double heading = QFontMetricsF(S.P.font(), S.P.device()).lineSpacing() + S.Du(5.5);
    S.Font(BodyPt);
    const double caption = 2.5 * QFontMetricsF(S.P.font(), S.P.device()).lineSpacing() + S.Du(2);
    const double frameHeight = FooterTop - S.Y - heading - caption;
    const double scale =
        SheetScale(RL.ExtWidth, RL.ExtHeight, S.WidthMm(), frameHeight * 25.4 / S.Dpi);
    if (!(scale > 0))
        return;
    S.Heading(Sheet::tr("4. Ristlõige"));
    S.Space(1);
    const double perMetre = S.Du(1000 / scale); // device units per m of the section
    const int w = int(std::lround(perMetre * RL.ExtWidth / Fill));
    const int h = int(std::lround(perMetre * RL.ExtHeight / Fill));
    S.P.save();
    S.P.translate(std::round(S.Left + (S.Width - w) / 2), std::round(S.Y));
    S.P.setClipRect(QRect(0, 0, w, h)); // bars outside the concrete stay off the texts
    {
        TQtCanvas canvas(S.P, w, h, S.Dpi / 72); // pen weights in points
        RL.Draw(canvas, w, h, TBarDrawing::ToScale);
    }
    S.P.restore();
    S.Y += h + S.Du(1);
    const QString ratio =
        scale == std::round(scale) ? QString::number(scale, 'f', 0) : FormatFloat(scale, 1);
    S.Row({{0, S.WidthMm(), Sheet::tr("mõõtkava 1:") + ratio, TAlign::Centre}});
    if (RL.Fault == TDesignFault::None) // what the colours show once there is a design
        S.Row({{0, S.WidthMm(),
                Sheet::tr("hall – survetsoon, kriipspunktjoon – neutraaltelg, punane – "
                          "tõmbearmatuur, sinine – survearmatuur") +
                    (CoversOf(RL).Valid ? Sheet::tr(", roheline – rangid") : QString()),
                TAlign::Centre}},
              NotePt);
}

// The method and the page number at the foot of the page; returns the top of the footer.
double PaintFooter(TSheet &S, const QString &Method, int Page)
{
    const double w = S.WidthMm(), number = 20;
    S.Font(NotePt);
    const double height =
        QFontMetricsF(S.P.font(), S.P.device())
            .boundingRect(QRectF(0, 0, S.Du(w - number - 2), S.Bottom), Qt::TextWordWrap, Method)
            .height();
    const double top = S.Bottom - height - S.Du(1.5);
    const double y = S.Y;
    S.Y = top;
    S.Rule();
    S.Space(1.5);
    S.Row({{0, w - number - 2, Method},
           {w - number, number, Sheet::tr("Leht %1/%2").arg(Page + 1).arg(SheetPages),
            TAlign::Right}},
          NotePt);
    S.Y = y;
    return top;
}

QString BendingMethod()
{
    return Sheet::tr("Arvutusmeetod: ristkülikuline pingeplokk, λ = ") + FormatFloat(0.8, 1) +
           Utf8(", η = 1, εcu3 = ") + FormatFloat(0.0035, 4) +
           Sheet::tr("; arvutatud programmiga Kordal.");
}

QString ServiceShearMethod()
{
    return Sheet::tr(
               "Arvutusmeetod: pragunenud elastne ristlõige; vertikaalsed rangid, 1 ≤ cotθ ≤ ") +
           FormatFloat(2.5, 1) + Sheet::tr("; arvutatud programmiga Kordal.");
}

QString MemberMethod()
{
    // A word joiner after each slash and no-break spaces: a line never breaks
    // inside "leff/d", "p 7.4.2" or "7 m". A literal ends after an escape that a hex digit
    // follows: lupdate would read the digit into the escape.
    return Sheet::tr("Arvutusmeetod: leff/\u2060"
                     "d p\u00a0"
                     "7.4.2, K tabelist 7.4N, 310/\u2060σs (7.17), tegurid ") +
           FormatFloat(0.8, 1) +
           Sheet::tr(" (b/\u2060"
                     "bw > 3) ja 7/\u2060leff (leff > 7\u00a0m, vaheseinad); sirged "
                     "vardad arvutuspingel, α1…α5 = 1, α6 = ") +
           FormatFloat(1.5, 1) + Sheet::tr(", η1 asendi järgi; arvutatud programmiga Kordal.");
}

// The design of the shape a section file shows, ready for the sheet.
std::unique_ptr<TRistLoige> DesignOf(const TSectionDocument &Doc)
{
    std::unique_ptr<TRistLoige> rl;
    if (Doc.RibbedSlabShown)
        rl = std::make_unique<TRPLRistLoige>();
    else
        rl = std::make_unique<TRistLoige>();
    ApplyInputs(Doc.RibbedSlabShown ? Doc.RibbedSlab : Doc.Rectangle, *rl);
    rl->CalcDesignValues();
    rl->Calculate();
    return rl;
}

// The path that names a file whatever way it was written, for comparing targets.
QString Identity(const QString &Path)
{
    const QFileInfo info(Path);
    if (info.exists())
        return info.canonicalFilePath();
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return QDir::cleanPath((folder.isEmpty() ? info.absolutePath() : folder) + '/' +
                           info.fileName());
}
} // namespace

double SheetScale(double Width, double Height, double FrameWidth, double FrameHeight)
{
    if (!(Width > 0 && Height > 0 && FrameWidth > 0 && FrameHeight > 0))
        return 0;
    // The N at which the drawing just fills the frame.
    const double fills =
        std::max(Width * 1000 / (Fill * FrameWidth), Height * 1000 / (Fill * FrameHeight));
    if (!std::isfinite(fills))
        return 0;
    for (double usual : {1, 2, 5, 10, 20, 25, 50, 100, 200, 500, 1000})
        if (usual >= fills)
            return usual;
    return fills;
}

void PaintSheet(QPainter &Painter, int PageIndex, const QRect &Page, int Resolution,
                const TRistLoige &RL, const QString &FileName, const QDateTime &When)
{
    if (PageIndex < 0 || PageIndex >= SheetPages)
        return;
    const std::unique_ptr<TRistLoige> rl = DesignedCopy(RL);
    const TResultLines lines = DescribeResults(*rl);
    Painter.save();
    TSheet sheet(Painter, Page, Resolution);
    PaintHeader(sheet, *rl, FileName, When);
    if (PageIndex == 0) {
        const double footer = PaintFooter(sheet, BendingMethod(), PageIndex);
        PaintInputs(sheet, *rl);
        PaintDesignValues(sheet, *rl);
        PaintResults(sheet, *rl, lines);
        PaintDrawing(sheet, *rl, footer);
    } else if (PageIndex == 1) {
        PaintFooter(sheet, ServiceShearMethod(), PageIndex);
        PaintService(sheet, *rl, lines);
        PaintShear(sheet, *rl, lines);
    } else {
        PaintFooter(sheet, MemberMethod(), PageIndex);
        PaintMember(sheet, *rl, lines);
    }
    Painter.restore();
}

QString WriteSheetPdf(const QString &Path, const TRistLoige &RL, const QString &FileName,
                      const QDateTime &When)
{
    const QString name = QFileInfo(Path).fileName() + QStringLiteral(": ");
    QSaveFile file(Path);
    if (!file.open(QIODevice::WriteOnly))
        return name + file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF());
        writer.setCreator(QStringLiteral("Kordal"));
        writer.setTitle(
            Sheet::tr("Raudbetoonristlõike dimensioneerimine") +
            (FileName.isEmpty() ? QString() : Utf8(" – ") + QFileInfo(FileName).fileName()));
        QPainter painter;
        if (!painter.begin(&writer)) // the file is dropped uncommitted
            return name + QStringLiteral("the PDF could not be started");
        for (int page = 0; page < SheetPages; ++page) {
            if (page > 0 && !writer.newPage())
                return name + QStringLiteral("the PDF's next page could not be started");
            PaintSheet(painter, page, QRect(0, 0, writer.width(), writer.height()),
                       writer.resolution(), RL, FileName, When);
        }
        painter.end();
    }
    if (!file.commit())
        return name + file.errorString();
    return {};
}

int WriteSheets(const QString &Out, const QStringList &Files, QTextStream &Err)
{
    const QDateTime when = QDateTime::currentDateTime();
    const QFileInfo out(Out);
    const bool intoFolder = Files.size() > 1 || out.isDir() || Out.endsWith(QLatin1Char('/'));
    QString folderFault;
    if (intoFolder && out.exists() && !out.isDir())
        folderFault = Out + QStringLiteral(": not a folder, and several sheets need one");
    else if (intoFolder && !QDir().mkpath(Out))
        folderFault = Out + QStringLiteral(": the folder could not be created");
    QSet<QString> taken; // the section files and the sheets written so far
    for (const QString &file : Files)
        taken.insert(Identity(file));

    int failed = 0;
    for (const QString &file : Files) {
        const QString name = QFileInfo(file).fileName() + QStringLiteral(": ");
        const QString pdf =
            intoFolder ? QDir(Out).filePath(QFileInfo(file).completeBaseName() + ".pdf") : Out;
        QString fault = folderFault.isEmpty() ? QString() : name + folderFault;
        if (fault.isEmpty() && taken.contains(Identity(pdf)))
            fault = name + pdf +
                    QStringLiteral(": not written over a section file or a sheet "
                                   "of this run");
        if (fault.isEmpty()) {
            const auto read = LoadSectionFile(file);
            if (const QString *error = std::get_if<QString>(&read)) {
                fault = *error;
            } else {
                const QString written =
                    WriteSheetPdf(pdf, *DesignOf(std::get<TSectionDocument>(read)), file, when);
                if (!written.isEmpty())
                    fault = name + written;
            }
        }
        if (fault.isEmpty()) {
            taken.insert(Identity(pdf));
        } else {
            Err << fault << '\n';
            ++failed;
        }
    }
    Err.flush();
    return failed == 0 ? 0 : 1;
}
