#include "controlid.h"

#include <QVariant>
#include <QtGlobal>
#include <QWidget>

namespace {
constexpr char kIdProperty[] = "controlId";
}

void SetControlId(QWidget* control, int id)
{
    control->setProperty(kIdProperty, id);
}

int ControlId(const QWidget* control)
{
    return control->property(kIdProperty).toInt();
}

QWidget* FindControl(QWidget* root, int id)
{
    for (QWidget* child : root->findChildren<QWidget*>())
        if (ControlId(child) == id)
            return child;
    return nullptr;
}

void StopForMissingControl(int id, const char* kind)
{
    qFatal("The window's template has no %s with control id %d", kind, id);
}
