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

// A letter the chart file cannot hold: of another script ("राम") or with an
// accent ("é").
bool HasForeignLetter(const QString& text) {
    for (const QChar c : text) {
        if (c.isLetter() && c.unicode() > 127)
            return true;
    }
    return false;
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

FilteredLineEdit::FilteredLineEdit(CharacterClass characterClass, Dialogs& dialogs, QWidget* parent)
    : QLineEdit(parent), m_class(characterClass), m_dialogs(dialogs) {
    setMaxLength(m_class == CharacterClass::Letters ? kMaxTextLength : kMaxDigits);
    setAcceptDrops(true);
}

QString FilteredLineEdit::refusalMessage(const QString& refused) const {
    if (m_class == CharacterClass::Digits)
        return tr("Please enter only numbers");
    if (HasForeignLetter(refused))
        return tr("The chart file keeps Latin letters only: please use A to Z, without accents");
    return tr("Please enter only letters");
}

bool FilteredLineEdit::acceptsText(const QString& text) const {
    const std::string utf8 = text.toStdString();
    return m_class == CharacterClass::Letters ? IsLetterText(utf8) : IsDigitText(utf8);
}

QString FilteredLineEdit::InsertedText(const QKeyEvent& e) {
    const auto mods = e.modifiers();
    // Ctrl+Alt is AltGr on some keyboards and types a real character.
    const bool ctrl = mods.testFlag(Qt::ControlModifier) && !mods.testFlag(Qt::AltModifier);
    if (ctrl || mods.testFlag(Qt::MetaModifier))
        return {};
    const QString text = e.text();
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return {};
    }
    return text;
}

void FilteredLineEdit::refuse(const QString& refused) {
    m_dialogs.message(this, DialogIcon::Critical, refusalMessage(refused));
    setFocus(Qt::OtherFocusReason);
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
    // Ctrl+V and Shift+Insert paste through the same rule as typing.
    if (event->matches(QKeySequence::Paste)) {
        event->accept();
        pasteFiltered();
        return;
    }
    const QString text = InsertedText(*event);
    if (!text.isEmpty() && !acceptsText(text)) {
        event->accept();
        refuse(text);
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
    refuse(event->commitString());
}

bool FilteredLineEdit::insertFiltered(const QString& text) {
    if (!acceptsText(text)) {
        refuse(text);
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
            refuse(text);
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
            this, [this, text = event->mimeData()->text()] { refuse(text); }, Qt::QueuedConnection);
        return;
    }
    QLineEdit::dropEvent(event);
}

}  // namespace vellamor
