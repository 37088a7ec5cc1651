#pragma once
// A status notifier area of our own: the watcher (org.kde.StatusNotifierWatcher) that a
// desktop's panel keeps, on a private bus, keeping the items registered with it. It answers
// from a thread of its own: a program starting up asks it with a blocking call while the test
// may be waiting on that program. Also reads an item as a panel does: its tool tip and its
// menu (com.canonical.dbusmenu), and clicks the menu's entries.

#include <QDBusConnection>
#include <QString>
#include <QStringList>
#include <QThread>

#include <map>
#include <memory>
#include <mutex>

namespace tests {

class StatusNotifierWatcherStandIn {
public:
    explicit StatusNotifierWatcherStandIn(const QString& busAddress);
    ~StatusNotifierWatcherStandIn();
    StatusNotifierWatcherStandIn(const StatusNotifierWatcherStandIn&) = delete;
    StatusNotifierWatcherStandIn& operator=(const StatusNotifierWatcherStandIn&) = delete;

    // Empty when the watcher has its name; else what went wrong.
    QString Failure() const { return m_strFailure; }
    // The services of the items registered, in order.
    QStringList Items() const;
    void Register(const QString& service);
    // The watcher leaves the bus, as when the panel quits.
    void Leave();

private:
    QString m_strConnection;
    QThread m_thread;
    QString m_strFailure;
    mutable std::mutex m_mutex;
    QStringList m_items;
};

// An entry of an item's menu, as a panel shows it.
struct TrayMenuEntry {
    int id = 0;
    bool enabled = true;
};

// What a panel reads of the item that service registered, over its own connection.
class StatusNotifierItemReader {
public:
    StatusNotifierItemReader(const QString& busAddress, const QString& service);
    ~StatusNotifierItemReader();
    StatusNotifierItemReader(const StatusNotifierItemReader&) = delete;
    StatusNotifierItemReader& operator=(const StatusNotifierItemReader&) = delete;

    // The tool tip's title; empty, with Failure() set, when it cannot be read.
    QString ToolTip();
    // The menu's entries by label.
    std::map<QString, TrayMenuEntry> Menu();
    // Clicks the entry with this label; false when there is none or the call failed.
    bool Click(const QString& label);
    QString Failure() const { return m_strFailure; }

private:
    QString m_strConnection;
    QString m_strService;
    QString m_strMenuPath;
    QString m_strFailure;
};

} // namespace tests
