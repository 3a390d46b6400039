// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/recent_charts.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>
#include <QUrl>
#include <utility>

#include "gui/user_settings.h"

namespace vellamor {
namespace {

QString Key(int place) {
    return QStringLiteral("RecentCharts/File%1").arg(place + 1);
}

// Letters, digits, "-._~", "/" and ":" stay as they are: a path reads as a
// path, and nothing is left that an INI line would quote or escape (spaces,
// commas, semicolons, quotes, backslashes, letters beyond ASCII).
QString Encoded(const QString& path) {
    return QString::fromLatin1(
        QUrl::toPercentEncoding(QDir::fromNativeSeparators(path), QByteArrayLiteral("/:")));
}

QString Decoded(const QString& stored) {
    return QUrl::fromPercentEncoding(stored.toUtf8());
}

}  // namespace

QStringList ReadRecentCharts(const QSettings& settings) {
    QStringList charts;
    for (int i = 0; i < kRecentChartsKept; ++i) {
        const QString path = Decoded(settings.value(Key(i)).toString());
        if (!path.isEmpty() && !charts.contains(path))
            charts << path;
    }
    return charts;
}

bool StoreRecentCharts(QSettings& settings, const QStringList& charts) {
    QList<std::pair<QString, QString>> values;
    for (int i = 0; i < kRecentChartsKept; ++i)
        values.append({Key(i), i < charts.size() ? Encoded(charts[i]) : QString()});
    return StoreSettingsInPlace(settings, values);
}

QStringList WithRecentChart(const QStringList& charts, const QString& path) {
    QStringList result = charts;
    result.removeAll(path);
    result.prepend(path);
    while (result.size() > kRecentChartsKept)
        result.removeLast();
    return result;
}

RecentChartsMenu::RecentChartsMenu(QMenu* parent)
    : QObject(parent), m_menu(parent->addMenu(tr("Open &Recent"))) {
    m_menu->setObjectName(QStringLiteral("mnuRecent"));
    m_charts = ReadRecentCharts(*OpenUserSettings());
    rebuild();
}

void RecentChartsMenu::remember(const QString& path) {
    store(WithRecentChart(ReadRecentCharts(*OpenUserSettings()),
                          QDir::cleanPath(QFileInfo(path).absoluteFilePath())));
}

void RecentChartsMenu::forget(const QString& path) {
    QStringList charts = ReadRecentCharts(*OpenUserSettings());
    charts.removeAll(path);
    store(charts);
}

void RecentChartsMenu::store(const QStringList& charts) {
    // A settings file that cannot be written costs only the list's keeping
    // across starts; this window's menu still follows the charts.
    StoreRecentCharts(*OpenUserSettings(), charts);
    m_charts = charts;
    rebuild();
}

void RecentChartsMenu::rebuild() {
    // The old entries go later: this may run from one of their own
    // triggered signals.
    const QList<QAction*> old = m_menu->actions();
    for (QAction* action : old) {
        m_menu->removeAction(action);
        action->deleteLater();
    }
    for (qsizetype i = 0; i < m_charts.size(); ++i) {
        const QString path = m_charts[i];
        QString name = QFileInfo(path).fileName();
        name.replace(u'&', QStringLiteral("&&"));
        QAction* entry = m_menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        entry->setObjectName(QStringLiteral("mnuRecent%1").arg(i + 1));
        entry->setToolTip(QDir::toNativeSeparators(path));
        entry->setStatusTip(QDir::toNativeSeparators(path));
        connect(entry, &QAction::triggered, this, [this, path] {
            if (QFileInfo::exists(path)) {
                emit chartChosen(path);
                return;
            }
            forget(path);
            emit chartMissing(path);
        });
    }
    m_menu->setToolTipsVisible(true);
    m_menu->addSeparator();
    QAction* clear = m_menu->addAction(tr("&Clear List"));
    clear->setObjectName(QStringLiteral("mnuRecentClear"));
    clear->setEnabled(!m_charts.isEmpty());
    connect(clear, &QAction::triggered, this, [this] { store({}); });
    m_menu->menuAction()->setEnabled(!m_charts.isEmpty());
}

}  // namespace vellamor
