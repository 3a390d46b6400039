// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's settings file, an INI file per user:
// $XDG_CONFIG_HOME/Vellamor/vellamor.conf (usually ~/.config/...). Values not
// found there are read from /etc/xdg/Vellamor/vellamor.conf, where a packager
// can set the web addresses for every user of the machine.
#pragma once

#include <QSettings>
#include <memory>

namespace vellamor {

std::unique_ptr<QSettings> OpenUserSettings();

}  // namespace vellamor
