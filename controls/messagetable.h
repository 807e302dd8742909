#pragma once
// Message tables: each window lists, as data, the notifications of its
// controls it reacts to and the handler of each. One binder connects them.

#include <QObject>
#include <span>
#include <vector>
#include <functional>

class QWidget;

enum class Notification {
    Clicked,            // a button was clicked
    DoubleClicked,      // a list row was double-clicked
    SelectionChanged,   // a list's selected row, or a chooser's choice, changed
    SelectionMade,      // the user closed a drop-down list on an entry
    SelectionCancelled, // a drop-down list closed without a choice
    TextChanged,        // an edit box's text changed
    FocusLost,          // the control lost the keyboard focus
};

template <class Owner>
struct MessageRow {
    int controlId;
    Notification notification;
    void (*handler)(Owner&);
};

// Connects `notification` of `control` to `handler`, which runs in the
// lifetime of `context`. False when the control has no such notification.
bool ConnectNotification(QWidget* control, Notification notification, QObject* context,
                         std::function<void()> handler);

// Binds every row whose control is found among `controls`' descendants (or is
// `controls` itself). Returns the ids of the rows that could not be bound.
std::vector<int> BindMessageRows(QWidget* controls, QObject* context,
                                 std::span<const int> ids, std::span<const Notification> notifications,
                                 std::span<const std::function<void()>> handlers);

template <class Owner>
[[nodiscard]] std::vector<int> BindMessageTable(Owner& owner, QWidget* controls, std::span<const MessageRow<Owner>> rows)
{
    std::vector<int> ids;
    std::vector<Notification> notifications;
    std::vector<std::function<void()>> handlers;
    for (const MessageRow<Owner>& row : rows) {
        ids.push_back(row.controlId);
        notifications.push_back(row.notification);
        handlers.push_back([&owner, handler = row.handler] { handler(owner); });
    }
    return BindMessageRows(controls, &owner, ids, notifications, handlers);
}

// A window's own table names its own controls: a row that cannot be bound is
// a mistyped id or notification, which would make a control that silently
// does nothing. It stops the program with the ids of such rows.
void StopForUnboundRows(const char* window, const std::vector<int>& unbound);

template <class Owner>
void BindWholeMessageTable(Owner& owner, QWidget* controls, std::span<const MessageRow<Owner>> rows)
{
    const std::vector<int> unbound = BindMessageTable<Owner>(owner, controls, rows);
    if (!unbound.empty())
        StopForUnboundRows(Owner::staticMetaObject.className(), unbound);
}
