#include "tooltip.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

void ToolTip::AddTool(int id, const QRect& area, const QString& text)
{
    tools.try_emplace(id, Tool{area, text});
}

void ToolTip::SetToolText(int id, const QString& text)
{
    auto found = tools.find(id);
    if (found != tools.end())
        found->second.text = text;
}

QString ToolTip::ToolText(int id) const
{
    auto found = tools.find(id);
    return found == tools.end() ? QString() : found->second.text;
}

QRect ToolTip::ToolArea(int id) const
{
    auto found = tools.find(id);
    return found == tools.end() ? QRect() : found->second.area;
}

void ToolTip::Show(QHelpEvent* event) const
{
    if (active) {
        for (const auto& [id, tool] : tools) {
            if (tool.area.contains(event->pos()) && !tool.text.isEmpty()) {
                QToolTip::showText(event->globalPos(), tool.text, owner, tool.area, displayTime > 0 ? displayTime : -1);
                return;
            }
        }
    }
    QToolTip::hideText();
    event->ignore();
}
