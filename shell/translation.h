// The program in the user's language: the translations chosen by the
// system's locale, and the ways texts reach them.
#pragma once

#include <QString>
#include <QStringList>
#include <string>

#include "game/translated.h"

class QCoreApplication;

namespace orbel {

// Where the program's translations are: built into it.
inline constexpr const char* TranslationFolder = ":/i18n";

// The languages the user asked for, most wanted first, as the system's
// locale variables give them: LANGUAGE's list (unless the locale is C or
// POSIX), then LC_ALL, LC_MESSAGES or LANG. "de_DE.UTF-8" reads "de_DE".
QStringList wantedLanguages();

// Installs the program's translation and Qt's own (the standard buttons of
// a box, the file dialogs) for the first wanted language that `folder` has
// a translation for ("de_DE" is served by "de"), in place of any installed
// before, and returns its name ("de"), or "" for English. An English
// language ends the search: the texts are English already. Besides the
// shipped languages, tests may ask for "en_XA", every text 40 % longer, and
// "ar_XB", every text mirrored right to left. Call before any window
// exists: a text is looked up when it is set.
QString installTranslations(QCoreApplication& app, const QStringList& wanted,
                            const QString& folder = QString::fromLatin1(TranslationFolder));

namespace text {
// A text of texts.h or net_texts.h in the user's language.
QString tr(const char* english);
}  // namespace text

}  // namespace orbel
