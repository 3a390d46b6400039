// SPDX-License-Identifier: GPL-3.0-or-later
// A text box of the entry window that lets only letters or only digits in.
//
// Every way text can arrive is checked: a typed key by its character code, as
// the entry window's rules name them (so Enter and Ctrl+letter codes are
// refused too), pasted text from the context menu, Shift+Insert or the middle
// mouse button, dropped text and text composed by an input method. A refused
// character never reaches the box; pasted or dropped text holding one is
// refused whole. The box then says which characters it takes and keeps the
// focus. Tab and Shift+Tab move the focus as usual, and keys that type nothing
// (arrows, Home, End) keep working.
#pragma once

#include <QLineEdit>
#include <QStringList>

class QMenu;
class QMimeData;

namespace vellamor {

enum class CharacterClass { Letters, Digits };

class FilteredLineEdit : public QLineEdit {
    Q_OBJECT

  public:
    FilteredLineEdit(CharacterClass characterClass, QWidget* parent = nullptr);

    CharacterClass characterClass() const { return m_class; }
    // The message the box shows when it refuses a character.
    QString refusalMessage() const;
    // Whether a whole text may enter the box (pasted or dropped text).
    bool acceptsText(const QString& text) const;

    // The character code a key press types, as the keystroke rules count it:
    // Ctrl+letter gives its control code (Ctrl+A is 1), Enter 13, Backspace 8,
    // Delete 127; -1 when the key types nothing.
    static int TypedCode(const QKeyEvent& event);

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
    bool acceptsCode(int code) const;
    void refuse();

    CharacterClass m_class;
};

// Local files among the URLs of a drag, as paths; empty when it carries none.
QStringList DroppedLocalFiles(const QMimeData* mime);

}  // namespace vellamor
