// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/chart_opening.h"

namespace vellamor {

Expected<EntryForm, OpeningError> FormFromChartFile(const std::string& path, EntryForm form) {
    const ChartReadResult read = ReadChartFile(path);
    if (!read)
        return Fail(OpeningError{std::nullopt, read.error()});
    return ApplyChartFields(std::move(form), *read);
}

Expected<Chart, OpeningError> ChartFromForm(const EntryForm& form) {
    if (const auto checked = ValidateInput(form); !checked)
        return Fail(OpeningError{checked.error(), std::nullopt});
    return CalculateChart(CopyFormToBirthData(form));
}

Expected<Chart, OpeningError> OpenChartFile(const std::string& path, const FormAdjustment& adjust) {
    auto form = FormFromChartFile(path, EntryForm{});
    if (!form)
        return Fail(form.error());
    if (adjust)
        adjust(*form);
    return ChartFromForm(*form);
}

}  // namespace vellamor
