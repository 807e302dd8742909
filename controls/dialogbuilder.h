#pragma once
// Turns a dialog template into widgets: each control of the kind its row
// names, with its id and text, placed by the dialog-unit rule.

#include "resources/dialogtemplate.h"

#include <QRect>
#include <functional>

class QWidget;

// May make the widget for a row itself (a control class of the window's
// own); returning nullptr leaves the row to the default for its kind.
using ControlMaker = std::function<QWidget*(const resources::TemplateControl& row, QWidget* parent)>;

// Builds every control of `dialog` as a child of `window`, in table order,
// and gives `window` the template's size.
void BuildDialogTemplate(const resources::DialogTemplate& dialog, QWidget* window,
                         const ControlMaker& maker = {});

// The pixel rectangle a template row's control is given.
QRect ControlRectInPixels(const resources::TemplateControl& row);
