#pragma once
// A window that decides what its child controls paint behind themselves: the
// skinned windows leave static texts unfilled so the skin shows around them.

#include "resources/dialogtemplate.h"

#include <QBrush>

class QWidget;

class ControlColourOwner {
public:
    virtual ~ControlColourOwner() = default;
    // `proposed` is the control's own answer; Qt::NoBrush means nothing is filled.
    virtual QBrush ChildBackground(QWidget* child, resources::ControlKind kind, const QBrush& proposed) = 0;
};

// The background `child` paints: its own answer, unless its parent window
// decides otherwise.
QBrush ResolveChildBackground(QWidget* child, resources::ControlKind kind, const QBrush& own);
