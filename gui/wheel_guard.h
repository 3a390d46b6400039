// SPDX-License-Identifier: GPL-3.0-or-later
// A list or a date field takes the mouse wheel only once the user has
// clicked or tabbed into it, as the platform's own lists do. Without this a
// window scrolled with the wheel changes whatever list passes under the
// pointer: the year or the zone of a birth, or the date of a reading,
// without a word.
#pragma once

class QWidget;

namespace vellamor {

// Until `control` has the focus, its wheel goes to the window round it,
// which scrolls.
void TakeWheelOnlyWhenFocused(QWidget* control);

}  // namespace vellamor
