// Expected texts in the user's decimal separator, for the tests that read the window's texts.
#pragma once

#include "numformat.h"

// Expected texts are written with a full stop between digits; the window writes the user's
// separator there ("As = 36.48" becomes "As = 36,48"), and "As,min" keeps its comma.
inline QString Localized(const QString &Text)
{
    QString text = Text;
    for (qsizetype i = text.size() - 2; i > 0; --i)
        if (text[i] == QLatin1Char('.') && text[i - 1].isDigit() && text[i + 1].isDigit())
            text.replace(i, 1, DecimalSeparator());
    return text;
}
