// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chart/chart_file.h"

#include <cerrno>

#include "core/io/file_replace.h"
#include "core/io/whole_file.h"

namespace vellamor {
namespace {

Unexpected<ChartFileError> Refuse(ChartFileProblem problem, int systemError = 0) {
    return Fail(ChartFileError{problem, 0, systemError, {}});
}

// The refusal for a file that could not be opened or read.
Unexpected<ChartFileError> RefuseUnread(const WholeFileError& error) {
    switch (error.kind) {
        case WholeFileError::Kind::NotRegularFile:
            return Refuse(ChartFileProblem::NotRegularFile);
        case WholeFileError::Kind::TooLarge:
            return Refuse(ChartFileProblem::TooLarge);
        case WholeFileError::Kind::System:
            break;
    }
    switch (error.systemError) {
        case ENOENT:
        case ENOTDIR:
            return Refuse(ChartFileProblem::NoSuchFile, error.systemError);
        case EACCES:
        case EPERM:
            return Refuse(ChartFileProblem::PermissionDenied, error.systemError);
        default:
            return Refuse(ChartFileProblem::Unreadable, error.systemError);
    }
}

}  // namespace

ChartReadResult ReadChartFile(const std::string& path) {
    if (!HasChartExtension(path))
        return Refuse(ChartFileProblem::NotAChartName);
    // A save cut off part way is put right first (the front ends call this
    // themselves beforehand, to say so).
    (void)RecoverInterruptedRewrite(path);
    const auto bytes = ReadWholeFile(path, kMaxChartFileBytes);
    if (!bytes)
        return RefuseUnread(bytes.error());
    return ParseChartFile(*bytes);
}

Expected<void, ChartWriteError> WriteChartFile(const std::string& path, const BirthData& birth) {
    const auto encoded = SerializeChartFile(ChartFieldsFromBirthData(birth));
    if (!encoded)
        return Fail(encoded.error());
    if (auto replaced = ReplaceFile(path, *encoded); !replaced)
        return Fail(ChartWriteError{ChartWriteProblem::NotReplaced, 0, {}, path, replaced.error()});
    return {};
}

}  // namespace vellamor
