// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/banner.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

#include "render/chakra_emblem.h"

namespace vellamor {

Banner::Banner(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("banner"));
    QPalette light = palette();
    light.setColor(QPalette::WindowText, QColor(0xf4, 0xec, 0xd8));
    setPalette(light);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(18, 12, 20, 12);
    layout->setSpacing(16);
    auto* wheel = new QLabel(this);
    wheel->setPixmap(ChakraEmblemIcon().pixmap(60, 60));
    wheel->setFixedSize(60, 60);
    auto* description = new QLabel(
        QCoreApplication::translate(
            "vellamor::EntryFormWidget",
            "The Sudarshan chakra comprises of the Surya Kundali, Chandra Kundali and Lagna "
            "Kundali or Janma Kundali. This gives a clear view of the position of the different "
            "planets and houses with respect to each other and how they affect the native."),
        this);
    description->setObjectName(QStringLiteral("lblDescription"));
    description->setWordWrap(true);
    layout->addWidget(wheel, 0, Qt::AlignVCenter);
    layout->addWidget(description, 1);
}

void Banner::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient g(rect().topLeft(), rect().topRight());
    g.setColorAt(0, QColor(0x1d, 0x1a, 0x33));
    g.setColorAt(1, QColor(0x43, 0x26, 0x5f));
    p.fillRect(rect(), g);
}

}  // namespace vellamor
