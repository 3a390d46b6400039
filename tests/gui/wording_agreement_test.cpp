// SPDX-License-Identifier: GPL-3.0-or-later
// The command line and the windows word the same facts: every kind of each
// enum they switch over, fed to both, must state the same numbers in the
// same order. A front end that redoes the arithmetic, or picks the wrong
// rule's sentence, states other numbers.
#include <QRegularExpression>
#include <QTest>
#include <functional>

#include "cli/wording.h"
#include "core/chart/pipeline.h"
#include "gui/translation.h"
#include "gui/wording.h"
#include "gui_tests.h"

namespace vellamor {
namespace {

QStringList Numbers(const QString& text) {
    static const QRegularExpression number(QStringLiteral("\\d+(?:\\.\\d+)?"));
    QStringList found;
    for (const QRegularExpressionMatch& m : number.globalMatch(text))
        found << m.captured();
    return found;
}

// Both texts say something, or both nothing, and state the same numbers.
#define AGREE(cli, gui, what)                                                       \
    do {                                                                            \
        const QString cliText = QString::fromStdString(cli);                        \
        const QString guiText = (gui);                                              \
        QVERIFY2(cliText.isEmpty() == guiText.isEmpty(),                            \
                 qPrintable(QString(what) + ": " + cliText + " | " + guiText));     \
        QVERIFY2(Numbers(cliText) == Numbers(guiText),                              \
                 qPrintable(QString(what) + ":\n  " + cliText + "\n  " + guiText)); \
    } while (false)

// Every value of an enum, by its stated count.
template <typename E>
void EachKind(const std::function<void(E, const QString&)>& check) {
    for (int i = 0; i < kEnumCount<E>; ++i)
        check(static_cast<E>(i), QString::number(i));
}

// The birth of the mended note: 5 March 1980, 7:05, Eastern Standard Time
// (row 27) at 18°31'N 73°07'E.
BirthData EasternTimeInIndia() {
    BirthData b;
    b.name = "Ravi";
    b.day = 5, b.month = 3, b.year = 1980, b.hour = 7, b.minute = 5;
    b.zoneIndex = 27, b.zoneHours = 5, b.zoneMinutes = 0;
    b.latDegrees = 18, b.latMinutes = 31, b.lonDegrees = 73, b.lonMinutes = 7;
    b.eastLongitude = true;
    b.city = "Pune";
    return b;
}

class WordingAgreementTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { InstallTranslations(QStringLiteral("en")); }

    void spansAndSignChanges() {
        EachKind<SpanUnit>([](SpanUnit unit, const QString& i) {
            for (const long long rest : {0, 7}) {
                const MinuteSpan span{unit, 3, unit == SpanUnit::Minutes ? 0 : rest};
                AGREE(SpanText(span), SpanWording(span), "span " + i);
            }
        });
        EachKind<SignChanger>([](SignChanger of, const QString& i) {
            for (const std::optional<double> later :
                 {std::optional<double>(112.9), std::optional<double>()}) {
                const SignChangeFacts f = SignChangeFactsOf(of, {14.2, later});
                AGREE(SignChangeSentence(f), SignChangeWording(f), "sign change " + i);
            }
        });
    }

    void stationsAndReadings() {
        StationEvidence e;
        e.before = CalendarDate{1980, 2, 26};
        e.after = CalendarDate{1980, 3, 19};
        for (const bool retrograde : {true, false}) {
            e.retrograde = retrograde;
            e.dayDecided = !retrograde;
            AGREE(StationEvidenceText(e), StationWording(e), "station");
        }
        EachKind<ReadingError>([](ReadingError error, const QString& i) {
            AGREE(std::string(ReadingErrorText(error)), ReadingErrorWording(error), "reading " + i);
        });
    }

    void zoneMisfits() {
        BirthData b = EasternTimeInIndia();
        const Chart classic = CalculateChart(b);
        const Chart precise = CalculateChart(b, {CalculationMethod::Precise});
        EachKind<MisfitRule>([&](MisfitRule rule, const QString& i) {
            std::optional<ZoneMisfit> m = CheckZoneFit(classic);
            QVERIFY(m);
            m->rule = rule;
            EachKind<MisfitReason>([&](MisfitReason reason, const QString& j) {
                m->reason = reason;
                for (const bool box : {false, true}) {
                    m->daylightSaving = box;
                    AGREE(ZoneSanityNote(m), ZoneNoteWording(m), "misfit " + i + " " + j);
                }
            });
        });
        // A precise chart names the one instant it was computed for, in both.
        const std::optional<ZoneMisfit> m = CheckZoneFit(precise);
        QVERIFY(m);
        QCOMPARE(m->rule, MisfitRule::Precise);
        QVERIFY2(ZoneNoteWording(m).contains(QStringLiteral(
                     "The precise calculation takes the zone's own offset: it computed the "
                     "chart for 5 March 1980, 12:05 UT.")),
                 qPrintable(ZoneNoteWording(m)));
        AGREE(ZoneSanityNote(m), ZoneNoteWording(m), "precise misfit");
    }

#ifdef VELLAMOR_HAVE_ATLAS
    void zoneNotes() {
        atlas::ZoneNote base = atlas::DecisionNote(
            "Asia/Kathmandu", {1990, 1, 1, 12, 30}, true,
            {5 * 3600 + 2700, 5400, "X", atlas::ClockReading::Normal, 5 * 3600 + 1800},
            {34, true, 900, 4500}, {});
        base.second = {35, false, 0, 0};
        EachKind<atlas::ZoneNoteKind>([&](atlas::ZoneNoteKind kind, const QString& i) {
            atlas::ZoneNote n = base;
            n.kind = kind;
            AGREE(ZoneNoteText(n), ZoneDecisionWording(n), "note kind " + i);
        });
        EachKind<atlas::ClockReading>([&](atlas::ClockReading reading, const QString& i) {
            atlas::ZoneNote n = base;
            n.facts.reading = reading;
            AGREE(ZoneNoteText(n), ZoneDecisionWording(n), "clock reading " + i);
        });
        EachKind<atlas::ClockState>([&](atlas::ClockState clock, const QString& i) {
            atlas::ZoneNote n = base;
            n.clock = clock;
            AGREE(ZoneNoteText(n), ZoneDecisionWording(n), "clock state " + i);
        });
        EachKind<atlas::ZoneErrorNote>([&](atlas::ZoneErrorNote error, const QString& i) {
            EachKind<atlas::BlockingHemisphere>(
                [&](atlas::BlockingHemisphere blocking, const QString& j) {
                    for (const bool planetsOff : {false, true}) {
                        atlas::ZoneNote n = base;
                        n.error = error;
                        n.blocking = blocking;
                        n.off.planetsOff = planetsOff;
                        n.rowNamedElsewhere = planetsOff;
                        if (!planetsOff)
                            n.off.moonDegrees.reset();
                        AGREE(ZoneNoteText(n), ZoneDecisionWording(n), "zone error " + i + " " + j);
                    }
                });
        });
    }
#endif
};

VELLAMOR_GUI_TEST(WordingAgreementTest)

}  // namespace
}  // namespace vellamor

#include "wording_agreement_test.moc"
