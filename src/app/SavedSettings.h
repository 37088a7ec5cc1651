#pragma once
// What the user set on the recording and schedule pages, kept between runs in
// $XDG_CONFIG_HOME/Tessavox/tessavox.conf (INI), and the start a schedule is armed for.
// One table names the saved controls: a new control is kept by one more entry, and a new
// kind of control by one more adapter. A list's choice is kept by what it means (its
// entry's item data: "flac", "44100", "Every day"), never by its place or its shown text,
// so a list that grows or is translated still reads its file. Each value is checked on its
// own, so one out of range leaves the others as saved; a file that cannot be read gives the
// start-up state and is replaced at the next change. Nothing is written while nothing
// changes.

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

class CDialogRecord;
class CDialogSchedule;
class QSettings;

// One saved control: its key in the file, and the page and id it has there.
struct SavedControl {
    enum class Page { Record, Schedule };
    const char* key;
    Page page;
    int id;
    // The list was kept by its entries' positions before: a number that is no entry's
    // meaning is read as the position it was.
    bool wasPosition = false;
};
// Every saved control, in the order the saved values are shown again.
std::span<const SavedControl> SavedControls();

class CSavedSettings : public QObject {
    Q_OBJECT
public:
    CSavedSettings();
    ~CSavedSettings() override;

    static QString FilePath();

    // Shows the saved values in the pages' controls, as if the user had chosen them, then
    // saves each control whenever the user changes it.
    void Restore(CDialogRecord& record, CDialogSchedule& schedule);
    // The file was there but could not be read.
    bool IsDamaged() const { return m_bDamaged; }

    // The moment the armed schedule starts next, or 0 when none is armed.
    std::int64_t ArmedStart() const;
    void SaveArmed(std::int64_t start);

private:
    void Open();
    void Save(const QString& key, const QString& value);

    std::unique_ptr<QSettings> m_pSettings;
    bool m_bDamaged = false;
    // A control kept: its key, and what it shows as the file keeps it.
    struct Kept {
        QString key;
        std::function<QString()> value;
    };
    std::vector<Kept> m_controls;
};
