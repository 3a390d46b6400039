// SPDX-License-Identifier: GPL-3.0-or-later
// The look the result window and its panels share: the window's font, the
// grey panel ground, labels the user can select and copy, and a scroll area
// for a panel that outgrows a small window.
#pragma once

#include <QFont>
#include <QPalette>
#include <QString>

class QLabel;
class QScrollArea;
class QWidget;

namespace vellamor {

QFont ResultWindowFont(bool bold);
QPalette PanelPalette();

// A label named for the window's tests, selectable by the mouse.
QLabel* PanelLabel(const QString& text, const QString& name, bool bold, QWidget* parent);

// `panel` in a scroll area that scrolls when the window is too small for it.
// Texts wrap first; what cannot wrap (a date field, a row of figures)
// scrolls sideways rather than being cut off.
QScrollArea* Scrolling(QWidget* panel);

}  // namespace vellamor
