#include "FileFollower.h"

#include <QFileInfo>

namespace hexlume {

FileFollower::FileFollower(QObject* parent) : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMilliseconds);
    connect(&m_settle, &QTimer::timeout, this, &FileFollower::SettleDown);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &FileFollower::Changed);
    // A rename over the file or a new file of its name shows only as a change of its folder.
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &FileFollower::Changed);
}

void FileFollower::Follow(const QString& path)
{
    m_settle.stop();
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    m_path = QFileInfo(path).absoluteFilePath();
    m_seen = Current();
    Watch();
}

FileFollower::Stamp FileFollower::Current() const
{
    const QFileInfo file(m_path);
    if (!file.exists())
        return {};
    return {.exists = true, .size = file.size(), .modified = file.lastModified()};
}

// Other files of the folder change too; only a new version of this one counts.
void FileFollower::SettleDown()
{
    const Stamp now = Current();
    if (now == m_seen)
        return;
    m_seen = now;
    emit Settled();
}

void FileFollower::Changed()
{
    // The watch on a file ends when it is replaced or deleted: take up the new one.
    Watch();
    m_settle.start();
}

void FileFollower::Watch()
{
    const QFileInfo file(m_path);
    if (!m_watcher.directories().contains(file.absolutePath()))
        m_watcher.addPath(file.absolutePath());
    if (file.exists() && !m_watcher.files().contains(m_path))
        m_watcher.addPath(m_path);
}

}  // namespace hexlume
