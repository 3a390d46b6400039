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
#endif
#ifdef VELLAMOR_HAVE_RENDER
    services.exportSheet = ExportChartSheetHeadless;
    services.exportReadingSheet = ExportReadingSheetHeadless;
#endif
    return services;
}

}  // namespace vellamor
