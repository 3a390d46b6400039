// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/chart_opening.h"

#include "core/chart/chart_file.h"

namespace vellamor {
namespace {

using namespace chart_line;

// List selection by the entry's text, as the lists hold plain decimals.
void SelectByText(int& index, std::string_view text, int first, int count) {
    int v = 0;
    if (!ParseChartInteger(text, v) || v < first || v >= first + count)
        return;
    if (std::to_string(v) != text)
        return;  // "05" is not an entry of the list
    index = v - first;
}

}  // namespace

EntryForm ApplyChartFields(EntryForm form, const ChartFields& f) {
    auto at = [&](int line) -> const std::string& { return f[static_cast<std::size_t>(line)]; };
    form.name = at(kNameLine);
    if (int m = 0; ParseChartInteger(at(kMonthLine), m) && m >= 1 && m <= 12)
        form.monthIndex = m - 1;
    SelectByText(form.dayIndex, at(kDayLine), 1, 31);
    SelectByText(form.yearIndex, at(kYearLine), kFirstYear, kLastYear - kFirstYear + 1);
    SelectByText(form.hourIndex, at(kHourLine), 0, 24);
    SelectByText(form.minuteIndex, at(kMinuteLine), 0, 60);
    if (int z = 0; ParseChartInteger(at(kZoneLine), z) && z >= 0 && z <= 70)
        form.zoneIndex = z;
    form.lonDegrees = at(kLonDegLine);
    form.lonMinutes = at(kLonMinLine);
    form.latDegrees = at(kLatDegLine);
    form.latMinutes = at(kLatMinLine);
    if (auto east = ParseChartFlag(at(kEastLine)))
        form.longitude = *east ? LongitudeOption::East : LongitudeOption::West;
    if (auto south = ParseChartFlag(at(kSouthLine)))
        form.latitude = *south ? LatitudeOption::South : LatitudeOption::North;
    if (auto dst = ParseChartFlag(at(kDstLine)))
        form.daylightSaving = *dst;
    form.city = at(kCityLine);
    form.state = at(kStateLine);
    form.country = at(kCountryLine);
    form.exactOffset = ParseExactOffset(at(kOffsetLine), true).offset.value_or(ExactOffset{});
    return form;
}

Expected<EntryForm, OpeningError> FormFromChartFile(const std::string& path, EntryForm form) {
    const ChartReadResult read = ReadChartFile(path);
    if (!read)
        return Fail(OpeningError{std::nullopt, read.error()});
    return ApplyChartFields(std::move(form), *read);
}

Expected<Chart, OpeningError> ChartFromForm(const EntryForm& form,
                                            const CalculationChoice& choice) {
    if (const auto checked = ValidateInput(form); !checked)
        return Fail(OpeningError{checked.error(), std::nullopt});
    return CalculateChart(CopyFormToBirthData(form), choice);
}

Expected<Chart, OpeningError> OpenChartFile(const std::string& path, const FormAdjustment& adjust,
                                            const CalculationChoice& choice) {
    auto form = FormFromChartFile(path, EntryForm{});
    if (!form)
        return Fail(form.error());
    if (adjust)
        adjust(*form);
    return ChartFromForm(*form, choice);
}

}  // namespace vellamor
