// SPDX-License-Identifier: GPL-3.0-or-later
// The result window's "Birth Details" panel: the nine details of the birth
// as the chart file keeps them, captions in bold, and under them the
// daylight-saving box and the hemispheres, which the details do not show.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QWidget>
#include <array>

#include "core/chart/pipeline.h"

namespace vellamor {

// A detail's caption and the nine details' values in the window's language,
// in English the same as the command line's.
QString DetailCaption(Detail detail);
EnumArray<Detail, QString> TranslatedDetailTexts(const BirthData& b);

class BirthDetailsPanel : public QWidget {
    // Its texts stay in the result window's part of the catalogue.
    Q_DECLARE_TR_FUNCTIONS(vellamor::ResultWindow)

  public:
    explicit BirthDetailsPanel(const Chart& chart, QWidget* parent = nullptr);
};

}  // namespace vellamor
