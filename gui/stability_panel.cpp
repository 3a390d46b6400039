// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/stability_panel.h"

#include <QLabel>
#include <QVBoxLayout>

#include "core/astro/bodies.h"
#include "gui/panel_look.h"
#include "gui/twips.h"
#include "gui/wording.h"

namespace vellamor {

StabilityPanel::StabilityPanel(const ChartStability& stability, QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Px(90), Px(120), Px(90), Px(120));
    layout->setSpacing(Px(45));
    auto heading = [&](const QString& text, const QString& name) {
        if (layout->count() > 0)
            layout->addSpacing(Px(120));
        layout->addWidget(PanelLabel(text, name, true, this));
    };
    auto line = [&](const QString& text, const QString& name) {
        QLabel* l = PanelLabel(text, name, false, this);
        l->setWordWrap(true);
        layout->addWidget(l);
    };
    heading(tr("Birth time"), QStringLiteral("lblStabilityTime"));
    line(SignChangeWording(SignChangeFactsOf(SignChanger::Ascendant, stability.ascendant)),
         QStringLiteral("lblLagnaWindow"));
    line(SignChangeWording(SignChangeFactsOf(SignChanger::Moon, stability.moon)),
         QStringLiteral("lblMoonWindow"));

    heading(tr("Sign boundaries"), QStringLiteral("lblStabilityBoundary"));
    line(NearBoundaryWording(stability.nearBoundary), QStringLiteral("lblNearBoundary"));

    heading(tr("Retrograde stations"), QStringLiteral("lblStabilityStations"));
    for (const StationEvidence& e : stability.stations) {
        line(BodyName(e.planet) + QStringLiteral(": ") + StationWording(e),
             QStringLiteral("lblStation(%1)").arg(BodyIndex(e.planet)));
    }
    if (stability.zoneMisfit) {
        heading(tr("Time zone"), QStringLiteral("lblStabilityZone"));
        line(ZoneNoteWording(stability.zoneMisfit), QStringLiteral("lblZoneNoteDetail"));
    }
    layout->addStretch(1);
}

}  // namespace vellamor
