// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/user_settings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

#include "core/io/file_replace.h"

namespace vellamor {
namespace {

// A settings file larger than this is not one the program wrote.
constexpr qint64 kLargestSettingsFile = 1 << 20;

bool IsGroupLine(const QString& line) {
    const QString t = line.trimmed();
    return t.startsWith(u'[') && t.endsWith(u']');
}

bool IsKeyLine(const QString& line, const QString& key) {
    const QString t = line.trimmed();
    if (t.startsWith(u';') || t.startsWith(u'#'))
        return false;
    const qsizetype equals = t.indexOf(u'=');
    return equals > 0 && t.left(equals).trimmed() == key;
}

}  // namespace

std::unique_ptr<QSettings> OpenUserSettings() {
    // Named explicitly rather than through the application's organisation and
    // name, so every caller lands on the same file whatever was set up first.
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Vellamor"), QStringLiteral("vellamor"));
}

QString WithSettingLine(const QString& text, const QString& group, const QString& key,
                        const QString& value) {
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    const QString setting = key + u'=' + value;
    const QString header = u'[' + group + u']';
    qsizetype groupAt = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (IsGroupLine(lines[i])) {
            groupAt = lines[i].trimmed() == header ? i : -1;
            continue;
        }
        if (groupAt >= 0 && IsKeyLine(lines[i], key)) {
            lines[i] = setting;
            return lines.join(u'\n') + u'\n';
        }
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!IsGroupLine(lines[i]) || lines[i].trimmed() != header)
            continue;
        // After the group's last line that is not blank, before the next group.
        qsizetype end = i + 1;
        while (end < lines.size() && !IsGroupLine(lines[end]))
            ++end;
        qsizetype at = end;
        while (at > i + 1 && lines[at - 1].trimmed().isEmpty())
            --at;
        lines.insert(at, setting);
        return lines.join(u'\n') + u'\n';
    }
    if (!lines.isEmpty() && !lines.back().trimmed().isEmpty())
        lines << QString();
    lines << header << setting;
    return lines.join(u'\n') + u'\n';
}

bool StoreSettingInPlace(QSettings& settings, const QString& groupAndKey, const QString& value) {
    return StoreSettingsInPlace(settings, {{groupAndKey, value}});
}

bool StoreSettingsInPlace(QSettings& settings,
                          const QList<std::pair<QString, QString>>& groupKeysAndValues) {
    settings.sync();  // what the program set before reaches the file first
    const QString path = settings.fileName();
    if (settings.format() != QSettings::IniFormat || path.isEmpty())
        return false;
    for (const auto& [groupAndKey, value] : groupKeysAndValues) {
        if (groupAndKey.indexOf(u'/') <= 0)
            return false;
    }
    QString text;
    QFile file(path);
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestSettingsFile)
            return false;
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return false;
        text = QString::fromUtf8(bytes);
    }
    for (const auto& [groupAndKey, value] : groupKeysAndValues) {
        const qsizetype slash = groupAndKey.indexOf(u'/');
        text = WithSettingLine(text, groupAndKey.left(slash), groupAndKey.mid(slash + 1), value);
    }
    const QByteArray updated = text.toUtf8();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    const QDateTime before = QFileInfo(path).lastModified();
    const auto replaced = ReplaceFile(
        QFile::encodeName(path).toStdString(),
        std::string_view(updated.constData(), static_cast<std::size_t>(updated.size())));
    if (!replaced)
        return false;
    // QSettings rereads a file whose size or time changed; a file of the same
    // size rewritten within one tick of the file system's clock would look
    // unchanged, so its time moves on by a millisecond.
    QFile edited(path);
    if (before.isValid() && QFileInfo(path).lastModified() == before &&
        edited.open(QIODevice::ReadWrite)) {
        edited.setFileTime(before.addMSecs(1), QFileDevice::FileModificationTime);
    }
    settings.sync();  // the settings object reads the file again
    return true;
}

}  // namespace vellamor
