// Fuzzes the numeric fields' character filter on a real line edit: what stays is exactly
// the allowed characters of what was typed or pasted, in their order, and filtering the
// result again changes nothing.
#include "comproc.h"
#include "numformat.h"

#include <QApplication>
#include <QLineEdit>

#include <cstdio>
#include <cstdlib>

namespace
{

QLineEdit &Edit()
{
    static int argc = 1;
    static char name[] = "numfilter_fuzz";
    static char *argv[] = {name, nullptr};
    static QApplication *application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    static QLineEdit *edit = [] {
        auto *e = new QLineEdit;
        e->setMaxLength(1 << 20);
        QObject::connect(e, &QLineEdit::textChanged, e, [e] { FilterNumEdit(e); });
        return e;
    }();
    (void)application;
    return *edit;
}

[[noreturn]] void Fail(const char *What)
{
    std::fprintf(stderr, "numfilter fuzz: %s\n", What);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size)
{
    if (Size == 0)
        return 0;
    static const QString separators[] = {QStringLiteral("."), QStringLiteral(","),
                                         QString(QChar(0x066B))}; // Arabic decimal separator
    SetDecimalSeparator(separators[Data[0] % 3]);
    const QString typed =
        QString::fromUtf8(reinterpret_cast<const char *>(Data) + 1, qsizetype(Size - 1));

    QString expected;
    for (QChar c : typed)
        if (NumChars().Contains(c))
            expected += c;

    QLineEdit &edit = Edit();
    edit.clear();
    edit.setText(typed);
    if (edit.text() != expected)
        Fail("the filter kept something else than the allowed characters in order");
    for (QChar c : edit.text())
        if (!NumChars().Contains(c))
            Fail("a character outside the set survived");
    const QString once = edit.text();
    FilterNumEdit(&edit);
    if (edit.text() != once)
        Fail("filtering twice changed the text");
    return 0;
}
