#include "controlid.h"
#include "dialogbuilder.h"
#include "messagetable.h"
#include "resources/controlids.h"
#include "slotchooser.h"
#include "tessalyversion.h"
#include "testapp.h"
#include "transparentstatic.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct Window : QWidget {
    std::vector<int> handled;   // rows of the table, by their place
};

template <int Row>
void Note(Window& window) { window.handled.push_back(Row); }

template <class T>
T* Make(QWidget* parent, int id)
{
    auto* control = new T(parent);
    SetControlId(control, id);
    return control;
}

const MessageRow<Window> kTable[] = {
    {1101, Notification::Clicked, Note<0>},           {1111, Notification::SelectionChanged, Note<1>},
    {1111, Notification::DoubleClicked, Note<2>},     {1117, Notification::SelectionMade, Note<3>},
    {1020, Notification::TextChanged, Note<4>},       {1115, Notification::SelectionChanged, Note<5>},
    {1115, Notification::SelectionCancelled, Note<6>}, {1020, Notification::FocusLost, Note<7>},
    {9999, Notification::Clicked, Note<8>},   // no such control
    {1020, Notification::Clicked, Note<9>},   // an edit box is not clicked
};

} // namespace

TEST(DialogBuilder, TheMainTemplateMakesItsTextsAndStylesAndADropDownShowsOnlyItsFace)
{
    TestApp();
    QWidget window;
    BuildDialogTemplate(resources::kMainTemplate, &window,
                        [](const resources::TemplateControl& row, QWidget* parent) -> QWidget* {
                            return row.id == resources::kTranslationText ? new CTransparentStatic(parent) : nullptr;
                        });
    const auto* translation = qobject_cast<CTransparentStatic*>(FindControl(&window, resources::kTranslationText));
    ASSERT_NE(translation, nullptr);
    EXPECT_EQ(translation->StaticStyle(), resources::style::kStaticCentre);   // the template's style reaches it
    EXPECT_EQ(QStringList({qobject_cast<QAbstractButton*>(FindControl(&window, resources::kBasicButton))->text(),
                           qobject_cast<QAbstractButton*>(FindControl(&window, resources::kExactMatchBox))->text(),
                           qobject_cast<QLabel*>(FindControl(&window, resources::kVersionText))->text()}),
              QStringList({"Basic", "Exact match only", TESSALY_VERSION}));
    EXPECT_LT(FindControl(&window, resources::kSubcategoryBox)->height(), 60);   // of 78 template units
    EXPECT_EQ(FindControl(&window, 4242), nullptr);
}

TEST(MessageTable, EachRowRoutesItsControlsNotificationToItsHandlerAndTheRestAreReported)
{
    TestApp();
    Window window;
    auto* basic = Make<QPushButton>(&window, 1101);
    auto* list = Make<QListWidget>(&window, 1111);
    auto* box = Make<QComboBox>(&window, 1117);
    auto* edit = Make<QLineEdit>(&window, 1020);
    auto* chooser = Make<SlotChooser>(list, 1115);   // found below the window too
    list->addItems({"a", "b"});
    box->addItems({"All", "Greetings"});
    window.show();
    EXPECT_EQ(BindMessageTable<Window>(window, &window, kTable), std::vector<int>({9999, 1020}));
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
    EXPECT_EQ(window.handled, std::vector<int>({0, 1, 2, 3, 4, 5, 6, 7}));   // in the order the controls fired
}

TEST(MessageTableDeathTest, AMistypedTableOrAMissingControlStopsTheWindowBeingBuilt)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto bindAll = [] {
        TestApp();
        Window window;
        Make<QPushButton>(&window, 1101);
        Make<QLineEdit>(&window, 1020);
        BindWholeMessageTable<Window>(window, &window, kTable);
    };
    EXPECT_DEATH(bindAll(), "cannot bind: 1111, 1111, 1117, 1115, 1115, 9999, 1020");
    auto requireWrongKind = [] {
        TestApp();
        Window window;
        Make<QPushButton>(&window, 1020);
        RequireControl<QLineEdit>(&window, 1020);
    };
    EXPECT_DEATH(requireWrongKind(), "no QLineEdit with control id 1020");
}
