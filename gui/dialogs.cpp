#include "gui/dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace vellamor {
namespace {

class QtDialogs final : public Dialogs {
  public:
    DialogAnswer message(QWidget* parent, DialogIcon icon, const QString& text,
                         DialogButtons buttons, const QString& informativeText) override {
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
        if (buttons == DialogButtons::YesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
        } else {
            box.setStandardButtons(QMessageBox::Ok);
        }
        const int r = box.exec();
        if (r == QMessageBox::Yes)
            return DialogAnswer::Yes;
        if (r == QMessageBox::No)
            return DialogAnswer::No;
        return DialogAnswer::Ok;
    }

    QString openFile(QWidget* parent, const FileDialogRequest& request) override {
        QFileDialog dialog(parent, request.title, request.initialPath, request.filter);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setOption(QFileDialog::DontResolveSymlinks);
        dialog.setDefaultSuffix(request.defaultSuffix);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().first();
    }

    QString saveFile(QWidget* parent, const FileDialogRequest& request) override {
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
};

Dialogs* g_override = nullptr;

}  // namespace

Dialogs& CurrentDialogs() {
    static QtDialogs qtDialogs;
    return g_override ? *g_override : qtDialogs;
}

void SetDialogs(Dialogs* dialogs) {
    g_override = dialogs;
}

}  // namespace vellamor
