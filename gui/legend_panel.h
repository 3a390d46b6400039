// SPDX-License-Identifier: GPL-3.0-or-later
// The result window's "Chart Details" panel: each planet beside its label in
// the chart (with the retrograde mark), the station dates that decide the
// mark in the row's tooltip, and the key of the three rings' colours.
#pragma once

#include <QCoreApplication>
#include <QWidget>

#include "core/chart/chart_stability.h"
#include "core/chart/pipeline.h"

namespace vellamor {

class LegendPanel : public QWidget {
    // Its texts stay in the result window's part of the catalogue.
    Q_DECLARE_TR_FUNCTIONS(vellamor::ResultWindow)

  public:
    LegendPanel(const Chart& chart, const ChartStability& stability, QWidget* parent = nullptr);
};

}  // namespace vellamor
