#include "program.h"

#include "aboutbox.h"
#include "classes.h"
#include "language.h"
#include "mainkordalform.h"
#include "report.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <string_view>

namespace
{
// True when the command line asks for sheets or help only: such a run opens no window and
// needs no display.
bool WithoutWindow(int Argc, char **Argv)
{
    for (int i = 1; i < Argc; ++i) {
        const std::string_view arg = Argv[i];
        if (arg == "--pdf" || arg.starts_with("--pdf=") || arg == "-h" || arg == "--help" ||
            arg == "-?" || arg == "--help-all")
            return true;
    }
    return false;
}

// The value of --lang VALUE or --lang=VALUE, empty without one. Read before the command line
// is parsed: its help and errors are in that language.
QString LangArgument(const QStringList &Args)
{
    for (qsizetype i = 1; i < Args.size(); ++i) {
        if (Args[i] == QLatin1String("--lang") && i + 1 < Args.size())
            return Args[i + 1];
        if (Args[i].startsWith(QLatin1String("--lang=")))
            return Args[i].mid(7);
    }
    return {};
}

// The texts of the command line, in the catalogue's context "Program".
struct Program {
    Q_DECLARE_TR_FUNCTIONS(Program)
};
} // namespace

int RunKordal(int &Argc, char **Argv, const std::function<void(TAboutBox &)> &BeforeLoop)
{
    if (WithoutWindow(Argc, Argv)) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // Standard error is one line per sheet not written; Qt's notes about the machine (no
        // runtime folder, say) would be taken for such lines.
        // (A fatal message still ends the program after the handler.)
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    }
    TClassesScope classes;
    QApplication application(Argc, Argv);
    // --lang for this run only; the window's choice is saved by the window.
    UseLanguage(DecideLanguage(LangArgument(QApplication::arguments()), SavedLanguage()));
    // The program's title for the desktop (task bar, window class). Not the display name:
    // Qt would append that to every window's caption.
    QApplication::setApplicationName(Program::tr("Raudbetoonristlõigete dimensioneerimine (EC2)"));

    QCommandLineParser parser;
    parser.setApplicationDescription(Program::tr(
        "Raudbetoonristlõike dimensioneerimine, EVS-EN 1992-1-1:2007. Ilma valikuteta avab "
        "akna, FILE-ga selle ristlõike faili."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption lang(
        QStringLiteral("lang"),
        Program::tr("Kasutajaliidese ja arvutuslehtede keel selleks käivituseks: et (eesti) või en "
                    "(inglise). Ilma selleta akna menüüs Keel valitud keel, muidu eesti."),
        QStringLiteral("et|en"));
    parser.addOption(lang);
    const QCommandLineOption pdf(
        QStringLiteral("pdf"),
        Program::tr(
            "Kirjutab FILE-de arvutuslehed (PDF) akent avamata. Ühe faili leht failiks OUT või, "
            "kui OUT on kaust või lõpeb märgiga /, sinna nimega FILE.pdf. Mitu faili kausta OUT "
            "(puudumisel luuakse), igaüks nimega FILE.pdf; olemasolev fail OUT neid ei võta. "
            "Ristlõike faile ega sama käivituse lehti üle ei kirjutata. Väljumiskood 0, kui "
            "kõik lehed said kirjutatud, muidu 1 ja iga vigane fail real veaväljundis."),
        QStringLiteral("OUT"));
    parser.addOption(pdf);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 Program::tr("Kordal ristlõike fail (.kordal)."),
                                 QStringLiteral("[FILE...]"));
    QTextStream err(stderr);
    const QStringList files =
        parser.parse(QApplication::arguments()) ? parser.positionalArguments() : QStringList();
    QString error = parser.errorText();
    if (error.isEmpty() && parser.isSet(lang) && !LanguageOf(parser.value(lang)))
        error = Program::tr("Tundmatu keel %1: et või en.").arg(parser.value(lang));
    if (!error.isEmpty() || (!parser.isSet(pdf) && files.size() > 1) ||
        (parser.isSet(pdf) && files.isEmpty())) {
        err << (error.isEmpty() ? Program::tr("Vigased argumendid.") : error) << "\n"
            << parser.helpText();
        return 2;
    }
    if (parser.isSet(help)) {
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    if (parser.isSet(pdf))
        return WriteSheets(parser.value(pdf), files, err);

    int result = 0;
    {
        TMainKordalForm mainForm;
        TAboutBox aboutBox(&mainForm);
        AboutBox = &aboutBox;
        if (!files.isEmpty())
            mainForm.SetStartFile(files.first());
        if (BeforeLoop)
            BeforeLoop(aboutBox);
        mainForm.show();
        result = QApplication::exec();
        AboutBox = nullptr;
    }
    return result;
}
