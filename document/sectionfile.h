// Section files (.kordal): both shapes' inputs as UTF-8 JSON, in the units the window shows.
//
//   { "format": "kordal-section", "version": 3, "shape": "rectangle" | "ribbed-slab",
//     "rectangle":   { b_mm, h_mm, a_mm, ap_mm, Msd_kNm, concrete, tension_steel,
//                      compression_steel, tension_bars, compression_bars, serviceability, shear,
//                      member },
//     "ribbed_slab": { the same and bw_mm, hf_mm } }
//   bars:           { "count": n, "diameter_mm": D, "rows": r }   r 1..3 in tension, 1..2 in
//                   compression
//   serviceability: { Mk_kNm, Mqp_kNm, "exposure": "XC1", "creep": phi, dg_mm,
//                     "design_life_years": 50 | 100, cover_deviation_mm }
//   shear:          { Vsd_kN, "link_steel": class, link_diameter_mm, link_legs, link_spacing_mm }
//   member:         { span_m, "support": "simple" | "end" | "interior" | "cantilever",
//                     "partitions": true | false }
//
// Older files still open: version 1 has no serviceability and shear, version 2 no rows, design
// life, cover deviation and member; those inputs take a new section's values and the document
// keeps the version read, so that the window shows it as changed until it is saved, always as
// the current version. A newer version is refused as such.
//
// Lengths are held in m and written in mm: a length is written as the shortest decimal y with
// y / 1000 equal to the held value, which is how the window stores a typed y, so a file reads
// back to the same doubles. Reading is strict and all or nothing: any missing, unknown or
// mistyped key, a value the window's fields would refuse (BoundsOf), a class or bar the
// window does not offer refuses the whole file with one message,
//   "<file name>: <where>: <what>", e.g. "beam.kordal: ribbed_slab.hf_mm: 600 is above h = 500".
#pragma once

#include "member.h"
#include "serviceability.h"
#include "shear.h"

#include <QByteArray>
#include <QString>

#include <string>
#include <variant>

class TRistLoige;

// The version this program writes; it reads 1 up to this one.
inline constexpr int SectionFileVersion = 3;

// The inputs of one shape as the section holds them: lengths in m, moments in kNm, forces in kN.
struct TShapeInputs {
    double b = 0.0, h = 0.0, a = 0.0, ap = 0.0, Msd = 0.0;
    double bw = 0.0, hf = 0.0; // the ribbed slab's; 0 for a rectangle, and not written for it
    std::string Concrete, TensionSteel, CompressionSteel;
    int TensionCount = 0, TensionD = 0, CompressionCount = 0, CompressionD = 0;
    TServiceInputs Service;                   // RL.Kasutus
    TShearInputs Shear;                       // RL.Nihe
    std::string LinkSteel;                    // RL.RArmKlass
    int TensionRows = 1, CompressionRows = 1; // RL.AArmatuur.Rows, RL.YArmatuur.Rows
    TMemberInputs Member{};                   // RL.Ava
    bool operator==(const TShapeInputs &) const = default;
};

struct TSectionDocument {
    bool RibbedSlabShown = false; // the page shown when the file was saved
    TShapeInputs Rectangle, RibbedSlab;
    // The version of the file read; the current one for a document the program makes. The
    // writer always writes the current version, so an older file differs from its document
    // until it has been saved again.
    int Version = SectionFileVersion;
    bool operator==(const TSectionDocument &) const = default;
};

// The largest file read, 1 MiB.
inline constexpr qsizetype MaxSectionFileSize = 1 << 20;

// RL's inputs; bw and hf when RL is a ribbed slab.
TShapeInputs InputsOf(const TRistLoige &RL);
// Into RL: the values, the classes (links' too) by name from the class lists (a name not there
// leaves the class as it was), the bars with their area and rows, the serviceability, shear and
// member inputs; bw and hf when RL is a ribbed slab. RL's design
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
