// SPDX-License-Identifier: GPL-3.0-or-later
// Stand-ins for what the desktop tests must not really do: show a message box
// or start a browser.
#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <QVector>

#include "gui/dialogs.h"

namespace vellamor::testing {

struct ShownMessage {
    DialogIcon icon;
    QString text;
    DialogButtons buttons;
};

// Answers every message box with one fixed answer and records what it was
// asked.
class ScriptedDialogs final : public Dialogs {
  public:
    explicit ScriptedDialogs(DialogAnswer answer = DialogAnswer::Ok) : m_answer(answer) {}

    DialogAnswer message(QWidget*, DialogIcon icon, const QString& text, DialogButtons buttons,
                         const QString&) override {
        shown.push_back({icon, text, buttons});
        return m_answer;
    }
    QString openFile(QWidget*, const FileDialogRequest&) override { return {}; }
    QString saveFile(QWidget*, const FileDialogRequest&) override { return {}; }

    QVector<ShownMessage> shown;

  private:
    DialogAnswer m_answer;
};

// Takes over the web schemes from the desktop while it lives, recording every
// address the program asks to open.
class OpenedUrls final : public QObject {
    Q_OBJECT
  public:
    OpenedUrls();
    ~OpenedUrls() override;

    QVector<QUrl> urls;

  public slots:
    void open(const QUrl& url) { urls.push_back(url); }
};

}  // namespace vellamor::testing
