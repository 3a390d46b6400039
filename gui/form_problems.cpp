// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/form_problems.h"

#include <QCoreApplication>

namespace vellamor {
namespace {

QString Tr(const char* english) {
    return QCoreApplication::translate("vellamor::FormProblems", english);
}

}  // namespace

FormProblem ProblemOf(FormCheck failed) {
    using F = FormField;
    constexpr DialogIcon critical = DialogIcon::Critical;
    switch (failed) {
        case FormCheck::Name:
            return {Tr(QT_TRANSLATE_NOOP("vellamor::FormProblems", "Please Enter Your Name")),
                    critical, F::Name};
        case FormCheck::LatDegrees:
            return {
                Tr(QT_TRANSLATE_NOOP("vellamor::FormProblems", "Please Enter Degree of Latitude")),
                critical, F::LatDegrees};
        case FormCheck::LatMinutes:
            return {
                Tr(QT_TRANSLATE_NOOP("vellamor::FormProblems", "Please Enter Minutes of Latitude")),
                critical, F::LatMinutes};
        case FormCheck::LonDegrees:
            return {
                Tr(QT_TRANSLATE_NOOP("vellamor::FormProblems", "Please Enter Degree of Longitude")),
                critical, F::LonDegrees};
        case FormCheck::LonMinutes:
            return {
                Tr(QT_TRANSLATE_NOOP("vellamor::FormProblems", "Please Enter Minute of Longitude")),
                critical, F::LonMinutes};
        case FormCheck::City:
            return {Tr(QT_TRANSLATE_NOOP("vellamor::FormProblems", "Please Enter Your City name")),
                    critical, F::City};
        case FormCheck::State:
            return {Tr(QT_TRANSLATE_NOOP("vellamor::FormProblems", "Please Enter Your State name")),
                    critical, F::State};
        case FormCheck::Country:
            return {
                Tr(QT_TRANSLATE_NOOP("vellamor::FormProblems", "Please Enter Your Country name")),
                critical, F::Country};
        case FormCheck::LatitudeOption:
            return {Tr(QT_TRANSLATE_NOOP("vellamor::FormProblems",
                                         "Please Select Direction For The Latitude")),
                    critical, F::LatitudeOption};
        case FormCheck::LongitudeOption:
            return {Tr(QT_TRANSLATE_NOOP("vellamor::FormProblems",
                                         "Please Select Direction For The Longitude")),
                    critical, F::LongitudeOption};
        // The two date messages differ by a blank, as they always have.
        case FormCheck::FebruaryDay:
            return {Tr(QT_TRANSLATE_NOOP("vellamor::FormProblems",
                                         "Please Enter Correct Date Or Month!")),
                    DialogIcon::Information, F::None};
        case FormCheck::ThirtyDayMonth:
            return {Tr(QT_TRANSLATE_NOOP("vellamor::FormProblems",
                                         "Please Enter Correct Date Or Month !")),
                    DialogIcon::Information, F::None};
        case FormCheck::LatitudeRange:
            return {Tr(QT_TRANSLATE_NOOP("vellamor::FormProblems",
                                         "Latitude Must Be At Most 90 Degrees")),
                    critical, F::LatDegrees};
        case FormCheck::LatitudeMinutesRange:
            return {Tr(QT_TRANSLATE_NOOP("vellamor::FormProblems",
                                         "Minutes of Latitude Must Be Less Than 60")),
                    critical, F::LatMinutes};
        case FormCheck::LongitudeRange:
            return {Tr(QT_TRANSLATE_NOOP("vellamor::FormProblems",
                                         "Longitude Must Be At Most 180 Degrees")),
                    critical, F::LonDegrees};
        case FormCheck::LongitudeMinutesRange:
            return {Tr(QT_TRANSLATE_NOOP("vellamor::FormProblems",
                                         "Minutes of Longitude Must Be Less Than 60")),
                    critical, F::LonMinutes};
    }
    return {};
}

FormProblem ProblemOf(MissingPlaceName missing) {
    constexpr DialogIcon information = DialogIcon::Information;
    switch (missing) {
        case MissingPlaceName::City:
            return {Tr(QT_TRANSLATE_NOOP("vellamor::FormProblems", "Please Enter City")),
                    information, FormField::City};
        case MissingPlaceName::State:
            return {Tr(QT_TRANSLATE_NOOP("vellamor::FormProblems", "Please Enter State")),
                    information, FormField::State};
        case MissingPlaceName::Country:
            return {Tr(QT_TRANSLATE_NOOP("vellamor::FormProblems", "Please Enter Country")),
                    information, FormField::Country};
    }
    return {};
}

}  // namespace vellamor
