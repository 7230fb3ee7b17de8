// Section files (.kordal): both shapes' inputs as UTF-8 JSON, in the units the window shows.
//
//   { "format": "kordal-section", "version": 1, "shape": "rectangle" | "ribbed-slab",
//     "rectangle":   { b_mm, h_mm, a_mm, ap_mm, Msd_kNm, concrete, tension_steel,
//                      compression_steel, tension_bars, compression_bars },
//     "ribbed_slab": { the same and bw_mm, hf_mm } }   bars: { "count": n, "diameter_mm": D }
//
// Lengths are held in m and written in mm: a length is written as the shortest decimal y with
// y / 1000 equal to the held value, which is how the window stores a typed y, so a file reads
// back to the same doubles. Reading is strict and all or nothing: any missing, unknown or
// mistyped key, a value the window's fields would refuse (BoundsOf), a class or bar the
// window does not offer refuses the whole file with one message,
//   "<file name>: <where>: <what>", e.g. "beam.kordal: ribbed_slab.hf_mm: 600 is above h = 500".
#pragma once

#include <QByteArray>
#include <QString>

#include <string>
#include <variant>

class TRistLoige;

// The inputs of one shape as the section holds them: lengths in m, the moment in kNm.
struct TShapeInputs {
    double b = 0.0, h = 0.0, a = 0.0, ap = 0.0, Msd = 0.0;
    double bw = 0.0, hf = 0.0; // the ribbed slab's; 0 for a rectangle, and not written for it
    std::string Concrete, TensionSteel, CompressionSteel;
    int TensionCount = 0, TensionD = 0, CompressionCount = 0, CompressionD = 0;
    bool operator==(const TShapeInputs &) const = default;
};

struct TSectionDocument {
    bool RibbedSlabShown = false; // the page shown when the file was saved
    TShapeInputs Rectangle, RibbedSlab;
    bool operator==(const TSectionDocument &) const = default;
};

// The largest file read, 1 MiB.
inline constexpr qsizetype MaxSectionFileSize = 1 << 20;

// RL's inputs; bw and hf when RL is a ribbed slab.
TShapeInputs InputsOf(const TRistLoige &RL);
// Into RL: the values, the classes by name from the class lists (a name not there leaves the
// class as it was), the bars with their area; bw and hf when RL is a ribbed slab. RL's design
// values follow at its next CalcDesignValues (Assign and the window's refresh both do it).
void ApplyInputs(const TShapeInputs &In, TRistLoige &RL);

QByteArray WriteSectionDocument(const TSectionDocument &Doc);
// The document in Bytes, or why it is refused; FileName starts the message.
std::variant<TSectionDocument, QString> ReadSectionDocument(const QByteArray &Bytes,
                                                            const QString &FileName);
// Reads the file at Path (refused unread when over MaxSectionFileSize).
std::variant<TSectionDocument, QString> LoadSectionFile(const QString &Path);
// Writes Doc to Path through a temporary file renamed over it when complete, so a failed save
// leaves an existing file as it was. Empty on success, otherwise "<file name>: <reason>".
QString SaveSectionFile(const QString &Path, const TSectionDocument &Doc);
