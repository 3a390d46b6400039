// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/legend_panel.h"

#include <QGridLayout>
#include <QLabel>

#include "core/astro/bodies.h"
#include "core/chart/chakra_layout.h"
#include "gui/panel_look.h"
#include "gui/translation.h"
#include "gui/twips.h"
#include "gui/wording.h"
#include "render/chakra_painter.h"

namespace vellamor {

LegendPanel::LegendPanel(const Chart& chart, const ChartStability& stability, QWidget* parent)
    : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(Px(120), Px(120), Px(90), Px(120));
    grid->setHorizontalSpacing(Px(240));
    grid->setVerticalSpacing(Px(45));
    int row = 0;
    for (int i = 0; i < kBodyCount; ++i, ++row) {
        grid->addWidget(PanelLabel(TranslatedCoreText(kPlanetNames[static_cast<std::size_t>(i)]),
                                   QStringLiteral("lblLabel1(%1)").arg(i), false, this),
                        row, 0);
        grid->addWidget(
            PanelLabel(
                QString::fromUtf8(chart.chakra.legendLabels[static_cast<std::size_t>(i)].view()),
                QStringLiteral("lblLabel2(%1)").arg(i), false, this),
            row, 1);
    }
    // Each planet's row names the station dates that decide its mark.
    for (const StationEvidence& e : stability.stations) {
        const int i = BodyIndex(e.planet);
        const QString tip = BodyName(e.planet) + QStringLiteral(": ") + StationWording(e);
        for (const QString& name :
             {QStringLiteral("lblLabel1(%1)"), QStringLiteral("lblLabel2(%1)")}) {
            if (QLabel* l = findChild<QLabel*>(name.arg(i)))
                l->setToolTip(tip);
        }
    }
    grid->setRowMinimumHeight(row++, Px(240));

    // The ring key: each ring's colour beside its name.
    struct Key {
        int index;
        Ring ring;
        const char* text;
    };
    for (const Key& k : {Key{13, Ring::Sun, QT_TR_NOOP("Sun Chart")},
                         Key{14, Ring::Moon, QT_TR_NOOP("Moon Chart")},
                         Key{15, Ring::Birth, QT_TR_NOOP("Birth Chart")}}) {
        QLabel* swatch =
            PanelLabel(QString(), QStringLiteral("lblLabel1(%1)").arg(k.index), false, this);
        swatch->setFixedSize(Px(600), Px(240));
        swatch->setAutoFillBackground(true);
        QPalette p = swatch->palette();
        p.setColor(QPalette::Window, ToQColor(GeometryOf(k.ring).colour));
        swatch->setPalette(p);
        swatch->setFrameShape(QFrame::Box);
        grid->addWidget(swatch, row, 0);
        grid->addWidget(
            PanelLabel(tr(k.text), QStringLiteral("lblLabel2(%1)").arg(k.index), true, this), row++,
            1);
    }
    // "R" alone is Rahu; "(R)" after a planet's letters marks it retrograde.
    QLabel* marks = PanelLabel(tr("R: Rahu. (R) after a planet: retrograde."),
                               QStringLiteral("lblRetrogradeKey"), false, this);
    marks->setWordWrap(true);
    grid->addWidget(marks, row++, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row, 1);
}

}  // namespace vellamor
