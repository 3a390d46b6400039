// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/chart_file_wording.h"

#include <cstring>

namespace vellamor {
namespace {

std::string Lower(std::string_view s) {
    std::string r(s);
    for (char& c : r) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return r;
}

}  // namespace

std::string ChartFileReason(const ChartFileError& e) {
    const std::string line = "line " + std::to_string(e.line);
    switch (e.problem) {
        case ChartFileProblem::NotAChartName:
            return "the name does not end in \"sud\"";
        case ChartFileProblem::NoSuchFile:
            return "no such file";
        case ChartFileProblem::PermissionDenied:
            return "permission denied";
        case ChartFileProblem::NotRegularFile:
            return "not a regular file";
        case ChartFileProblem::Unreadable:
            return e.systemError ? Lower(std::strerror(e.systemError)) : "it cannot be read";
        case ChartFileProblem::TooLarge:
            return "larger than 64 KiB";
        case ChartFileProblem::LineTooLong:
            return line + " is too long";
        case ChartFileProblem::UndecodableLine:
            return line + " cannot be decoded";
        case ChartFileProblem::CutShort:
            return line + " is cut short";
        case ChartFileProblem::EmptyFile:
            return "the file is empty";
        case ChartFileProblem::UnacceptableValue:
            return line + ": " + (e.value.empty() ? "a value the form cannot take" : e.value);
    }
    return "it cannot be read";
}

std::string ChartWriteMessage(const ChartWriteError& e) {
    const std::string name =
        e.line >= 1 && e.line <= kChartFieldCount
            ? std::string(kChartFieldNames[static_cast<std::size_t>(e.line - 1)])
            : std::string("chart");
    switch (e.problem) {
        case ChartWriteProblem::UncarriableCharacter:
            return "The chart cannot be saved: the " + name + " holds the character \"" +
                   e.character + "\", which a chart file cannot carry.";
        case ChartWriteProblem::TextTooLong:
            return "The chart cannot be saved: the " + name + " is longer than 200 characters.";
        case ChartWriteProblem::NotReplaced:
            break;
    }
    return e.path + ": " + e.reason;
}

}  // namespace vellamor
