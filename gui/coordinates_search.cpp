// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/coordinates_search.h"

namespace vellamor {

std::optional<FormProblem> CheckCoordinatesSearch(const EntryForm& form) {
    // These notices are not among the calculation's checks.
    if (form.city.empty())
        return ProblemOf(MissingPlaceName::City);
    if (form.state.empty())
        return ProblemOf(MissingPlaceName::State);
    if (form.country.empty())
        return ProblemOf(MissingPlaceName::Country);
    return std::nullopt;
}

std::string CoordinatesSearchText(const EntryForm& form) {
    return form.city + " " + form.state + " " + form.country + " Latitude Longitude";
}

}  // namespace vellamor
