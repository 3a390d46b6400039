// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/wording.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstring>
#include <iterator>

#include "core/astro/planet_positions.h"
#include "core/astro/time_zones.h"
#include "gui/birth_details_panel.h"
#include "gui/translation.h"

namespace vellamor {

QString MonthWording(int month) {
    static constexpr const char* kMonths[] = {
        QT_TRANSLATE_NOOP("vellamor::Wording", "January"),
        QT_TRANSLATE_NOOP("vellamor::Wording", "February"),
        QT_TRANSLATE_NOOP("vellamor::Wording", "March"),
        QT_TRANSLATE_NOOP("vellamor::Wording", "April"),
        QT_TRANSLATE_NOOP("vellamor::Wording", "May"),
        QT_TRANSLATE_NOOP("vellamor::Wording", "June"),
        QT_TRANSLATE_NOOP("vellamor::Wording", "July"),
        QT_TRANSLATE_NOOP("vellamor::Wording", "August"),
        QT_TRANSLATE_NOOP("vellamor::Wording", "September"),
        QT_TRANSLATE_NOOP("vellamor::Wording", "October"),
        QT_TRANSLATE_NOOP("vellamor::Wording", "November"),
        QT_TRANSLATE_NOOP("vellamor::Wording", "December"),
    };
    return month >= 1 && month <= 12
               ? QCoreApplication::translate("vellamor::Wording", kMonths[month - 1])
               : QStringLiteral("?");
}

QString SpanWording(const MinuteSpan& span) {
    switch (span.unit) {
        case SpanUnit::UnderAMinute:
            return QCoreApplication::translate("vellamor::StabilityWording", "under 1 min");
        case SpanUnit::Minutes:
            return QCoreApplication::translate("vellamor::StabilityWording", "%1 min")
                .arg(span.whole);
        case SpanUnit::Hours:
            return span.rest
                       ? QCoreApplication::translate("vellamor::StabilityWording", "%1 h %2 min")
                             .arg(span.whole)
                             .arg(span.rest)
                       : QCoreApplication::translate("vellamor::StabilityWording", "%1 h")
                             .arg(span.whole);
        case SpanUnit::Days:
            return span.rest
                       ? QCoreApplication::translate("vellamor::StabilityWording", "%1 d %2 h")
                             .arg(span.whole)
                             .arg(span.rest)
                       : QCoreApplication::translate("vellamor::StabilityWording", "%1 d")
                             .arg(span.whole);
    }
    return {};
}

QString SignChangeWording(const SignChangeFacts& f) {
    auto side = [](const SignChangeFacts::Side& s, bool earlier) {
        const QString span = SpanWording(s.span);
        if (earlier)
            return s.found ? QCoreApplication::translate("vellamor::StabilityWording", "%1 earlier")
                                 .arg(span)
                           : QCoreApplication::translate("vellamor::StabilityWording",
                                                         "not within %1 earlier")
                                 .arg(span);
        return s.found
                   ? QCoreApplication::translate("vellamor::StabilityWording", "%1 later").arg(span)
                   : QCoreApplication::translate("vellamor::StabilityWording",
                                                 "not within %1 later")
                         .arg(span);
    };
    const QString earlier = side(f.earlier, true), later = side(f.later, false);
    switch (f.of) {
        case SignChanger::Ascendant:
            return QCoreApplication::translate("vellamor::StabilityWording",
                                               "Lagna changes sign if birth was %1 or %2")
                .arg(earlier, later);
        case SignChanger::Moon:
            return QCoreApplication::translate("vellamor::StabilityWording",
                                               "Moon changes sign if birth was %1 or %2")
                .arg(earlier, later);
    }
    return {};
}

// "26 February 1980", the month in the window's language.
QString StationDateWording(const CalendarDate& date) {
    if (date.month < 1 || date.month > 12)
        return QStringLiteral("%1,%2,%3").arg(date.month).arg(date.day).arg(date.year);
    return QStringLiteral("%1 %2 %3").arg(date.day).arg(MonthWording(date.month)).arg(date.year);
}

QString StationWording(const StationEvidence& e) {
    const QString before =
        e.before ? StationDateWording(*e.before)
                 : QCoreApplication::translate("vellamor::StabilityWording", "(before the tables)");
    const QString after =
        e.after ? StationDateWording(*e.after)
                : QCoreApplication::translate("vellamor::StabilityWording", "(after the tables)");
    QString out = e.retrograde ? QCoreApplication::translate("vellamor::StabilityWording",
                                                             "retrograde from %1 to %2")
                                     .arg(before, after)
                               : QCoreApplication::translate(
                                     "vellamor::StabilityWording",
                                     "direct; last direct station %1, next retrograde station %2")
                                     .arg(before, after);
    if (e.dayDecided)
        out += QCoreApplication::translate(
            "vellamor::StabilityWording",
            "; the birth day is at a station, so the calendar day decides the mark");
    return out;
}

QString NearBoundaryWording(const std::vector<Body>& bodies) {
    if (bodies.empty())
        return QCoreApplication::translate(
            "vellamor::StabilityWording",
            "No body stands within one arcminute of a sign boundary.");
    QStringList names;
    for (Body b : bodies)
        names << BodyName(b);
    return QCoreApplication::translate(
               "vellamor::StabilityWording",
               "Within one arcminute of a sign boundary, so their house rests on the last "
               "digit: %1.")
        .arg(names.join(QCoreApplication::translate("vellamor::StabilityWording", ", ")));
}

namespace {

QString TwoDigits(int v) {
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

QString OffsetWording(int eastMinutes) {
    const ClockOffset o = OffsetOfSeconds(eastMinutes * 60);
    return QStringLiteral("UTC%1%2:%3")
        .arg(o.behind ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(o.hours)
        .arg(TwoDigits(o.minutes));
}

QString InstantWording(const CivilDateTime& t) {
    const QString month = MonthWording(t.month);
    return QCoreApplication::translate("vellamor::StabilityWording", "%1 %2 %3, %4:%5 UT",
                                       "day, month, year, hours, minutes")
        .arg(t.day)
        .arg(month)
        .arg(t.year)
        .arg(TwoDigits(t.hour), TwoDigits(t.minute));
}

QString SideWording(bool east) {
    return east ? QCoreApplication::translate("vellamor::StabilityWording", "East")
                : QCoreApplication::translate("vellamor::StabilityWording", "West");
}

}  // namespace

QString ZoneNoteWording(const std::optional<ZoneMisfit>& misfit) {
    if (!misfit)
        return {};
    const ZoneMisfit& m = *misfit;
    QString note =
        QCoreApplication::translate("vellamor::StabilityWording",
                                    "Time zone check: \"%1\" is %2, but the birth longitude "
                                    "%3\u00b0%4' %5 keeps a mean solar time of about %6.")
            .arg(TranslatedCoreText(m.zoneText), OffsetWording(m.zoneEastMinutes))
            .arg(m.lonDegrees)
            .arg(m.lonMinutes)
            .arg(SideWording(m.east), OffsetWording(m.solarEastMinutes));
    switch (m.reason) {
        case MisfitReason::OtherSide:
            note += QCoreApplication::translate(
                "vellamor::StabilityWording",
                " The zone lies on the other side of Greenwich from the longitude.");
            break;
        case MisfitReason::Far:
            note += QCoreApplication::translate("vellamor::StabilityWording",
                                                " A zone more than 1 h 30 min away from it "
                                                "is often a data-entry error.");
            break;
    }
    switch (m.rule) {
        case MisfitRule::Precise:
            return note + (m.daylightSaving
                               ? QCoreApplication::translate(
                                     "vellamor::StabilityWording",
                                     " The precise calculation takes the zone's own offset and "
                                     "the daylight-saving hour: it computed the chart for %1. "
                                     "Please check the time zone.")
                               : QCoreApplication::translate(
                                     "vellamor::StabilityWording",
                                     " The precise calculation takes the zone's own offset: it "
                                     "computed the chart for %1. Please check the time zone."))
                              .arg(InstantWording(m.planetsInstant));
        case MisfitRule::Classic:
            break;
    }
    return note +
           QCoreApplication::translate(
               "vellamor::StabilityWording",
               " Vellamor takes the zone's direction from the longitude: it used %1%2 %3 of "
               "Greenwich and computed the Ascendant and the Moon for %4, and the planets, from "
               "the zone's own offset, for %5. Please check the time zone.")
               .arg(SpanWording(m.zoneMagnitude),
                    m.daylightSaving
                        ? QCoreApplication::translate("vellamor::StabilityWording",
                                                      " (and the daylight-saving hour)")
                        : QString(),
                    SideWording(m.usedEast), InstantWording(m.ascendantInstant),
                    InstantWording(m.planetsInstant));
}

QString BodyName(Body body) {
    return TranslatedCoreText(kPlanetNames[static_cast<std::size_t>(BodyIndex(body))]);
}

QString ReadingErrorWording(ReadingError error) {
    switch (error) {
        case ReadingError::NotADate:
            return QCoreApplication::translate("vellamor::DashaPanel",
                                               "The reading is not a date of the calendar.");
        case ReadingError::BeforeBirth:
            return QCoreApplication::translate("vellamor::DashaPanel",
                                               "The reading is before the birth.");
        case ReadingError::OutOfRange:
            return QCoreApplication::translate("vellamor::DashaPanel",
                                               "The reading must lie between 1901 and 2050.");
    }
    return {};
}

QString CheckFileWording() {
    return QCoreApplication::translate("vellamor::Wording", "Please Check The File.");
}

namespace {

QString WordingTr(const char* english) {
    return QCoreApplication::translate("vellamor::Wording", english);
}

// What a refused value is called, by its line (1..17): the form's field,
// with degrees or minutes for the coordinates.
QString RefusedFieldWording(int line) {
    static constexpr const char* kNouns[] = {
        QT_TRANSLATE_NOOP("vellamor::Wording", "name"),
        QT_TRANSLATE_NOOP("vellamor::Wording", "month"),
        QT_TRANSLATE_NOOP("vellamor::Wording", "day"),
        QT_TRANSLATE_NOOP("vellamor::Wording", "year"),
        QT_TRANSLATE_NOOP("vellamor::Wording", "hour"),
        QT_TRANSLATE_NOOP("vellamor::Wording", "minute"),
        QT_TRANSLATE_NOOP("vellamor::Wording", "time zone row"),
        QT_TRANSLATE_NOOP("vellamor::Wording", "degrees of longitude"),
        QT_TRANSLATE_NOOP("vellamor::Wording", "minutes of longitude"),
        QT_TRANSLATE_NOOP("vellamor::Wording", "degrees of latitude"),
        QT_TRANSLATE_NOOP("vellamor::Wording", "minutes of latitude"),
        QT_TRANSLATE_NOOP("vellamor::Wording", "East/West"),
        QT_TRANSLATE_NOOP("vellamor::Wording", "North/South"),
        QT_TRANSLATE_NOOP("vellamor::Wording", "Daylight Saving Time"),
        QT_TRANSLATE_NOOP("vellamor::Wording", "city"),
        QT_TRANSLATE_NOOP("vellamor::Wording", "state"),
        QT_TRANSLATE_NOOP("vellamor::Wording", "country"),
    };
    static_assert(std::size(kNouns) == kChartFieldCount);
    return line >= 1 && line <= kChartFieldCount ? WordingTr(kNouns[line - 1]) : QString();
}

// The value in a reason, after its field's name: shown when short and
// plain, a number as it is and anything else in quotes; otherwise left out.
QString ShownValueWording(const std::string& value) {
    switch (QuotingOf(value)) {
        case ValueQuoting::Omitted:
            return {};
        case ValueQuoting::Bare:
            return QStringLiteral(" %1").arg(QString::fromStdString(value));
        case ValueQuoting::Quoted:
            return QStringLiteral(" \"%1\"").arg(QString::fromStdString(value));
    }
    return {};
}

QString RefusedValueWording(int line, const RefusedValue& v) {
    const QString field = RefusedFieldWording(line);
    const QString shown = ShownValueWording(v.text);
    switch (v.check) {
        case ValueCheck::Range:
            //: %1 the field (month), %2 its value with a space before it, or
            //: nothing; %3 and %4 the bounds.
            return QCoreApplication::translate("vellamor::Wording", "%1%2 is not %3 to %4")
                .arg(field, shown, QString::number(v.first), QString::number(v.last));
        case ValueCheck::Flag:
            return QCoreApplication::translate("vellamor::Wording",
                                               "%1%2 is neither True nor False")
                .arg(field, shown);
        case ValueCheck::Coordinate:
            return QCoreApplication::translate("vellamor::Wording",
                                               "%1%2 are not one to three digits")
                .arg(field, shown);
        case ValueCheck::TextLength:
            return QCoreApplication::translate("vellamor::Wording",
                                               "the %1 is longer than 200 characters")
                .arg(field);
    }
    return {};
}

}  // namespace

QString ChartFileReasonWording(const ChartFileError& e) {
    const QString line = QString::number(e.line);
    switch (e.problem) {
        case ChartFileProblem::NotAChartName:
            return QCoreApplication::translate("vellamor::Wording",
                                               "the name does not end in \"sud\"");
        case ChartFileProblem::NoSuchFile:
            return QCoreApplication::translate("vellamor::Wording", "no such file");
        case ChartFileProblem::PermissionDenied:
            return QCoreApplication::translate("vellamor::Wording", "permission denied");
        case ChartFileProblem::NotRegularFile:
            return QCoreApplication::translate("vellamor::Wording", "not a regular file");
        case ChartFileProblem::Unreadable:
            // The system's own words.
            return e.systemError
                       ? QString::fromLocal8Bit(std::strerror(e.systemError)).toLower()
                       : QCoreApplication::translate("vellamor::Wording", "it cannot be read");
        case ChartFileProblem::TooLarge:
            return QCoreApplication::translate("vellamor::Wording", "larger than 64 KiB");
        case ChartFileProblem::LineTooLong:
            return QCoreApplication::translate("vellamor::Wording", "line %1 is too long")
                .arg(line);
        case ChartFileProblem::UndecodableLine:
            return QCoreApplication::translate("vellamor::Wording", "line %1 cannot be decoded")
                .arg(line);
        case ChartFileProblem::CutShort:
            return QCoreApplication::translate("vellamor::Wording", "line %1 is cut short")
                .arg(line);
        case ChartFileProblem::EndsEarly:
            return QCoreApplication::translate("vellamor::Wording", "the file ends after line %1")
                .arg(line);
        case ChartFileProblem::TrailingBytes:
            return QCoreApplication::translate("vellamor::Wording",
                                               "the file goes on after line %1")
                .arg(line);
        case ChartFileProblem::EmptyFile:
            return QCoreApplication::translate("vellamor::Wording", "the file is empty");
        case ChartFileProblem::UnacceptableValue:
            //: %1 the line's number, %2 why its value was refused.
            return QCoreApplication::translate("vellamor::Wording", "line %1: %2")
                .arg(line, RefusedValueWording(e.line, e.value));
    }
    return {};
}

QString SaveFailureWording(const ChartWriteError& e) {
    // Only the text fields can hold a character the file cannot carry or be
    // too long; they are the core's field names.
    QString field = QStringLiteral("chart");
    if (e.line == 1)
        field = DetailCaption(Detail::Name);
    else if (e.line >= 15 && e.line <= 17)
        field = DetailCaption(static_cast<Detail>(e.line - 9));
    switch (e.problem) {
        case ChartWriteProblem::UncarriableCharacter:
            return QCoreApplication::translate("vellamor::ResultWindow",
                                               "The chart cannot be saved: the %1 holds the "
                                               "character \"%2\", which a chart file cannot carry.")
                .arg(field, QString::fromStdString(e.character));
        case ChartWriteProblem::TextTooLong:
            return QCoreApplication::translate(
                       "vellamor::ResultWindow",
                       "The chart cannot be saved: the %1 is longer than 200 characters.")
                .arg(field);
        case ChartWriteProblem::NotReplaced:
            return QStringLiteral("%1: %2").arg(QString::fromStdString(e.path),
                                                FileReplaceWording(e.replace));
    }
    return {};
}

QString InterruptedRewriteWording(InterruptedRewrite what) {
    switch (what) {
        case InterruptedRewrite::None:
            return {};
        case InterruptedRewrite::Finished:
            return QCoreApplication::translate("vellamor::Wording",
                                               "An earlier save into this file was cut off "
                                               "after its last byte; it is now complete.");
        case InterruptedRewrite::Undone:
            return QCoreApplication::translate("vellamor::Wording",
                                               "An earlier save into this file was cut off "
                                               "part way; the chart it held before that save "
                                               "is back.");
    }
    return {};
}

QString FileReplaceWording(const FileReplaceError& e) {
    switch (e.kind) {
        case FileReplaceError::Kind::SharedFolderLink:
            return QCoreApplication::translate(
                "vellamor::Wording", "will not follow a symbolic link in a shared folder");
        case FileReplaceError::Kind::DanglingLink:
            return QCoreApplication::translate("vellamor::Wording",
                                               "the symbolic link leads to no file");
        case FileReplaceError::Kind::NotRegularFile:
            return QCoreApplication::translate("vellamor::Wording", "not a regular file");
        case FileReplaceError::Kind::ReadOnly:
            return QCoreApplication::translate("vellamor::Wording", "the file is read-only");
        case FileReplaceError::Kind::LinkedAndLarge:
            return QCoreApplication::translate(
                "vellamor::Wording",
                "the file has other names (hard links) and is too large to rewrite in place");
        case FileReplaceError::Kind::System:
            // The system's own words.
            return QString::fromLocal8Bit(std::strerror(e.systemError));
    }
    return {};
}

QString SheetExportWording(const SheetExportError& e) {
    const QString path = QString::fromStdString(e.path);
    switch (e.kind) {
        case SheetExportError::Kind::UnknownFormat:
            return QCoreApplication::translate("vellamor::Wording",
                                               "%1: the name must end in .png, .svg or .pdf")
                .arg(path);
        case SheetExportError::Kind::NotDrawn:
            return QCoreApplication::translate("vellamor::Wording",
                                               "%1: the sheet could not be drawn")
                .arg(path);
        case SheetExportError::Kind::NoFont:
            return QCoreApplication::translate("vellamor::Wording",
                                               "%1: not written: no installed font has \"%2\", "
                                               "which the sheet needs; install its font (%3)")
                .arg(path, QString::fromStdString(e.missing), QString::fromStdString(e.fonts));
        case SheetExportError::Kind::NotReplaced:
            return QStringLiteral("%1: %2").arg(path, FileReplaceWording(e.replace));
    }
    return {};
}

#ifdef VELLAMOR_HAVE_ATLAS

namespace {

// The notes are read in the window's language: whole sentences with
// numbered arguments.
QString ZoneTr(const char* english) {
    return QCoreApplication::translate("vellamor::atlas::ZoneNote", english);
}

// The row's name as the zone list shows it: the table's text is translated
// whole (the windows list it so), and the name is what stands before the
// first comma.
QString ZoneRowName(int row) {
    const TimeZoneRow* zone = TimeZoneAt(row);
    if (zone == nullptr)
        return QCoreApplication::translate("vellamor::atlas::ZoneNote", "row %1").arg(row);
    return TranslatedCoreText(zone->text).section(QLatin1Char(','), 0, 0);
}

QString RowAndBoxWording(int row, bool box) {
    //: %1 the row's name as the zone list shows it, %2 its number. Stands after
    //: "Zone:" and after "choose" in the sentence on a repeated hour.
    return (box ? QCoreApplication::translate("vellamor::atlas::ZoneNote",
                                              "%1 (row %2) with the Daylight Saving box ticked")
                : QCoreApplication::translate("vellamor::atlas::ZoneNote",
                                              "%1 (row %2) with the Daylight Saving box unticked"))
        .arg(ZoneRowName(row), QString::number(row));
}

QString UtcWording(const ClockOffset& o) {
    // The minus sign proper, as clocks are written.
    QString s = QStringLiteral("UTC") +
                (o.behind ? QStringLiteral("\u2212") : QStringLiteral("+")) +
                QString::number(o.hours);
    if (o.minutes != 0 || o.seconds != 0) {
        s += QStringLiteral(":%1").arg(o.minutes, 2, 10, QLatin1Char('0'));
        if (o.seconds != 0)
            s += QStringLiteral(":%1").arg(o.seconds, 2, 10, QLatin1Char('0'));
    }
    return s;
}

QString DateWording(const atlas::LocalMoment& when) {
    return QCoreApplication::translate("vellamor::atlas::ZoneNote", "%1 %2 %3",
                                       "date: day, month, year")
        .arg(QString::number(when.day), MonthWording(when.month), QString::number(when.year));
}

// What the clocks were on, as the sentences that say it take it.
QString ClockStateWording(const atlas::ZoneNote& n) {
    switch (n.clock) {
        case atlas::ClockState::Standard:
            //: What the clocks were on: stands in the sentences on the clocks at the place.
            return QCoreApplication::translate("vellamor::atlas::ZoneNote", "standard time");
        case atlas::ClockState::DaylightSaving:
            return QCoreApplication::translate("vellamor::atlas::ZoneNote", "daylight saving time");
        case atlas::ClockState::DoubleSummer:
            return QCoreApplication::translate("vellamor::atlas::ZoneNote", "double summer time");
        case atlas::ClockState::OtherSaving:
            //: What the clocks were on; %1 is a duration such as "1 h 30 min".
            return QCoreApplication::translate("vellamor::atlas::ZoneNote",
                                               "daylight saving time, %1 ahead of standard time")
                .arg(SpanWording(n.daylight));
    }
    return {};
}

QString DegreesWording(const atlas::StatedDegrees& d) {
    return QString::number(d.degrees, 'f', d.decimals) + QStringLiteral("°");
}

QString ErrorInDegrees(const atlas::ZoneErrorFacts& f) {
    if (!f.moonDegrees) {
        return QCoreApplication::translate("vellamor::atlas::ZoneNote",
                                           "about %1 for the Ascendant and under 0.1° for the Moon")
            .arg(DegreesWording(f.ascendantDegrees));
    }
    //: How far off the chart is: stands in brackets or after a comma in the
    //: sentences on errors. %1 and %2 are angles such as "15°".
    return QCoreApplication::translate("vellamor::atlas::ZoneNote",
                                       "about %1 for the Ascendant and %2 for the Moon")
        .arg(DegreesWording(f.ascendantDegrees), DegreesWording(*f.moonDegrees));
}

// The sentence on the Ascendant and the Moon when no row gives them the
// place's offset: with or without the hemisphere that stands in the way, and
// with or without the planets' error.
QString NoRowSentence(const atlas::ZoneNote& n, const QString& utc) {
    const atlas::ZoneErrorFacts& f = n.off;
    const char* text = nullptr;
    switch (n.blocking) {
        case atlas::BlockingHemisphere::None:
            text = !f.planetsOff
                       ? QT_TRANSLATE_NOOP("vellamor::atlas::ZoneNote",
                                           "No row gives the Ascendant and the Moon %1: with the "
                                           "closest they are %2 off, %3.")
                       : QT_TRANSLATE_NOOP("vellamor::atlas::ZoneNote",
                                           "No row gives the Ascendant and the Moon %1: with the "
                                           "closest they are %2 off, %3; the planets %4 off.");
            break;
        case atlas::BlockingHemisphere::East:
            text = !f.planetsOff
                       ? QT_TRANSLATE_NOOP("vellamor::atlas::ZoneNote",
                                           "No row gives the Ascendant and the Moon %1 east of "
                                           "Greenwich: with the closest they are %2 off, %3.")
                       : QT_TRANSLATE_NOOP("vellamor::atlas::ZoneNote",
                                           "No row gives the Ascendant and the Moon %1 east of "
                                           "Greenwich: with the closest they are %2 off, %3; the "
                                           "planets %4 off.");
            break;
        case atlas::BlockingHemisphere::West:
            text = !f.planetsOff
                       ? QT_TRANSLATE_NOOP("vellamor::atlas::ZoneNote",
                                           "No row gives the Ascendant and the Moon %1 west of "
                                           "Greenwich: with the closest they are %2 off, %3.")
                       : QT_TRANSLATE_NOOP("vellamor::atlas::ZoneNote",
                                           "No row gives the Ascendant and the Moon %1 west of "
                                           "Greenwich: with the closest they are %2 off, %3; the "
                                           "planets %4 off.");
            break;
    }
    const QString sentence = ZoneTr(text);
    const QString asc = SpanWording(f.ascendant), degrees = ErrorInDegrees(f);
    return f.planetsOff ? sentence.arg(utc, asc, degrees, SpanWording(f.planets))
                        : sentence.arg(utc, asc, degrees);
}

QString ErrorSentence(const atlas::ZoneNote& n, const QString& utc) {
    const atlas::ZoneErrorFacts& f = n.off;
    switch (n.error) {
        case atlas::ZoneErrorNote::None:
            return {};
        case atlas::ZoneErrorNote::ByHandBoth:
            return QCoreApplication::translate("vellamor::atlas::ZoneNote",
                                               "As set by hand: the Ascendant and the Moon %1 off "
                                               "(%2), the planets %3 off.")
                .arg(SpanWording(f.ascendant), ErrorInDegrees(f), SpanWording(f.planets));
        case atlas::ZoneErrorNote::ByHandAscendant:
            return QCoreApplication::translate("vellamor::atlas::ZoneNote",
                                               "As set by hand: the Ascendant and the Moon %1 off "
                                               "(%2), the planets right.")
                .arg(SpanWording(f.ascendant), ErrorInDegrees(f));
        case atlas::ZoneErrorNote::ByHandPlanets:
            return QCoreApplication::translate(
                       "vellamor::atlas::ZoneNote",
                       "As set by hand: the Ascendant and the Moon right, the planets %1 off.")
                .arg(SpanWording(f.planets));
        case atlas::ZoneErrorNote::NoRow:
            return NoRowSentence(n, utc);
        case atlas::ZoneErrorNote::PlanetsOnly:
            return QCoreApplication::translate(
                       "vellamor::atlas::ZoneNote",
                       "The planets, which take the row's own offset, are %1 off.")
                .arg(SpanWording(f.planets));
        case atlas::ZoneErrorNote::PreciseExact:
            return QCoreApplication::translate(
                "vellamor::atlas::ZoneNote",
                "The precise chart takes the row's own offset and the box's hour: it is exact.");
        case atlas::ZoneErrorNote::PreciseByHand:
            return QCoreApplication::translate("vellamor::atlas::ZoneNote",
                                               "As set by hand: the precise chart is %1 off (%2).")
                .arg(SpanWording(f.ascendant), ErrorInDegrees(f));
        case atlas::ZoneErrorNote::PreciseNoRow:
            return QCoreApplication::translate(
                       "vellamor::atlas::ZoneNote",
                       "No row gives %1: with the closest the precise chart is %2 off (%3).")
                .arg(utc, SpanWording(f.ascendant), ErrorInDegrees(f));
    }
    return {};
}

}  // namespace

QString SpanWording(const SecondSpan& span) {
    QStringList parts;
    if (span.showsHours())
        parts << QCoreApplication::translate("vellamor::atlas::ZoneNote", "%1 h", "hours")
                     .arg(span.hours);
    if (span.showsMinutes())
        parts << QCoreApplication::translate("vellamor::atlas::ZoneNote", "%1 min", "minutes")
                     .arg(span.minutes);
    if (span.showsSeconds())
        parts << QCoreApplication::translate("vellamor::atlas::ZoneNote", "%1 s", "seconds")
                     .arg(span.seconds);
    return parts.join(QLatin1Char(' '));
}

QString ZoneDecisionWording(const atlas::ZoneNote& n) {
    switch (n.kind) {
        case atlas::ZoneNoteKind::Silent:
            return {};
        case atlas::ZoneNoteKind::UnknownZone:
            return QCoreApplication::translate("vellamor::atlas::ZoneNote",
                                               "The time-zone database has no %1: zone and "
                                               "daylight saving left as they were")
                .arg(QString::fromStdString(n.ianaZone));
        case atlas::ZoneNoteKind::Decided:
            break;
    }
    const QString place = QString::fromStdString(n.place);
    const QString clock =
        QStringLiteral("%1:%2").arg(n.when.hour).arg(n.when.minute, 2, 10, QLatin1Char('0'));
    const QString date = DateWording(n.when);
    const QString utc = UtcWording(n.offset);
    QStringList note;
    note << QCoreApplication::translate("vellamor::atlas::ZoneNote", "Zone: %1.")
                .arg(RowAndBoxWording(n.choice.row, n.choice.daylightSaving));
    switch (n.facts.reading) {
        case atlas::ClockReading::Skipped:
            //: %1 the clock time (2:30), %2 the date, %3 the place, %4 what the clocks
            //: were on (standard time), %5 the offset (UTC-5).
            note << QCoreApplication::translate(
                        "vellamor::atlas::ZoneNote",
                        "%1 on %2 did not exist on the clocks in %3: they were put forward over "
                        "it. Read with the time before the change, %4, %5.")
                        .arg(clock, date, place, ClockStateWording(n), utc);
            break;
        case atlas::ClockReading::Normal:
        case atlas::ClockReading::Repeated:
            //: %1 the date, %2 the place, %3 what the clocks were on (standard time),
            //: %4 the offset (UTC+5:30).
            note << QCoreApplication::translate("vellamor::atlas::ZoneNote",
                                                "On %1 clocks in %2 were on %3, %4.")
                        .arg(date, place, ClockStateWording(n), utc);
            break;
    }
    if (n.facts.reading == atlas::ClockReading::Repeated) {
        //: %1 the clock time (1:30), %2 the offset of its second reading (UTC-5),
        //: %3 a row and the box to choose for it.
        note << QCoreApplication::translate(
                    "vellamor::atlas::ZoneNote",
                    "%1 came twice that night: taken as the first, before the clocks went back; "
                    "for the second (%2) choose %3.")
                    .arg(clock, UtcWording(n.secondOffset),
                         RowAndBoxWording(n.second.row, n.second.daylightSaving));
    }
    if (const QString error = ErrorSentence(n, utc); !error.isEmpty())
        note << error;
    if (n.rowNamedElsewhere) {
        note << QCoreApplication::translate(
                    "vellamor::atlas::ZoneNote",
                    "The row's name belongs to another region: no row is named for the time in "
                    "%1, so this one was chosen for its offset; the chart is right as it is.")
                    .arg(place);
    }
    return note.join(QLatin1Char(' '));
}

QString UnknownPlaceWording(const QString& typedCity) {
    return QCoreApplication::translate("vellamor::atlas::PlaceNote",
                                       "The atlas knows no place called \"%1\": everything "
                                       "stays as typed")
        .arg(typedCity);
}

QString GazetteerFaultWording(const atlas::GazetteerFault& fault) {
    const QString path = QString::fromStdString(fault.path);
    const char* context = "vellamor::atlas::PlaceNote";
    switch (fault.problem) {
        case atlas::GazetteerProblem::Missing:
            return QCoreApplication::translate(context,
                                               "The atlas cannot offer places: its table %1 is "
                                               "missing. Reinstall the program, or type the "
                                               "coordinates and choose the zone yourself")
                .arg(path);
        case atlas::GazetteerProblem::Unreadable:
            return QCoreApplication::translate(context,
                                               "The atlas cannot offer places: its table %1 "
                                               "cannot be read. Type the coordinates and choose "
                                               "the zone yourself")
                .arg(path);
        case atlas::GazetteerProblem::NotATable:
        case atlas::GazetteerProblem::OtherVersion:
        case atlas::GazetteerProblem::Damaged:
            break;
    }
    return QCoreApplication::translate(context,
                                       "The atlas cannot offer places: its table %1 is damaged "
                                       "or of another version. Reinstall the program, or type "
                                       "the coordinates and choose the zone yourself")
        .arg(path);
}

#endif

}  // namespace vellamor
