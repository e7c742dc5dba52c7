// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QCoreApplication;
class QTranslator;

namespace xuehai {

// The language of Qt's own texts (dialog buttons, the file dialog): the first of the
// system's languages that Qt has a translation for, otherwise Chinese, the game's language.
// English counts as having none, since the game around the dialogs speaks Chinese.
QString ChooseQtLanguage(const QStringList& systemLanguages,
                         const std::function<bool(const QString& language)>& qtHas);

// Loads Qt's translations in that language into the application; answers the translator
// (owned by app), or null where Qt's translations are not installed.
QTranslator* InstallQtTranslations(QCoreApplication& app);

}  // namespace xuehai
