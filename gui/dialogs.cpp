// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

namespace vellamor {

DialogAnswer QtDialogs::message(QWidget* parent, DialogIcon icon, const QString& text,
                                DialogButtons buttons, const QString& informativeText) {
    QMessageBox box(parent);
    box.setWindowTitle(kAppTitle);
    box.setText(text);
    box.setInformativeText(informativeText);
    switch (icon) {
        case DialogIcon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case DialogIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case DialogIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case DialogIcon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
    }
    // The buttons' words through the program's own catalogue: Qt's
    // has no Hindi.
    if (buttons == DialogButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.button(QMessageBox::Yes)->setText(DialogButtonText(DialogAnswer::Yes));
        box.button(QMessageBox::No)->setText(DialogButtonText(DialogAnswer::No));
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.button(QMessageBox::Ok)->setText(DialogButtonText(DialogAnswer::Ok));
    }
    // The window manager's title takes more room than the box allows for
    // it (a short Hindi box showed "Vell…1.15"): the box is at least as wide
    // as its title in a window manager's bolder, larger font and its
    // buttons.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        QFont title = box.font();
        title.setBold(true);
        title.setPointSizeF(title.pointSizeF() * 1.25);
        const int width = QFontMetrics(title).horizontalAdvance(kAppTitle) + 140;
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.exec();
    if (box.clickedButton() == nullptr)
        return DialogAnswer::Cancel;
    switch (box.standardButton(box.clickedButton())) {
        case QMessageBox::Yes:
            return DialogAnswer::Yes;
        case QMessageBox::No:
            return DialogAnswer::No;
        default:
            return DialogAnswer::Ok;
    }
}

QString QtDialogs::openFile(QWidget* parent, const FileDialogRequest& request) {
    QFileDialog dialog(parent, request.title, request.initialPath, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontResolveSymlinks);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QString QtDialogs::saveFile(QWidget* parent, const FileDialogRequest& request) {
    QFileDialog dialog(parent, request.title, request.initialPath, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The path as chosen, link and all: saving decides whether a link
    // may be followed, by the same rule as the command line.
    dialog.setOption(QFileDialog::DontResolveSymlinks);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.confirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QString DialogButtonText(DialogAnswer answer) {
    switch (answer) {
        case DialogAnswer::Ok:
            return QCoreApplication::translate("vellamor::Dialogs", "OK");
        case DialogAnswer::Yes:
            return QCoreApplication::translate("vellamor::Dialogs", "&Yes");
        case DialogAnswer::No:
            return QCoreApplication::translate("vellamor::Dialogs", "&No");
        case DialogAnswer::Cancel:
            return QCoreApplication::translate("vellamor::Dialogs", "Cancel");
    }
    return {};
}

void CancelOpenDialogs() {
    // Bounded: a window that refuses to close must not hang the caller.
    for (int i = 0; i < 16; ++i) {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        } else if (QWidget* modal = QApplication::activeModalWidget()) {
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        } else {
            return;
        }
    }
}

}  // namespace vellamor
