// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/translation.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>
#include <memory>
#include <string>

// The catalogues live in a static library's resource, which must be named to
// be linked; outside the namespace, as the macro asks.
static void InitTranslationResources() {
    Q_INIT_RESOURCE(vellamor_translations);
}

namespace vellamor {
namespace {

// The translators in use; they must outlive their installation.
std::unique_ptr<QTranslator> g_program;
std::unique_ptr<QTranslator> g_qt;
QString g_language = QStringLiteral("en");

}  // namespace

QString ChooseLanguage(const QSettings& settings, const QStringList& uiLanguages) {
    const QString chosen = settings.value(QLatin1String(kLanguageKey)).toString().trimmed();
    if (kWindowLanguages.contains(chosen.toLower()))
        return chosen.toLower();
    for (const QString& ui : uiLanguages) {
        // "hi-IN", "hi_IN.UTF-8", "hi": the language is what stands first.
        const QString language = ui.section(QLatin1Char('-'), 0, 0)
                                     .section(QLatin1Char('_'), 0, 0)
                                     .section(QLatin1Char('.'), 0, 0)
                                     .toLower();
        if (kWindowLanguages.contains(language))
            return language;
    }
    return kWindowLanguages.front();
}

ShownLanguage LanguageTheFontsShow(const QString& wanted, bool fontsHaveItsScript) {
    if (wanted == kWindowLanguages.front() || fontsHaveItsScript)
        return {wanted, {}};
    // English on purpose: the missing font could not show the Hindi words.
    return {kWindowLanguages.front(),
            QStringLiteral("No installed font can show Hindi (Devanagari script), so the "
                           "windows speak English. Install a Devanagari font, such as "
                           "Debian's fonts-lohit-deva or fonts-noto-core, and start "
                           "Vellamor again.")};
}

ShownLanguage LanguageTheFontsShow(const QString& wanted) {
    const bool devanagari = wanted == QLatin1String("hi") &&
                            !QFontDatabase::families(QFontDatabase::Devanagari).isEmpty();
    return LanguageTheFontsShow(wanted, devanagari);
}

void InstallTranslations(const QString& language) {
    g_language = kWindowLanguages.front();
    for (auto* slot : {&g_program, &g_qt}) {
        if (*slot) {
            QCoreApplication::removeTranslator(slot->get());
            slot->reset();
        }
    }
    if (language == kWindowLanguages.front())
        return;
    InitTranslationResources();
    // The one installed last is asked first: the program's own.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_%1").arg(language),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        g_qt = std::move(qt);
    }
    auto program = std::make_unique<QTranslator>();
    if (program->load(QStringLiteral(":/i18n/vellamor_%1.qm").arg(language))) {
        QCoreApplication::installTranslator(program.get());
        g_program = std::move(program);
        g_language = language;
    }
}

QString InstalledLanguage() {
    return g_language;
}

QString TranslatedCoreText(std::string_view english) {
    const std::string source(english);
    return QCoreApplication::translate("CoreText", source.c_str());
}

}  // namespace vellamor
