#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QRegularExpression>
#include <QTranslator>

#include <algorithm>
#include <vector>

namespace platform {

namespace {

const char* const CATALOGUE_FOLDER = ":/i18n";
const char* const CATALOGUE_PREFIX = "tessavox_";

// The translators installed, so that a later choice replaces them rather than adding to them.
std::vector<QPointer<QTranslator>>& Installed()
{
    static std::vector<QPointer<QTranslator>> installed;
    return installed;
}

void RemoveInstalled()
{
    for (const QPointer<QTranslator>& translator : Installed()) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    Installed().clear();
}

bool Install(const QString& fileName, const QString& directory)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(fileName, directory)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    Installed().emplace_back(translator);
    return true;
}

} // namespace

QStringList CatalogueLanguages()
{
    QStringList languages;
    const QString prefix = QLatin1String(CATALOGUE_PREFIX);
    for (const QString& file : QDir(QLatin1String(CATALOGUE_FOLDER)).entryList({prefix + QStringLiteral("*.qm")}, QDir::Files))
        languages << file.mid(prefix.size()).chopped(3);
    languages.sort();
    return languages;
}

QString ChooseCatalogue(const QStringList& uiLanguages, const QStringList& available)
{
    for (const QString& uiLanguage : uiLanguages) {
        // Names come as "de-DE", "de-Latn-DE", "de_DE.UTF-8" or "sr_RS@latin"; a catalogue is
        // named by the language and, where it needs one, the country: "pt_BR".
        const QStringList parts = uiLanguage.section(QLatin1Char('.'), 0, 0)
                                      .section(QLatin1Char('@'), 0, 0)
                                      .split(QRegularExpression(QStringLiteral("[-_]")));
        const QString bare = parts.front();
        const QString withCountry = parts.size() > 1 ? bare + QLatin1Char('_') + parts.back() : bare;
        if (available.contains(withCountry))
            return withCountry;
        if (available.contains(bare))
            return bare;
        // The user put English (or the C locale's untranslated texts) before any language we
        // have: the source texts are what they asked for.
        if (bare == QLatin1String("en") || bare == QLatin1String("C") || bare == QLatin1String("POSIX"))
            return {};
    }
    return {};
}

QString InstallTranslations()
{
    // Qt lists LANGUAGE's languages even under LC_ALL=C, where gettext, and so the rest of the
    // desktop, speaks English: so does the program.
    const QLocale system = QLocale::system();
    const QString language =
        system.name() == QLatin1String("C") ? QString() : ChooseCatalogue(system.uiLanguages(), CatalogueLanguages());
    InstallTranslations(language);
    return language;
}

bool InstallTranslations(const QString& language)
{
    RemoveInstalled();
    if (language.isEmpty())
        return true;
    if (!Install(QLatin1String(CATALOGUE_PREFIX) + language, QLatin1String(CATALOGUE_FOLDER)))
        return false;
    // Qt's own, for the standard buttons and dialogs; without it they stay English.
    Install(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return true;
}

} // namespace platform
