// Section files: what the window holds reads back bit for bit, every fault of a file is
// refused with a message that says where, and a failed save keeps the old file.
#include "armatuurid.h"
#include "classes.h"
#include "rplristloige.h"
#include "sectionfile.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <csignal>
#include <random>
#include <sys/resource.h>

namespace
{
// Every value differs from the others, so that a row below can change one by its text.
const QByteArray Valid = R"({"format": "kordal-section", "version": 1, "shape": "ribbed-slab",
"rectangle": {"b_mm": 400.5, "h_mm": 500.1, "a_mm": -0.0, "ap_mm": 40, "Msd_kNm": 550.25,
 "concrete": "C25/30", "tension_steel": "A500", "compression_steel": "A400", "tension_bars":
 {"count": 6, "diameter_mm": 32}, "compression_bars": {"count": 4, "diameter_mm": 16}},
"ribbed_slab": {"b_mm": 600, "h_mm": 450, "bw_mm": 63.7, "hf_mm": 100, "a_mm": 50, "ap_mm": 35,
 "Msd_kNm": 300, "concrete": "C30/37", "tension_steel": "A-III", "compression_steel": "S235",
 "tension_bars": {"count": 5, "diameter_mm": 25}, "compression_bars": {"count": 2, "diameter_mm": 6}}})";
const TSectionDocument ValidDoc{
    true,
    {400.5 / 1000, 500.1 / 1000, 0, 0.04, 550.25, 0, 0, "C25/30", "A500", "A400", 6, 32, 4, 16},
    {0.6, 0.45, 0.05, 0.035, 300, 63.7 / 1000, 0.1, "C30/37", "A-III", "S235", 5, 25, 2, 6}};

// Why Bytes, as file "f.kordal", are refused; empty when they are read.
QString Refusal(const QByteArray &Bytes)
{
    const auto read = ReadSectionDocument(Bytes, QStringLiteral("f.kordal"));
    return read.index() == 1 ? std::get<QString>(read) : QString();
}
} // namespace

class TSectionFileTest : public QObject
{
    Q_OBJECT
    TClassesScope Classes;

private slots:
    void roundTrip()
    {
        std::mt19937 rng(7);
        auto pick = [&](int Lo, int Hi) { return std::uniform_int_distribution(Lo, Hi)(rng); };
        auto typed = [&](double Upper) { // up to two decimals within 0..Upper, a bound at times
            const double scale = std::pow(10.0, pick(0, 2));
            const int kind = pick(0, 7);
            return kind == 0 ? 0.0 : kind == 1 ? Upper : pick(0, Upper * scale) / scale;
        };
        auto mm = [&](double Upper) { return typed(Upper) / 1000; }; // stored as typed / 1000
        auto steel = [&] { return ArmKlassTabel[pick(0, ArmKlassTabel.size() - 1)].Name; };
        auto bars = [&] { return ArmDiameetrid[pick(0, ArmDiameetrid.size() - 1)]; };
        auto shape = [&](bool Rpl) {
            const double h = typed(2000);
            const char *concrete =
                BetKlassTabel[pick(MinBetKlIndex - 1, BetKlassTabel.size() - 1)].Name;
            return TShapeInputs{
                mm(2000),           h / 1000,        mm(h / 2),   mm(h / 2), typed(10000),
                Rpl ? mm(2000) : 0, Rpl ? mm(h) : 0, concrete,    steel(),   steel(),
                pick(1, 10),        bars(),          pick(1, 10), bars()};
        };
        TRistLoige rectangle;
        TRPLRistLoige ribbedSlab;
        TSectionDocument doc{false, InputsOf(rectangle), InputsOf(ribbedSlab)}; // defaults first
        for (int i = 0; i < 3000; doc = {i % 2 == 1, shape(false), shape(true)}, ++i) {
            const QByteArray bytes = WriteSectionDocument(doc);
            const auto read = ReadSectionDocument(bytes, {});
            QVERIFY2(read.index() == 0 && std::get<0>(read) == doc, bytes);
            QVERIFY2(!QRegularExpression("\\d{8}").match(bytes).hasMatch(), bytes); // as typed
            for (TRistLoige *rl : std::initializer_list<TRistLoige *>{&rectangle, &ribbedSlab}) {
                const TShapeInputs &in = rl == &rectangle ? doc.Rectangle : doc.RibbedSlab;
                ApplyInputs(in, *rl);
                QVERIFY(InputsOf(*rl) == in &&
                        rl->AArmatuur.AsProv == BarArea(in.TensionCount, in.TensionD) &&
                        rl->YArmatuur.AsProv == BarArea(in.CompressionCount, in.CompressionD));
            }
        }
    }

    // The hand-written file, read field by field; then with one fault in it at a time.
    void readFile()
    {
        const TSectionDocument doc = std::get<TSectionDocument>(ReadSectionDocument(Valid, {}));
        QCOMPARE(doc, ValidDoc);
        QVERIFY(!std::signbit(doc.Rectangle.a)); // -0 is read as 0
        // Valid with From replaced by To, and the message after "f.kordal: "; ' stands for ".
        const char *const rows[][3] = {
            {"400.5", "2000.01", "rectangle.b_mm: 2000.01 is above 2000"},
            {"'b_mm': 600", "'b_mm': -0.1", "ribbed_slab.b_mm: -0.1 is below 0"},
            {"'hf_mm': 100", "'hf_mm': 450.1", "ribbed_slab.hf_mm: 450.1 is above h = 450"},
            {"'ap_mm': 40", "'ap_mm': 250.06", "rectangle.ap_mm: 250.06 is above h/2 = 250.05"},
            {"C25/30", "C12/15", "rectangle.concrete: 'C12/15' is not one of C16/20..C50/60"},
            {"'A500'", "'a500'",
             "rectangle.tension_steel: 'a500' is not one of A400, A500, A600, A-I, A-III, S235"},
            {"'count': 6", "'count': 0",
             "rectangle.tension_bars.count: 0 is not a bar count 1..10"},
            {"'count': 4", "'count': 1.5", "rectangle.compression_bars.count: 1.5 is not a bar"},
            {"6}}}", "7}}}",
             "ribbed_slab.compression_bars.diameter_mm: 7 is not a diameter of the"},
            {"'ap_mm': 35,", "", "ribbed_slab.ap_mm: missing"},
            {"'ap_mm': 40,", "'ap_mm': 40, 'bw_mm': 1,", "rectangle.bw_mm: unknown key"},
            {"'count': 2,", "'count': 2, 'n': 1,", "ribbed_slab.compression_bars.n: unknown key"},
            {"'version': 1,", "'version': 1, 'x': 1,", "x: unknown key"},
            {"'h_mm': 500.1", "'h_mm': '500'", "rectangle.h_mm: not a number"},
            {"'A400'", "400", "rectangle.compression_steel: not a string"},
            {"'ribbed-slab'", "'T'", "shape: 'T' is neither 'rectangle' nor 'ribbed-slab'"},
            {"kordal-section", "kordal", "format: 'kordal' is not 'kordal-section'"},
            {"'version': 1", "'version': 2", "version: 2 is not a version this program reads (1)"},
            {"}}}", "}}", "not JSON: "},
            {"A-III", "A-III\xff", "not UTF-8 text"}};
        auto quoted = [](const char *Text) { return QByteArray(Text).replace('\'', '"'); };
        for (const auto &[from, to, message] : rows) {
            const QByteArray text = QByteArray(Valid).replace(quoted(from), quoted(to));
            QVERIFY2(text != Valid && Refusal(text).startsWith("f.kordal: " + quoted(message)),
                     qPrintable(Refusal(text)));
        }
        const QByteArray full = Valid + QByteArray(MaxSectionFileSize - Valid.size(), ' ');
        QTemporaryFile file; // exactly 1 MiB passes the size check before reading too
        QVERIFY(file.open() && file.write(full) == full.size() && file.flush());
        QVERIFY(LoadSectionFile(file.fileName()).index() == 0);
        QCOMPARE(Refusal(full + ' '), QStringLiteral("f.kordal: larger than 1 MiB"));
    }

    // Into a read-only folder, and with a limit on file sizes, as a full disk, for root, whom
    // permissions do not stop.
    void failedSave()
    {
        QTemporaryDir dir;
        const QString old = dir.filePath("old.kordal");
        QCOMPARE(SaveSectionFile(old, ValidDoc), QString());
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit small{100, limit.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails rather than ends the test
        setrlimit(RLIMIT_FSIZE, &small);
        const QString reason =
            SaveSectionFile(old, {false, ValidDoc.Rectangle, ValidDoc.RibbedSlab});
        setrlimit(RLIMIT_FSIZE, &limit);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY2(reason.startsWith("old.kordal: ") && reason.size() > 12, qPrintable(reason));
        QFile file(old);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), WriteSectionDocument(ValidDoc));
    }
};

QTEST_GUILESS_MAIN(TSectionFileTest)
#include "sectionfile_test.moc"
