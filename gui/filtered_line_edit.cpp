// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/filtered_line_edit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

#include "core/chart/entry_form.h"
#include "gui/dialogs.h"
#include "gui/translation.h"

namespace vellamor {
namespace {

// Keystroke classes by character code as typed: the printable members of the
// class, and backspace and delete.
bool IsLetterFieldCode(int code) {
    return (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') || code == ' ' ||
           code == 8 || code == 127;
}

bool IsDigitFieldCode(int code) {
    return (code >= '0' && code <= '9') || code == 8 || code == 127;
}

}  // namespace

QStringList DroppedLocalFiles(const QMimeData* mime) {
    QStringList paths;
    if (!mime || !mime->hasUrls())
        return paths;
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    return paths;
}

FilteredLineEdit::FilteredLineEdit(CharacterClass characterClass, QWidget* parent)
    : QLineEdit(parent), m_class(characterClass) {
    setMaxLength(m_class == CharacterClass::Letters ? kMaxTextLength : kMaxDigits);
    setAcceptDrops(true);
}

QString FilteredLineEdit::refusalMessage() const {
    return m_class == CharacterClass::Letters ? tr("Please enter only letters")
                                              : tr("Please enter only numbers");
}

bool FilteredLineEdit::acceptsCode(int code) const {
    return m_class == CharacterClass::Letters ? IsLetterFieldCode(code) : IsDigitFieldCode(code);
}

bool FilteredLineEdit::acceptsText(const QString& text) const {
    const std::string utf8 = text.toStdString();
    return m_class == CharacterClass::Letters ? IsLetterText(utf8) : IsDigitText(utf8);
}

int FilteredLineEdit::TypedCode(const QKeyEvent& e) {
    const auto mods = e.modifiers();
    const bool ctrl = mods.testFlag(Qt::ControlModifier);
    const bool alt = mods.testFlag(Qt::AltModifier);
    const int key = e.key();
    // Ctrl+Alt is AltGr on some keyboards and types a real character.
    if (ctrl && !alt && key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Delete:
            return 127;
        case Qt::Key_Escape:
            return 27;
        default:
            break;
    }
    const QString text = e.text();
    if (text.isEmpty())
        return -1;
    return text.at(0).unicode();
}

void FilteredLineEdit::refuse() {
    CurrentDialogs().message(this, DialogIcon::Critical, refusalMessage());
    setFocus(Qt::OtherFocusReason);
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const int code = TypedCode(*event);
    if (code < 0) {
        // Shift+Insert pastes without typing a character.
        if (event->matches(QKeySequence::Paste)) {
            pasteFiltered();
            return;
        }
        QLineEdit::keyPressEvent(event);
        return;
    }
    bool accepted = acceptsCode(code);
    // A key that types several characters at once passes only whole.
    const QString text = event->text();
    if (accepted && text.size() > 1)
        accepted = acceptsText(text);
    if (!accepted) {
        event->accept();
        refuse();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void FilteredLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (event->commitString().isEmpty() || acceptsText(event->commitString())) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    // Close the composition without committing anything.
    QInputMethodEvent cleared;
    QLineEdit::inputMethodEvent(&cleared);
    event->accept();
    refuse();
}

bool FilteredLineEdit::insertFiltered(const QString& text) {
    if (!acceptsText(text)) {
        refuse();
        return false;
    }
    insert(text);  // the length limit cuts what does not fit, as typing would
    return true;
}

void FilteredLineEdit::pasteFiltered() {
    if (isReadOnly())
        return;
    const QString text = QGuiApplication::clipboard()->text(QClipboard::Clipboard);
    if (text.isEmpty())
        return;
    insertFiltered(text);
}

QMenu* FilteredLineEdit::createContextMenu() {
    auto* menu = new QMenu(this);
    const bool editable = !isReadOnly();
    auto add = [&](const QString& caption, const char* name, QKeySequence::StandardKey key,
                   bool enabled, auto slot) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        if (key != QKeySequence::UnknownKey)
            a->setShortcut(QKeySequence(key));
        a->setEnabled(enabled);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    const bool selected = hasSelectedText();
    add(tr("&Undo"), "edit-undo", QKeySequence::Undo, editable && isUndoAvailable(),
        [this] { undo(); });
    add(tr("&Redo"), "edit-redo", QKeySequence::Redo, editable && isRedoAvailable(),
        [this] { redo(); });
    menu->addSeparator();
    add(tr("Cu&t"), "edit-cut", QKeySequence::Cut, editable && selected, [this] { cut(); });
    add(tr("&Copy"), "edit-copy", QKeySequence::Copy, selected, [this] { copy(); });
    add(tr("&Paste"), "edit-paste", QKeySequence::Paste,
        editable && !QGuiApplication::clipboard()->text().isEmpty(), [this] { pasteFiltered(); });
    add(tr("Delete"), "edit-delete", QKeySequence::UnknownKey, editable && selected,
        [this] { del(); });
    menu->addSeparator();
    add(tr("Select All"), "select-all", QKeySequence::SelectAll, !text().isEmpty(),
        [this] { selectAll(); });
    return menu;
}

void FilteredLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void FilteredLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the X11 selection.
    if (event->button() == Qt::MiddleButton && !isReadOnly() &&
        QGuiApplication::clipboard()->supportsSelection()) {
        const QString text = QGuiApplication::clipboard()->text(QClipboard::Selection);
        if (!acceptsText(text)) {
            event->accept();
            refuse();
            return;
        }
    }
    QLineEdit::mouseReleaseEvent(event);
}

void FilteredLineEdit::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedLocalFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
        return;
    }
    QLineEdit::dragEnterEvent(event);
}

void FilteredLineEdit::dragMoveEvent(QDragMoveEvent* event) {
    if (!DroppedLocalFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
        return;
    }
    QLineEdit::dragMoveEvent(event);
}

void FilteredLineEdit::dropEvent(QDropEvent* event) {
    const QStringList files = DroppedLocalFiles(event->mimeData());
    if (!files.isEmpty()) {
        event->acceptProposedAction();
        emit filesDropped(files);
        return;
    }
    if (event->mimeData()->hasText() && !acceptsText(event->mimeData()->text())) {
        event->ignore();
        // The drag is still being finished: speak once it is over.
        QMetaObject::invokeMethod(
            this, [this] { refuse(); }, Qt::QueuedConnection);
        return;
    }
    QLineEdit::dropEvent(event);
}

}  // namespace vellamor
