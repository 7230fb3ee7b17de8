// Fuzzes the numeric fields: the character filter on a real line edit keeps exactly the
// admitted characters of what was typed, in their order; the conversion accepts exactly its
// grammar (optional blanks, an optional sign, digits with an optional point, a point alone
// being 0, an optional exponent, nothing after) and reads what the C library reads.
#include "comproc.h"
#include "numformat.h"
#include "numparse.h"

#include <QApplication>
#include <QLineEdit>

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>

namespace
{
void Check(bool Condition, const char *What, const QString &Text)
{
    if (!Condition) {
        std::fprintf(stderr, "input fuzz: %s for \"%s\"\n", What, Text.toUtf8().constData());
        std::abort();
    }
}

QLineEdit &Edit() // a field filtered as the window's are, in an application left to the exit
{
    static int argc = 1;
    static char name[] = "input_fuzz", *argv[] = {name, nullptr};
    static auto *application =
        (qputenv("QT_QPA_PLATFORM", "offscreen"), new QApplication(argc, argv));
    static QLineEdit *edit = [] {
        auto *e = new QLineEdit;
        e->setMaxLength(1 << 20);
        QObject::connect(e, &QLineEdit::textChanged, e, [e] { FilterNumEdit(e); });
        return e;
    }();
    (void)application;
    return *edit;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size)
{
    if (Size == 0)
        return 0;
    static const QString separators[] = {".", ",", QString(QChar(0x066B))}; // Arabic too
    SetDecimalSeparator(separators[Data[0] % 3]);
    const std::string bytes(reinterpret_cast<const char *>(Data) + 1, Size - 1);
    const QString typed = QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    QString expected;
    for (QChar c : typed)
        if (NumChars().Contains(c))
            expected += c;
    Edit().clear();
    Edit().setText(typed);
    Check(Edit().text() == expected, "the filter kept other than the admitted characters", typed);
    if (Data[0] % 3 == 2)
        return 0; // the grammar below is written for a point or a comma

    const QString text = QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    double value = 0;
    const bool ok = TryStrToNum(text, value);
    std::string point = bytes; // the separator read as a point
    if (Data[0] % 3 == 1)
        std::replace(point.begin(), point.end(), ',', '.');
    static const std::regex grammar(R"( *[+-]?([0-9]+(\.[0-9]*)?|\.[0-9]*)([eE][+-]?[0-9]+)?)");
    const bool grammatical = std::regex_match(point, grammar);
    Check(!ok || (std::isfinite(value) && grammatical), "accepted a text outside the grammar",
          text);
    // The C library reads the same grammar (this process sets no locale) but for a point
    // without digits on either side.
    const auto dot = point.find('.');
    const auto digit = [&](std::size_t i) { return i < point.size() && std::isdigit(point[i]); };
    if (dot != std::string::npos && !(dot > 0 && digit(dot - 1)) && !digit(dot + 1))
        point.insert(dot, "0");
    errno = 0;
    const double reference = std::strtod(point.c_str(), nullptr);
    Check(!grammatical || errno == ERANGE || !std::isfinite(reference) ||
              std::fabs(reference) < DBL_MIN || (ok && value == reference),
          "read a number of the grammar otherwise than the C library", text);
    return 0;
}
