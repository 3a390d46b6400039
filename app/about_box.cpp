#include "app/about_box.h"

#include <QMessageBox>

#include "app/dialogs.h"

namespace vellamor {

void ShowAboutBox(QWidget* parent) {
    QMessageBox::about(parent, kAppTitle, kAppTitle);
}

}  // namespace vellamor
