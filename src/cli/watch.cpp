// SPDX-License-Identifier: GPL-3.0-or-later
#include "watch.h"

#include "commands.h"
#include "platform.h"

#include "convert/filefollower.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTime>

namespace tess::cli {

namespace {

QString now()
{
    return QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
}

} // namespace

int runWatching(const QString &source, Text done, const std::function<int()> &convert)
{
    platform::whenStopAsked([] { QCoreApplication::exit(ExitOk); });
    const QString name = QFileInfo(source).fileName();

    // Followed from before the first run, so that a save during it is not missed.
    FileFollower follower;
    follower.follow(source);
    QObject::connect(&follower, &FileFollower::changed, [&] {
        if (convert() == ExitOk)
            printError(userText(done).arg(name, now()));
    });
    QObject::connect(&follower, &FileFollower::removed,
                     [&] { printError(userText(Text::FollowedFileGone).arg(name, now())); });

    convert();
    printError(userText(Text::Watching).arg(source));
    return QCoreApplication::exec();
}

} // namespace tess::cli
