// SPDX-License-Identifier: GPL-3.0-or-later
// The result window's "Positions" panel: each planet in bold
// beside its sidereal position ("21 Aqu 20") and its nakshatra, pada and
// the nakshatra's lord.
#pragma once

#include <QCoreApplication>
#include <QWidget>

#include "core/chart/pipeline.h"

namespace vellamor {

class PositionsPanel : public QWidget {
    // Its texts stay in the result window's part of the catalogue.
    Q_DECLARE_TR_FUNCTIONS(vellamor::ResultWindow)

  public:
    explicit PositionsPanel(const Chart& chart, QWidget* parent = nullptr);
};

}  // namespace vellamor
