#include "gui/help_menu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "gui/about_box.h"
#include "gui/web_links.h"

namespace vellamor {

void AddHelpMenu(QMainWindow* window) {
    QMenu* helpMenu = window->menuBar()->addMenu(QMenu::tr("&Help"));
    helpMenu->setObjectName(QStringLiteral("mnuHelp"));
    QAction* onlineHelp = helpMenu->addAction(QMenu::tr("&Online Help"));
    onlineHelp->setObjectName(QStringLiteral("mnuOnline"));
    QObject::connect(onlineHelp, &QAction::triggered, window, [] { OpenHelpPage(); });
    QAction* visitUs = helpMenu->addAction(QMenu::tr("&Visit Us Online"));
    visitUs->setObjectName(QStringLiteral("mnuVisit"));
    QObject::connect(visitUs, &QAction::triggered, window, [] { OpenHomePage(); });
    helpMenu->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep1"));
    QAction* checkUpdate = helpMenu->addAction(QMenu::tr("Check for Software &Update"));
    checkUpdate->setObjectName(QStringLiteral("mnuUpdate"));
    QObject::connect(checkUpdate, &QAction::triggered, window, [] { OpenDownloadPage(); });
    helpMenu->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep2"));
    QAction* about = helpMenu->addAction(QMenu::tr("&About Software"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    QObject::connect(about, &QAction::triggered, window, [window] { ShowAboutBox(window); });
}

}  // namespace vellamor
