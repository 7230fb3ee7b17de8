#include "sectionfile.h"

#include "armatuurid.h"
#include "classes.h"
#include "inputfields.h"
#include "rplristloige.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>

namespace
{
const QString FormatName = QStringLiteral("kordal-section");
const QString TooLarge = QStringLiteral("larger than 1 MiB");

// A number of a shape or of one of its objects (T): its key, the quantity it is and the input
// that holds it.
template <class T> struct TNumKey {
    const char *Key;
    TQuantity Quantity;
    double T::*Field;
};
// h first: the bounds of hf and of the covers follow it.
constexpr TNumKey<TShapeInputs> RectangleNums[] = {{"h_mm", TQuantity::h, &TShapeInputs::h},
                                                   {"b_mm", TQuantity::b, &TShapeInputs::b},
                                                   {"a_mm", TQuantity::a, &TShapeInputs::a},
                                                   {"ap_mm", TQuantity::ap, &TShapeInputs::ap},
                                                   {"Msd_kNm", TQuantity::Msd, &TShapeInputs::Msd}};
constexpr TNumKey<TShapeInputs> RibbedSlabNums[] = {
    {"h_mm", TQuantity::h, &TShapeInputs::h},       {"b_mm", TQuantity::b, &TShapeInputs::b},
    {"bw_mm", TQuantity::bw, &TShapeInputs::bw},    {"hf_mm", TQuantity::hf, &TShapeInputs::hf},
    {"a_mm", TQuantity::a, &TShapeInputs::a},       {"ap_mm", TQuantity::ap, &TShapeInputs::ap},
    {"Msd_kNm", TQuantity::Msd, &TShapeInputs::Msd}};

std::span<const TNumKey<TShapeInputs>> NumKeys(bool RibbedSlab)
{
    if (RibbedSlab)
        return RibbedSlabNums;
    return RectangleNums;
}

constexpr TNumKey<TServiceInputs> ServiceNums[] = {
    {"Mk_kNm", TQuantity::Mk, &TServiceInputs::Mk},
    {"Mqp_kNm", TQuantity::Mqp, &TServiceInputs::Mqp},
    {"creep", TQuantity::Phi, &TServiceInputs::Phi},
    {"dg_mm", TQuantity::dg, &TServiceInputs::dg}};
constexpr TNumKey<TShearInputs> ShearNums[] = {{"Vsd_kN", TQuantity::Vsd, &TShearInputs::Vsd},
                                               {"link_legs", TQuantity::Legs, &TShearInputs::Legs},
                                               {"link_spacing_mm", TQuantity::s, &TShearInputs::s}};
// The keys version 3 added.
constexpr TNumKey<TServiceInputs> CoverDevNums[] = {
    {"cover_deviation_mm", TQuantity::CoverDev, &TServiceInputs::CoverDev}};
constexpr TNumKey<TMemberInputs> MemberNums[] = {{"span_m", TQuantity::Span, &TMemberInputs::Span}};
constexpr int DesignLives[] = {50, 100};
// The support schemes in TSupport order.
constexpr const char *SupportNames[] = {"simple", "end", "interior", "cantilever"};
const QString ServiceKey = QStringLiteral("serviceability");
const QString ShearKey = QStringLiteral("shear");
const QString ExposureKey = QStringLiteral("exposure");
const QString LinkSteelKey = QStringLiteral("link_steel");
const QString LinkDKey = QStringLiteral("link_diameter_mm");
const QString DesignLifeKey = QStringLiteral("design_life_years");
const QString MemberKey = QStringLiteral("member");
const QString SupportKey = QStringLiteral("support");
const QString PartitionsKey = QStringLiteral("partitions");
const QString RowsKey = QStringLiteral("rows");

struct TClassKey {
    const char *Key;
    bool Concrete;
    std::string TShapeInputs::*Field;
};
constexpr TClassKey ClassKeys[] = {{"concrete", true, &TShapeInputs::Concrete},
                                   {"tension_steel", false, &TShapeInputs::TensionSteel},
                                   {"compression_steel", false, &TShapeInputs::CompressionSteel}};

// A bar group and the rows the window offers it: three for the tension bars, two above.
struct TBarsKey {
    const char *Key;
    int TShapeInputs::*Count;
    int TShapeInputs::*D;
    int TShapeInputs::*Rows;
    int MaxRows;
};
constexpr TBarsKey BarsKeys[] = {{"tension_bars", &TShapeInputs::TensionCount,
                                  &TShapeInputs::TensionD, &TShapeInputs::TensionRows, 3},
                                 {"compression_bars", &TShapeInputs::CompressionCount,
                                  &TShapeInputs::CompressionD, &TShapeInputs::CompressionRows, 2}};

// Shortest round-trip decimal, with a full stop: numbers as the file writes them.
QString Num(double Value)
{
    return QString::number(Value, 'g', QLocale::FloatingPointShortest);
}

// What the window shows for the held value: of the doubles within two steps of Held * Scale
// that the window would store as Held (typed value / Scale), the one written shortest.
double Displayed(double Held, double Scale)
{
    const double nearest = Held * Scale;
    double best = nearest, below = nearest, above = nearest;
    qsizetype bestLength = std::numeric_limits<qsizetype>::max();
    for (int step = 0; step <= 2; ++step) {
        for (double y : {below, above}) {
            if (y / Scale == Held && Num(y).size() < bestLength) {
                best = y;
                bestLength = Num(y).size();
            }
        }
        below = std::nextafter(below, -HUGE_VAL);
        above = std::nextafter(above, HUGE_VAL);
    }
    return best;
}

template <class T>
void WriteNums(QJsonObject &Object, const T &In, std::span<const TNumKey<T>> Keys)
{
    for (const TNumKey<T> &k : Keys)
        Object[QLatin1String(k.Key)] = Displayed(In.*k.Field, ScaleOf(k.Quantity));
}

QJsonObject ShapeObject(const TShapeInputs &In, bool RibbedSlab)
{
    QJsonObject shape;
    WriteNums(shape, In, NumKeys(RibbedSlab));
    for (const TClassKey &k : ClassKeys)
        shape[QLatin1String(k.Key)] = QString::fromStdString(In.*k.Field);
    for (const TBarsKey &k : BarsKeys)
        shape[QLatin1String(k.Key)] =
            QJsonObject{{"count", In.*k.Count}, {"diameter_mm", In.*k.D}, {RowsKey, In.*k.Rows}};

    QJsonObject service;
    WriteNums<TServiceInputs>(service, In.Service, ServiceNums);
    WriteNums<TServiceInputs>(service, In.Service, CoverDevNums);
    service[DesignLifeKey] = In.Service.DesignLife;
    // An exposure outside the enumeration is written as no name, which reading refuses.
    const auto exposure = static_cast<std::size_t>(In.Service.Exposure);
    service[ExposureKey] =
        exposure < ExposureNames.size() ? QString::fromUtf8(ExposureNames[exposure]) : QString();
    shape[ServiceKey] = service;

    QJsonObject shear;
    WriteNums<TShearInputs>(shear, In.Shear, ShearNums);
    shear[LinkSteelKey] = QString::fromStdString(In.LinkSteel);
    shear[LinkDKey] = In.Shear.LinkD;
    shape[ShearKey] = shear;

    QJsonObject member;
    WriteNums<TMemberInputs>(member, In.Member, MemberNums);
    // A support outside the enumeration is written as no name, which reading refuses.
    const auto support = static_cast<std::size_t>(In.Member.Support);
    member[SupportKey] =
        support < std::size(SupportNames) ? QLatin1String(SupportNames[support]) : QString();
    member[PartitionsKey] = In.Member.Partitions;
    shape[MemberKey] = member;
    return shape;
}

// Reading: the first fault found is thrown as "<where>: <what>" and ends the reading.
struct TRefusal {
    QString Text;
};

[[noreturn]] void Refuse(const QString &Where, const QString &What)
{
    throw TRefusal{Where.isEmpty() ? What : Where + QStringLiteral(": ") + What};
}

// Text from the file for a message, cut short when long.
QString Cut(const QString &Text)
{
    return Text.size() > 40 ? Text.left(40) + QStringLiteral("...") : Text;
}

QString Quoted(const QString &Text)
{
    return QLatin1Char('"') + Cut(Text) + QLatin1Char('"');
}

QString Child(const QString &Where, const QString &Key)
{
    return Where.isEmpty() ? Cut(Key) : Where + QLatin1Char('.') + Cut(Key);
}

void RefuseUnknownKeys(const QJsonObject &Object, const QString &Where, const QStringList &Known)
{
    for (const QString &key : Object.keys())
        if (!Known.contains(key))
            Refuse(Child(Where, key), QStringLiteral("unknown key"));
}

// Object's value at Key, which must be there and be of Type.
QJsonValue Member(const QJsonObject &Object, const QString &Where, const QString &Key,
                  QJsonValue::Type Type)
{
    const QJsonValue value = Object.value(Key);
    if (value.isUndefined())
        Refuse(Child(Where, Key), QStringLiteral("missing"));
    if (value.type() != Type)
        Refuse(Child(Where, Key), Type == QJsonValue::Double   ? QStringLiteral("not a number")
                                  : Type == QJsonValue::String ? QStringLiteral("not a string")
                                  : Type == QJsonValue::Bool   ? QStringLiteral("not true or false")
                                                               : QStringLiteral("not an object"));
    return value;
}

double Number(const QJsonObject &Object, const QString &Where, const QString &Key)
{
    return Member(Object, Where, Key, QJsonValue::Double).toDouble();
}

// "C16/20..C50/60" of the concrete classes the window offers, or every steel class.
QString ClassChoice(bool Concrete)
{
    if (Concrete)
        return QString::fromUtf8(BetKlassTabel[MinBetKlIndex - 1].Name) + QStringLiteral("..") +
               QString::fromUtf8(BetKlassTabel.back().Name);
    QStringList names;
    for (const TArmKlassRec &row : ArmKlassTabel)
        names << QString::fromUtf8(row.Name);
    return names.join(QStringLiteral(", "));
}

bool IsOffered(const std::string &Name, bool Concrete)
{
    if (Concrete)
        return std::any_of(BetKlassTabel.begin() + (MinBetKlIndex - 1), BetKlassTabel.end(),
                           [&](const TBetKlassRec &row) { return Name == row.Name; });
    return std::any_of(ArmKlassTabel.begin(), ArmKlassTabel.end(),
                       [&](const TArmKlassRec &row) { return Name == row.Name; });
}

// Why Shown, a value of Q in display units, is outside Bounds; HeightMm is the file's h.
QString Beyond(TQuantity Q, double Shown, const TBounds &Bounds, double HeightMm)
{
    if (Bounds.Whole)
        return Num(Shown) + QStringLiteral(" is not a whole number ") + Num(Bounds.Lower) +
               QStringLiteral("..") + Num(Bounds.Upper);
    if (Shown < Bounds.Lower)
        return Num(Shown) + QStringLiteral(" is below ") + Num(Bounds.Lower);
    QString limit = Num(Bounds.Upper);
    if (Q == TQuantity::hf)
        limit = QStringLiteral("h = ") + Num(HeightMm);
    else if (Q == TQuantity::a || Q == TQuantity::ap)
        limit = QStringLiteral("h/2 = ") + Num(HeightMm / 2);
    return Num(Shown) + QStringLiteral(" is above ") + limit;
}

// The number at Key, a Q in display units, as the section holds it. HeightHeld (m) gives the
// bounds of hf and the covers, HeightMm (as written) their messages.
double ReadNumber(const QJsonObject &Object, const QString &Where, const QString &Key, TQuantity Q,
                  double HeightHeld, double HeightMm)
{
    const double shown = Number(Object, Where, Key);
    const double scale = ScaleOf(Q);
    double held = shown / scale; // as the window stores a typed value
    if (held == 0.0)
        held = 0.0; // and never -0
    // Checked as the window checks the value it shows, so that a file written from what was
    // read passes the same checks.
    const TBounds bounds = BoundsOf(Q, HeightHeld * 1000);
    if (!bounds.Contains(held * scale))
        Refuse(Child(Where, Key), Beyond(Q, shown, bounds, HeightMm));
    return held;
}

template <class T>
void ReadNums(const QJsonObject &Object, const QString &Where, T &In,
              std::span<const TNumKey<T>> Keys)
{
    for (const TNumKey<T> &k : Keys)
        In.*k.Field = ReadNumber(Object, Where, QLatin1String(k.Key), k.Quantity, 0.0, 0.0);
}

std::string ReadClass(const QJsonObject &Object, const QString &Where, const QString &Key,
                      bool Concrete)
{
    const QString name = Member(Object, Where, Key, QJsonValue::String).toString();
    if (!IsOffered(name.toStdString(), Concrete))
        Refuse(Child(Where, Key),
               Quoted(name) + QStringLiteral(" is not one of ") + ClassChoice(Concrete));
    return name.toStdString();
}

// The object at Key, which must be there and hold the keys Known and no others.
QJsonObject ReadObject(const QJsonObject &Object, const QString &Where, const QString &Key,
                       const QStringList &Known)
{
    const QJsonObject object = Member(Object, Where, Key, QJsonValue::Object).toObject();
    RefuseUnknownKeys(object, Child(Where, Key), Known);
    return object;
}

// Version 2 has no design life and cover deviation: a new section's.
TServiceInputs ReadService(const QJsonObject &Shape, const QString &ShapeWhere, int Version)
{
    QStringList known{ExposureKey};
    for (const auto &k : ServiceNums)
        known << QLatin1String(k.Key);
    if (Version >= 3) {
        known << DesignLifeKey;
        for (const auto &k : CoverDevNums)
            known << QLatin1String(k.Key);
    }
    const QJsonObject object = ReadObject(Shape, ShapeWhere, ServiceKey, known);
    const QString where = Child(ShapeWhere, ServiceKey);

    TServiceInputs in;
    ReadNums<TServiceInputs>(object, where, in, ServiceNums);
    if (Version >= 3) {
        ReadNums<TServiceInputs>(object, where, in, CoverDevNums);
        const double life = Number(object, where, DesignLifeKey);
        if (std::find(std::begin(DesignLives), std::end(DesignLives), life) ==
            std::end(DesignLives))
            Refuse(Child(where, DesignLifeKey),
                   Num(life) + QStringLiteral(" is not a design life: 50, 100"));
        in.DesignLife = static_cast<int>(life);
    }
    const QString exposure = Member(object, where, ExposureKey, QJsonValue::String).toString();
    const auto found =
        std::find_if(ExposureNames.begin(), ExposureNames.end(),
                     [&](const char *name) { return exposure == QLatin1String(name); });
    if (found == ExposureNames.end()) {
        QStringList names;
        for (const char *name : ExposureNames)
            names << QLatin1String(name);
        Refuse(Child(where, ExposureKey), Quoted(exposure) + QStringLiteral(" is not one of ") +
                                              names.join(QStringLiteral(", ")));
    }
    in.Exposure = static_cast<TExposure>(found - ExposureNames.begin());
    return in;
}

TShearInputs ReadShear(const QJsonObject &Shape, const QString &ShapeWhere, std::string &LinkSteel)
{
    QStringList known{LinkSteelKey, LinkDKey};
    for (const auto &k : ShearNums)
        known << QLatin1String(k.Key);
    const QJsonObject object = ReadObject(Shape, ShapeWhere, ShearKey, known);
    const QString where = Child(ShapeWhere, ShearKey);

    TShearInputs in;
    ReadNums<TShearInputs>(object, where, in, ShearNums);
    LinkSteel = ReadClass(object, where, LinkSteelKey, false);
    const double d = Number(object, where, LinkDKey);
    if (std::find(std::begin(LinkDiameters), std::end(LinkDiameters), d) ==
        std::end(LinkDiameters)) {
        QStringList diameters;
        for (int offered : LinkDiameters)
            diameters << QString::number(offered);
        Refuse(Child(where, LinkDKey), Num(d) + QStringLiteral(" is not a link diameter: ") +
                                           diameters.join(QStringLiteral(", ")));
    }
    in.LinkD = static_cast<int>(d);
    return in;
}

TMemberInputs ReadMember(const QJsonObject &Shape, const QString &ShapeWhere)
{
    QStringList known{SupportKey, PartitionsKey};
    for (const auto &k : MemberNums)
        known << QLatin1String(k.Key);
    const QJsonObject object = ReadObject(Shape, ShapeWhere, MemberKey, known);
    const QString where = Child(ShapeWhere, MemberKey);

    TMemberInputs in;
    ReadNums<TMemberInputs>(object, where, in, MemberNums);
    const QString support = Member(object, where, SupportKey, QJsonValue::String).toString();
    const auto found =
        std::find_if(std::begin(SupportNames), std::end(SupportNames),
                     [&](const char *name) { return support == QLatin1String(name); });
    if (found == std::end(SupportNames))
        Refuse(Child(where, SupportKey),
               Quoted(support) +
                   QStringLiteral(" is not one of simple, end, interior, cantilever"));
    in.Support = static_cast<TSupport>(found - std::begin(SupportNames));
    in.Partitions = Member(object, where, PartitionsKey, QJsonValue::Bool).toBool();
    return in;
}

TShapeInputs ReadShape(const QJsonObject &Top, const QString &Where, bool RibbedSlab, int Version)
{
    QStringList known;
    for (const auto &k : NumKeys(RibbedSlab))
        known << QLatin1String(k.Key);
    for (const TClassKey &k : ClassKeys)
        known << QLatin1String(k.Key);
    for (const TBarsKey &k : BarsKeys)
        known << QLatin1String(k.Key);
    if (Version >= 2)
        known << ServiceKey << ShearKey;
    if (Version >= 3)
        known << MemberKey;
    const QJsonObject shape = ReadObject(Top, {}, Where, known);

    TShapeInputs in;
    double heightMm = 0.0; // as written in the file, for the messages
    for (const auto &k : NumKeys(RibbedSlab)) {
        const QString key = QLatin1String(k.Key);
        in.*k.Field = ReadNumber(shape, Where, key, k.Quantity, in.h, heightMm);
        if (k.Quantity == TQuantity::h)
            heightMm = Number(shape, Where, key);
    }
    for (const TClassKey &k : ClassKeys)
        in.*k.Field = ReadClass(shape, Where, QLatin1String(k.Key), k.Concrete);
    for (const TBarsKey &k : BarsKeys) {
        const QString where = Child(Where, QLatin1String(k.Key));
        const QJsonObject bars =
            Member(shape, Where, QLatin1String(k.Key), QJsonValue::Object).toObject();
        QStringList barKeys{QStringLiteral("count"), QStringLiteral("diameter_mm")};
        if (Version >= 3)
            barKeys << RowsKey;
        RefuseUnknownKeys(bars, where, barKeys);
        const double count = Number(bars, where, QStringLiteral("count"));
        if (!(count >= 1 && count <= MaxBarCount && count == std::floor(count)))
            Refuse(where + QStringLiteral(".count"),
                   Num(count) + QStringLiteral(" is not a bar count 1..") + Num(MaxBarCount));
        const double d = Number(bars, where, QStringLiteral("diameter_mm"));
        if (std::find(ArmDiameetrid.begin(), ArmDiameetrid.end(), d) == ArmDiameetrid.end())
            Refuse(where + QStringLiteral(".diameter_mm"),
                   Num(d) + QStringLiteral(" is not a diameter of the bar table"));
        in.*k.Count = static_cast<int>(count);
        in.*k.D = static_cast<int>(d);
        if (Version >= 3) { // before: one row
            const double rows = Number(bars, where, RowsKey);
            if (!(rows >= 1 && rows <= k.MaxRows && rows == std::floor(rows)))
                Refuse(Child(where, RowsKey),
                       Num(rows) + QStringLiteral(" is not a row count 1..") + Num(k.MaxRows));
            in.*k.Rows = static_cast<int>(rows);
        }
    }
    if (Version >= 2) {
        in.Service = ReadService(shape, Where, Version);
        in.Shear = ReadShear(shape, Where, in.LinkSteel);
    } else { // before these inputs: a new section's
        in.Service = TServiceInputs{};
        in.Shear = TShearInputs{};
        in.LinkSteel = ArmKlassTabel[DefaultAArmKlIndex - 1].Name;
    }
    if (Version >= 3)
        in.Member = ReadMember(shape, Where); // before: a new section's
    return in;
}

TSectionDocument ReadDocument(const QByteArray &Bytes)
{
    if (Bytes.size() > MaxSectionFileSize)
        Refuse({}, TooLarge);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8(Bytes); // decoding is what finds the faults
    if (utf8.hasError())
        Refuse({}, QStringLiteral("not UTF-8 text"));
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(Bytes, &error);
    if (error.error != QJsonParseError::NoError)
        Refuse({}, QStringLiteral("not JSON: ") + error.errorString() +
                       QStringLiteral(" at byte ") + QString::number(error.offset));
    if (!json.isObject())
        Refuse({}, QStringLiteral("not a section file: no JSON object"));

    const QJsonObject top = json.object();
    const QString format = Member(top, {}, QStringLiteral("format"), QJsonValue::String).toString();
    if (format != FormatName)
        Refuse(QStringLiteral("format"),
               Quoted(format) + QStringLiteral(" is not ") + Quoted(FormatName));
    const double version = Number(top, {}, QStringLiteral("version"));
    if (std::isfinite(version) && version == std::floor(version) && version > SectionFileVersion)
        Refuse(QStringLiteral("version"),
               Num(version) + QStringLiteral(" is newer than this program reads (up to ") +
                   Num(SectionFileVersion) +
                   QStringLiteral("); a later release of the program wrote it"));
    if (version < 1 || version > SectionFileVersion || version != std::floor(version)) {
        QStringList versions;
        for (int v = 1; v <= SectionFileVersion; ++v)
            versions << QString::number(v);
        Refuse(QStringLiteral("version"),
               Num(version) + QStringLiteral(" is not a version this program reads (") +
                   versions.join(QStringLiteral(", ")) + QLatin1Char(')'));
    }
    RefuseUnknownKeys(top, {},
                      {QStringLiteral("format"), QStringLiteral("version"), QStringLiteral("shape"),
                       QStringLiteral("rectangle"), QStringLiteral("ribbed_slab")});
    const QString shape = Member(top, {}, QStringLiteral("shape"), QJsonValue::String).toString();
    if (shape != QStringLiteral("rectangle") && shape != QStringLiteral("ribbed-slab"))
        Refuse(QStringLiteral("shape"),
               Quoted(shape) + QStringLiteral(" is neither \"rectangle\" nor \"ribbed-slab\""));

    TSectionDocument doc;
    doc.RibbedSlabShown = shape == QStringLiteral("ribbed-slab");
    doc.Version = static_cast<int>(version);
    doc.Rectangle = ReadShape(top, QStringLiteral("rectangle"), false, doc.Version);
    doc.RibbedSlab = ReadShape(top, QStringLiteral("ribbed_slab"), true, doc.Version);
    return doc;
}
} // namespace

TShapeInputs InputsOf(const TRistLoige &RL)
{
    TShapeInputs in;
    in.b = RL.b;
    in.h = RL.h;
    in.a = RL.a;
    in.ap = RL.ap;
    in.Msd = RL.Msd;
    if (const auto *rpl = dynamic_cast<const TRPLRistLoige *>(&RL)) {
        in.bw = rpl->bw;
        in.hf = rpl->hf;
    }
    in.Concrete = RL.BetKlass.Name;
    in.TensionSteel = RL.AArmKlass.Name;
    in.CompressionSteel = RL.YArmKlass.Name;
    in.TensionCount = RL.AArmatuur.Arv;
    in.TensionD = RL.AArmatuur.D;
    in.CompressionCount = RL.YArmatuur.Arv;
    in.CompressionD = RL.YArmatuur.D;
    in.TensionRows = RL.AArmatuur.Rows;
    in.CompressionRows = RL.YArmatuur.Rows;
    in.Service = RL.Kasutus;
    in.Shear = RL.Nihe;
    in.LinkSteel = RL.RArmKlass.Name;
    in.Member = RL.Ava;
    return in;
}

void ApplyInputs(const TShapeInputs &In, TRistLoige &RL)
{
    RL.b = In.b;
    RL.h = In.h;
    RL.a = In.a;
    RL.ap = In.ap;
    RL.Msd = In.Msd;
    if (auto *rpl = dynamic_cast<TRPLRistLoige *>(&RL)) {
        rpl->bw = In.bw;
        rpl->hf = In.hf;
    }
    for (int k = MinBetKlIndex; k <= BetKlassid->Count; ++k)
        if (BetKlassid->Items(k).Name == In.Concrete)
            BetKlassid->Items(k).Assign(RL.BetKlass);
    for (int k = 1; k <= ArmKlassid->Count; ++k) {
        const TArmKlass &steel = ArmKlassid->Items(k);
        if (steel.Name == In.TensionSteel)
            steel.Assign(RL.AArmKlass);
        if (steel.Name == In.CompressionSteel)
            steel.Assign(RL.YArmKlass);
        if (steel.Name == In.LinkSteel)
            steel.Assign(RL.RArmKlass);
    }
    RL.AArmatuur.Arv = In.TensionCount;
    RL.AArmatuur.D = In.TensionD;
    RL.AArmatuur.CalcArea();
    RL.YArmatuur.Arv = In.CompressionCount;
    RL.YArmatuur.D = In.CompressionD;
    RL.YArmatuur.CalcArea();
    RL.AArmatuur.Rows = In.TensionRows;
    RL.YArmatuur.Rows = In.CompressionRows;
    RL.Kasutus = In.Service;
    RL.Nihe = In.Shear;
    RL.Ava = In.Member;
}

QByteArray WriteSectionDocument(const TSectionDocument &Doc)
{
    const QJsonObject top{{"format", FormatName},
                          {"version", SectionFileVersion},
                          {"shape", Doc.RibbedSlabShown ? QStringLiteral("ribbed-slab")
                                                        : QStringLiteral("rectangle")},
                          {"rectangle", ShapeObject(Doc.Rectangle, false)},
                          {"ribbed_slab", ShapeObject(Doc.RibbedSlab, true)}};
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

std::variant<TSectionDocument, QString> ReadSectionDocument(const QByteArray &Bytes,
                                                            const QString &FileName)
{
    try {
        return ReadDocument(Bytes);
    } catch (const TRefusal &refusal) {
        return FileName + QStringLiteral(": ") + refusal.Text;
    }
}

std::variant<TSectionDocument, QString> LoadSectionFile(const QString &Path)
{
    const QString name = QFileInfo(Path).fileName();
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly))
        return name + QStringLiteral(": ") + file.errorString();
    if (file.size() > MaxSectionFileSize)
        return name + QStringLiteral(": ") + TooLarge;
    const QByteArray bytes = file.read(MaxSectionFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return name + QStringLiteral(": ") + file.errorString();
    return ReadSectionDocument(bytes, name);
}

QString SaveSectionFile(const QString &Path, const TSectionDocument &Doc)
{
    const QByteArray bytes = WriteSectionDocument(Doc);
    QSaveFile file(Path);
    // Unbuffered, and written on until every byte is in or a write fails: a short write (a
    // full disk) is no error to QFile, and a buffered one would surface only in the flush
    // inside commit(), which then renames the truncated file over the old one all the same.
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        qint64 written = 0;
        while (written < bytes.size()) {
            const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
            if (n <= 0)
                break;
            written += n;
        }
        if (written == bytes.size() && file.commit())
            return {};
    }
    return QFileInfo(Path).fileName() + QStringLiteral(": ") + file.errorString();
}
