#include "app/web_links.h"

#include <QDesktopServices>
#include <QUrl>

namespace vellamor {

void OpenHelpPage() {
    QDesktopServices::openUrl(QUrl("https://vellamor.example/help"));
}
void OpenHomePage() {
    QDesktopServices::openUrl(QUrl("https://vellamor.example/"));
}
void OpenDownloadPage() {
    QDesktopServices::openUrl(QUrl("https://vellamor.example/download"));
}

}  // namespace vellamor
