// SPDX-License-Identifier: GPL-3.0-or-later
#include "filefollower.h"

#include <QDateTime>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/inotify.h>
#include <unistd.h>

#include <climits>
#endif

namespace tess {

namespace {

#ifdef Q_OS_UNIX
qint64 nanoseconds(const timespec &t)
{
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}
#endif

} // namespace

FileFollower::Stamp FileFollower::stampOf(const QString &path)
{
    Stamp stamp;
    if (path.isEmpty())
        return stamp;
#ifdef Q_OS_UNIX
    // The inode and the times to the nanosecond: two saves of the same size within one
    // millisecond still differ, and a rename-over is a new inode.
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || S_ISDIR(info.st_mode))
        return stamp;
    stamp.exists = true;
    stamp.inode = qint64(info.st_ino);
    stamp.size = qint64(info.st_size);
    stamp.modifiedNs = nanoseconds(info.st_mtim);
    stamp.changedNs = nanoseconds(info.st_ctim);
#else
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return stamp;
    stamp.exists = true;
    stamp.size = info.size();
    stamp.modifiedNs = info.lastModified().toMSecsSinceEpoch() * 1000000;
    stamp.changedNs = info.metadataChangeTime().toMSecsSinceEpoch() * 1000000;
#endif
    return stamp;
}

FileFollower::FileFollower(QObject *parent)
    : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(DefaultSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &FileFollower::settled);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &FileFollower::somethingHappened);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &FileFollower::somethingHappened);
}

FileFollower::~FileFollower()
{
#ifdef Q_OS_LINUX
    if (m_renames >= 0)
        ::close(m_renames);
#endif
}

void FileFollower::follow(const QString &path)
{
    m_settle.stop();
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    m_path = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    m_folder = m_path.isEmpty() ? QString() : QFileInfo(m_path).absolutePath();
    m_known = stampOf(m_path);
    m_pending = m_known;
    m_gone = !m_known.exists;
    if (m_path.isEmpty())
        return;
    // The folder sees a file renamed over the one followed, and one coming back.
    m_watcher.addPath(m_folder);
    watchAgain();
    watchRenames();
}

// A file moved into the folder under the followed name: a rename-over save, which is
// written whole before it is renamed. Its own watch on the folder, since the toolkit's
// watcher does not tell a rename from a write.
void FileFollower::watchRenames()
{
#ifdef Q_OS_LINUX
    if (m_renames >= 0 && m_renamesFolder == m_folder)
        return;
    m_renamesFolder = m_folder;
    delete m_renameNotifier;
    m_renameNotifier = nullptr;
    if (m_renames >= 0)
        ::close(m_renames);
    m_renames = -1;
    if (m_folder.isEmpty())
        return;
    m_renames = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_renames < 0)
        return; // the hold-still wait alone
    if (inotify_add_watch(m_renames, QFile::encodeName(m_folder).constData(), IN_MOVED_TO) < 0) {
        ::close(m_renames);
        m_renames = -1;
        return;
    }
    m_renameNotifier = new QSocketNotifier(qintptr(m_renames), QSocketNotifier::Read, this);
    connect(m_renameNotifier, &QSocketNotifier::activated, this, &FileFollower::renamesArrived);
#endif
}

void FileFollower::renamesArrived()
{
#ifdef Q_OS_LINUX
    const QByteArray name = QFile::encodeName(QFileInfo(m_path).fileName());
    bool ours = false;
    alignas(inotify_event) char buffer[16 * (sizeof(inotify_event) + NAME_MAX + 1)];
    for (;;) {
        const ssize_t n = ::read(m_renames, buffer, sizeof buffer);
        if (n <= 0)
            break;
        for (ssize_t at = 0; at < n;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            if (event->len > 0 && name == event->name)
                ours = true;
            at += ssize_t(sizeof(inotify_event) + event->len);
        }
    }
    if (!ours || m_path.isEmpty())
        return;
    // Complete as it arrived: no wait for it to hold still.
    m_settle.stop();
    watchAgain();
    const Stamp now = stampOf(m_path);
    m_pending = now;
    if (now.exists)
        report(now);
#endif
}

void FileFollower::acknowledge()
{
    m_known = stampOf(m_path);
    m_pending = m_known;
    m_gone = !m_known.exists;
    watchAgain();
}

// A watch belongs to an inode; after a rename-over or a delete the name is another file
// or none, so the watch is set again on whatever the name now is.
void FileFollower::watchAgain()
{
    if (m_path.isEmpty())
        return;
    m_watcher.removePath(m_path);
    if (QFileInfo::exists(m_path))
        m_watcher.addPath(m_path);
}

void FileFollower::somethingHappened()
{
    if (m_path.isEmpty())
        return;
    m_pending = stampOf(m_path);
    m_settle.start();
}

void FileFollower::settled()
{
    const Stamp now = stampOf(m_path);
    watchAgain();
    if (now != m_pending) {
        // Still being written: wait until it holds still.
        m_pending = now;
        m_settle.start();
        return;
    }
    if (!now.exists) {
        if (!m_gone) {
            m_gone = true;
            emit removed(m_path);
        }
        return;
    }
    report(now);
}

void FileFollower::report(const Stamp &now)
{
    const bool cameBack = m_gone;
    m_gone = false;
    if (now == m_known && !cameBack)
        return; // another file of the folder changed, or the program's own save
    m_known = now;
    emit changed(m_path);
}

} // namespace tess
