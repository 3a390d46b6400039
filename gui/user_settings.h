// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's settings file, an INI file per user:
// $XDG_CONFIG_HOME/Vellamor/vellamor.ini (usually ~/.config/...). Values not
// found there are read from /etc/xdg/Vellamor/vellamor.ini, where a packager
// can set the web addresses for every user of the machine.
#pragma once

#include <QByteArray>
#include <QList>
#include <QSettings>
#include <QString>
#include <memory>
#include <utility>

namespace vellamor {

std::unique_ptr<QSettings> OpenUserSettings();

// The bytes of an INI file with `key` under `[group]` set to `value`: the
// key's line replaced where it stands, else added at the end of its group,
// else the group added at the end. Every other line (the user's comments,
// blank lines, other keys, in any encoding, with its own line ending) stays
// byte for byte; new lines end as the file's first line does.
QByteArray WithSettingLine(const QByteArray& text, const QByteArray& group, const QByteArray& key,
                           const QByteArray& value);

// Stores one plain value ("Group/Key", no characters INI would escape) in
// the settings' file in place, keeping what QSettings would drop on writing
// the file (its comments and layout). Every write of the program's settings
// goes this way, never through QSettings::setValue, which rewrites the whole
// file. False when the file could not be read or written (one over 1 MiB,
// a read-only one); the old file is then left exactly as it was.
bool StoreSettingInPlace(QSettings& settings, const QString& groupAndKey, const QString& value);
// The same for several values ("Group/Key" and value), written at once.
bool StoreSettingsInPlace(QSettings& settings,
                          const QList<std::pair<QString, QString>>& groupKeysAndValues);

}  // namespace vellamor
