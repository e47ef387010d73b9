#include "FileFollower.h"

#include <QFileInfo>

namespace hexlume {

FileFollower::FileFollower(QObject* parent) : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMilliseconds);
    connect(&m_settle, &QTimer::timeout, this, &FileFollower::SettleDown);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this] {
        m_written = true;
        Changed();
    });
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
    m_written = false;
    Watch();
}

FileFollower::Stamp FileFollower::Current() const
{
    const QFileInfo file(m_path);
    if (!file.exists())
        return {};
    return {.exists = true, .size = file.size(), .modified = file.lastModified()};
}

// Other files of the folder change too: a change seen only through the folder counts when this
// file's size or time moved. A write to the file itself always counts, as a rewrite of the same
// size can fall within the file system's time step.
void FileFollower::SettleDown()
{
    const Stamp now = Current();
    if (now == m_seen && !m_written)
        return;
    m_seen = now;
    m_written = false;
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
