#include "messagetable.h"

#include "controlid.h"
#include "slotchooser.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>

namespace {

// Calls its handler when the watched control loses the focus to anything but
// its own drop-down list.
class FocusLossWatcher : public QObject {
public:
    FocusLossWatcher(QObject* watched, std::function<void()> handler)
        : QObject(watched), handler(std::move(handler))
    {
        watched->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut
            && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason
            && !GoesToOwnDropDown(watched))
            handler();
        return false;
    }

private:
    // The focus has already moved when the control hears it leave. Where a
    // window system opens the drop-down as a window of its own, the move into
    // it may come with another reason than a popup's.
    static bool GoesToOwnDropDown(QObject* watched)
    {
        const auto* combo = qobject_cast<QComboBox*>(watched);
        const QWidget* focus = QApplication::focusWidget();
        if (!combo || !focus || !combo->view())
            return false;
        const QWidget* dropDown = combo->view()->window();
        return dropDown != combo->window() && (focus == dropDown || dropDown->isAncestorOf(focus));
    }

    std::function<void()> handler;
};

using Connector = bool (*)(QWidget*, QObject*, std::function<void()>);

template <class Control, class Signal>
bool ConnectSignal(QWidget* control, QObject* context, std::function<void()> handler, Signal signal)
{
    auto* typed = qobject_cast<Control*>(control);
    if (!typed)
        return false;
    QObject::connect(typed, signal, context, [handler = std::move(handler)] { handler(); });
    return true;
}

struct ConnectorRow {
    Notification notification;
    Connector connect;
};

// Which Qt signal stands for each notification, tried in order.
const ConnectorRow kConnectors[] = {
    {Notification::Clicked, [](QWidget* c, QObject* x, std::function<void()> h) {
         return ConnectSignal<QAbstractButton>(c, x, std::move(h), &QAbstractButton::clicked);
     }},
    {Notification::DoubleClicked, [](QWidget* c, QObject* x, std::function<void()> h) {
         return ConnectSignal<QListWidget>(c, x, std::move(h), &QListWidget::itemDoubleClicked);
     }},
    {Notification::SelectionChanged, [](QWidget* c, QObject* x, std::function<void()> h) {
         return ConnectSignal<QListWidget>(c, x, std::move(h), &QListWidget::itemSelectionChanged);
     }},
    {Notification::SelectionChanged, [](QWidget* c, QObject* x, std::function<void()> h) {
         return ConnectSignal<SlotChooser>(c, x, std::move(h), &SlotChooser::Chosen);
     }},
    {Notification::SelectionMade, [](QWidget* c, QObject* x, std::function<void()> h) {
         return ConnectSignal<QComboBox>(c, x, std::move(h), &QComboBox::activated);
     }},
    {Notification::SelectionCancelled, [](QWidget* c, QObject* x, std::function<void()> h) {
         return ConnectSignal<SlotChooser>(c, x, std::move(h), &SlotChooser::Cancelled);
     }},
    {Notification::TextChanged, [](QWidget* c, QObject* x, std::function<void()> h) {
         return ConnectSignal<QLineEdit>(c, x, std::move(h), &QLineEdit::textChanged);
     }},
    {Notification::FocusLost, [](QWidget* c, QObject*, std::function<void()> h) {
         new FocusLossWatcher(c, std::move(h));
         return true;
     }},
};

} // namespace

bool ConnectNotification(QWidget* control, Notification notification, QObject* context,
                         std::function<void()> handler)
{
    for (const ConnectorRow& row : kConnectors)
        if (row.notification == notification && row.connect(control, context, handler))
            return true;
    return false;
}

std::vector<int> BindMessageRows(QWidget* controls, QObject* context,
                                 std::span<const int> ids, std::span<const Notification> notifications,
                                 std::span<const std::function<void()>> handlers)
{
    std::vector<int> unbound;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        QWidget* control = ControlId(controls) == ids[i] ? controls : FindControl(controls, ids[i]);
        if (!control || !ConnectNotification(control, notifications[i], context, handlers[i]))
            unbound.push_back(ids[i]);
    }
    return unbound;
}
