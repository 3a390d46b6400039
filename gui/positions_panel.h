// SPDX-License-Identifier: GPL-3.0-or-later
// The result window's "Positions" panel: each planet in bold
// beside its sidereal position ("21 Aqu 20").
#pragma once

#include <QWidget>

#include "core/chart/chakra_model.h"

namespace vellamor {

class PositionsPanel : public QWidget {
  public:
    explicit PositionsPanel(const ChakraModel& chakra, QWidget* parent = nullptr);
};

}  // namespace vellamor
