// The calculation sheet of a section: one A4 page in Estonian that a checker can read, with
// the inputs, the design values, the results as the window shows them, the section drawn to
// scale and the method. Text is text and the drawing is vector graphics, on any painter:
// a PDF page, a printer.
#pragma once

#include <QDateTime>
#include <QRect>
#include <QString>

class QPainter;
class QTextStream;
class TRistLoige;

// Paints the sheet of RL, designed (CalcDesignValues, Calculate), on Painter, active on a
// page whose printable area is Page in device units at Resolution dots per inch. FileName is
// the section file's name, empty for a section not saved yet.
void PaintSheet(QPainter &Painter, const QRect &Page, int Resolution, const TRistLoige &RL,
                const QString &FileName, const QDateTime &When);

// Writes the sheet of RL as a one-page A4 PDF at Path; empty on success, otherwise
// "<file name>: <reason>".
QString WriteSheetPdf(const QString &Path, const TRistLoige &RL, const QString &FileName,
                      const QDateTime &When);

// The command line's --pdf: the sheet of the shape saved in each of Files, into Out (a .pdf
// for one file; for several, a folder of name.pdf from each name.kordal). Every file is
// tried; each that fails is a line on Err naming it and why. 0 when every sheet was written.
int WriteSheets(const QString &Out, const QStringList &Files, QTextStream &Err);
