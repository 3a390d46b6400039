// SPDX-License-Identifier: GPL-3.0-or-later
// The charts opened or saved last, newest first, for File > Open Recent.
// They live in the settings file as [RecentCharts] File1 to File8, each a
// path with the characters an INI line would quote or escape written as
// %XX, so the list is stored in place like every other setting and the
// user's comments in the file survive.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QMenu;
class QSettings;
class QWidget;

namespace vellamor {

inline constexpr int kRecentChartsKept = 8;

// The list as the settings file holds it; empty and repeated entries are
// skipped, at most kRecentChartsKept.
QStringList ReadRecentCharts(const QSettings& settings);
// Writes the whole list (unused places emptied). False when the file could
// not be written; the list in it is then the old one.
bool StoreRecentCharts(QSettings& settings, const QStringList& charts);

// `path` put first, any earlier place of it removed, the oldest beyond the
// cap dropped.
QStringList WithRecentChart(const QStringList& charts, const QString& path);

// The Open Recent submenu: one entry a chart, numbered, its file name shown
// and its full path as the tip; "Clear List" under them. The list is read
// from the settings file whenever it changes, so a second start of the
// program sees the first one's charts.
class RecentChartsMenu : public QObject {
    Q_OBJECT

  public:
    // Adds the submenu to `parent` (object name "mnuRecent").
    explicit RecentChartsMenu(QMenu* parent);

    QMenu* menu() const { return m_menu; }
    QStringList charts() const { return m_charts; }

    // A chart opened or saved.
    void remember(const QString& path);
    // A chart that is no longer there.
    void forget(const QString& path);

  signals:
    // An entry was picked; its file existed a moment ago.
    void chartChosen(const QString& path);
    // An entry was picked whose file has gone: it has been taken off the
    // list, and the window says so.
    void chartMissing(const QString& path);

  private:
    void store(const QStringList& charts);
    void rebuild();

    QMenu* m_menu = nullptr;
    QStringList m_charts;
};

}  // namespace vellamor
