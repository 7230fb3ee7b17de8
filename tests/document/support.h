// Expected texts in the user's decimal separator, for the tests that read the window's texts.
#pragma once

#include "numformat.h"

#include <QRegularExpression>

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

// A text still Estonian: an Estonian letter, or a word of the program's Estonian texts.
inline const QRegularExpression
    Estonian(QString::fromUtf8(
                 "[õäöüšž]|\\b(ja|ei|on|ava|pole|vaja|rida|aastat|keel|valik|leht)\\b|armatuur|"
                 "betoon|arvutus|ristl|kaitse|plaadi|ribi|rangi|pinge|prag|nihke|kandev|"
                 "valitud|vajalik|tala|konsool|piisa|tulemus"),
             QRegularExpression::CaseInsensitiveOption);
