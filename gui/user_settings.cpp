// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/user_settings.h"

#include <QSettings>

namespace vellamor {

std::unique_ptr<QSettings> OpenUserSettings() {
    // Named explicitly rather than through the application's organisation and
    // name, so every caller lands on the same file whatever was set up first.
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Vellamor"), QStringLiteral("vellamor"));
}

}  // namespace vellamor
