// SPDX-License-Identifier: GPL-3.0-or-later
// Help > Contents (F1): the program's own help, read in a window of its own
// without a browser or a network, in the language the windows speak.
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace vellamor {

// The help's page for a window language ("en", "hi"): a resource path,
// English for a language that has no page of its own.
QString HelpPagePath(const QString& language);

class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    // Shows the page of the language the windows speak now.
    // A window of its own, deleted when it is closed.
    explicit HelpWindow(QWidget* parent = nullptr);

    QTextBrowser* browser() const { return m_browser; }

  private:
    QTextBrowser* m_browser = nullptr;
};

// Opens the help window (object name "frmHelp") on `window`'s screen, in
// the windows' present language, or brings back the one already open.
HelpWindow* ShowHelpWindow(QWidget* window);

}  // namespace vellamor
