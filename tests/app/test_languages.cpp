// The window in each language the program ships: every page's labels, buttons, check boxes,
// list entries and tabs fit their controls, no English text is left where a translation
// belongs (names excepted), accessible names follow the language, and every message the
// program can show reads translated, with each of its values still in it.

#include "engine/formats/FormatTable.h"
#include "platform/Translations.h"
#include "support/QStringPrinter.h"
#include "support/WindowFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOption>
#include <QTabBar>

#include <map>
#include <set>

namespace {

// Texts that are names, the same in every language: the program's, the formats', the
// virtual devices', the author's; and texts without a word (numbers, times, "...").
bool IsName(const QString& text)
{
    static const std::set<QString> names{"Tessavox", "mp3", "wave", "flac", "opus", "Hz", "Korrin Tessavox",
                                         "Virtual Sine", "Virtual Counter", "Virtual Silence"};
    static const QRegularExpression noWord(QStringLiteral("^[^A-Za-z]*$"));
    static const QRegularExpression address(QStringLiteral("^(<a href=.*|https?://\\S+|\\S+@\\S+)$"));
    const QString plain = QString(text).remove(QLatin1Char('&')).trimmed();
    return names.count(plain) || noWord.match(plain).hasMatch() || address.match(plain).hasMatch() ||
           QRegularExpression(QStringLiteral("^Virtual ")).match(plain).hasMatch();
}

// Words a language writes as English does, which a translator kept on purpose.
bool SharedWithEnglish(const QString& language, const QString& text)
{
    static const std::map<QString, std::set<QString>> shared{{"de", {"Pause"}}, {"fr", {"Pause"}}};
    const auto words = shared.find(language);
    return words != shared.end() && words->second.count(QString(text).remove(QLatin1Char('&')).trimmed());
}

struct Shown {
    QString text;
    QString accessibleName;
    bool cut = false;
};

// Each control's texts by its place in the window, which is the same in every language.
using Texts = std::map<QString, Shown>;

int Advance(const QWidget& widget, const QString& text)
{
    return widget.fontMetrics().horizontalAdvance(QString(text).remove(QLatin1Char('&')));
}

void Collect(QWidget& root, Texts& texts)
{
    int n = 0;
    for (QWidget* w : root.findChildren<QWidget*>()) {
        const QString key = QStringLiteral("%1#%2").arg(QLatin1String(w->metaObject()->className())).arg(n++);
        if (!w->isVisible())
            continue;
        if (!w->accessibleName().isEmpty())
            texts[key + QStringLiteral("/name")].accessibleName = w->accessibleName();
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
            const bool cut = !label->wordWrap() && label->textFormat() != Qt::RichText &&
                             !Qt::mightBeRichText(label->text()) &&
                             Advance(*label, label->text()) > label->contentsRect().width() - 2 * label->margin();
            texts[key] = {label->text(), {}, cut};
        } else if (auto* button = qobject_cast<QAbstractButton*>(w); button && !button->text().isEmpty()) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const QStyle::SubElement contents = qobject_cast<QCheckBox*>(button)      ? QStyle::SE_CheckBoxContents
                                                : qobject_cast<QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                                                                      : QStyle::SE_PushButtonContents;
            const int room = button->style()->subElementRect(contents, &option, button).width();
            texts[key] = {button->text(), {}, Advance(*button, button->text()) > room};
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            const int room =
                combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo).width();
            // Each entry is shown in the closed list once chosen: each must fit there.
            for (int i = 0; i < combo->count(); ++i)
                texts[key + QStringLiteral("/%1").arg(i)] = {combo->itemText(i), {}, Advance(*combo, combo->itemText(i)) > room};
        } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                texts[key + QStringLiteral("/%1").arg(i)] = {tabs->tabText(i), {},
                                                             Advance(*tabs, tabs->tabText(i)) > tabs->tabRect(i).width()};
        } else if (auto* group = qobject_cast<QGroupBox*>(w); group && !group->title().isEmpty()) {
            texts[key] = {group->title(), {}, Advance(*group, group->title()) > group->width()};
        }
    }
}

// A message the program can show: the catalogue's context, the English text, and values for
// its place markers.
struct Message {
    const char* context;
    const char* source;
    QStringList values;
};

const QString FILE_A = QStringLiteral("/home/user/radio.mp3");
const QString FILE_B = QStringLiteral("/home/user/radio-2.mp3");
const QString MOMENT_A = QStringLiteral("2026-12-11 07:00:00");
const QString MOMENT_B = QStringLiteral("2026-12-11 08:00:00");

const Message MESSAGES[] = {
    {"CTessavoxDlg", "Please select the audio save path.", {}},
    {"CTessavoxDlg", "Hint", {}},
    {"CTessavoxDlg", "Please tick \" Start time:\" to repeat a recording.", {}},
    {"CTessavoxDlg", "%1 already exists.\nDo you want to replace it?", {FILE_A}},
    {"CTessavoxDlg", "%1 already exist.\nDo you want to replace them?", {FILE_A + " and " + FILE_B}},
    {"CScheduleRun", "Please check duration time in schedule panel, it's incorrect.", {}},
    {"CScheduleRun", "Please check time setting in schedule panel, it's incorrect.", {}},
    {"CScheduleRun", "The recording planned from %1 to %2 was not made: Tessavox was not running.", {MOMENT_A, MOMENT_B}},
    {"CScheduleRun",
     "The recording planned from %1 to %2 was not made: the computer was asleep, or its clock was set, past its end.",
     {MOMENT_A, MOMENT_B}},
    {"CScheduleRun", "The recording planned from %1 to %2 will not fit on the disk: there is room for %3.",
     {MOMENT_A, MOMENT_B, "about 2 h"}},
    {"CScheduleRun", "Do you want to schedule it anyway?", {}},
    {"CDialogRecord", "Initialize callback device failed", {}},
    {"CAudioPlayRec", "Error audio device", {}},
    {"CAudioPlayRec", "Recording device failed", {}},
    {"CAudioPlayRec", "Playback device failed", {}},
    {"CAudioPlayRec", "Read sound data from file failed", {}},
    {"Output", "Cannot record %1 bits %2", {"8", "mp3"}},
    {"Output", "Cannot record %1 Hz %2", {"96000", "wave"}},
    {"Output", "Cannot create %1: %2", {FILE_A, "Permission denied"}},
    {"Output", "Write file failed", {}},
    {"Output", "Error loading lame_enc.DLL", {}},
    {"Decoder", "Cannot play %1: %2", {FILE_A, "no MPEG audio frames found"}},
    {"Decoder", "no MPEG audio frames found", {}},
    {"AutostartEntry", "Cannot write %1: %2", {FILE_A, "Permission denied"}},
    {"AutostartEntry", "Cannot create the folder %1", {FILE_A}},
    {"AudioBackend", "No sound server or driver is available.", {}},
    {"AudioBackend", "The device is already in use.", {}},
    {"FileFilter", "Sound files (%1)", {"*.wav *.mp3 *.flac *.opus"}},
};

QString Filled(const char* context, const char* source, const QStringList& values)
{
    QString text = QCoreApplication::translate(context, source);
    for (const QString& value : values)
        text = text.arg(value);
    return text;
}

class Languages : public WindowFixture {
protected:
    void TearDown() override
    {
        platform::InstallTranslations(QString());
        WindowFixture::TearDown();
    }

    // Every page of a new window, as the language installed now shows it.
    Texts OpenAndCollect()
    {
        Reopen();
        window->show();
        Texts texts;
        for (int tab = 0; tab < window->m_tab.count(); ++tab) {
            window->m_tab.setCurrentIndex(tab);
            Pump();
            Texts page;
            Collect(*window, page);
            texts.merge(page);
        }
        return texts;
    }
};

} // namespace

TEST_F(Languages, EveryPageFitsAndSpeaksTheLanguage)
{
    const QStringList languages = platform::CatalogueLanguages();
    ASSERT_FALSE(languages.isEmpty());
    ASSERT_TRUE(platform::InstallTranslations(QString()));
    const Texts english = OpenAndCollect();
    for (const auto& [key, shown] : english)
        EXPECT_FALSE(shown.cut) << "English: " << shown.text.toStdString() << " is cut";
    for (const QString& language : languages) {
        SCOPED_TRACE(language.toStdString());
        ASSERT_TRUE(platform::InstallTranslations(language));
        const Texts translated = OpenAndCollect();
        for (const auto& [key, shown] : translated) {
            EXPECT_FALSE(shown.cut) << shown.text.toStdString() << " is cut";
            const auto source = english.find(key);
            if (source == english.end())
                continue;
            if (!shown.text.isEmpty() && !IsName(shown.text) && !SharedWithEnglish(language, shown.text)) {
                EXPECT_NE(shown.text, source->second.text) << "left in English";
            }
            if (!shown.accessibleName.isEmpty() && !IsName(shown.accessibleName) &&
                !SharedWithEnglish(language, shown.accessibleName)) {
                EXPECT_NE(shown.accessibleName, source->second.accessibleName) << "accessible name left in English";
            }
        }
    }
}

TEST_F(Languages, EveryMessageReadsTranslatedWithItsValues)
{
    const bool qtCatalogues =
        QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).exists(QStringLiteral("qtbase_de.qm"));
    for (const QString& language : platform::CatalogueLanguages()) {
        SCOPED_TRACE(language.toStdString());
        ASSERT_TRUE(platform::InstallTranslations(language));
        for (const Message& message : MESSAGES) {
            const QString text = Filled(message.context, message.source, message.values);
            EXPECT_NE(text, Filled("", message.source, message.values)) << message.source << ": left in English";
            // A translation that drops a place marker loses the file or the time it names.
            for (const QString& value : message.values)
                EXPECT_TRUE(text.contains(value)) << message.source << ": " << value.toStdString() << " lost";
            EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("%\\d")))) << message.source;
        }
        // The file dialogs' filters: the words translated, the patterns as they were.
        for (const FormatRow& row : Formats()) {
            for (const char* filter : {row.saveFilter, row.playFilter}) {
                const QString text = QCoreApplication::translate("FileFilter", filter);
                EXPECT_NE(text, QLatin1String(filter)) << filter << ": left in English";
                const QStringList source = QString::fromLatin1(filter).split(QLatin1Char('|'));
                const QStringList shown = text.split(QLatin1Char('|'));
                ASSERT_EQ(shown.size(), source.size()) << filter;
                for (qsizetype i = 1; i < source.size(); i += 2)
                    EXPECT_EQ(shown[i], source[i]) << filter;
            }
        }
        // The boxes' own buttons come from Qt's catalogue, where the system has it.
        if (qtCatalogues) {
            QMessageBox box(QMessageBox::Question, QStringLiteral("Tessavox"), QStringLiteral("?"),
                            QMessageBox::Yes | QMessageBox::No);
            // Yes only: "No" and "OK" are the same words in several of the languages.
            EXPECT_NE(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Yes"));
        }
    }
}
