// SPDX-License-Identifier: GPL-3.0-or-later
// The web pages the menus open in the default browser, without waiting, and
// the web search for a birth place's coordinates. When no browser could be
// opened, the window that asked is told so, with the address to open by
// hand.
//
// Every address is configuration: the [Links] section of the settings file
// (see user_settings.h) may hold
//   HelpPage=URL  HomePage=URL  DownloadPage=URL  CoordinatesSearch=TEMPLATE
// where in TEMPLATE "%1" stands for the search text and "%2" for the home
// page address, both percent-encoded. The defaults are pages under the
// reserved domain vellamor.example, including a neutral search template
// "https://vellamor.example/search?q=%1": a packager or user points them at
// real pages. A value that is not an http, https or file address is ignored
// in favour of the default, and so is a search template without "%1".
#pragma once

#include <QString>
#include <QUrl>

class QSettings;
class QWidget;

namespace vellamor {

class Dialogs;

enum class WebPage { Help, Home, Download };

QUrl WebPageAddress(const QSettings& settings, WebPage page);
QUrl CoordinatesSearchAddress(const QSettings& settings, const QString& searchText);

// Hands the address to the desktop and returns at once; false when no
// browser could be opened, which is said through `dialogs` in a message
// under `parent` (without dialogs, nothing is said).
bool OpenWebPage(const QSettings& settings, WebPage page, QWidget* parent = nullptr,
                 Dialogs* dialogs = nullptr);

bool OpenHelpPage(QWidget* parent = nullptr, Dialogs* dialogs = nullptr);
bool OpenHomePage(QWidget* parent = nullptr, Dialogs* dialogs = nullptr);
bool OpenDownloadPage(QWidget* parent = nullptr, Dialogs* dialogs = nullptr);
bool OpenCoordinatesSearch(const QString& searchText, QWidget* parent = nullptr,
                           Dialogs* dialogs = nullptr);

}  // namespace vellamor
