// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/panel_look.h"

#include <QColor>
#include <QLabel>
#include <QScrollArea>

namespace vellamor {

QFont ResultWindowFont(bool bold) {
    QFont f;
    f.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(8.25);
    f.setBold(bold);
    return f;
}

QPalette PanelPalette() {
    QPalette p(QColor(178, 178, 178), QColor(128, 128, 128));
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        p.setColor(role, Qt::black);
    }
    return p;
}

QLabel* PanelLabel(const QString& text, const QString& name, bool bold, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(ResultWindowFont(bold));
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

QScrollArea* Scrolling(QWidget* panel) {
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll->setPalette(PanelPalette());
    scroll->setWidget(panel);
    return scroll;
}

}  // namespace vellamor
