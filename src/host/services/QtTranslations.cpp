// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/services/QtTranslations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace xuehai {

namespace {

const QString kGameLanguage = QStringLiteral("zh_CN");

QString TranslationsFolder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool QtHasTranslation(const QString& language) {
    return QFileInfo::exists(TranslationsFolder() + QStringLiteral("/qtbase_") + language +
                             QStringLiteral(".qm"));
}

}  // namespace

QString ChooseQtLanguage(const QStringList& systemLanguages,
                         const std::function<bool(const QString& language)>& qtHas) {
    for (QString language : systemLanguages) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (language.startsWith(QStringLiteral("en")) || language == QStringLiteral("C")) {
            continue;
        }
        // "zh_Hans_CN" and "de_DE" are found as "zh_CN" and "de".
        const QLocale locale(language);
        const QString country = locale.name();
        const QString bare = country.section(QLatin1Char('_'), 0, 0);
        for (const QString& candidate : {language, country, bare}) {
            if (qtHas(candidate)) {
                return candidate;
            }
        }
    }
    return kGameLanguage;
}

QTranslator* InstallQtTranslations(QCoreApplication& app) {
    const QString language = ChooseQtLanguage(QLocale::system().uiLanguages(), QtHasTranslation);
    // "qt_<language>" gathers the catalogues of the Qt modules the game uses.
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qt_") + language, TranslationsFolder())) {
        QCoreApplication::installTranslator(translator);
        return translator;
    }
    delete translator;
    return nullptr;
}

}  // namespace xuehai
