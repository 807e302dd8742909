#include "controlid.h"
#include "messagetable.h"
#include "slotchooser.h"
#include "testapp.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct Window : QWidget {
    std::vector<std::string> handled;
    void Note(const char* what) { handled.emplace_back(what); }
};

template <class T>
T* Make(QWidget* parent, int id)
{
    auto* control = new T(parent);
    SetControlId(control, id);
    return control;
}

const MessageRow<Window> kTable[] = {
    {1101, Notification::Clicked, [](Window& w) { w.Note("basic"); }},
    {1111, Notification::SelectionChanged, [](Window& w) { w.Note("row"); }},
    {1111, Notification::DoubleClicked, [](Window& w) { w.Note("play"); }},
    {1117, Notification::SelectionMade, [](Window& w) { w.Note("subcategory"); }},
    {1020, Notification::TextChanged, [](Window& w) { w.Note("dirty"); }},
    {1115, Notification::SelectionChanged, [](Window& w) { w.Note("choice"); }},
    {1115, Notification::SelectionCancelled, [](Window& w) { w.Note("cancel"); }},
    {1020, Notification::FocusLost, [](Window& w) { w.Note("left"); }},
    {9999, Notification::Clicked, [](Window& w) { w.Note("never"); }},   // no such control
    {1020, Notification::Clicked, [](Window& w) { w.Note("never"); }},   // an edit box is not clicked
};

} // namespace

TEST(MessageTable, EachRowRoutesItsControlsNotificationToItsHandler)
{
    TestApp();
    Window window;
    auto* basic = Make<QPushButton>(&window, 1101);
    auto* list = Make<QListWidget>(&window, 1111);
    auto* box = Make<QComboBox>(&window, 1117);
    auto* edit = Make<QLineEdit>(&window, 1020);
    auto* chooser = Make<SlotChooser>(list, 1115); // found below the window too
    list->addItems({"a", "b"});
    box->addItems({"All", "Greetings"});
    window.show();

    const std::vector<int> unbound = BindMessageTable<Window>(window, &window, kTable);
    EXPECT_EQ(unbound, std::vector<int>({9999, 1020}));

    basic->click();
    list->setCurrentRow(1);
    emit list->itemDoubleClicked(list->item(1));
    emit box->activated(1);
    edit->setText("hotel");
    emit chooser->activated(0);
    chooser->showPopup();
    chooser->hidePopup();
    QCoreApplication::processEvents();
    edit->setFocus();
    basic->setFocus();
    EXPECT_EQ(window.handled, std::vector<std::string>({"basic", "row", "play", "subcategory", "dirty", "choice",
                                                        "cancel", "left"}));
}
