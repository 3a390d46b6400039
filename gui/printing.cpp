#include "gui/printing.h"

#include <QPainter>
#include <QPrinter>

#include "render/chart_sheet.h"

namespace vellamor {

void PrintChartSheet(QPrinter& printer, const Chart& chart) {
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    PaintChartSheetPage(painter, chart);
    painter.end();
}

}  // namespace vellamor
