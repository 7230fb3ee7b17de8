// The language of the interface and the calculation sheet. The program's texts are written in
// Estonian, and Estonian needs no catalogue; English comes from the catalogue built into the
// program (ui/kordal_en.ts). The choice made in the window is kept in the settings
// (QSettings "Kordal", "Kordal", key "language": "et" or "en").
#pragma once

#include <QString>

#include <optional>

enum class TLanguage { Estonian, English };

// "et" and "en"; anything else is no language.
std::optional<TLanguage> LanguageOf(const QString &Code);
QString LanguageCode(TLanguage Language);

// The language of a run: the command line's when it names one, else the saved choice, else
// Estonian. The system's locale has no say: the users are Estonian engineers, many of them on
// English systems.
TLanguage DecideLanguage(const QString &CommandLine, const QString &Saved);

// The saved choice as written, empty when there is none.
QString SavedLanguage();
void SaveLanguage(TLanguage Language);

// Every text from now on in Language: the English catalogue installed, or removed for
// Estonian. Qt then sends each window a LanguageChange event. False, and Estonian, when the
// catalogue cannot be loaded.
bool UseLanguage(TLanguage Language);
TLanguage CurrentLanguage();
