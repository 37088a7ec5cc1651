#pragma once
// The program speaks the user's language where it has a catalogue for it, and English
// otherwise. The catalogues are in the program's resources; Qt's own (the standard buttons'
// Yes, No, OK) come from Qt's translations folder where the system has them.

#include <QString>
#include <QStringList>

namespace platform {

// The languages the program has a catalogue for, as named in the catalogues' files ("de",
// "pt_BR"), sorted.
QStringList CatalogueLanguages();

// The catalogue for the first of the given UI languages that has one, in the order the user
// gave them: "de-AT" finds "de", "pt-BR" finds "pt_BR", "pt-PT" does not take "pt_BR".
// English before any language with a catalogue, or none at all, gives an empty string.
QString ChooseCatalogue(const QStringList& uiLanguages, const QStringList& available);

// Installs, into the application that exists, the catalogue of the user's language
// (QLocale's UI languages: LANGUAGE, LC_ALL, LC_MESSAGES, LANG; English under the C locale,
// as for gettext) and Qt's own for it.
// Returns the language installed, empty for English.
QString InstallTranslations();

// Installs the given language's catalogues in place of any installed before; an empty
// language goes back to English. False when the program has no catalogue for it.
bool InstallTranslations(const QString& language);

} // namespace platform
