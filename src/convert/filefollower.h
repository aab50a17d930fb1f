// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <QTimer>

namespace tess {

// Follows one file by its name while other programs save it. Spreadsheet and paint
// programs save in several ways: some write a temporary file and rename it over the old
// one (the file is then a new inode, which a plain watch on the old one never sees), others
// truncate and write in place (the file is empty or half-written for a moment). The
// follower watches the file and its folder. A file renamed over the one followed is
// complete the moment it appears, and is reported at once (where the system tells renames
// apart, Linux); anything else is reported only once the file has held still for
// settleTime, so a save written in place is read once, complete.
class FileFollower : public QObject
{
    Q_OBJECT

public:
    // Longer than a writer's pause between two parts of a file (100 ms, say).
    static constexpr int DefaultSettleMs = 200;

    explicit FileFollower(QObject *parent = nullptr);
    ~FileFollower() override;

    // Starts following path as it is now: its present contents are not a change. An empty
    // path stops following.
    void follow(const QString &path);
    void stop() { follow(QString()); }
    QString path() const { return m_path; }
    bool following() const { return !m_path.isEmpty(); }

    // The program has just written the file itself: what it wrote is not a change.
    void acknowledge();

    void setSettleTime(int ms) { m_settle.setInterval(ms); }

    // What identifies one version of a file: its inode, size and times.
    struct Stamp
    {
        bool exists = false;
        qint64 inode = 0;
        qint64 size = -1;
        qint64 modifiedNs = 0;
        qint64 changedNs = 0;
        bool operator==(const Stamp &) const = default;
    };
    static Stamp stampOf(const QString &path);

signals:
    // The file holds new contents and has held still since.
    void changed(const QString &path);
    // The file was deleted or moved away; it is followed again if it comes back.
    void removed(const QString &path);

private:
    void somethingHappened();
    void settled();
    void report(const Stamp &now);
    void watchAgain();
    void watchRenames();
    void renamesArrived();

    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QString m_path;
    QString m_folder;
    Stamp m_known;    // the version last reported, or the program's own
    Stamp m_pending;  // the version seen when the last event came
    bool m_gone = false;
    int m_renames = -1; // the system's notification of files renamed into the folder
    QString m_renamesFolder;
    QSocketNotifier *m_renameNotifier = nullptr;
};

} // namespace tess
