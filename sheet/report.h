// The calculation sheet of a section: three A4 pages in Estonian that a checker can read. The
// first has the inputs, the design values, the bending results as the window shows them, the
// section drawn to scale (each bar a circle where it lies, the links' outline) and the method;
// the second the serviceability inputs with the covers' classes, their results with the figures
// behind the crack width, and the shear inputs and results; the third the member around the
// section: span, support and partitions, span/depth, anchorage and laps, the shear between
// flange and web, and their assumptions. Each page has the heading and its number, "Leht 1/3".
// Text is text and the drawing is vector graphics, on any painter: a PDF page, a printer.
#pragma once

#include <QDateTime>
#include <QRect>
#include <QString>

class QPainter;
class QTextStream;
class TRistLoige;

// The pages of every sheet.
inline constexpr int SheetPages = 3;

// Paints page PageIndex (0 to SheetPages - 1; nothing for another) of the sheet of RL on
// Painter, active on a page whose printable area is Page, in the painter's coordinates (on a
// printer: painter.viewport()), at Resolution dots per inch. The page keeps margins of its own
// inside Page and fills its height, the drawing taking what the first page's texts leave.
// FileName is the section file's name, empty for a section not saved yet. The sheet designs
// a copy of RL (same inputs, classes and bars), so RL is left as it is.
void PaintSheet(QPainter &Painter, int PageIndex, const QRect &Page, int Resolution,
                const TRistLoige &RL, const QString &FileName, const QDateTime &When);

// Writes the sheet of RL as an A4 PDF of SheetPages pages at Path, through a temporary file
// renamed over it when complete; empty on success, otherwise "<file name>: <reason>".
QString WriteSheetPdf(const QString &Path, const TRistLoige &RL, const QString &FileName,
                      const QDateTime &When);

// The command line's --pdf: the sheet of the shape shown when each of Files was saved.
//   one file:     into Out, or into the folder Out as name.pdf when Out is a folder or ends
//                 with a '/';
//   several:      into the folder Out, created if missing, name.pdf for each name.kordal; an
//                 Out that is an existing file takes none of them.
// Every file is tried; each that fails is a line on Err naming it and why. A sheet is never
// written over one of Files, nor over a sheet written earlier in the same run. 0 when every
// sheet was written, otherwise 1.
int WriteSheets(const QString &Out, const QStringList &Files, QTextStream &Err);

// The scale 1:N of the drawing of an extent Width x Height (m) in a frame FrameWidth x
// FrameHeight (mm) that the drawing may fill to 96 %: the largest of 1:1, 1:2, 1:5, 1:10, 1:20,
// 1:25, 1:50, 1:100, 1:200, 1:500 and 1:1000 at which it fits, or beyond 1:1000 the N that just
// fills the frame. 0 when nothing can be drawn (an extent or frame not finite and positive).
double SheetScale(double Width, double Height, double FrameWidth, double FrameHeight);
