// SPDX-License-Identifier: GPL-3.0-or-later
// The Help menu that both windows carry: the program's own help (F1), the
// three web pages and the about box.
#pragma once

class QMainWindow;

namespace vellamor {

class Dialogs;

// A web page that cannot be opened is said through `dialogs`.
void AddHelpMenu(QMainWindow* window, Dialogs& dialogs);

}  // namespace vellamor
