#include "shell/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace orbel {
namespace {

constexpr const char* InstalledName = "orbel-translation";

// "de_DE.UTF-8@euro" -> "de_DE".
QString languageOf(QString name) {
    for (const QChar cut : {QLatin1Char('.'), QLatin1Char('@')}) {
        const qsizetype at = name.indexOf(cut);
        if (at >= 0) name.truncate(at);
    }
    return name.trimmed();
}

bool loadInto(QCoreApplication& app, const QString& file, const QString& folder) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(file, folder)) {
        delete translator;
        return false;
    }
    translator->setObjectName(QString::fromLatin1(InstalledName));
    QCoreApplication::installTranslator(translator);
    return true;
}

}  // namespace

QStringList wantedLanguages() {
    QString locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = languageOf(qEnvironmentVariable(variable));
        if (!locale.isEmpty()) break;
    }
    QStringList wanted;
    if (locale != QLatin1String("C") && locale != QLatin1String("POSIX")) {
        for (const QString& name : qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts))
            wanted.append(languageOf(name));
    }
    if (!locale.isEmpty()) wanted.append(locale);
    return wanted;
}

QString installTranslations(QCoreApplication& app, const QStringList& wanted, const QString& folder) {
    for (QTranslator* old : app.findChildren<QTranslator*>(QString::fromLatin1(InstalledName),
                                                           Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    for (const QString& name : wanted) {
        const QString language = name.section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("en") && name != QLatin1String("en_XA")) return {};
        // "orbel_de_AT" is served by orbel_de.qm: the loader drops the region when it must.
        if (!loadInto(app, QStringLiteral("orbel_") + name, folder)) continue;
        // Qt's own texts, where Debian's package of them is installed.
        loadInto(app, QStringLiteral("qtbase_") + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        return name.startsWith(QLatin1String("en_XA")) || name.startsWith(QLatin1String("ar_XB")) ? name : language;
    }
    return {};
}

QString text::tr(const char* english) { return QCoreApplication::translate("orbel::text", english); }

}  // namespace orbel
