// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dasha_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <array>

#include "core/astro/bodies.h"
#include "core/chart/entry_form.h"
#include "core/reading/dasha.h"
#include "gui/translation.h"
#include "gui/wheel_guard.h"
#include "gui/wording.h"

namespace vellamor {
namespace {

// The edit shows a clock of its own, the birth's, which no system time zone
// describes: a fixed-offset clock with no gaps or repeats.
constexpr Qt::TimeSpec kClockSpec = Qt::UTC;

CivilDateTime Civil(const QDateTime& t) {
    return {t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute()};
}

QDateTime Clock(const CivilDateTime& t) {
    return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute), kClockSpec);
}

QString Html(const std::string& s) {
    return QString::fromStdString(s).toHtmlEscaped();
}

// "4 December 2026", the month in the window's language.
QString Day(const CivilDateTime& t) {
    return QStringLiteral("%1 %2 %3").arg(t.day).arg(MonthWording(t.month)).arg(t.year);
}

QString When(const CivilDateTime& t) {
    return Day(t) + QStringLiteral(" %1:%2")
                        .arg(t.hour, 2, 10, QLatin1Char('0'))
                        .arg(t.minute, 2, 10, QLatin1Char('0'));
}

QString SignName(Sign sign) {
    return QString::fromLatin1(SignAbbreviation(sign).data(), 3);
}

// Marked for the translators; DashaPanel::tr looks them up.
constexpr std::array<const char*, kRingCount> kRingNames{
    QT_TRANSLATE_NOOP("vellamor::DashaPanel", "Birth"),
    QT_TRANSLATE_NOOP("vellamor::DashaPanel", "Moon"),
    QT_TRANSLATE_NOOP("vellamor::DashaPanel", "Sun")};
constexpr std::array<const char*, kDashaLevelCount> kLevelNames{
    QT_TRANSLATE_NOOP("vellamor::DashaPanel", "Year"),
    QT_TRANSLATE_NOOP("vellamor::DashaPanel", "Month"),
    QT_TRANSLATE_NOOP("vellamor::DashaPanel", "Period")};

// A swatch of the key, drawn as the chakra draws the mark it explains.
QPixmap KeySwatch(int kind) {
    QPixmap pm(30, 16);
    pm.fill(Qt::black);
    QPainter p(&pm);
    if (kind == 0) {
        p.fillRect(pm.rect(), kYearHighlight);
        p.setPen(QPen(kYearOutline, 2));
        p.drawRect(QRectF(pm.rect()).adjusted(1, 1, -1, -1));
    } else if (kind == 1) {
        p.fillRect(pm.rect(), kMonthHighlight);
        p.setPen(QPen(kYearOutline, 1, Qt::DashLine));
        p.drawRect(QRectF(pm.rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    } else {
        QFont f = TransitLabelFont(12);
        p.setFont(f);
        p.setPen(kTransitColour);
        p.drawText(pm.rect(), Qt::AlignCenter, QStringLiteral("J"));
    }
    return pm;
}

QLabel* Wrapped(QWidget* parent, const QString& name) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setWordWrap(true);
    l->setTextFormat(Qt::RichText);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

// A click on a check box's words ticks the box.
class CheckOnClick : public QObject {
  public:
    explicit CheckOnClick(QCheckBox* box) : QObject(box), m_box(box) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonRelease)
            return false;
        m_box->click();
        return true;
    }

  private:
    QCheckBox* m_box;
};

}  // namespace

QString HouseToolTip(const ChakraModel& model, const ReadingOverlay& overlay, Ring ring,
                     int houseIndex) {
    const House& house = model.house(ring, houseIndex);
    QString tip = DashaPanel::tr("%1 ring, house %2, sign %3 (%4)")
                      .arg(DashaPanel::tr(kRingNames[static_cast<std::size_t>(ring)]))
                      .arg(houseIndex + 1)
                      .arg(SignNumber(house.sign))
                      .arg(SignName(house.sign));
    const QString birth = OccupantLabels(model.occupants(house.sign)).join(u' ');
    tip += u'\n' + (birth.isEmpty() ? DashaPanel::tr("No birth body") : birth);
    if (!overlay.reading)
        return tip;
    const DashaProgression& p = overlay.reading->progression;
    if (overlay.highlights) {
        if (p.span(DashaLevel::Year).house == houseIndex + 1)
            tip += u'\n' + DashaPanel::tr("House of year %1").arg(p.span(DashaLevel::Year).number);
        if (p.span(DashaLevel::Month).house == houseIndex + 1)
            tip +=
                u'\n' + DashaPanel::tr("House of month %1").arg(p.span(DashaLevel::Month).number);
    }
    if (overlay.transits) {
        const Occupants moving = TransitOccupants(overlay.reading->transits)[house.sign];
        if (!moving.empty())
            tip += u'\n' + DashaPanel::tr("Transiting: %1").arg(OccupantLabels(moving).join(u' '));
    }
    return tip;
}

QDateTime DashaPanel::NowOnBirthClock(const BirthData& birth) {
    const QDateTime utc = QDateTime::currentDateTimeUtc();
    return Clock(BirthClockFromUniversal(birth, Civil(utc)));
}

DashaPanel::DashaPanel(const Chart& chart, QWidget* parent) : QWidget(parent), m_chart(chart) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("dashaScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // Downwards only: what is wider than a small window (640 x 480) wraps.
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    outer->addWidget(scroll);

    auto* body = new QWidget(scroll);
    body->setAutoFillBackground(false);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(6, 8, 6, 8);
    layout->setSpacing(4);

    auto* caption = new QLabel(tr("Reading (the birth's clock)"), body);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    layout->addWidget(caption);

    auto* when = new QHBoxLayout;
    dteReading = new QDateTimeEdit(body);
    dteReading->setObjectName(QStringLiteral("dteReading"));
    TakeWheelOnlyWhenFocused(dteReading);
    dteReading->setTimeSpec(kClockSpec);
    dteReading->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm"));
    dteReading->setCalendarPopup(true);
    dteReading->setDateTimeRange(Clock({kFirstYear, 1, 1, 0, 0}),
                                 Clock({kLastYear, 12, 31, 23, 59}));
    // White and black as the entry window's boxes, whatever the grey panel
    // round it.
    QPalette editColours = dteReading->palette();
    editColours.setColor(QPalette::Base, Qt::white);
    editColours.setColor(QPalette::Text, Qt::black);
    dteReading->setPalette(editColours);
    cmdNow = new QPushButton(tr("Now"), body);
    cmdNow->setObjectName(QStringLiteral("cmdNow"));
    when->addWidget(dteReading, 1);
    when->addWidget(cmdNow);
    layout->addLayout(when);

    chkHighlights = new QCheckBox(tr("Highlight the year's and month's houses"), body);
    chkHighlights->setObjectName(QStringLiteral("chkHighlights"));
    chkTransits = new QCheckBox(tr("Show the transiting bodies"), body);
    chkTransits->setObjectName(QStringLiteral("chkTransits"));
    for (QCheckBox* c : {chkHighlights, chkTransits}) {
        // The box alone, its words beside it in a label that wraps in a
        // narrow column; a click on the words ticks the box.
        auto* row = new QHBoxLayout;
        row->setSpacing(4);
        auto* words = new QLabel(c->text(), body);
        words->setWordWrap(true);
        words->setBuddy(c);
        words->installEventFilter(new CheckOnClick(c));
        c->setAccessibleName(c->text());
        c->setText({});
        row->addWidget(c, 0, Qt::AlignTop);
        row->addWidget(words, 1);
        layout->addLayout(row);
    }

    // The key of the reading's marks on the chakra.
    auto* key = new QGridLayout;
    key->setHorizontalSpacing(6);
    key->setVerticalSpacing(2);
    const std::array<QString, 3> keyTexts{tr("House of the year"), tr("House of the month"),
                                          tr("Transiting body (green italics)")};
    for (int i = 0; i < 3; ++i) {
        auto* swatch = new QLabel(body);
        swatch->setPixmap(KeySwatch(i));
        auto* text = new QLabel(keyTexts[static_cast<std::size_t>(i)], body);
        text->setObjectName(QStringLiteral("lblReadingKey(%1)").arg(i));
        text->setWordWrap(true);
        key->addWidget(swatch, i, 0, Qt::AlignTop);
        key->addWidget(text, i, 1);
    }
    key->setColumnStretch(1, 1);
    layout->addLayout(key);

    lblReadingError = Wrapped(body, QStringLiteral("lblReadingError"));
    lblReadingError->setStyleSheet(QStringLiteral("color: #7a0000; font-weight: bold;"));
    layout->addWidget(lblReadingError);
    lblRunning = Wrapped(body, QStringLiteral("lblRunning"));
    lblRings = Wrapped(body, QStringLiteral("lblRings"));
    lblCycle = Wrapped(body, QStringLiteral("lblCycle"));
    lblTransits = Wrapped(body, QStringLiteral("lblTransits"));
    lblSignChanges = Wrapped(body, QStringLiteral("lblSignChanges"));
    lblVimshottari = Wrapped(body, QStringLiteral("lblVimshottari"));
    // The classical texts read a year's transits from the year's house as
    // the first; the chakra's own count is from each ring's first house.
    cboHousesFrom = new QComboBox(body);
    cboHousesFrom->setObjectName(QStringLiteral("cboHousesFrom"));
    TakeWheelOnlyWhenFocused(cboHousesFrom);
    cboHousesFrom->addItems({tr("Count houses from each ring's first house"),
                             tr("Count houses from the year's house")});
    // No wider than a narrow column asks; the open list shows the whole
    // words.
    cboHousesFrom->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboHousesFrom->setMinimumContentsLength(12);
    for (QLabel* l : {lblRunning, lblRings, lblCycle})
        layout->addWidget(l);
    layout->addWidget(cboHousesFrom);
    for (QLabel* l : {lblTransits, lblSignChanges, lblVimshottari})
        layout->addWidget(l);
    layout->addStretch(1);
    scroll->setWidget(body);

    connect(dteReading, &QDateTimeEdit::dateTimeChanged, this, &DashaPanel::onReadingEdited);
    connect(cmdNow, &QPushButton::clicked, this, &DashaPanel::onNow);
    connect(chkHighlights, &QCheckBox::toggled, this, &DashaPanel::overlayChanged);
    connect(chkTransits, &QCheckBox::toggled, this, &DashaPanel::overlayChanged);
    connect(cboHousesFrom, &QComboBox::currentIndexChanged, this, &DashaPanel::showReading);

    onNow();
}

ReadingOverlay DashaPanel::overlay() const {
    return {m_reading ? &*m_reading : nullptr, chkHighlights->isChecked(),
            chkTransits->isChecked()};
}

DashaPanel::Choices DashaPanel::choices() const {
    return {dteReading->dateTime(), chkHighlights->isChecked(), chkTransits->isChecked(),
            cboHousesFrom->currentIndex() == 1};
}

void DashaPanel::setChoices(const Choices& choices) {
    chkHighlights->setChecked(choices.highlights);
    chkTransits->setChecked(choices.transits);
    cboHousesFrom->setCurrentIndex(choices.housesFromYear ? 1 : 0);
    setReadingTime(choices.clock);
}

void DashaPanel::onNow() {
    setReadingTime(NowOnBirthClock(m_chart.birth));
}

void DashaPanel::setReadingTime(const QDateTime& clock) {
    const QDateTime t(clock.date(), QTime(clock.time().hour(), clock.time().minute()), kClockSpec);
    if (dteReading->dateTime() == t)
        onReadingEdited(t);  // no change signal, but the first call must still compute
    else
        dteReading->setDateTime(t);
}

void DashaPanel::onReadingEdited(const QDateTime& clock) {
    auto computed = ComputeReading(m_chart, Civil(clock), &m_signStays);
    if (computed) {
        m_reading = std::move(*computed);
        lblReadingError->clear();
        lblReadingError->hide();
    } else {
        m_reading.reset();
        lblReadingError->setText(ReadingErrorWording(computed.error()));
        lblReadingError->show();
    }
    showReading();
    emit overlayChanged();
}

void DashaPanel::showReading() {
    if (!m_reading) {
        for (QLabel* l :
             {lblRunning, lblRings, lblCycle, lblTransits, lblSignChanges, lblVimshottari})
            l->clear();
        return;
    }
    const DashaProgression& p = m_reading->progression;
    const Transits& t = m_reading->transits;

    QString running =
        QStringLiteral("<b>%1</b><table cellspacing='0' cellpadding='1'>").arg(tr("Running"));
    for (int l = 0; l < kDashaLevelCount; ++l) {
        const DashaSpan& s = p.spans[static_cast<std::size_t>(l)];
        const QString what = l == 0 ? tr("Year of life %1").arg(s.number)
                                    : tr("%1 %2").arg(tr(kLevelNames[l])).arg(s.number);
        running += QStringLiteral(
                       "<tr><td colspan='2'><b>%1</b>, %2 %3 </td></tr>"
                       "<tr><td>\u00a0\u00a0 </td><td>%4 \u2013 %5 </td></tr>")
                       .arg(what, tr("house"))
                       .arg(s.house)
                       .arg(When(s.from), When(s.to));
    }
    lblRunning->setText(running + QStringLiteral("</table>"));

    QString rings = QStringLiteral("<b>%1</b><table cellspacing='0' cellpadding='1'>")
                        .arg(tr("Ruling houses by ring"));
    for (int r = 0; r < kRingCount; ++r) {
        rings += QStringLiteral("<tr><td colspan='4'><i>%1</i> </td></tr>").arg(tr(kRingNames[r]));
        for (int l = 0; l < kDashaLevelCount; ++l) {
            const House& h = p.house(static_cast<Ring>(r), static_cast<DashaLevel>(l));
            rings +=
                QStringLiteral("<tr><td>\u00a0%1 </td><td>%2 </td><td>%3 </td><td>%4 </td></tr>")
                    .arg(tr(kLevelNames[l]))
                    .arg(p.spans[static_cast<std::size_t>(l)].house)
                    .arg(SignName(h.sign),
                         OccupantLabels(m_chart.chakra.occupants(h.sign)).join(u' '));
        }
    }
    lblRings->setText(rings + QStringLiteral("</table>"));

    const auto cycle = DashaCycle(m_chart, p.span(DashaLevel::Year).number);
    QString years =
        QStringLiteral("<b>%1</b><table cellspacing='0' cellpadding='1'>")
            .arg(tr("Years %1 to %2").arg(cycle.front().number).arg(cycle.back().number));
    for (const DashaSpan& y : cycle) {
        const bool now = y.number == p.span(DashaLevel::Year).number;
        const QString row =
            QStringLiteral("<td>%1%2 </td><td>%3 </td><td>%4 \u2013 %5 </td>")
                .arg(now ? QStringLiteral("\u25b6") : QStringLiteral("\u00a0\u00a0"))
                .arg(y.number)
                .arg(tr("house %1").arg(y.house))
                .arg(Day(y.from), Day(y.to));
        years += now ? QStringLiteral("<tr style='font-weight:bold'>") + row + "</tr>"
                     : QStringLiteral("<tr>") + row + "</tr>";
    }
    lblCycle->setText(years + QStringLiteral("</table>"));

    const bool fromYear = cboHousesFrom->currentIndex() == 1;
    const auto& houses = fromYear ? m_reading->housesFromYear : t.houses;
    QString moving =
        QStringLiteral(
            "<b>%1</b><table cellspacing='0' cellpadding='1'>"
            "<tr><td> </td><td> </td><td> </td><td colspan='3'>%2 </td></tr>")
            .arg(tr("Transits"),
                 fromYear
                     ? tr("from the year's house %1: B M S").arg(p.span(DashaLevel::Year).house)
                     : tr("houses B M S"));
    for (int i = 0; i < kTransitBodyCount; ++i) {
        const auto b = static_cast<std::size_t>(i);
        moving += QStringLiteral(
                      "<tr><td><b>%1</b> </td><td>%2 </td><td>%3 </td>"
                      "<td align='right'>%4 </td><td align='right'>%5 </td>"
                      "<td align='right'>%6 </td></tr>")
                      .arg(TranslatedCoreText(kPlanetNames[b]), Html(t.positionTexts[b]),
                           Html(t.labels[b]).trimmed())
                      .arg(houses[0][b])
                      .arg(houses[1][b])
                      .arg(houses[2][b]);
    }
    lblTransits->setText(moving + QStringLiteral("</table>"));

    QString changes = QStringLiteral(
                          "<b>%1</b><table cellspacing='0' cellpadding='1'>"
                          "<tr><td> </td><td>%2 </td><td>%3 </td></tr>")
                          .arg(tr("Sign changes"), tr("entered"), tr("leaves"));
    for (int i = 0; i < kTransitBodyCount; ++i) {
        const SignStay& stay = t.stays[static_cast<std::size_t>(i)];
        changes += QStringLiteral("<tr><td><b>%1</b> </td><td>%2 </td><td>%3 </td></tr>")
                       .arg(TranslatedCoreText(kPlanetNames[static_cast<std::size_t>(i)]),
                            stay.enters ? When(*stay.enters) : tr("before %1").arg(kFirstYear),
                            stay.leaves ? When(*stay.leaves) : tr("after %1").arg(kLastYear));
    }
    lblSignChanges->setText(changes + QStringLiteral("</table>"));

    // The life's mahadashas and the running one's antardashas, each running
    // period marked and in bold.
    const VimshottariReading& v = m_reading->vimshottari;
    auto rows = [](const auto& spans, const VimshottariSpan& running) {
        QString table = QStringLiteral("<table cellspacing='0' cellpadding='1'>");
        for (const VimshottariSpan& s : spans) {
            const bool now = s.from == running.from && s.lord == running.lord;
            const QString row =
                QStringLiteral("<td>%1%2 </td><td>%3 \u2013 %4 </td>")
                    .arg(now ? QStringLiteral("\u25b6") : QStringLiteral("\u00a0\u00a0"),
                         TranslatedCoreText(
                             kPlanetNames[static_cast<std::size_t>(BodyIndex(s.lord))]),
                         Day(s.from), Day(s.to));
            table += now ? QStringLiteral("<tr style='font-weight:bold'>") + row + "</tr>"
                         : QStringLiteral("<tr>") + row + "</tr>";
        }
        return table + QStringLiteral("</table>");
    };
    const VimshottariSpan& maha = v.span(VimshottariLevel::Mahadasha);
    const VimshottariSpan& pratyantar = v.span(VimshottariLevel::Pratyantardasha);
    const auto lordName = [](const VimshottariSpan& s) {
        return TranslatedCoreText(kPlanetNames[static_cast<std::size_t>(BodyIndex(s.lord))]);
    };
    lblVimshottari->setText(
        QStringLiteral("<b>%1</b><br>%2")
            .arg(tr("Vimshottari dasha"), tr("From the Moon's nakshatra; years of 365.25 "
                                             "days.")) +
        rows(VimshottariMahadashas(m_chart), maha) +
        QStringLiteral("<b>%1</b>").arg(tr("Antardashas of %1").arg(lordName(maha))) +
        rows(VimshottariAntardashas(m_chart, maha), v.span(VimshottariLevel::Antardasha)) +
        tr("Pratyantardasha: %1, %2 \u2013 %3")
            .arg(lordName(pratyantar), When(pratyantar.from), When(pratyantar.to)));
}

}  // namespace vellamor
