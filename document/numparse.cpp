#include "numparse.h"

#include "numformat.h"

#include <charconv>
#include <string>

TNumChars::TNumChars(const QString &Separator)
{
    for (char c = '0'; c <= '9'; ++c)
        Latin1.set(static_cast<unsigned char>(c));
    Latin1.set('-');
    for (QChar c : Separator) {
        if (c.unicode() < 256)
            Latin1.set(c.unicode());
        else
            Wide += c;
    }
}

bool TNumChars::Contains(QChar C) const
{
    if (C.unicode() < 256)
        return Latin1.test(C.unicode());
    return Wide.contains(C);
}

const TNumChars &NumChars()
{
    static QString separator = DecimalSeparator();
    static TNumChars set(separator);
    if (DecimalSeparator() != separator) {
        separator = DecimalSeparator();
        set = TNumChars(separator);
    }
    return set;
}

namespace
{
bool IsDigit(QChar C)
{
    return C >= QLatin1Char('0') && C <= QLatin1Char('9');
}

// Appends the run of digits at Text[I] to Out; returns how many there were.
qsizetype TakeDigits(const QString &Text, qsizetype &I, std::string &Out)
{
    const qsizetype start = I;
    for (; I < Text.size() && IsDigit(Text[I]); ++I)
        Out += static_cast<char>(Text[I].unicode());
    return I - start;
}
} // namespace

bool TryStrToNum(const QString &S, double &Value)
{
    Value = 0.0;
    QString text = S;
    const QString separator = DecimalSeparator();
    if (separator == QLatin1String(","))
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    else if (!separator.isEmpty() && separator != QLatin1String("."))
        text.replace(separator, QLatin1String("."));

    // Rebuilt as "[-]int.frac[e[-]exp]", which std::from_chars reads without any locale.
    std::string number;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        if (text[i] == QLatin1Char('-'))
            number += '-';
        ++i;
    }
    const qsizetype intDigits = TakeDigits(text, i, number);
    if (intDigits == 0)
        number += '0';
    number += '.';
    bool point = false;
    qsizetype fracDigits = 0;
    if (i < n && text[i] == QLatin1Char('.')) {
        point = true;
        ++i;
        fracDigits = TakeDigits(text, i, number);
    }
    if (fracDigits == 0)
        number += '0';
    if (intDigits == 0 && !point)
        return false; // nothing, or a sign alone
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        number += 'e';
        ++i;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
            number += static_cast<char>(text[i].unicode());
            ++i;
        }
        if (TakeDigits(text, i, number) == 0)
            return false;
    }
    if (i != n)
        return false;

    double value = 0.0;
    const char *end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, value);
    if (error != std::errc() || stop != end)
        return false;
    Value = value;
    return true;
}
