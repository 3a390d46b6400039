// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/calculation_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSettings>
#include <memory>

#include "gui/panel_look.h"
#include "gui/translation.h"
#include "gui/user_settings.h"

namespace vellamor {
namespace {

const QString kMethodKey = QStringLiteral("Calculation/method");
const QString kAyanamsaKey = QStringLiteral("Calculation/ayanamsa");
const QString kNodeKey = QStringLiteral("Calculation/node");

std::string Stored(const QSettings& settings, const QString& key) {
    return settings.value(key).toString().toStdString();
}

QString Key(std::string_view key) {
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

class MenuWords {
    Q_DECLARE_TR_FUNCTIONS(vellamor::CalculationMenu)

  public:
    static QString Ayanamsa(vellamor::Ayanamsa a) {
        switch (a) {
            case Ayanamsa::Lahiri:
                return tr("&Lahiri");
            case Ayanamsa::Raman:
                return tr("&Raman");
            case Ayanamsa::Krishnamurti:
                return tr("&Krishnamurti");
            case Ayanamsa::Yukteshwar:
                return tr("&Yukteshwar");
            case Ayanamsa::FaganBradley:
                return tr("&Fagan-Bradley");
            case Ayanamsa::TrueChitra:
                return tr("True &Chitra");
        }
        return {};
    }
    static QString Node(LunarNode n) {
        switch (n) {
            case LunarNode::Mean:
                return tr("&Mean Node");
            case LunarNode::True:
                return tr("&True Node");
        }
        return {};
    }
};

// A menu text as a label: without its shortcut letter, also where a
// translation whose words lack the letter gives it in brackets ("(&M)").
QString WithoutAccelerator(QString text) {
    static const QRegularExpression bracketed(QStringLiteral("\\s*\\(&[^&\\s]\\)"));
    return text.remove(bracketed).remove(QLatin1Char('&'));
}

}  // namespace

CalculationChoice ReadCalculationChoice(const QSettings& settings) {
    CalculationChoice c;
    if (Stored(settings, kMethodKey) == "precise")
        c.method = CalculationMethod::Precise;
    if (const auto a = AyanamsaFromKey(Stored(settings, kAyanamsaKey)))
        c.ayanamsa = *a;
    if (const auto n = LunarNodeFromKey(Stored(settings, kNodeKey)))
        c.node = *n;
    return c;
}

bool WriteCalculationChoice(QSettings& settings, const CalculationChoice& c) {
    return StoreSettingsInPlace(settings, {{kMethodKey, c.precise() ? QStringLiteral("precise")
                                                                    : QStringLiteral("classic")},
                                           {kAyanamsaKey, Key(AyanamsaKey(c.ayanamsa))},
                                           {kNodeKey, Key(LunarNodeKey(c.node))}});
}

QMenu* AddCalculationMenu(QMainWindow* window, const CalculationChoice& current,
                          std::function<void(const CalculationChoice&)> chosen) {
    QMenu* menu = window->menuBar()->addMenu(CalculationNote::tr("&Calculation"));
    menu->setObjectName(QStringLiteral("mnuCalculation"));
    // The menu's state is the choice; each action changes one part of it.
    auto choice = std::make_shared<CalculationChoice>(current);
    auto apply = [choice, chosen](const CalculationChoice& next) {
        if (next == *choice)
            return;
        *choice = next;
        // A settings file that cannot be changed costs only the choice's
        // keeping across a restart.
        if (auto settings = OpenUserSettings())
            (void)WriteCalculationChoice(*settings, next);
        if (chosen)
            chosen(next);
    };
    auto checkable = [](QMenu* in, const QString& text, const QString& name, bool checked,
                        QActionGroup* group) {
        QAction* action = in->addAction(text);
        action->setObjectName(name);
        action->setCheckable(true);
        action->setChecked(checked);
        group->addAction(action);
        return action;
    };

    auto* methods = new QActionGroup(menu);
    QAction* classic = checkable(menu, CalculationNote::tr("C&lassic"),
                                 QStringLiteral("mnuClassic"), !current.precise(), methods);
    QAction* precise = checkable(menu, CalculationNote::tr("&Precise (Swiss Ephemeris)"),
                                 QStringLiteral("mnuPrecise"), current.precise(), methods);
    menu->addSeparator();
    QMenu* ayanamsas = menu->addMenu(CalculationNote::tr("&Ayanamsa"));
    ayanamsas->setObjectName(QStringLiteral("mnuAyanamsa"));
    QMenu* nodes = menu->addMenu(CalculationNote::tr("&Node"));
    nodes->setObjectName(QStringLiteral("mnuNode"));
    // The ayanamsa and the node belong to the precise calculation.
    auto enable = [ayanamsas, nodes](bool on) {
        ayanamsas->setEnabled(on);
        nodes->setEnabled(on);
    };
    enable(current.precise());
    QObject::connect(classic, &QAction::triggered, menu, [choice, apply, enable] {
        CalculationChoice next = *choice;
        next.method = CalculationMethod::Classic;
        enable(false);
        apply(next);
    });
    QObject::connect(precise, &QAction::triggered, menu, [choice, apply, enable] {
        CalculationChoice next = *choice;
        next.method = CalculationMethod::Precise;
        enable(true);
        apply(next);
    });

    auto* ayanamsaGroup = new QActionGroup(ayanamsas);
    for (int i = 0; i < kAyanamsaCount; ++i) {
        const auto a = static_cast<Ayanamsa>(i);
        QAction* action = checkable(ayanamsas, MenuWords::Ayanamsa(a),
                                    QStringLiteral("mnuAyanamsa_") + Key(AyanamsaKey(a)),
                                    current.ayanamsa == a, ayanamsaGroup);
        QObject::connect(action, &QAction::triggered, menu, [choice, apply, a] {
            CalculationChoice next = *choice;
            next.ayanamsa = a;
            apply(next);
        });
    }
    auto* nodeGroup = new QActionGroup(nodes);
    for (LunarNode n : {LunarNode::Mean, LunarNode::True}) {
        QAction* action =
            checkable(nodes, MenuWords::Node(n), QStringLiteral("mnuNode_") + Key(LunarNodeKey(n)),
                      current.node == n, nodeGroup);
        QObject::connect(action, &QAction::triggered, menu, [choice, apply, n] {
            CalculationChoice next = *choice;
            next.node = n;
            apply(next);
        });
    }
    // Another window's menu may have changed the choice since: the menu
    // shows what the settings file holds.
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, choice, enable] {
        const auto settings = OpenUserSettings();
        const CalculationChoice stored = ReadCalculationChoice(*settings);
        *choice = stored;
        auto check = [menu](const QString& name) {
            if (auto* action = menu->findChild<QAction*>(name))
                action->setChecked(true);
        };
        check(stored.precise() ? QStringLiteral("mnuPrecise") : QStringLiteral("mnuClassic"));
        check(QStringLiteral("mnuAyanamsa_") + Key(AyanamsaKey(stored.ayanamsa)));
        check(QStringLiteral("mnuNode_") + Key(LunarNodeKey(stored.node)));
        enable(stored.precise());
    });
    return menu;
}

std::vector<SignMove> SignMovesFromClassic(const Chart& chart) {
    std::vector<SignMove> moves;
    if (!chart.precise())
        return moves;
    const Chart classic = CalculateChart(chart.birth);
    for (int i = 0; i < kBodyCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (classic.planets.signs[k] != chart.planets.signs[k])
            moves.push_back(
                {static_cast<Body>(i), classic.planets.signs[k], chart.planets.signs[k]});
    }
    return moves;
}

QString CalculationNote::Text(const Chart& chart) {
    if (!chart.precise())
        return {};
    const PreciseCalculation& p = *chart.precise();
    QString source = tr("Swiss Ephemeris %1").arg(Key(SwissEphemerisVersion()));
    switch (p.source) {
        case EphemerisSource::DataFiles:
            break;
        case EphemerisSource::Moshier:
            switch (p.moshierReason) {
                case MoshierReason::FilesMissing:
                    source = tr("%1, Moshier theory (data files not found)").arg(source);
                    break;
                case MoshierReason::FilesDamaged:
                    source = tr("%1, Moshier theory (data files damaged)").arg(source);
                    break;
                case MoshierReason::FolderNotPlain:
                    source = tr("%1, Moshier theory (data folder holds files that are not "
                                "regular)")
                                 .arg(source);
                    break;
            }
            break;
    }
    if (!p.timeCorrectionFile.empty())
        source = tr("%1, time corrections from %2")
                     .arg(source, QString::fromStdString(p.timeCorrectionFile));
    const QString node = WithoutAccelerator(MenuWords::Node(chart.calculation.node));
    QString text =
        tr("Precise calculation: %1; %2 ayanamsa %3\u00b0; %4; for %5 UT",
           "source; ayanamsa name and degrees; node; universal date and time")
            .arg(source, WithoutAccelerator(MenuWords::Ayanamsa(chart.calculation.ayanamsa)))
            .arg(p.ayanamsaDegrees, 0, 'f', 4)
            .arg(node, QStringLiteral("%1-%2-%3 %4:%5")
                           .arg(p.universal.year, 4, 10, QLatin1Char('0'))
                           .arg(p.universal.month, 2, 10, QLatin1Char('0'))
                           .arg(p.universal.day, 2, 10, QLatin1Char('0'))
                           .arg(p.universal.hour, 2, 10, QLatin1Char('0'))
                           .arg(p.universal.minute, 2, 10, QLatin1Char('0')));
    const std::vector<SignMove> moves = SignMovesFromClassic(chart);
    if (moves.empty()) {
        text += QStringLiteral("\n") + tr("Every body stands in the sign the classic calculation "
                                          "gives it.");
        return text;
    }
    QStringList parts;
    for (const SignMove& m : moves)
        parts << tr("%1 from %2 to %3", "body from sign to sign")
                     .arg(TranslatedCoreText(kPlanetNames[static_cast<std::size_t>(m.body)]),
                          Key(kSignAbbreviations[static_cast<std::size_t>(m.classicSign)]),
                          Key(kSignAbbreviations[static_cast<std::size_t>(m.preciseSign)]));
    text +=
        QStringLiteral("\n") + tr("Moved from sign to sign against the classic calculation: %1.")
                                   .arg(parts.join(QStringLiteral("; ")));
    return text;
}

QLabel* CalculationNote::Make(const Chart& chart, QWidget* parent) {
    if (!chart.precise())
        return nullptr;
    QLabel* label = PanelLabel(Text(chart), QStringLiteral("lblCalculation"), false, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace vellamor
