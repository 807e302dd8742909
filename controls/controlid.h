#pragma once
// Every control built from a template carries its template id, so that
// windows and message tables find controls by the numbers the templates use.

#include <QWidget>

void SetControlId(QWidget* control, int id);
// The control's id, or 0 when it has none.
int ControlId(const QWidget* control);
// The first descendant of `root` with `id`, or nullptr.
QWidget* FindControl(QWidget* root, int id);

// A control the window's own template builds is a part of the program, not
// input: a template without it, or with another kind of control under its id,
// is a programming error. It stops the program with a message naming the id
// and the kind, where an unchecked cast would hand out a wrong pointer.
[[noreturn]] void StopForMissingControl(int id, const char* kind);

template <class Control>
Control* RequireControl(QWidget* root, int id)
{
    auto* control = qobject_cast<Control*>(FindControl(root, id));
    if (!control)
        StopForMissingControl(id, Control::staticMetaObject.className());
    return control;
}
