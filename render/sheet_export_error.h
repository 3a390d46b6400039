// SPDX-License-Identifier: GPL-3.0-or-later
// Why a chart sheet could not be exported, as values: the front ends word it
// (cli/wording.h, gui/wording.h). Apart from the sheet itself (chart_sheet.h)
// and free of Qt, so that the command line can name it in a build without
// the renderer.
#pragma once

#include <string>

#include "core/io/file_replace.h"

namespace vellamor {

struct SheetExportError {
    enum class Kind {
        UnknownFormat,  // the name ends in none of .png, .svg and .pdf
        NotDrawn,       // the sheet could not be drawn
        NoFont,         // no installed font has letters the sheet needs: `missing`
        NotReplaced,    // the file could not be written or replaced: `replace`
    };
    Kind kind = Kind::NotReplaced;
    std::string path;          // the file as named (UTF-8)
    FileReplaceError replace;  // for NotReplaced
    std::string missing;       // for NoFont: the first few letters no font has (UTF-8)
    std::string fonts;         // for NoFont: the sheet's font families, ", " between
};

}  // namespace vellamor
