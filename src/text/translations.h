// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tess {

// Installs the translation for the user's language (LANGUAGE, then LC_ALL, LC_MESSAGES and
// LANG, as QLocale::system().uiLanguages() reads them), with the toolkit's own for its
// dialogs and buttons. The first language the program speaks wins; English, the language
// the texts are written in, needs no translator. Call after the application object exists.
void installTranslations();

} // namespace tess
