#include "numformat.h"

#include <QLocale>

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
    return QLocale::system().decimalPoint();
}

void SetDecimalSeparator(const QString &Separator)
{
    SeparatorOverride() = Separator;
}

QString FormatFloat(double Value, int Decimals)
{
    char buffer[400]; // enough for any double in fixed notation
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, Value, std::chars_format::fixed, Decimals);
    if (error != std::errc())
        return QStringLiteral("?");
    QString text = QString::fromLatin1(buffer, end - buffer);
    const QString separator = DecimalSeparator();
    if (separator != QLatin1String("."))
        text.replace(QLatin1Char('.'), separator);
    return text;
}

QString Format(const char *Fmt, std::initializer_list<TFormatArg> Args)
{
    QString result;
    const TFormatArg *arg = Args.begin();
    const char *literal = Fmt;
    const char *p = Fmt;
    auto flushLiteral = [&](const char *upTo) {
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
        else if (*conversion == 'f' && haveArg && std::holds_alternative<double>(*arg))
            result += FormatFloat(std::get<double>(*arg), decimals < 0 ? 6 : decimals);
        else
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
