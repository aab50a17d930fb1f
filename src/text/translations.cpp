// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tess {

namespace {

// "de-AT" as the suffix of a translation file, "de_AT"; QTranslator::load falls back from
// "name_de_AT" to "name_de" by itself.
QString fileSuffix(const QString &language)
{
    QString suffix = language;
    return suffix.replace(QLatin1Char('-'), QLatin1Char('_'));
}

bool install(const QString &file, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

void installTranslations()
{
    for (const QString &language : QLocale::system().uiLanguages()) {
        const QLocale::Language spoken = QLocale(language).language();
        if (spoken == QLocale::English || spoken == QLocale::C)
            return;
        const QString suffix = fileSuffix(language);
        if (!install(QStringLiteral("tessarine_") + suffix, QStringLiteral(":/i18n")))
            continue;
        // Without the toolkit's translations (qt6-translations-l10n) its buttons stay in
        // English, which is no reason to give up the program's own texts.
        install(QStringLiteral("qtbase_") + suffix, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        return;
    }
}

} // namespace tess
