// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/positions_panel.h"

#include <QGridLayout>
#include <QLabel>

#include "core/astro/bodies.h"
#include "core/astro/nakshatra.h"
#include "gui/panel_look.h"
#include "gui/translation.h"
#include "gui/twips.h"

namespace vellamor {

PositionsPanel::PositionsPanel(const Chart& chart, QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(Px(120), Px(120), Px(90), Px(120));
    grid->setHorizontalSpacing(Px(240));
    grid->setVerticalSpacing(Px(45));
    for (int i = 0; i < kBodyCount; ++i) {
        grid->addWidget(PanelLabel(TranslatedCoreText(kPlanetNames[static_cast<std::size_t>(i)]),
                                   QStringLiteral("lblLabel1(%1)").arg(28 + i), true, this),
                        i, 0);
        grid->addWidget(
            PanelLabel(QString::fromStdString(
                           chart.planets.positionTexts[static_cast<std::size_t>(i)].str()),
                       QStringLiteral("lblLabel2(%1)").arg(28 + i), false, this),
            i, 1);
        const Nakshatra n = NakshatraOf(chart.planets.longitudes[static_cast<std::size_t>(i)]);
        const QString nakshatra =
            tr("%1, pada %2, lord %3", "nakshatra: name, pada 1 to 4, ruling planet")
                .arg(TranslatedCoreText(n.name()))
                .arg(n.pada)
                .arg(TranslatedCoreText(
                    kPlanetNames[static_cast<std::size_t>(BodyIndex(n.lord()))]));
        grid->addWidget(
            PanelLabel(nakshatra, QStringLiteral("lblNakshatra(%1)").arg(i), false, this), i, 2);
    }
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(kBodyCount, 1);
}

}  // namespace vellamor
