// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/headless_services.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifdef VELLAMOR_HAVE_ATLAS
#include "atlas/gazetteer.h"
#include "atlas/place_fill.h"
#include "cli/terminal_text.h"
#include "cli/wording.h"
#endif
#ifdef VELLAMOR_HAVE_RENDER
#include "cli/sheet_words.h"
#include "render/chart_sheet.h"
#endif

namespace vellamor {
namespace {

// A pipe holds 64 KiB unless asked for more; a births table's charts fill
// that in a few rows, and each wait for the reader costs two task switches.
// A larger pipe lets both sides work in long stretches. Failing to widen it
// (another system, a user at the limit of pipe memory) changes nothing.
void WidenStandardOutputPipe() {
#ifdef F_SETPIPE_SZ
    struct stat st {};
    if (::fstat(STDOUT_FILENO, &st) != 0 || !S_ISFIFO(st.st_mode))
        return;
    constexpr int kWanted = 1 << 20;
    if (const int size = ::fcntl(STDOUT_FILENO, F_GETPIPE_SZ); size > 0 && size < kWanted)
        ::fcntl(STDOUT_FILENO, F_SETPIPE_SZ, kWanted);
#endif
}

}  // namespace

HeadlessServices BuiltInHeadlessServices(const atlas::BuiltInGazetteer* gazetteer) {
    HeadlessServices services;
    services.prepareBulkOutput = WidenStandardOutputPipe;
#ifdef VELLAMOR_HAVE_ATLAS
    if (gazetteer) {
        services.resolvePlace = [gazetteer](
                                    std::string_view query, const EntryForm& form,
                                    const ExplicitPlaceFields& given,
                                    const CalculationChoice& calculation) -> PlaceResolution {
            if (const auto& fault = gazetteer->Get().fault())
                return Fail(UnknownPlace{std::string(query), {}, GazetteerFaultText(*fault)});
            auto found = atlas::ResolvePlace(
                gazetteer->Get(), query, form, given,
                calculation.precise() ? atlas::ZoneRule::Signed : atlas::ZoneRule::Classic);
            if (!found)
                return Fail(std::move(found.error()));
            const std::string ambiguity =
                AmbiguityText(EscapeControls(found->typedCity), found->place, found->elsewhere);
            return ResolvedPlace{found->form, (ambiguity.empty() ? "" : ambiguity + "\n") +
                                                  found->place.Label() + ": " +
                                                  ZoneNoteText(found->zone)};
        };
        // ResolvePlace in two steps: the search once, the filling per form.
        services.findPlace =
            [gazetteer](std::string_view query) -> Expected<PlaceFiller, UnknownPlace> {
            if (const auto& fault = gazetteer->Get().fault())
                return Fail(UnknownPlace{std::string(query), {}, GazetteerFaultText(*fault)});
            const atlas::PlaceSearch search = atlas::SearchPlace(gazetteer->Get(), query);
            if (!search.place) {
                UnknownPlace unknown{std::string(query), {}, {}};
                for (const atlas::Place& p : search.nearest)
                    unknown.nearest.push_back(p.Label());
                return Fail(std::move(unknown));
            }
            return PlaceFiller([place = *search.place](const EntryForm& form,
                                                       const ExplicitPlaceFields& given,
                                                       const CalculationChoice& calculation) {
                const atlas::FilledForm filled = atlas::FillFormFromPlace(
                    form, place, given,
                    calculation.precise() ? atlas::ZoneRule::Signed : atlas::ZoneRule::Classic);
                return ResolvedPlace{filled.form,
                                     place.Label() + ": " + ZoneNoteText(filled.zone.note)};
            });
        };
    }
#else
    (void)gazetteer;
#endif
#ifdef VELLAMOR_HAVE_RENDER
    services.exportSheet = [](const Chart& chart, const std::string& path) {
        return ExportChartSheetHeadless(chart, EnglishSheetTexts(chart), path);
    };
    services.exportReadingSheet = [](const Chart& chart, const ChartReading& reading,
                                     const std::string& path) {
        return ExportReadingSheetHeadless(chart, reading, EnglishSheetTexts(chart), path);
    };
    services.exportStyledSheet = [](const Chart& chart, const SheetChoice& choice,
                                    const std::string& path) {
        SheetTexts texts = EnglishSheetTexts(chart);
        texts.chartStyle = choice.style;
        texts.chartCaption = QString::fromStdString(choice.caption);
        // The north and south charts are the chart drawn as those
        // schools draw it, not the Sudarshan Chakra.
        if (choice.style != ChartStyle::Sudarshan)
            texts.title = QStringLiteral("Chart of ") + QString::fromStdString(chart.birth.name);
        return ExportChartSheetHeadless(chart, texts, path);
    };
#endif
    return services;
}

}  // namespace vellamor
