// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/birth_details_panel.h"

#include <QLabel>
#include <QVBoxLayout>
#include <array>

#include "core/astro/time_zones.h"
#include "core/chart/chakra_model.h"
#include "gui/calculation_menu.h"
#include "gui/panel_look.h"
#include "gui/translation.h"
#include "gui/twips.h"
#include "gui/wording.h"

namespace vellamor {

std::array<QString, kDetailCount> TranslatedDetailTexts(const BirthData& b,
                                                        const ChakraModel& chakra) {
    std::array<QString, kDetailCount> texts;
    for (int i = 0; i < kDetailCount; ++i)
        texts[static_cast<std::size_t>(i)] =
            QString::fromUtf8(chakra.details[static_cast<std::size_t>(i)].view());
    const QString month = b.month >= 1 && b.month <= 12 ? MonthWording(b.month) : QString();
    texts[1] = BirthDetailsPanel::tr("%1 %2, %3", "birth date: month, day, year")
                   .arg(month)
                   .arg(b.day)
                   .arg(b.year);
    texts[2] = BirthDetailsPanel::tr("%1 HH %2 MM", "birth time: hours, minutes")
                   .arg(b.hour)
                   .arg(b.minute);
    if (const TimeZoneRow* zone = TimeZoneAt(b.zoneIndex))
        texts[3] = TranslatedCoreText(zone->text);
    texts[4] =
        BirthDetailsPanel::tr("%1 Degree %2 Minute", "latitude or longitude: degrees, minutes")
            .arg(b.latDegrees)
            .arg(b.latMinutes);
    texts[5] =
        BirthDetailsPanel::tr("%1 Degree %2 Minute", "latitude or longitude: degrees, minutes")
            .arg(b.lonDegrees)
            .arg(b.lonMinutes);
    return texts;
}

BirthDetailsPanel::BirthDetailsPanel(const Chart& chart, QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Px(90), Px(120), Px(90), Px(120));
    layout->setSpacing(0);
    const std::array<QString, kDetailCount> details =
        TranslatedDetailTexts(chart.birth, chart.chakra);
    for (int i = 0; i < kDetailCount; ++i) {
        const int index = 16 + i;
        QLabel* caption =
            PanelLabel(TranslatedCoreText(kDetailCaptions[static_cast<std::size_t>(i)]),
                       QStringLiteral("lblLabel1(%1)").arg(index), true, this);
        QLabel* value = PanelLabel(details[static_cast<std::size_t>(i)],
                                   QStringLiteral("lblLabel2(%1)").arg(index), false, this);
        value->setWordWrap(true);
        if (i > 0)
            layout->addSpacing(Px(150));
        layout->addWidget(caption);
        layout->addWidget(value);
    }
    const BirthData& birth = chart.birth;
    const QString choicesText =
        QStringLiteral("%1; %2, %3")
            .arg(birth.daylightSaving ? tr("Daylight Saving box ticked")
                                      : tr("Daylight Saving box unticked"),
                 birth.southLatitude ? tr("South latitude") : tr("North latitude"),
                 birth.eastLongitude ? tr("East longitude") : tr("West longitude"));
    QLabel* choices = PanelLabel(choicesText, QStringLiteral("lblEntryChoices"), false, this);
    choices->setWordWrap(true);
    layout->addSpacing(Px(150));
    layout->addWidget(choices);
    if (QLabel* calculation = CalculationNote::Make(chart, this)) {
        layout->addSpacing(Px(150));
        layout->addWidget(calculation);
    }
    layout->addStretch(1);
}

}  // namespace vellamor
