// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/printing.h"

#include <QPainter>
#include <QPrinter>

#include "render/chart_sheet.h"

namespace vellamor {

void PrintChartSheet(QPrinter& printer, const Chart& chart, const ReadingOverlay& overlay) {
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    PaintChartSheetPage(painter, chart, overlay);
    painter.end();
}

}  // namespace vellamor
