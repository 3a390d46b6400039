// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's settings file, an INI file per user:
// $XDG_CONFIG_HOME/Vellamor/vellamor.ini (usually ~/.config/...). Values not
// found there are read from /etc/xdg/Vellamor/vellamor.ini, where a packager
// can set the web addresses for every user of the machine.
#pragma once

#include <QList>
#include <QSettings>
#include <QString>
#include <memory>
#include <utility>

namespace vellamor {

std::unique_ptr<QSettings> OpenUserSettings();

// The text of an INI file with `key` under `[group]` set to `value`: the
// key's line replaced where it stands, else added at the end of its group,
// else the group added at the end. Every other line (the user's comments,
// blank lines, other keys) stays as it was.
QString WithSettingLine(const QString& text, const QString& group, const QString& key,
                        const QString& value);

// Stores one plain value ("Group/Key", no characters INI would escape) in
// the settings' file in place, keeping what QSettings would drop on writing
// the file (its comments and layout). False when the file could not be read
// or written; the old file is then left as it was.
bool StoreSettingInPlace(QSettings& settings, const QString& groupAndKey, const QString& value);
// The same for several values ("Group/Key" and value), written at once.
bool StoreSettingsInPlace(QSettings& settings,
                          const QList<std::pair<QString, QString>>& groupKeysAndValues);

}  // namespace vellamor
