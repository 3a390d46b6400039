// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a chart as a freshly started program would: a chart file's fields
// restored into the entry form, the form checked as the entry window checks
// it, then calculated. The command line and the entry window's Open share it.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/astro/expected.h"
#include "core/chart/chart_format.h"
#include "core/chart/entry_form.h"
#include "core/chart/pipeline.h"

namespace vellamor {

// Why a chart could not be opened: one of the two is set.
struct OpeningError {
    std::optional<FormCheck> check;      // the form failed the window's checks
    std::optional<ChartFileError> file;  // the file was refused, and why
};

// Restores the form's controls from a file's fields, as opening does: text
// boxes take the text, lists select the entry with that value or keep their
// selection, lines 12 to 14 read True/False (any case) or a number.
EntryForm ApplyChartFields(EntryForm form, const ChartFields& fields);

// The form as opening the chart file leaves it: `form` with the file's fields
// restored (a fresh window's form for the command line, the window's current
// one for its Open).
Expected<EntryForm, OpeningError> FormFromChartFile(const std::string& path, EntryForm form);

// Validates a filled entry form exactly as the window does, then calculates.
Expected<Chart, OpeningError> ChartFromForm(const EntryForm& form,
                                            const CalculationChoice& choice = {});

// A change made to the form between reading it and validating it (--place).
using FormAdjustment = std::function<void(EntryForm&)>;

// Opens a chart file as a freshly started program would: default controls,
// the file's fields, the adjustment if any, validation, calculation.
Expected<Chart, OpeningError> OpenChartFile(const std::string& path,
                                            const FormAdjustment& adjust = {},
                                            const CalculationChoice& choice = {});

}  // namespace vellamor
