// Fuzzes the reading of section files: any bytes are refused with a message that starts with
// the file's name, or read to a document that is written out and read back the same, as the
// current version whatever version was read.
#include "sectionfile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size)
{
    const QString name = QStringLiteral("fuzz.kordal");
    const auto read = ReadSectionDocument(
        QByteArray(reinterpret_cast<const char *>(Data), qsizetype(Size)), name);
    if (const QString *refusal = std::get_if<QString>(&read)) {
        if (!refusal->startsWith(name + ": ") || refusal->size() <= name.size() + 2)
            std::abort();
        return 0;
    }
    TSectionDocument doc = std::get<TSectionDocument>(read);
    if (doc.Version < 1 || doc.Version > SectionFileVersion)
        std::abort();
    doc.Version = SectionFileVersion;
    const auto again = ReadSectionDocument(WriteSectionDocument(doc), name);
    if (again.index() != 0 || std::get<TSectionDocument>(again) != doc)
        std::abort();
    return 0;
}
