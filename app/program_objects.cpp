// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_objects.h"

#include <cstdio>

#ifdef VELLAMOR_HAVE_ATLAS
#include "atlas/gazetteer.h"
#endif
#ifdef VELLAMOR_HAVE_GUI
#include <QApplication>
#endif
#ifdef VELLAMOR_HAVE_RENDER
#include <QGuiApplication>
#endif

namespace vellamor {

struct ProgramObjects::Parts {
#ifdef VELLAMOR_HAVE_ATLAS
    atlas::BuiltInGazetteer gazetteer;
#endif
#ifdef VELLAMOR_HAVE_RENDER
    // The application keeps the arguments it was made with.
    int argc = 3;
    char arg0[9] = "vellamor", arg1[10] = "-platform", arg2[10] = "offscreen";
    char* argv[4] = {arg0, arg1, arg2, nullptr};
    std::unique_ptr<QGuiApplication> application;
#endif
};

ProgramObjects::ProgramObjects() : m_parts(std::make_unique<Parts>()) {}

ProgramObjects::~ProgramObjects() = default;

const atlas::BuiltInGazetteer* ProgramObjects::gazetteer() const {
#ifdef VELLAMOR_HAVE_ATLAS
    return &m_parts->gazetteer;
#else
    return nullptr;
#endif
}

void ProgramObjects::startReadingPlaces() {
#ifdef VELLAMOR_HAVE_ATLAS
    m_parts->gazetteer.ReadInBackground();
#endif
}

#ifdef VELLAMOR_HAVE_GUI
QApplication& ProgramObjects::startDesktop(int& argc, char** argv) {
    auto application = std::make_unique<QApplication>(argc, argv);
    QApplication& made = *application;
    m_parts->application = std::move(application);
    return made;
}
#endif

void ProgramObjects::startDrawing() {
#ifdef VELLAMOR_HAVE_RENDER
    if (m_parts->application || QCoreApplication::instance())
        return;
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& msg) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(msg));
    });
    m_parts->application = std::make_unique<QGuiApplication>(m_parts->argc, m_parts->argv);
#endif
}

}  // namespace vellamor
