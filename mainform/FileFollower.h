#pragma once

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

namespace hexlume {

// Watches the open file while another program rewrites it: in place, by a rename over it, or
// deleted and written anew. Says Settled once no change has come for a moment, so a file written
// in several steps is read once, whole. Costs nothing while the file is still: the system
// reports changes, nothing polls.
class FileFollower : public QObject {
    Q_OBJECT

public:
    explicit FileFollower(QObject* parent = nullptr);

    void Follow(const QString& path);
    QString Path() const { return m_path; }

    // How long the file must stay still before it is read again.
    static constexpr int kSettleMilliseconds = 300;

signals:
    // The file is not as it was when last seen: changed, replaced, gone or back.
    void Settled();

private:
    // What tells one version of the file from the next without reading it.
    struct Stamp {
        bool exists = false;
        qint64 size = 0;
        QDateTime modified;

        bool operator==(const Stamp&) const = default;
    };
    Stamp Current() const;
    void Changed();
    void Watch();
    void SettleDown();

    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QString m_path;
    Stamp m_seen;
    bool m_written = false;  // the file itself reported a write since the last Settled
};

}  // namespace hexlume
