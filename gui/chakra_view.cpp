#include "gui/chakra_view.h"

#include <QPainter>

#include "core/chart/chakra_layout.h"
#include "gui/twips.h"
#include "render/chakra_painter.h"

namespace vellamor {
namespace {

// The chart is drawn larger than its twips give, so that a crowded house
// stays readable; it grows and shrinks with the window.
constexpr double kChartZoom = 1.6;

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
    const int side = Px(ChakraBounds().width * 0.6);
    return {side, side};
}

void ChakraView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintChakra(painter, QRectF(rect()), m_model);
}

}  // namespace vellamor
