// SPDX-License-Identifier: GPL-3.0-or-later
// The entry window's "Click here to find Latitude && Longitude" button: it
// needs only the three place names, and looks them up in the browser.
#pragma once

#include <optional>
#include <string>

#include "core/chart/entry_form.h"
#include "gui/form_problems.h"

namespace vellamor {

// The first empty place name, as a notice with the focus on its box; nothing
// when city, state and country are all filled. Blank-only names count as
// filled, as they do for the calculation.
std::optional<FormProblem> CheckCoordinatesSearch(const EntryForm& form);

// "City State Country Latitude Longitude", the names untrimmed.
std::string CoordinatesSearchText(const EntryForm& form);

}  // namespace vellamor
