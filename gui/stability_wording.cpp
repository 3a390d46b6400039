#include "gui/stability_wording.h"

#include <QCoreApplication>
#include <cmath>

#include "gui/translation.h"

namespace vellamor {

QString DurationWording(double minutes) {
    if (minutes < 1.0)
        return QCoreApplication::translate("vellamor::StabilityWording", "under 1 min");
    const long long m = static_cast<long long>(std::floor(minutes));
    if (m < 60)
        return QCoreApplication::translate("vellamor::StabilityWording", "%1 min").arg(m);
    if (m < 24 * 60) {
        const long long h = m / 60, rest = m % 60;
        return rest ? QCoreApplication::translate("vellamor::StabilityWording", "%1 h %2 min")
                          .arg(h)
                          .arg(rest)
                    : QCoreApplication::translate("vellamor::StabilityWording", "%1 h").arg(h);
    }
    const long long d = m / (24 * 60), h = (m % (24 * 60)) / 60;
    return h ? QCoreApplication::translate("vellamor::StabilityWording", "%1 d %2 h").arg(d).arg(h)
             : QCoreApplication::translate("vellamor::StabilityWording", "%1 d").arg(d);
}

QString SignChangeWording(bool ascendant, const SignChangeWindow& w) {
    const double limitMinutes = (ascendant ? kAscendantSearchHours : kMoonSearchHours) * 60;
    const QString earlier =
        w.earlierMinutes
            ? QCoreApplication::translate("vellamor::StabilityWording", "%1 earlier")
                  .arg(DurationWording(*w.earlierMinutes))
            : QCoreApplication::translate("vellamor::StabilityWording", "not within %1 earlier")
                  .arg(DurationWording(limitMinutes));
    const QString later =
        w.laterMinutes
            ? QCoreApplication::translate("vellamor::StabilityWording", "%1 later")
                  .arg(DurationWording(*w.laterMinutes))
            : QCoreApplication::translate("vellamor::StabilityWording", "not within %1 later")
                  .arg(DurationWording(limitMinutes));
    return ascendant ? QCoreApplication::translate("vellamor::StabilityWording",
                                                   "Lagna changes sign if birth was %1 or %2")
                           .arg(earlier, later)
                     : QCoreApplication::translate("vellamor::StabilityWording",
                                                   "Moon changes sign if birth was %1 or %2")
                           .arg(earlier, later);
}

QString StationWording(const StationEvidence& e) {
    const QString before =
        e.before.empty()
            ? QCoreApplication::translate("vellamor::StabilityWording", "(before the tables)")
            : QString::fromStdString(e.before);
    const QString after = e.after.empty() ? QCoreApplication::translate(
                                                "vellamor::StabilityWording", "(after the tables)")
                                          : QString::fromStdString(e.after);
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

QString BodyName(Body body) {
    return TranslatedCoreText(kPlanetNames[static_cast<std::size_t>(BodyIndex(body))]);
}

}  // namespace vellamor
