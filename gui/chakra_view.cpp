// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/chakra_view.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "core/chart/chakra_layout.h"
#include "gui/dasha_panel.h"
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

void ChakraView::setReadingOverlay(const ReadingOverlay& overlay) {
    if (overlay.reading)
        m_reading = *overlay.reading;
    else
        m_reading.reset();
    m_highlights = overlay.highlights;
    m_transits = overlay.transits;
    m_texts.reset();
    update();
}

void ChakraView::resizeEvent(QResizeEvent* event) {
    m_texts.reset();
    QWidget::resizeEvent(event);
}

int ChakraView::smallestFont() const {
    return SmallestLabelFont(ChakraScale(QRectF(rect())), kSmallestLabelPixels);
}

const ChakraTexts& ChakraView::texts() {
    if (!m_texts)
        m_texts = LayoutChakraTexts(m_model, overlay(), smallestFont());
    return *m_texts;
}

ReadingOverlay ChakraView::overlay() const {
    return {m_reading ? &*m_reading : nullptr, m_highlights, m_transits};
}

void ChakraView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintChakra(painter, QRectF(rect()), m_model, texts(), smallestFont(), ScreenPalette(),
                overlay());
}

bool ChakraView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    // The painter's mapping, undone: widget pixels to the chart's twips.
    const Rect bounds = ChakraBounds();
    const double scale = ChakraScale(QRectF(rect()));
    const QPointF centre = QRectF(rect()).center();
    const Point twips{bounds.centre().x + (help->pos().x() - centre.x()) / scale,
                      bounds.centre().y + (help->pos().y() - centre.y()) / scale};
    std::optional<HouseAtPoint> house = scale > 0 ? HouseAt(twips) : std::nullopt;
    if (!house && scale > 0) {
        // Over a callout, the house whose labels it holds.
        for (const Ring r : AllOf<Ring>()) {
            for (int h = 0; h < 12 && !house; ++h) {
                const HouseText& text = texts()[r][static_cast<std::size_t>(h)];
                if (text.callout && text.layout.box.contains(QPointF(twips.x, twips.y)))
                    house = HouseAtPoint{r, h};
            }
        }
    }
    if (house)
        QToolTip::showText(help->globalPos(),
                           HouseToolTip(m_model, overlay(), house->ring, house->houseIndex), this);
    else
        QToolTip::hideText();
    return true;
}

}  // namespace vellamor
