#pragma once
// Every control built from a template carries its template id, so that
// windows and message tables find controls by the numbers the templates use.

class QWidget;

void SetControlId(QWidget* control, int id);
// The control's id, or 0 when it has none.
int ControlId(const QWidget* control);
// The first descendant of `root` with `id`, or nullptr.
QWidget* FindControl(QWidget* root, int id);
