#include "windows/KeyboardNavigation.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

KeyboardNavigation::KeyboardNavigation(std::vector<QWidget*> controlsInTabOrder, QObject* parent)
    : QObject(parent), m_controls(std::move(controlsInTabOrder))
{
    for (QWidget* control : m_controls)
        control->installEventFilter(this);
}

bool KeyboardNavigation::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* control = static_cast<QWidget*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;

    switch (key->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Up:
        // In an edit field the arrows move the caret.
        if (qobject_cast<QLineEdit*>(control))
            return false;
        moveFocus(control, key->key() == Qt::Key_Right || key->key() == Qt::Key_Down
                               ? Direction::Forward
                               : Direction::Backward);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* button = qobject_cast<QPushButton*>(control))
            button->click();
        // Enter in an edit field presses nothing: there is no default button.
        return true;
    case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

void KeyboardNavigation::moveFocus(QWidget* from, Direction direction)
{
    const auto here = std::find(m_controls.begin(), m_controls.end(), from);
    if (here == m_controls.end())
        return;
    const std::ptrdiff_t count = static_cast<std::ptrdiff_t>(m_controls.size());
    const std::ptrdiff_t step = direction == Direction::Forward ? 1 : count - 1;
    std::ptrdiff_t index = here - m_controls.begin();
    // Skip controls that cannot take the focus now (hidden or disabled).
    for (std::ptrdiff_t tried = 0; tried < count; ++tried) {
        index = (index + step) % count;
        QWidget* next = m_controls[static_cast<std::size_t>(index)];
        if (!next->isVisibleTo(next->window()) || !next->isEnabled())
            continue;
        next->setFocus(direction == Direction::Forward ? Qt::TabFocusReason
                                                       : Qt::BacktabFocusReason);
        if (auto* radio = qobject_cast<QRadioButton*>(next); radio && !radio->isChecked())
            radio->setChecked(true);
        return;
    }
}
