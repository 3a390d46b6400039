// SPDX-License-Identifier: GPL-3.0-or-later
// Dialogs that answer for the user, so the windows can be driven headless:
// the tests hand them to the windows they make.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "gui/dialogs.h"

namespace vellamor {

class FakeDialogs final : public Dialogs {
  public:
    struct Message {
        DialogIcon icon;
        QString text;
        QString informativeText;
    };

    DialogAnswer message(QWidget*, DialogIcon icon, const QString& text, DialogButtons buttons,
                         const QString& informativeText) override {
        messages.append({icon, text, informativeText});
        if (buttons == DialogButtons::YesNo)
            return questionAnswer;
        return DialogAnswer::Ok;
    }
    QString openFile(QWidget*, const FileDialogRequest& request) override {
        openRequests.append(request);
        return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
    }
    QString saveFile(QWidget*, const FileDialogRequest& request) override {
        saveRequests.append(request);
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }

    QString lastText() const { return messages.isEmpty() ? QString() : messages.last().text; }

    QList<Message> messages;
    QList<FileDialogRequest> openRequests;
    QList<FileDialogRequest> saveRequests;
    QStringList openAnswers;  // empty string: the user cancels
    QStringList saveAnswers;
    DialogAnswer questionAnswer = DialogAnswer::Yes;
};

}  // namespace vellamor
