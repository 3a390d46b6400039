// SPDX-License-Identifier: GPL-3.0-or-later
// The one seam through which the windows ask the user something: message
// boxes and file dialogs. The desktop program passes the Qt implementation
// to the windows it makes; tests pass their own to answer without a display.
#pragma once

#include <QString>

#include "core/version.h"

class QWidget;

namespace vellamor {

enum class DialogIcon { Critical, Information, Question, Warning };
enum class DialogAnswer { Ok, Yes, No, Cancel };
enum class DialogButtons { Ok, YesNo };

struct FileDialogRequest {
    QString title;
    QString filter;         // e.g. "Vellamor Sudarshan Chakra (*.sud)"
    QString defaultSuffix;  // e.g. "sud"
    QString initialPath;    // pre-filled file name or folder
    bool confirmOverwrite = false;
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Caption is always the application's title. The informative text, when
    // there is one, stands under the text, visible without a click: the
    // reason behind a refusal. Cancel when the question was closed
    // unanswered (see CancelOpenDialogs).
    virtual DialogAnswer message(QWidget* parent, DialogIcon icon, const QString& text,
                                 DialogButtons buttons = DialogButtons::Ok,
                                 const QString& informativeText = {}) = 0;
    // Empty when cancelled.
    virtual QString openFile(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual QString saveFile(QWidget* parent, const FileDialogRequest& request) = 0;
};

// A message box's button for an answer, in the window's language.
QString DialogButtonText(DialogAnswer answer);

// Closes every open dialog and menu as Escape would, so that whoever asked
// sees Cancel (an empty path, a rejected dialog); their event loops end once
// control returns to them. Used when something more urgent than the question
// arrives: a chart handed over by a second start.
void CancelOpenDialogs();

// Qt's own message boxes and file dialogs: the desktop program's. The
// windows are given theirs by whoever makes them; tests give dialogs that
// answer for the user.
class QtDialogs final : public Dialogs {
  public:
    DialogAnswer message(QWidget* parent, DialogIcon icon, const QString& text,
                         DialogButtons buttons = DialogButtons::Ok,
                         const QString& informativeText = {}) override;
    QString openFile(QWidget* parent, const FileDialogRequest& request) override;
    QString saveFile(QWidget* parent, const FileDialogRequest& request) override;
};

inline const QString kAppTitle = QStringLiteral("Vellamor v") + QString::fromLatin1(kVersion);

}  // namespace vellamor
