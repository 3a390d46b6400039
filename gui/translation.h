// SPDX-License-Identifier: GPL-3.0-or-later
// The language of the windows. English is the source text and the default;
// Hindi is translated. The user's settings file may name one
// ([Settings] Language=en or hi), which wins over the system's languages.
#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

class QCoreApplication;
class QSettings;

namespace vellamor {

inline constexpr const char* kLanguageKey = "Settings/Language";

// The languages the windows speak, source first.
inline const QStringList kWindowLanguages{QStringLiteral("en"), QStringLiteral("hi")};

// The settings' language if it is one of ours, else the first of the
// system's preferred languages (QLocale::uiLanguages: LANGUAGE, then
// LC_ALL, LC_MESSAGES, LANG) that is one of ours, else English.
QString ChooseLanguage(const QSettings& settings, const QStringList& uiLanguages);

// The language the windows can show: `wanted` where an installed font has
// its script (Hindi needs Devanagari), else English, with a note saying why
// in English (empty when nothing was given up).
struct ShownLanguage {
    QString language;
    QString note;
};
ShownLanguage LanguageTheFontsShow(const QString& wanted);
// The same decision with the fonts' answer handed in.
ShownLanguage LanguageTheFontsShow(const QString& wanted, bool fontsHaveItsScript);

// Installs the program's translation for the language and Qt's own where
// the system has it (Qt's dialogs then speak as Debian ships them). English
// needs none. Safe to call again: the previous translations are removed.
void InstallTranslations(const QString& language);

// The language the windows speak now: the last one InstallTranslations
// installed, English before any or where its catalogue would not load.
QString InstalledLanguage();

// A name from the core's tables (a month, a body, a caption, a zone row),
// translated. The tables are listed for the translators by core_names.cpp.
QString TranslatedCoreText(std::string_view english);

}  // namespace vellamor
