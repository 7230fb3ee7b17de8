#include "report.h"

#include <QTextStream>

// Interim: the sheet is being written in its own branch.
void PaintSheet(QPainter &, const QRect &, int, const TRistLoige &, const QString &,
                const QDateTime &)
{
}

QString WriteSheetPdf(const QString &Path, const TRistLoige &, const QString &, const QDateTime &)
{
    return Path + QStringLiteral(": not built yet");
}

int WriteSheets(const QString &, const QStringList &Files, QTextStream &Err)
{
    for (const QString &file : Files)
        Err << file << ": not built yet\n";
    return 1;
}
