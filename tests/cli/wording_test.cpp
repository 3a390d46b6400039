// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/wording.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <set>
#include <string>

namespace vellamor {
namespace {

// Every kind the core hands over has words of its own: none is empty, and no
// two kinds of one enum read alike, so that none was worded by copying.
TEST(Wording, EveryKindHasItsOwnEnglish) {
    auto distinct = [](const std::string& what, int last, auto words) {
        std::set<std::string> seen;
        for (int i = 0; i <= last; ++i) {
            const std::string text(words(i));
            EXPECT_FALSE(text.empty()) << what << " " << i;
            EXPECT_TRUE(seen.insert(text).second) << what << " " << i << ": " << text;
        }
    };
    distinct("form check", static_cast<int>(FormCheck::LongitudeMinutesRange),
             [](int i) { return FormCheckText(static_cast<FormCheck>(i)); });
    distinct("reading error", static_cast<int>(ReadingError::OutOfRange),
             [](int i) { return ReadingErrorText(static_cast<ReadingError>(i)); });
    distinct("chart file problem", static_cast<int>(ChartFileProblem::UnacceptableValue),
             [](int i) {
                 return ChartFileReasonText({static_cast<ChartFileProblem>(i), 3, 0, {}});
             });
    distinct("chart write problem", static_cast<int>(ChartWriteProblem::NotReplaced), [](int i) {
        return ChartWriteText({static_cast<ChartWriteProblem>(i),
                               15,
                               "\u20ac",
                               "/x/a.sud",
                               {FileReplaceError::Kind::System, ENOSPC}});
    });
    distinct("value check", static_cast<int>(ValueCheck::TextLength), [](int i) {
        return ChartFileReasonText(
            {ChartFileProblem::UnacceptableValue, 8, 0, {static_cast<ValueCheck>(i), "5", 0, 180}});
    });
    distinct("file replace error", static_cast<int>(FileReplaceError::Kind::System), [](int i) {
        return FileReplaceText({static_cast<FileReplaceError::Kind>(i), ENOSPC});
    });
    distinct("sheet export error", static_cast<int>(SheetExportError::Kind::NotReplaced),
             [](int i) {
                 return SheetExportText({static_cast<SheetExportError::Kind>(i),
                                         "a.png",
                                         {FileReplaceError::Kind::System, ENOSPC},
                                         "\u0930",
                                         "DejaVu Sans"});
             });
    // A failure names its file first and gives the system's own reason.
    EXPECT_EQ(SheetExportText({SheetExportError::Kind::NotReplaced,
                               "a.png",
                               {FileReplaceError::Kind::System, ENOSPC},
                               {},
                               {}}),
              std::string("a.png: ") + std::strerror(ENOSPC));
    // A chart that cannot be opened says its failed check, else the file's sentence.
    EXPECT_EQ(OpeningErrorText({FormCheck::Name, std::nullopt}), FormCheckText(FormCheck::Name));
    EXPECT_EQ(OpeningErrorText({std::nullopt, ChartFileError{}}), kCheckFileText);
}

}  // namespace
}  // namespace vellamor
