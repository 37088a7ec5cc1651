// The window in each language the program ships: every page's labels, buttons, check boxes,
// list entries and tabs fit their controls, no English text is left where a translation
// belongs (names excepted), and accessible names follow the language. Every entry of the
// catalogues, the messages too, reads translated with each of its place markers kept.

#include "platform/Translations.h"
#include "support/QStringPrinter.h"
#include "support/WindowFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOption>
#include <QTabBar>
#include <QXmlStreamReader>

#include <map>
#include <set>
#include <vector>

namespace {

// Texts that are names, the same in every language: the program's, the formats', the
// virtual devices', the author's; and texts without a word (numbers, times, "...").
bool IsName(const QString& text)
{
    static const std::set<QString> names{"Tessavox", "mp3", "wave", "flac", "opus", "Hz", "dBFS", "s", "min", "Korrin Tessavox",
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
    static const std::map<QString, std::set<QString>> shared{{"de", {"Pause", "OK"}},
                                                             {"fr", {"Pause", "OK"}},
                                                             {"it", {"OK"}},
                                                             {"es", {"%1 bytes"}},
                                                             {"pt_BR", {"OK", "%1 bytes"}}};
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

struct Entry {
    QString context, source, translation;
};

// The entries of a catalogue in translations/, as its translator left them.
std::vector<Entry> ReadCatalogue(const QString& path)
{
    QFile file(path);
    std::vector<Entry> entries;
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            entries.push_back({context, {}, {}});
        else if (xml.name() == QLatin1String("source") && !entries.empty())
            entries.back().source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && !entries.empty())
            entries.back().translation = xml.readElementText();
    }
    return entries;
}

// The place markers of a text, each once, in order.
QStringList Markers(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%\\d"));
    QStringList found;
    for (const QRegularExpressionMatch& match : marker.globalMatch(text))
        found << match.captured();
    found.sort();
    found.removeDuplicates();
    return found;
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

// A translation that drops a place marker loses the file or the time its message names; a
// file dialog's filter that changes a pattern lists other files.
TEST(Catalogues, EveryEntryIsTranslatedWithItsPlaceMarkers)
{
    const QDir folder(QStringLiteral(TRANSLATIONS_DIR));
    const QStringList files = folder.entryList({QStringLiteral("tessavox_*.ts")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        const QString language = file.mid(9).chopped(3);
        const std::vector<Entry> entries = ReadCatalogue(folder.filePath(file));
        ASSERT_FALSE(entries.empty()) << file.toStdString();
        for (const Entry& entry : entries) {
            SCOPED_TRACE((language + QStringLiteral(": ") + entry.source).toStdString());
            if (!IsName(entry.source) && !SharedWithEnglish(language, entry.source)) {
                EXPECT_NE(entry.translation, entry.source) << "left in English";
            }
            EXPECT_EQ(Markers(entry.translation), Markers(entry.source));
            if (entry.context == QLatin1String("FileFilter")) {
                const QStringList source = entry.source.split(QLatin1Char('|'));
                const QStringList shown = entry.translation.split(QLatin1Char('|'));
                ASSERT_EQ(shown.size(), source.size());
                for (qsizetype i = 1; i < source.size(); i += 2)
                    EXPECT_EQ(shown[i], source[i]);
            }
        }
    }
}
