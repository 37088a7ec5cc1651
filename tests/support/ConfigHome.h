#pragma once
// A fresh, empty configuration folder (XDG_CONFIG_HOME) for the life of the object, then
// the one before: each test starts as a first start, and never touches the real home.

#include <QByteArray>
#include <QTemporaryDir>

class ScopedConfigHome {
public:
    ScopedConfigHome() : m_previous(qgetenv("XDG_CONFIG_HOME")) { qputenv("XDG_CONFIG_HOME", m_dir.path().toUtf8()); }
    ~ScopedConfigHome() { qputenv("XDG_CONFIG_HOME", m_previous); }
    QString Path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
};
