// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/headless_services.h"

#ifdef VELLAMOR_HAVE_ATLAS
#include "atlas/place_fill.h"
#endif
#ifdef VELLAMOR_HAVE_RENDER
#include "render/chart_sheet.h"
#endif

namespace vellamor {

HeadlessServices BuiltInHeadlessServices() {
    HeadlessServices services;
#ifdef VELLAMOR_HAVE_ATLAS
    services.resolvePlace = atlas::ResolvePlace;
    // ResolvePlace in two steps: the search once, the filling per form.
    services.findPlace = [](std::string_view query) -> Expected<PlaceFiller, UnknownPlace> {
        const atlas::PlaceSearch search = atlas::SearchPlace(query);
        if (!search.place) {
            UnknownPlace unknown{std::string(query), {}};
            for (const atlas::Place& p : search.nearest)
                unknown.nearest.push_back(p.Label());
            return Fail(std::move(unknown));
        }
        return PlaceFiller(
            [place = *search.place](const EntryForm& form, const ExplicitPlaceFields& given) {
                const atlas::FilledForm filled = atlas::FillFormFromPlace(form, place, given);
                return ResolvedPlace{filled.form, place.Label() + ": " + filled.zone.note};
            });
    };
#endif
#ifdef VELLAMOR_HAVE_RENDER
    services.exportSheet = ExportChartSheetHeadless;
    services.exportReadingSheet = ExportReadingSheetHeadless;
#endif
    return services;
}

}  // namespace vellamor
