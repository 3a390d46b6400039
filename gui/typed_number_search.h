// SPDX-License-Identifier: GPL-3.0-or-later
// Digits typed into a list of numbers (day, year, hour, minute) pick the
// entry that is exactly the number typed, once it is whole. A list's own
// search would jump at the first digit to the next entry beginning with it,
// so "1850" typed into the years picked the year after the current one. A
// number the list does not hold leaves it where it was and says so in a tip.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QComboBox;

namespace vellamor {

class TypedNumberSearch : public QObject {
  public:
    // Watches `box`, which owns it; the box's entries are all there.
    explicit TypedNumberSearch(QComboBox* box);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QComboBox* m_box;
    int m_longest = 0;
    QString m_typed;
    QElapsedTimer m_sinceLast;
};

// Letters typed into a list of names (months, zones) pick the next entry
// whose shown name or English name (the item's data) begins with them, so
// that a Hindi list can be typed into from a Latin keyboard too; what
// matches neither is left to the list's own search.
class TypedNameSearch : public QObject {
  public:
    // Watches `box`, which owns it.
    explicit TypedNameSearch(QComboBox* box);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QComboBox* m_box;
    QString m_typed;
    QElapsedTimer m_sinceLast;
};

}  // namespace vellamor
