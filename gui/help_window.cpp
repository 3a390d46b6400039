// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/help_window.h"

#include <QApplication>
#include <QFile>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "gui/translation.h"

// The pages are compiled into an object library archived with the windows;
// its resource is initialised by name, as nothing else would pull it in.
static void InitHelpResources() {
    Q_INIT_RESOURCE(vellamor_help);
}

namespace vellamor {

QString HelpPagePath(const QString& language) {
    InitHelpResources();
    const QString own = QStringLiteral(":/help/help_%1.html").arg(language);
    return QFile::exists(own) ? own : QStringLiteral(":/help/help_en.html");
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmHelp"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Vellamor Help"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("helpText"));
    // Links inside the page move within it; a web address goes to the browser.
    m_browser->setOpenExternalLinks(true);
    m_browser->setSource(QUrl(QStringLiteral("qrc") + HelpPagePath(InstalledLanguage())));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    QSize size(720, 760);
    if (const QScreen* screen = QApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() - QSize(16, 48));
    resize(size);
}

HelpWindow* ShowHelpWindow(QWidget* window) {
    // One help window for both windows, of its own: it stays open while the
    // entry window steps aside for a chart, and closes with the program.
    HelpWindow* help = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* open = qobject_cast<HelpWindow*>(w))
            help = open;
    }
    if (!help) {
        help = new HelpWindow;
        if (window && window->screen())
            help->setScreen(window->screen());
    }
    help->show();
    help->raise();
    help->activateWindow();
    return help;
}

}  // namespace vellamor
