#include "app/desktop.h"

#include <QApplication>
#include <QLabel>

namespace vellamor {

int RunDesktop(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label("Vellamor v1.15");
    label.setWindowTitle("Vellamor v1.15");
    label.show();
    return app.exec();
}

}  // namespace vellamor
