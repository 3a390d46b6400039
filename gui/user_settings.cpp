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

QByteArray Trimmed(const QByteArray& line) {
    return line.trimmed();
}

bool IsGroupLine(const QByteArray& line) {
    const QByteArray t = Trimmed(line);
    return t.startsWith('[') && t.endsWith(']');
}

bool IsKeyLine(const QByteArray& line, const QByteArray& key) {
    const QByteArray t = Trimmed(line);
    if (t.startsWith(';') || t.startsWith('#'))
        return false;
    const qsizetype equals = t.indexOf('=');
    return equals > 0 && t.left(equals).trimmed() == key;
}

// One line of the file and its own ending ("\n", "\r\n" or none at the
// very end), kept apart so that a line the program does not own goes back
// byte for byte.
struct Line {
    QByteArray text;
    QByteArray ending;
};

QList<Line> SplitLines(const QByteArray& bytes) {
    QList<Line> lines;
    for (qsizetype at = 0; at < bytes.size();) {
        qsizetype end = bytes.indexOf('\n', at);
        if (end < 0) {
            lines.append({bytes.mid(at), {}});
            break;
        }
        qsizetype textEnd = end;
        if (textEnd > at && bytes[textEnd - 1] == '\r')
            --textEnd;
        lines.append({bytes.mid(at, textEnd - at), bytes.mid(textEnd, end + 1 - textEnd)});
        at = end + 1;
    }
    return lines;
}

}  // namespace

std::unique_ptr<QSettings> OpenUserSettings() {
    // Named explicitly rather than through the application's organisation and
    // name, so every caller lands on the same file whatever was set up first.
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Vellamor"), QStringLiteral("vellamor"));
}

QByteArray WithSettingLine(const QByteArray& text, const QByteArray& group, const QByteArray& key,
                           const QByteArray& value) {
    QList<Line> lines = SplitLines(text);
    // New lines end as the file's first line does (a file made on Windows
    // keeps its CRLF).
    const QByteArray newline =
        !lines.isEmpty() && lines.front().ending == "\r\n" ? QByteArray("\r\n") : "\n";
    if (!lines.isEmpty() && lines.back().ending.isEmpty())
        lines.back().ending = newline;
    const QByteArray setting = key + '=' + value;
    const QByteArray header = '[' + group + ']';
    auto joined = [&lines] {
        QByteArray out;
        for (const Line& line : lines)
            out += line.text + line.ending;
        return out;
    };
    qsizetype groupAt = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (IsGroupLine(lines[i].text)) {
            groupAt = Trimmed(lines[i].text) == header ? i : -1;
            continue;
        }
        if (groupAt >= 0 && IsKeyLine(lines[i].text, key)) {
            lines[i].text = setting;
            return joined();
        }
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!IsGroupLine(lines[i].text) || Trimmed(lines[i].text) != header)
            continue;
        // After the group's last line that is not blank, before the next group.
        qsizetype end = i + 1;
        while (end < lines.size() && !IsGroupLine(lines[end].text))
            ++end;
        qsizetype at = end;
        while (at > i + 1 && Trimmed(lines[at - 1].text).isEmpty())
            --at;
        lines.insert(at, {setting, newline});
        return joined();
    }
    if (!lines.isEmpty() && !Trimmed(lines.back().text).isEmpty())
        lines.append({{}, newline});
    lines.append({header, newline});
    lines.append({setting, newline});
    return joined();
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
    // The file's own bytes: lines the program does not own go back exactly
    // as they were, whatever their encoding.
    QByteArray updated;
    QFile file(path);
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestSettingsFile)
            return false;
        updated = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return false;
    }
    for (const auto& [groupAndKey, value] : groupKeysAndValues) {
        const qsizetype slash = groupAndKey.indexOf(u'/');
        updated = WithSettingLine(updated, groupAndKey.left(slash).toUtf8(),
                                  groupAndKey.mid(slash + 1).toUtf8(), value.toUtf8());
    }
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
