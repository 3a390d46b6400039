// SPDX-License-Identifier: GPL-3.0-or-later
// A text box of the entry window that lets only letters or only digits in.
//
// Every way text can arrive is checked: a typed character, pasted text (the
// context menu, Ctrl+V, Shift+Insert, the middle mouse button), dropped text
// and text composed by an input method. A refused character never reaches the
// box; pasted or dropped text holding one is refused whole. The box then says
// which characters it takes and keeps the focus.
//
// Keys that insert no character are not filtered: the editing shortcuts
// (select all, copy, cut, undo, redo), the arrows, Home and End work as in any
// text box; Escape and Enter go on to the window (Escape closes an open list,
// Enter is the window's to act on), and other Ctrl combinations reach the
// window's menus.
#pragma once

#include <QLineEdit>
#include <QStringList>

class QMenu;
class QMimeData;

namespace vellamor {

class Dialogs;

enum class CharacterClass { Letters, Digits };

class FilteredLineEdit : public QLineEdit {
    Q_OBJECT

  public:
    // A refused character is told through `dialogs`, which outlives the box.
    FilteredLineEdit(CharacterClass characterClass, Dialogs& dialogs, QWidget* parent = nullptr);

    CharacterClass characterClass() const { return m_class; }
    // The message the box shows when it refuses `refused` (the character or
    // text that did not pass): a letter of another script is told that the
    // chart file keeps Latin letters only.
    QString refusalMessage(const QString& refused = {}) const;
    // Whether a whole text may enter the box (pasted or dropped text).
    bool acceptsText(const QString& text) const;

    // The text a key press would insert into the box; empty for keys that
    // insert nothing (control keys, Ctrl and Meta combinations, Enter,
    // Escape, Backspace, Delete).
    static QString InsertedText(const QKeyEvent& event);

    // Pastes the clipboard's text if every character of it may enter.
    void pasteFiltered();
    // Inserts text at the cursor if every character of it may enter; a
    // refused text is reported and nothing changes.
    bool insertFiltered(const QString& text);

    // The edit menu the box shows on a right click (the caller owns it).
    QMenu* createContextMenu();

  signals:
    // Files, not text, were dropped on the box: they are for the window.
    void filesDropped(const QStringList& paths);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void refuse(const QString& refused);

    CharacterClass m_class;
    Dialogs& m_dialogs;
};

// Local files among the URLs of a drag, as paths; empty when it carries none.
QStringList DroppedLocalFiles(const QMimeData* mime);

}  // namespace vellamor
