#include "language.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>

namespace
{
const QString SettingsKey = QStringLiteral("language");

QTranslator &Catalogue() // the English one, loaded when first used
{
    static QTranslator catalogue;
    return catalogue;
}
TLanguage Current = TLanguage::Estonian;
} // namespace

std::optional<TLanguage> LanguageOf(const QString &Code)
{
    if (Code == QLatin1String("et"))
        return TLanguage::Estonian;
    if (Code == QLatin1String("en"))
        return TLanguage::English;
    return std::nullopt;
}

QString LanguageCode(TLanguage Language)
{
    return Language == TLanguage::English ? QStringLiteral("en") : QStringLiteral("et");
}

TLanguage DecideLanguage(const QString &CommandLine, const QString &Saved)
{
    return LanguageOf(CommandLine).value_or(LanguageOf(Saved).value_or(TLanguage::Estonian));
}

QString SavedLanguage()
{
    return QSettings(QStringLiteral("Kordal"), QStringLiteral("Kordal"))
        .value(SettingsKey)
        .toString();
}

void SaveLanguage(TLanguage Language)
{
    QSettings(QStringLiteral("Kordal"), QStringLiteral("Kordal"))
        .setValue(SettingsKey, LanguageCode(Language));
}

bool UseLanguage(TLanguage Language)
{
    if (Language == Current)
        return true;
    QTranslator &catalogue = Catalogue();
    if (Language == TLanguage::English) {
        if (catalogue.isEmpty() && !catalogue.load(QStringLiteral(":/i18n/kordal_en.qm")))
            return false;
        QCoreApplication::installTranslator(&catalogue);
    } else {
        QCoreApplication::removeTranslator(&catalogue);
    }
    Current = Language;
    return true;
}

TLanguage CurrentLanguage()
{
    return Current;
}
