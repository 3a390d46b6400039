// The about box frmAbout, shown modally over the window that asks for it.
#pragma once

class QWidget;

namespace vellamor {

void ShowAboutBox(QWidget* parent);

}  // namespace vellamor
