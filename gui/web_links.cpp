// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/web_links.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QSettings>

#include "gui/dialogs.h"
#include "gui/user_settings.h"

namespace vellamor {
namespace {

struct PageSetting {
    const char* key;
    const char* fallback;
};

PageSetting SettingOf(WebPage page) {
    switch (page) {
        case WebPage::Help:
            return {"Links/HelpPage", "https://vellamor.example/help"};
        case WebPage::Home:
            return {"Links/HomePage", "https://vellamor.example/"};
        case WebPage::Download:
            return {"Links/DownloadPage", "https://vellamor.example/download"};
    }
    return {"Links/HomePage", "https://vellamor.example/"};
}

constexpr const char* kSearchKey = "Links/CoordinatesSearch";
constexpr const char* kSearchFallback = "https://vellamor.example/search?q=%1";

bool IsUsable(const QUrl& url) {
    const QString scheme = url.scheme();
    return url.isValid() && (scheme == "https" || scheme == "http" || scheme == "file");
}

QUrl Configured(const QSettings& settings, const char* key, const char* fallback) {
    const QUrl url(settings.value(key).toString().trimmed(), QUrl::StrictMode);
    return IsUsable(url) ? url : QUrl(fallback);
}

QString Fill(QString pattern, const QString& searchText, const QUrl& home) {
    // One pass, so that a "%2" inside the search text is never replaced.
    const QString text = QString::fromLatin1(QUrl::toPercentEncoding(searchText));
    const QString site = QString::fromLatin1(QUrl::toPercentEncoding(home.toString()));
    QString out;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() &&
            (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
            out += pattern[i + 1] == '1' ? text : site;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

}  // namespace

QUrl WebPageAddress(const QSettings& settings, WebPage page) {
    const PageSetting s = SettingOf(page);
    return Configured(settings, s.key, s.fallback);
}

QUrl CoordinatesSearchAddress(const QSettings& settings, const QString& searchText) {
    const QUrl home = WebPageAddress(settings, WebPage::Home);
    const QString configured = settings.value(kSearchKey).toString().trimmed();
    if (configured.contains("%1")) {
        const QUrl url(Fill(configured, searchText, home), QUrl::TolerantMode);
        if (IsUsable(url))
            return url;
    }
    return QUrl(Fill(kSearchFallback, searchText, home), QUrl::TolerantMode);
}

namespace {

bool OpenAddress(const QUrl& address, QWidget* parent, Dialogs* dialogs) {
    if (QDesktopServices::openUrl(address))
        return true;
    if (dialogs) {
        dialogs->message(
            parent, DialogIcon::Warning,
            QCoreApplication::translate("vellamor::WebLinks", "No web browser could be opened."),
            DialogButtons::Ok,
            QCoreApplication::translate("vellamor::WebLinks", "Open this address in a browser: %1")
                .arg(address.toString()));
    }
    return false;
}

}  // namespace

bool OpenWebPage(const QSettings& settings, WebPage page, QWidget* parent, Dialogs* dialogs) {
    return OpenAddress(WebPageAddress(settings, page), parent, dialogs);
}

bool OpenHelpPage(QWidget* parent, Dialogs* dialogs) {
    return OpenWebPage(*OpenUserSettings(), WebPage::Help, parent, dialogs);
}
bool OpenHomePage(QWidget* parent, Dialogs* dialogs) {
    return OpenWebPage(*OpenUserSettings(), WebPage::Home, parent, dialogs);
}
bool OpenDownloadPage(QWidget* parent, Dialogs* dialogs) {
    return OpenWebPage(*OpenUserSettings(), WebPage::Download, parent, dialogs);
}

bool OpenCoordinatesSearch(const QString& searchText, QWidget* parent, Dialogs* dialogs) {
    return OpenAddress(CoordinatesSearchAddress(*OpenUserSettings(), searchText), parent, dialogs);
}

}  // namespace vellamor
