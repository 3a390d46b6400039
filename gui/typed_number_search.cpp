// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/typed_number_search.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QToolTip>
#include <algorithm>

namespace vellamor {

TypedNumberSearch::TypedNumberSearch(QComboBox* box) : QObject(box), m_box(box) {
    box->installEventFilter(this);
    box->view()->installEventFilter(this);
    for (int i = 0; i < box->count(); ++i)
        m_longest = std::max(m_longest, static_cast<int>(box->itemText(i).size()));
}

bool TypedNumberSearch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (text.size() != 1 || !text.at(0).isDigit() || text.at(0).unicode() > 127 ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    if (!m_sinceLast.isValid() || m_sinceLast.elapsed() > QApplication::keyboardInputInterval())
        m_typed.clear();
    m_sinceLast.start();
    if (m_typed.size() >= m_longest)
        m_typed.clear();
    m_typed += text;
    // "05" is the minute 5.
    const int found = m_box->findText(QString::number(m_typed.toInt()), Qt::MatchExactly);
    const bool inPopup = watched == m_box->view();
    if (found >= 0) {
        if (inPopup) {
            m_box->view()->setCurrentIndex(m_box->model()->index(found, m_box->modelColumn()));
        } else if (found != m_box->currentIndex()) {
            m_box->setCurrentIndex(found);
            emit m_box->activated(found);
        }
    } else if (m_typed.size() >= m_longest && m_box->count() > 0) {
        QWidget* near = inPopup ? static_cast<QWidget*>(m_box->view()) : m_box;
        QToolTip::showText(
            near->mapToGlobal(QPoint(0, near->height())),
            QCoreApplication::translate("vellamor::EntryFormWidget",
                                        "%1 is not in the list, which runs from %2 to %3")
                .arg(m_typed, m_box->itemText(0), m_box->itemText(m_box->count() - 1)),
            near);
    }
    return true;
}

TypedNameSearch::TypedNameSearch(QComboBox* box) : QObject(box), m_box(box) {
    box->installEventFilter(this);
    box->view()->installEventFilter(this);
}

bool TypedNameSearch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (text.size() != 1 || !text.at(0).isPrint() ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    if (!m_sinceLast.isValid() || m_sinceLast.elapsed() > QApplication::keyboardInputInterval())
        m_typed.clear();
    m_sinceLast.start();
    // A space typed first is the list's own (it opens the popup).
    if (m_typed.isEmpty() && text.at(0).isSpace())
        return false;
    m_typed += text;
    const bool inPopup = watched == m_box->view();
    const int current = inPopup ? m_box->view()->currentIndex().row() : m_box->currentIndex();
    const int n = m_box->count();
    // The first letter moves on from the current entry, as a list's own
    // search does; more letters refine from it.
    const int from = m_typed.size() == 1 ? current + 1 : std::max(current, 0);
    for (int k = 0; k < n; ++k) {
        const int i = (from + k) % n;
        const bool shown = m_box->itemText(i).startsWith(m_typed, Qt::CaseInsensitive);
        const bool english = m_box->itemData(i).toString().startsWith(m_typed, Qt::CaseInsensitive);
        if (!shown && !english)
            continue;
        if (inPopup) {
            m_box->view()->setCurrentIndex(m_box->model()->index(i, m_box->modelColumn()));
        } else if (i != m_box->currentIndex()) {
            m_box->setCurrentIndex(i);
            emit m_box->activated(i);
        }
        return true;
    }
    m_typed.chop(1);
    return false;
}

}  // namespace vellamor
