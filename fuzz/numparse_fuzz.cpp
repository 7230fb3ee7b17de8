// Fuzzes the numeric fields' number conversion against an independent reading of its
// grammar: optional blanks, an optional sign, digits with an optional point (a point alone
// is 0), an optional exponent, nothing after. Both a full-stop and a comma separator.
#include "comproc.h"
#include "numformat.h"

#include <QString>

#include <cctype>
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>

namespace
{

[[noreturn]] void Fail(const char *What, const std::string &Text)
{
    std::fprintf(stderr, "numparse fuzz: %s for \"%s\"\n", What, Text.c_str());
    std::abort();
}

const std::regex &Grammar()
{
    static const std::regex grammar(R"( *[+-]?([0-9]+(\.[0-9]*)?|\.[0-9]*)([eE][+-]?[0-9]+)?)");
    return grammar;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size)
{
    if (Size == 0)
        return 0;
    const bool comma = Data[0] & 1;
    SetDecimalSeparator(comma ? QStringLiteral(",") : QStringLiteral("."));
    const std::string text(reinterpret_cast<const char *>(Data) + 1, Size - 1);

    double value = 0;
    const bool ok = TryStrToNum(QString::fromLatin1(text.data(), qsizetype(text.size())), value);

    std::string point = text; // the text with the separator read as a point
    if (comma)
        for (char &c : point)
            c = c == ',' ? '.' : c;
    const bool grammatical = std::regex_match(point, Grammar());

    if (ok && !std::isfinite(value))
        Fail("accepted a number that is not finite", text);
    if (ok && !grammatical)
        Fail("accepted text outside the grammar", text);
    if (!grammatical)
        return 0;

    // The C library reads the same grammar (this process never sets a locale); a point
    // alone is the one form it does not take.
    std::string forStrtod = point;
    const auto dot = forStrtod.find('.');
    auto digitAt = [&](std::size_t i) {
        return i < forStrtod.size() && std::isdigit(static_cast<unsigned char>(forStrtod[i]));
    };
    if (dot != std::string::npos && !(dot > 0 && digitAt(dot - 1)) && !digitAt(dot + 1))
        forStrtod.insert(dot, "0");
    errno = 0;
    char *end = nullptr;
    const double reference = std::strtod(forStrtod.c_str(), &end);
    const bool representable = errno != ERANGE && std::isfinite(reference);
    if (representable && std::fabs(reference) >= DBL_MIN) {
        if (!ok)
            Fail("rejected a number of the grammar", text);
        if (value != reference)
            Fail("read a different value", text);
    }
    return 0;
}
