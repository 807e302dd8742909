#include "controlcolour.h"

#include <QWidget>

QBrush ResolveChildBackground(QWidget* child, resources::ControlKind kind, const QBrush& own)
{
    if (auto* owner = dynamic_cast<ControlColourOwner*>(child->parentWidget()))
        return owner->ChildBackground(child, kind, own);
    return own;
}
