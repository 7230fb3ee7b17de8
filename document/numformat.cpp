#include "numformat.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cstring>

namespace
{
QString &SeparatorOverride()
{
    static QString separator;
    return separator;
}
} // namespace

QString DecimalSeparator()
{
    if (!SeparatorOverride().isEmpty())
        return SeparatorOverride();
    // Read once: the system's locale is the environment's at start-up, fixed for the run, and a
    // refresh asks for the separator some ninety times.
    static const QString system = QLocale::system().decimalPoint();
    return system;
}

void SetDecimalSeparator(const QString &Separator)
{
    SeparatorOverride() = Separator;
}

namespace
{
// Appends Value in fixed notation with Decimals decimals and Separator for the point; false
// when it could not be written.
bool AppendFloat(QString &To, double Value, int Decimals, const QString &Separator)
{
    char buffer[400]; // enough for any double in fixed notation
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, Value, std::chars_format::fixed, Decimals);
    if (error != std::errc())
        return false;
    const char *point = std::find(buffer, end, '.');
    To += QLatin1StringView(buffer, point - buffer);
    if (point != end)
        To += Separator, To += QLatin1StringView(point + 1, end - point - 1);
    return true;
}
} // namespace

QString FormatFloat(double Value, int Decimals)
{
    QString text;
    return AppendFloat(text, Value, Decimals, DecimalSeparator()) ? text : QStringLiteral("?");
}

// A refresh formats about a hundred figures into its lines, so the text grows in place: the
// literal parts as Latin-1 where they are ASCII, the figures straight from their digits.
QString Format(const char *Fmt, std::initializer_list<TFormatArg> Args)
{
    QString result;
    result.reserve(qsizetype(std::strlen(Fmt)) + 8 * qsizetype(Args.size()));
    const QString separator = DecimalSeparator();
    const TFormatArg *arg = Args.begin();
    const char *literal = Fmt;
    const char *p = Fmt;
    auto flushLiteral = [&](const char *upTo) {
        if (std::all_of(literal, upTo, [](char c) { return uchar(c) < 0x80; }))
            result += QLatin1StringView(literal, upTo - literal);
        else
            result += QString::fromUtf8(literal, upTo - literal);
    };
    while (*p) {
        if (*p != '%') {
            ++p;
            continue;
        }
        flushLiteral(p);
        const char *conversion = p + 1;
        if (*conversion == '%') {
            result += QLatin1Char('%');
            p = literal = conversion + 1;
            continue;
        }
        int decimals = -1;
        if (*conversion == '.') {
            decimals = 0;
            for (++conversion; *conversion >= '0' && *conversion <= '9'; ++conversion)
                decimals = decimals * 10 + (*conversion - '0');
        }
        const bool haveArg = arg != Args.end();
        if (*conversion == 'd' && decimals < 0 && haveArg && std::holds_alternative<int>(*arg))
            result += QString::number(std::get<int>(*arg));
        else if (!(*conversion == 'f' && haveArg && std::holds_alternative<double>(*arg) &&
                   AppendFloat(result, std::get<double>(*arg), decimals < 0 ? 6 : decimals,
                               separator)))
            result += QLatin1Char('?');
        if (haveArg)
            ++arg;
        p = literal = *conversion ? conversion + 1 : conversion;
    }
    flushLiteral(p);
    return result;
}

QString Format(const QString &Fmt, std::initializer_list<TFormatArg> Args)
{
    return Format(Fmt.toUtf8().constData(), Args);
}
