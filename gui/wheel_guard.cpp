// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/wheel_guard.h"

#include <QEvent>
#include <QWidget>

namespace vellamor {
namespace {

class WheelGuard final : public QObject {
  public:
    explicit WheelGuard(QWidget* control) : QObject(control), m_control(control) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_control && event->type() == QEvent::Wheel && !m_control->hasFocus()) {
            // Ignored, the wheel goes on to the parents: the scroll area.
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget* m_control;
};

}  // namespace

void TakeWheelOnlyWhenFocused(QWidget* control) {
    // A wheel would otherwise give the focus first, and then turn the value.
    control->setFocusPolicy(Qt::StrongFocus);
    control->installEventFilter(new WheelGuard(control));
}

}  // namespace vellamor
