// SPDX-License-Identifier: GPL-3.0-or-later
#include "filenames.h"

#include "dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

namespace {

bool g_acrossRuns = false;

QString settingsKey(RecentPlaces::Side side)
{
    return side == RecentPlaces::Image ? QStringLiteral("folders/pictures") : QStringLiteral("folders/sheets");
}

const QString RecentKey = QStringLiteral("recentFiles");

} // namespace

QString filterSuffix(const QString &filter)
{
    static const QRegularExpression patterns(QStringLiteral("\\(([^)]*)\\)"));
    const QRegularExpressionMatch match = patterns.match(filter);
    if (!match.hasMatch())
        return QString();
    const QStringList globs = match.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    static const QRegularExpression oneSuffix(QStringLiteral("^\\*\\.(\\w+)$"));
    const QRegularExpressionMatch suffix = globs.size() == 1 ? oneSuffix.match(globs.first())
                                                             : QRegularExpressionMatch();
    return suffix.hasMatch() ? suffix.captured(1) : QString();
}

QString withFilterSuffix(const QString &name, const QString &filter)
{
    const QString suffix = filterSuffix(filter);
    if (name.isEmpty() || suffix.isEmpty() || !QFileInfo(name).suffix().isEmpty())
        return name;
    // "result." already has its dot.
    return name.endsWith(QLatin1Char('.')) ? name + suffix : name + QLatin1Char('.') + suffix;
}

void RecentPlaces::rememberAcrossRuns(bool on)
{
    g_acrossRuns = on;
}

QString RecentPlaces::folder(Side side) const
{
    if (!m_folder.isEmpty())
        return m_folder;
    if (g_acrossRuns) {
        const QString last = QSettings().value(settingsKey(side)).toString();
        if (!last.isEmpty() && QFileInfo(last).isDir())
            return last;
    }
    return QStandardPaths::writableLocation(side == Image ? QStandardPaths::PicturesLocation
                                                          : QStandardPaths::DocumentsLocation);
}

QString RecentPlaces::suggestion(const QString &named, const QString &filter) const
{
    const QString base = QFileInfo(named).completeBaseName();
    if (base.isEmpty())
        return m_folder;
    const QString suffix = filterSuffix(filter);
    const QString name = suffix.isEmpty() ? base : base + QLatin1Char('.') + suffix;
    return m_folder.isEmpty() ? name : QDir(m_folder).filePath(name);
}

QString RecentPlaces::askSaveName(Dialogs &dialogs, QWidget *parent, const QString &named, const QString &caption,
                                  const QString &filter, const QString &shown, QString *chosen) const
{
    QString type = shown.isEmpty() ? filter.section(QStringLiteral(";;"), 0, 0).simplified() : shown;
    const QString name = dialogs.saveFileName(parent, caption, suggestion(named, type), filter, &type);
    if (chosen && !name.isEmpty())
        *chosen = type;
    return withFilterSuffix(name, type);
}

void RecentPlaces::remember(Side side, const QString &path)
{
    if (path.isEmpty())
        return;
    m_folder = QFileInfo(path).absolutePath();
    QStringList files = recent();
    const QString whole = QFileInfo(path).absoluteFilePath();
    files.removeAll(whole);
    files.prepend(whole);
    while (files.size() > RecentKept)
        files.removeLast();
    m_recent = files;
    if (g_acrossRuns) {
        QSettings().setValue(settingsKey(side), m_folder);
        QSettings().setValue(RecentKey, files);
    }
}

QStringList RecentPlaces::recent() const
{
    QStringList files = g_acrossRuns ? QSettings().value(RecentKey).toStringList() : m_recent;
    files.removeIf([](const QString &file) { return !QFileInfo::exists(file); });
    return files;
}
