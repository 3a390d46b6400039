#include "core/chart/chart_opening.h"

#include "core/chart/chart_file.h"

namespace vellamor {

Expected<EntryForm, OpeningError> FormFromChartFile(const std::string& path, EntryForm form) {
    ChartReadResult read = ReadChartFile(path);
    if (!read.ok())
        return Fail(OpeningError{read.error, std::nullopt});
    return ApplyChartFields(std::move(form), *read.fields);
}

Expected<Chart, OpeningError> ChartFromForm(const EntryForm& form) {
    if (auto problem = ValidateInput(form))
        return Fail(OpeningError{problem->message, *problem});
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
