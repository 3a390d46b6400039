// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/help_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "gui/about_box.h"
#include "gui/help_window.h"
#include "gui/web_links.h"

namespace vellamor {

void AddHelpMenu(QMainWindow* window, Dialogs& dialogs) {
    QMenu* helpMenu =
        window->menuBar()->addMenu(QCoreApplication::translate("vellamor::HelpMenu", "&Help"));
    helpMenu->setObjectName(QStringLiteral("mnuHelp"));
    QAction* contents =
        helpMenu->addAction(QCoreApplication::translate("vellamor::HelpMenu", "&Contents"));
    contents->setObjectName(QStringLiteral("mnuContents"));
    contents->setShortcut(QKeySequence(Qt::Key_F1));
    QObject::connect(contents, &QAction::triggered, window, [window] { ShowHelpWindow(window); });
    QAction* onlineHelp =
        helpMenu->addAction(QCoreApplication::translate("vellamor::HelpMenu", "&Online Help"));
    onlineHelp->setObjectName(QStringLiteral("mnuOnline"));
    QObject::connect(onlineHelp, &QAction::triggered, window,
                     [window, &dialogs] { OpenHelpPage(window, &dialogs); });
    QAction* visitUs =
        helpMenu->addAction(QCoreApplication::translate("vellamor::HelpMenu", "&Visit Us Online"));
    visitUs->setObjectName(QStringLiteral("mnuVisit"));
    QObject::connect(visitUs, &QAction::triggered, window,
                     [window, &dialogs] { OpenHomePage(window, &dialogs); });
    helpMenu->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep1"));
    QAction* checkUpdate = helpMenu->addAction(
        QCoreApplication::translate("vellamor::HelpMenu", "Check for Software &Update"));
    checkUpdate->setObjectName(QStringLiteral("mnuUpdate"));
    QObject::connect(checkUpdate, &QAction::triggered, window,
                     [window, &dialogs] { OpenDownloadPage(window, &dialogs); });
    helpMenu->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep2"));
    QAction* about =
        helpMenu->addAction(QCoreApplication::translate("vellamor::HelpMenu", "&About Software"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    QObject::connect(about, &QAction::triggered, window, [window] { ShowAboutBox(window); });
}

}  // namespace vellamor
