// printf-style formatting of the window's texts with the user's decimal separator.
//
// The process locale is not used: once QApplication has started, a generated glibc
// locale such as et_EE.UTF-8 changes what printf writes. Numbers are written with
// std::to_chars (always a full stop) and the separator of QLocale::system() is put in.
#pragma once

#include <QString>

#include <initializer_list>
#include <variant>

// The decimal separator of the user's regional settings.
QString DecimalSeparator();
// Overrides DecimalSeparator() (an empty string restores the system's); for tests.
void SetDecimalSeparator(const QString &Separator);

// Like printf's "%.<Decimals>f", with the user's decimal separator.
QString FormatFloat(double Value, int Decimals);

using TFormatArg = std::variant<int, double>;
// Fills a printf-style format: "%d" takes an int, "%.<n>f" a double, "%%" is a percent
// sign. The format is UTF-8. A conversion that does not match its argument, or a missing
// argument, is written as "?".
QString Format(const char *Fmt, std::initializer_list<TFormatArg> Args = {});
// The same for a translated format: the conversions stay inside the translatable text.
QString Format(const QString &Fmt, std::initializer_list<TFormatArg> Args = {});
