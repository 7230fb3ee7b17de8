// Fuzzes the reading of section files: any bytes are refused with a message that starts with
// the file's name, or read to a document that is written out and read back the same.
#include "sectionfile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size)
{
    const QString name = QStringLiteral("fuzz.kordal");
    const auto read = ReadSectionDocument(
        QByteArray(reinterpret_cast<const char *>(Data), qsizetype(Size)), name);
    const QString refusal = read.index() == 1 ? std::get<1>(read) : QString();
    if (read.index() == 1
            ? !refusal.startsWith(name + ": ") || refusal.size() <= name.size() + 2
            : ReadSectionDocument(WriteSectionDocument(std::get<0>(read)), name) != read)
        std::abort();
    return 0;
}
