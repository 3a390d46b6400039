// SPDX-License-Identifier: GPL-3.0-or-later
// The result window's "Stability" panel: how far the birth time may be
// off before the Lagna or the Moon changes sign, the bodies near a sign
// boundary, the station dates behind each retrograde mark, and the zone note
// when the zone does not fit the longitude.
#pragma once

#include <QCoreApplication>
#include <QWidget>

#include "core/chart/chart_stability.h"

namespace vellamor {

class StabilityPanel : public QWidget {
    // Its texts stay in the result window's part of the catalogue.
    Q_DECLARE_TR_FUNCTIONS(vellamor::ResultWindow)

  public:
    explicit StabilityPanel(const ChartStability& stability, QWidget* parent = nullptr);
};

}  // namespace vellamor
