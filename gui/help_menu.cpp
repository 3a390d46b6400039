#include "gui/help_menu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "gui/about_box.h"
#include "gui/web_links.h"

namespace vellamor {

void AddHelpMenu(QMainWindow* window) {
    QMenu* mnuHelp = window->menuBar()->addMenu(QMenu::tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    QAction* mnuOnline = mnuHelp->addAction(QMenu::tr("&Online Help"));
    mnuOnline->setObjectName(QStringLiteral("mnuOnline"));
    QObject::connect(mnuOnline, &QAction::triggered, window, [] { OpenHelpPage(); });
    QAction* mnuVisit = mnuHelp->addAction(QMenu::tr("&Visit Us Online"));
    mnuVisit->setObjectName(QStringLiteral("mnuVisit"));
    QObject::connect(mnuVisit, &QAction::triggered, window, [] { OpenHomePage(); });
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep1"));
    QAction* mnuUpdate = mnuHelp->addAction(QMenu::tr("Check for Software &Update"));
    mnuUpdate->setObjectName(QStringLiteral("mnuUpdate"));
    QObject::connect(mnuUpdate, &QAction::triggered, window, [] { OpenDownloadPage(); });
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep2"));
    QAction* mnuAbout = mnuHelp->addAction(QMenu::tr("&About Software"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    QObject::connect(mnuAbout, &QAction::triggered, window, [window] { ShowAboutBox(window); });
}

}  // namespace vellamor
