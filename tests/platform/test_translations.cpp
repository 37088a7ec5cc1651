// The language the program speaks: the catalogue of the user's first UI language that has one,
// English otherwise, and Qt's own catalogue with it; every catalogue in translations/ built in.

#include "platform/Translations.h"
#include "support/QStringPrinter.h"

#include <QDir>
#include <QLibraryInfo>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

struct Launched {
    int status = -1;
    QStringList lines;
};

// Runs a program with the locale variables given and none of the caller's, and no display.
Launched RunWithLocale(const QString& program, const QStringList& arguments,
                       const std::vector<std::pair<const char*, const char*>>& locale)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG", "LC_CTYPE", "QT_QPA_PLATFORM", "DISPLAY",
                             "WAYLAND_DISPLAY"})
        env.remove(QLatin1String(name));
    for (const auto& [name, value] : locale)
        env.insert(QLatin1String(name), QLatin1String(value));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    Launched launched;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished(5000);
        return launched;
    }
    launched.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    launched.lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
    return launched;
}

} // namespace

TEST(Translations, TheFirstUiLanguageWithACatalogueIsChosen)
{
    const QStringList available{"de", "es", "fr", "it", "pt_BR"};
    const struct {
        QStringList uiLanguages;
        QString chosen;
    } cases[] = {
        {{"de", "de-Latn-DE", "de-DE", "fr", "fr-Latn-FR"}, "de"},
        {{"fr-FR", "fr", "de"}, "fr"},
        {{"nl-NL", "nl", "es-ES"}, "es"},         // no Dutch: the next language the user gave
        {{"fr-CA", "fr-Latn-CA"}, "fr"},          // Qt lists no bare "fr" for Canada
        {{"de-AT"}, "de"},
        {{"pt-BR", "pt-Latn-BR", "pt"}, "pt_BR"},
        {{"pt-PT", "pt"}, ""},                    // Portugal's Portuguese is not Brazil's
        {{"pt-PT", "pt", "it-IT"}, "it"},
        {{"en", "en-Latn-US", "en-US", "de"}, ""}, // English asked for before German
        {{"en-GB", "fr"}, ""},
        {{"C"}, ""},
        {{}, ""},
        {{"sr_RS@latin", "it_IT.UTF-8"}, "it"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::ChooseCatalogue(c.uiLanguages, available), c.chosen) << c.uiLanguages.join(',').toStdString();
}

TEST(Translations, EveryCatalogueInTheSourcesIsBuiltIn)
{
    QStringList shipped;
    for (const QString& file : QDir(QStringLiteral(TRANSLATIONS_DIR)).entryList({"tessavox_*.ts"}, QDir::Files))
        shipped << file.mid(9).chopped(3);
    shipped.sort();
    EXPECT_FALSE(shipped.isEmpty());
    EXPECT_EQ(platform::CatalogueLanguages(), shipped);
}

// LANGUAGE's order first, then LC_ALL, LC_MESSAGES and LANG; Qt's own catalogue comes with the
// program's, so that the standard buttons speak the same language.
TEST(Translations, TheEnvironmentChoosesTheCatalogue)
{
    const struct {
        std::vector<std::pair<const char*, const char*>> locale;
        const char* language;
    } cases[] = {
        {{{"LANGUAGE", "de:fr"}, {"LANG", "en_US.UTF-8"}}, "de"},
        {{{"LANGUAGE", "fr:de"}, {"LANG", "de_DE.UTF-8"}}, "fr"},
        {{{"LANGUAGE", "en:de"}, {"LANG", "de_DE.UTF-8"}}, "en"},
        {{{"LANG", "de_DE.UTF-8"}}, "de"},
        {{{"LC_MESSAGES", "es_ES.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, "es"},
        {{{"LC_ALL", "it_IT.UTF-8"}, {"LC_MESSAGES", "es_ES.UTF-8"}}, "it"},
        {{{"LANG", "pt_BR.UTF-8"}}, "pt_BR"},
        {{{"LANG", "pt_PT.UTF-8"}}, "en"},
        {{{"LC_ALL", "C"}, {"LANGUAGE", "de"}}, "en"}, // gettext ignores LANGUAGE under C
        {{}, "en"},
    };
    const bool qtCatalogues = QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).exists(QStringLiteral("qtbase_de.qm"));
    for (const auto& c : cases) {
        const Launched child = RunWithLocale(QStringLiteral(LANGUAGE_CHILD), {}, c.locale);
        ASSERT_EQ(child.status, 0);
        ASSERT_GE(child.lines.size(), 2);
        EXPECT_EQ(child.lines[0], QLatin1String(c.language)) << c.locale.size();
        if (qtCatalogues) {
            EXPECT_EQ(child.lines[1] == QLatin1String("&Yes"), QLatin1String(c.language) == QLatin1String("en"))
                << c.language << ": Qt's own catalogue goes with the program's";
        }
    }
}

// Without a display in English is the installed program's test; translated, it still needs none.
TEST(Translations, HelpNeedsNoDisplayInAnyLanguage)
{
    const Launched help = RunWithLocale(QStringLiteral(PROGRAM), {QStringLiteral("--help")}, {{"LANG", "de_DE.UTF-8"}});
    EXPECT_EQ(help.status, 0);
    // The options are names: the same in every language.
    EXPECT_TRUE(help.lines.join(QLatin1Char('\n')).contains(QLatin1String("--minimized")));
}
