// SPDX-License-Identifier: GPL-3.0-or-later
// How charts are calculated, as the windows offer it: the Calculation menu
// (Classic or Precise, the ayanamsa and the node), the choice kept in the
// settings file, and the Birth Details tab's note on a precise chart (what
// it was calculated with, and which bodies it puts in another sign than the
// classic calculation).
#pragma once

#include <QCoreApplication>
#include <functional>

#include "core/astro/calculation.h"
#include "core/chart/pipeline.h"

class QLabel;
class QMainWindow;
class QMenu;
class QSettings;
class QWidget;

namespace vellamor {

// The choice in the settings file ([Calculation] method, ayanamsa, node, by
// the command line's names); a value that is missing or unknown reads as the
// default.
CalculationChoice ReadCalculationChoice(const QSettings& settings);
// Written in place, as every setting is (user_settings.h); false when the
// file could not be changed.
bool WriteCalculationChoice(QSettings& settings, const CalculationChoice& choice);

// Adds the Calculation menu (object name "mnuCalculation") to the window's
// menu bar, showing `current`. A change is written to the settings file,
// then handed to `chosen`.
QMenu* AddCalculationMenu(QMainWindow* window, const CalculationChoice& current,
                          std::function<void(const CalculationChoice&)> chosen);

// The bodies a precise chart puts in another sign than the classic chart of
// the same birth, in body order; empty for a classic chart.
struct SignMove {
    Body body;
    int classicSign;  // 0 = Aries .. 11 = Pisces
    int preciseSign;
};
std::vector<SignMove> SignMovesFromClassic(const Chart& preciseChart);

class CalculationNote {
    Q_DECLARE_TR_FUNCTIONS(vellamor::CalculationMenu)

  public:
    // The note for the Birth Details tab (object name "lblCalculation"), or
    // nothing for a classic chart.
    static QLabel* Make(const Chart& chart, QWidget* parent);
    // Its text: the calculation, then the moved bodies.
    static QString Text(const Chart& chart);
};

}  // namespace vellamor
