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
    services.findPlace = [](std::string_view query) -> Expected<PlaceFiller, std::string> {
        const atlas::PlaceSearch search = atlas::SearchPlace(query);
        if (!search.place)  // the resolver words the miss, with the nearest places
            return Fail(atlas::ResolvePlace(query, EntryForm{}, ExplicitPlaceFields{}).error);
        return PlaceFiller(
            [place = *search.place](const EntryForm& form, const ExplicitPlaceFields& given) {
                const atlas::FilledForm filled = atlas::FillFormFromPlace(form, place, given);
                PlaceResolution r;
                r.ok = true;
                r.form = filled.form;
                r.note = place.Label() + ": " + filled.zone.note;
                return r;
            });
    };
#endif
#ifdef VELLAMOR_HAVE_RENDER
    services.exportSheet = ExportChartSheetHeadless;
#endif
    return services;
}

}  // namespace vellamor
