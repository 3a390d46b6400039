// The three web pages the menus open in the default browser, without waiting
// and without reporting a failure.
#pragma once

namespace vellamor {

void OpenHelpPage();
void OpenHomePage();
void OpenDownloadPage();

}  // namespace vellamor
