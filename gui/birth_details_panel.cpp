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

QString DetailCaption(Detail detail) {
    switch (detail) {
        case Detail::Name:
            return BirthDetailsPanel::tr("Name", "birth detail");
        case Detail::Date:
            return BirthDetailsPanel::tr("Date of Birth");
        case Detail::Time:
            return BirthDetailsPanel::tr("Time of Birth");
        case Detail::TimeZone:
            return BirthDetailsPanel::tr("Time Zone");
        case Detail::Latitude:
            return BirthDetailsPanel::tr("Latitude");
        case Detail::Longitude:
            return BirthDetailsPanel::tr("Longitude");
        case Detail::City:
            return BirthDetailsPanel::tr("City");
        case Detail::State:
            return BirthDetailsPanel::tr("State");
        case Detail::Country:
            return BirthDetailsPanel::tr("Country");
    }
    return {};
}

EnumArray<Detail, QString> TranslatedDetailTexts(const BirthData& b) {
    EnumArray<Detail, QString> texts;
    texts[Detail::Name] = QString::fromStdString(b.name);
    const QString month = b.month >= 1 && b.month <= 12 ? MonthWording(b.month) : QString();
    texts[Detail::Date] = BirthDetailsPanel::tr("%1 %2, %3", "birth date: month, day, year")
                              .arg(month)
                              .arg(b.day)
                              .arg(b.year);
    texts[Detail::Time] = BirthDetailsPanel::tr("%1 HH %2 MM", "birth time: hours, minutes")
                              .arg(b.hour)
                              .arg(b.minute);
    if (const TimeZoneRow* zone = TimeZoneAt(b.zoneIndex))
        texts[Detail::TimeZone] = TranslatedCoreText(zone->text);
    const auto angle = [](int degrees, int minutes) {
        return BirthDetailsPanel::tr("%1 Degree %2 Minute",
                                     "latitude or longitude: degrees, minutes")
            .arg(degrees)
            .arg(minutes);
    };
    texts[Detail::Latitude] = angle(b.latDegrees, b.latMinutes);
    texts[Detail::Longitude] = angle(b.lonDegrees, b.lonMinutes);
    texts[Detail::City] = QString::fromStdString(b.city);
    texts[Detail::State] = QString::fromStdString(b.state);
    texts[Detail::Country] = QString::fromStdString(b.country);
    return texts;
}

BirthDetailsPanel::BirthDetailsPanel(const Chart& chart, QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Px(90), Px(120), Px(90), Px(120));
    layout->setSpacing(0);
    const EnumArray<Detail, QString> details = TranslatedDetailTexts(chart.birth);
    for (const Detail d : AllOf<Detail>()) {
        const int index = 16 + static_cast<int>(d);
        QLabel* caption =
            PanelLabel(DetailCaption(d), QStringLiteral("lblLabel1(%1)").arg(index), true, this);
        QLabel* value =
            PanelLabel(details[d], QStringLiteral("lblLabel2(%1)").arg(index), false, this);
        value->setWordWrap(true);
        if (d != Detail::Name)
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
