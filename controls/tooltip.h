#pragma once
// A tool tip owned by one control: numbered tools, each a text over a
// rectangle of the control, which show only while the tip is active.

#include <QRect>
#include <QString>
#include <map>

class QHelpEvent;
class QWidget;

class ToolTip {
public:
    explicit ToolTip(QWidget* owner) : owner(owner) {}

    // Registers tool `id` over `area`; a tool already registered keeps its area.
    void AddTool(int id, const QRect& area, const QString& text);
    void SetToolText(int id, const QString& text);
    void SetActive(bool on) { active = on; }
    // How long a shown tip stays, in milliseconds; 0 leaves it to the platform.
    void SetDisplayTime(int milliseconds) { displayTime = milliseconds; }

    int ToolCount() const { return static_cast<int>(tools.size()); }
    bool IsActive() const { return active; }
    QString ToolText(int id) const;
    QRect ToolArea(int id) const;

    // Answers the owner's tool-tip event: shows the text of the tool under the
    // pointer while active, hides any tip otherwise.
    void Show(QHelpEvent* event) const;

private:
    struct Tool {
        QRect area;
        QString text;
    };
    QWidget* owner;
    std::map<int, Tool> tools;
    bool active = false;
    int displayTime = 0;
};
