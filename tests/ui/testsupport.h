// Helpers shared by the window tests.
#pragma once

#include "armtabelform.h"
#include "numformat.h"

#include <QString>

// Expected texts are written with a full stop between digits; the window writes the user's
// decimal separator there ("As = 36.48" becomes "As = 36,48"), and "As,min" keeps its comma.
inline QString Localized(const QString &Text)
{
    QString text = Text;
    for (qsizetype i = text.size() - 2; i > 0; --i)
        if (text[i] == QLatin1Char('.') && text[i - 1].isDigit() && text[i + 1].isDigit())
            text.replace(i, 1, DecimalSeparator());
    return text;
}

inline QString Localized(const char *Text)
{
    return Localized(QString::fromUtf8(Text));
}

// The bar dialog's grid row of a bar diameter, or -1.
inline int GridRowOf(int D)
{
    for (int r = 0; r < static_cast<int>(ArmDiameetrid.size()); ++r)
        if (ArmDiameetrid[r] == D)
            return r + 1;
    return -1;
}
