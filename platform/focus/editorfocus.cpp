#include "platform/focus/editorfocus.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace orva::platform {

namespace {

/// Gives the focus to the next control of the window as Tab does, but whole controls
/// only: Tab inside a date editor would step through its day, month and year.
void focusNext(QWidget* from) {
    QWidget* window = from->window();
    for (QWidget* next = from->nextInFocusChain(); next && next != from;
         next = next->nextInFocusChain()) {
        if (next->window() == window && next->isEnabled() && next->isVisible() &&
            (next->focusPolicy() & Qt::TabFocus) && !next->focusProxy()) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

} // namespace

QColor EditorFocus::defaultHighlight() {
    return QColor(185, 209, 234);
}

EditorFocus::EditorFocus(QObject* parent) : QObject(parent), highlight_(defaultHighlight()) {}

EditorFocus* EditorFocus::install(QWidget* window, QColor highlight) {
    auto* filter = window->findChild<EditorFocus*>(QString(), Qt::FindDirectChildrenOnly);
    if (!filter)
        filter = new EditorFocus(window);
    filter->setHighlight(highlight);
    filter->watch(window);
    return filter;
}

bool EditorFocus::isEditor(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
           qobject_cast<const QComboBox*>(widget);
}

void EditorFocus::watch(QWidget* root) {
    root->removeEventFilter(this);
    root->installEventFilter(this);
    for (QWidget* w : root->findChildren<QWidget*>()) {
        // The line edit inside a spin box or combo box belongs to its owner.
        if (qobject_cast<QLineEdit*>(w) && w->parentWidget() &&
            (qobject_cast<QAbstractSpinBox*>(w->parentWidget()) ||
             qobject_cast<QComboBox*>(w->parentWidget())))
            continue;
        if (qobject_cast<QAbstractItemView*>(w) && !w->property("orvaEnterMoves").toBool())
            continue; // lists and grids keep Enter for themselves
        w->removeEventFilter(this);
        w->installEventFilter(this);
    }
}

void EditorFocus::paint(QWidget* editor, const QColor& colour) {
    QPalette palette = editor->palette();
    palette.setColor(QPalette::Base, colour);
    editor->setPalette(palette);
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        // A non-editable combo box paints its face with Button.
        palette.setColor(QPalette::Button, colour);
        combo->setPalette(palette);
    }
}

bool EditorFocus::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        if (isEditor(widget))
            paint(widget, highlight_);
        break;
    case QEvent::FocusOut:
        if (isEditor(widget))
            paint(widget, Qt::white);
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!enterMoves_ || (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            key->modifiers() & ~Qt::KeypadModifier)
            break;
        // Memos keep Enter for new lines; an open list takes Enter as its choice.
        if (qobject_cast<QPlainTextEdit*>(widget) || qobject_cast<QTextEdit*>(widget))
            break;
        // A focused button takes Enter first (a default button presses); what it leaves
        // comes to the window, which moves the focus on.
        if (qobject_cast<QAbstractButton*>(widget))
            break;
        if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->view()->isVisible())
            break;
        QWidget* focused = QApplication::focusWidget();
        if (focused && event->type() == QEvent::KeyPress &&
            (focused == widget || widget->isAncestorOf(focused)))
            focusNext(focused);
        return true; // consumed, press and release alike
    }
    default:
        break;
    }
    return false;
}

} // namespace orva::platform
