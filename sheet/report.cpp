#include "report.h"

#include "numformat.h"
#include "qtcanvas.h"
#include "resultlines.h"
#include "rplristloige.h"
#include "sectionfile.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
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
        QRectF used;
        P.setPen(Cell.Colour);
        P.drawText(box, flags, text, &used);
        return used.height();
    }
};

void PaintHeader(TSheet &S, const TRistLoige &RL, const QString &FileName, const QDateTime &When)
{
    const double w = S.WidthMm();
    S.Row({{0, w, Utf8("Raudbetoonristlõike dimensioneerimine"), TAlign::Left, true}}, TitlePt);
    S.Space(1);
    const bool ribbed = dynamic_cast<const TRPLRistLoige *>(&RL) != nullptr;
    S.Font(BodyPt);
    const QString file = FileName.isEmpty() ? Utf8("salvestamata") : QFileInfo(FileName).fileName();
    const QString fileText = QFontMetricsF(S.P.font(), S.P.device())
                                 .elidedText(Utf8("Fail: ") + file, Qt::ElideMiddle, S.Du(w / 2));
    S.Row({{0, w / 2, Utf8("EVS-EN 1992-1-1:2007")}, {w / 2, w / 2, fileText, TAlign::Right}});
    S.Row(
        {{0, w / 2, Utf8(ribbed ? "Ribiplaatristlõige" : "Ristkülikristlõige"), TAlign::Left, true},
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

void PaintInputs(TSheet &S, const TRistLoige &RL)
{
    S.Heading(Utf8("1. Lähteandmed"));
    auto mm = [](double Metres) { return Format("%.1f", {Metres * 1000}); };
    std::vector<TQuantityRow> rows;
    if (const auto *slab = dynamic_cast<const TRPLRistLoige *>(&RL))
        rows = {{"Ristlõike kogukõrgus", "h", mm(RL.h), "mm"},
                {"Plaadi laius", "b", mm(RL.b), "mm"},
                {"Plaadi paksus", "hf", mm(slab->hf), "mm"},
                {"Ribi laius", "bw", mm(slab->bw), "mm"}};
    else
        rows = {{"Ristlõike kõrgus", "h", mm(RL.h), "mm"},
                {"Ristlõike laius", "b", mm(RL.b), "mm"}};
    rows.push_back({"Arvutuslik kaitsekiht, tõmbearmatuur", "a", mm(RL.a), "mm"});
    rows.push_back({"Arvutuslik kaitsekiht, survearmatuur", "a'", mm(RL.ap), "mm"});
    rows.push_back({"Arvutuslik paindemoment", "Msd", Format("%.2f", {RL.Msd}), "kNm"});
    for (const TQuantityRow &row : rows)
        S.Row({{0, 80, Utf8(row.Label)},
               {84, 12, Utf8(row.Symbol)},
               {96, 4, QStringLiteral("=")},
               {112, 0, row.Value, TAlign::Decimal},
               {120, 20, Utf8(row.Unit)}});
    const std::array<std::pair<const char *, const std::string *>, 3> classes{
        {{"Betooni klass", &RL.BetKlass.Name},
         {"Tõmbearmatuuri klass", &RL.AArmKlass.Name},
         {"Survearmatuuri klass", &RL.YArmKlass.Name}}};
    for (const auto &[label, name] : classes)
        S.Row({{0, 80, Utf8(label)}, {84, 40, QString::fromStdString(*name)}});
}

void PaintDesignValues(TSheet &S, const TRistLoige &RL)
{
    S.Heading(Utf8("2. Materjalide arvutusväärtused"));
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
    const QString titles[3] = {Utf8("Betoon ") + QString::fromStdString(bet.Name),
                               Utf8("Tõmbearmatuur ") + QString::fromStdString(tension.Name),
                               Utf8("Survearmatuur ") + QString::fromStdString(compression.Name)};
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

void PaintResults(TSheet &S, const TRistLoige &RL)
{
    S.Heading(Utf8("3. Tulemused"));
    const TResultLines lines = DescribeResults(RL);
    const double w = S.WidthMm();
    if (RL.Fault != TDesignFault::None) { // the notice in place of every figure
        S.Row({{0, w, lines.Tension, TAlign::Left, true, QColor(200, 0, 0)}});
        return;
    }
    const double value = 64, verdict = 22;
    auto row = [&](const QString &Line, std::optional<bool> Short = {}) {
        const auto [label, text] = SplitResult(Line);
        std::vector<TCell> cells{{0, value - 2, label}, {value, w - value - verdict, text}};
        if (Short)
            cells.push_back({w - verdict, verdict, Utf8(*Short ? "ei piisa" : "piisab"),
                             TAlign::Right, *Short, *Short ? QColor(200, 0, 0) : Qt::black, true});
        S.Row(cells);
    };
    row(lines.Tension);
    row(Format("Armatuuri piirväärtused   As,min = %.2f cm2,  As,max = %.2f cm2",
               {RL.Asmin * 10000, RL.Asmax * 10000}));
    row(lines.TensionBars, lines.TensionShort);
    if (lines.Compression) {
        row(lines.CompressionText);
        row(lines.CompressionBars, lines.CompressionShort);
    } else {
        row(Utf8("Arvutuslik survearmatuur   ei ole vajalik"));
    }
    if (lines.CapacityShown)
        row(lines.Capacity, lines.CapacityShort);
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
    S.Heading(Utf8("4. Ristlõige"));
    S.Space(1);
    const double perMetre = S.Du(1000 / scale); // device units per m of the section
    const int w = int(std::lround(perMetre * RL.ExtWidth / Fill));
    const int h = int(std::lround(perMetre * RL.ExtHeight / Fill));
    S.P.save();
    S.P.translate(std::round(S.Left + (S.Width - w) / 2), std::round(S.Y));
    {
        TQtCanvas canvas(S.P, w, h, S.Dpi / 72); // pen weights in points
        RL.Draw(canvas, w, h);
    }
    S.P.restore();
    S.Y += h + S.Du(1);
    const QString ratio =
        scale == std::round(scale) ? QString::number(scale, 'f', 0) : FormatFloat(scale, 1);
    S.Row({{0, S.WidthMm(), Utf8("mõõtkava 1:") + ratio, TAlign::Centre}});
    if (RL.Fault == TDesignFault::None) // what the colours show once there is a design
        S.Row({{0, S.WidthMm(),
                Utf8("hall – survetsoon, kriipspunktjoon – neutraaltelg, punane – "
                     "tõmbearmatuur, sinine – survearmatuur"),
                TAlign::Centre}},
              NotePt);
}

// The method at the foot of the page; returns the top of the footer.
double PaintFooter(TSheet &S)
{
    const QString method = Utf8("Arvutusmeetod: ristkülikuline pingeplokk, λ = ") +
                           FormatFloat(0.8, 1) + Utf8(", η = 1, εcu3 = ") + FormatFloat(0.0035, 4) +
                           Utf8("; arvutatud programmiga Kordal.");
    S.Font(NotePt);
    const double top = S.Bottom - QFontMetricsF(S.P.font(), S.P.device()).lineSpacing() - S.Du(1.5);
    const double y = S.Y;
    S.Y = top;
    S.Rule();
    S.Space(1.5);
    S.Row({{0, S.WidthMm(), method}}, NotePt);
    S.Y = y;
    return top;
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

void PaintSheet(QPainter &Painter, const QRect &Page, int Resolution, const TRistLoige &RL,
                const QString &FileName, const QDateTime &When)
{
    const std::unique_ptr<TRistLoige> rl = DesignedCopy(RL);
    Painter.save();
    TSheet sheet(Painter, Page, Resolution);
    PaintHeader(sheet, *rl, FileName, When);
    const double footer = PaintFooter(sheet);
    PaintInputs(sheet, *rl);
    PaintDesignValues(sheet, *rl);
    PaintResults(sheet, *rl);
    PaintDrawing(sheet, *rl, footer);
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
            Utf8("Raudbetoonristlõike dimensioneerimine") +
            (FileName.isEmpty() ? QString() : Utf8(" – ") + QFileInfo(FileName).fileName()));
        QPainter painter;
        if (!painter.begin(&writer)) // the file is dropped uncommitted
            return name + QStringLiteral("the PDF could not be started");
        PaintSheet(painter, QRect(0, 0, writer.width(), writer.height()), writer.resolution(), RL,
                   FileName, When);
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
