#include "gui/coordinates_search.h"

namespace vellamor {

std::optional<FormProblem> CheckCoordinatesSearch(const EntryForm& form) {
    // check 0: these notices are not among the calculation's numbered checks.
    if (form.city.empty())
        return FormProblem{0, "Please Enter City", MessageIcon::Information, FormField::City};
    if (form.state.empty())
        return FormProblem{0, "Please Enter State", MessageIcon::Information, FormField::State};
    if (form.country.empty())
        return FormProblem{0, "Please Enter Country", MessageIcon::Information, FormField::Country};
    return std::nullopt;
}

std::string CoordinatesSearchText(const EntryForm& form) {
    return form.city + " " + form.state + " " + form.country + " Latitude Longitude";
}

}  // namespace vellamor
