#include "gui/chakra_view.h"

#include <QPainter>
#include <cmath>

#include "core/chart/chakra_layout.h"
#include "gui/twips.h"
#include "render/chakra_painter.h"

namespace vellamor {
namespace {

// The chart is drawn larger than its twips give, so that a crowded house
// stays readable; it grows and shrinks with the window.
constexpr double kChartZoom = 1.6;
// No text of the chart is drawn smaller than this, in pixels; at the view's
// smallest size even the normal labels are this tall.
constexpr double kSmallestLabelPixels = 8;

}  // namespace

ChakraView::ChakraView(const ChakraModel& model, QWidget* parent)
    : QWidget(parent), m_model(model) {
    setObjectName(QStringLiteral("chakraView"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize ChakraView::sizeHint() const {
    const int side = Px(ChakraBounds().width * kChartZoom);
    return {side, side};
}

QSize ChakraView::minimumSizeHint() const {
    const int side =
        static_cast<int>(std::ceil(kSmallestLabelPixels * ChakraBounds().width / kLabelFontHeight));
    return {side, side};
}

void ChakraView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintChakra(painter, QRectF(rect()), m_model, kSmallestLabelPixels);
}

}  // namespace vellamor
