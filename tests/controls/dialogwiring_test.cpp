#include "controlid.h"
#include "dialogbuilder.h"
#include "messagetable.h"
#include "resources/controlids.h"
#include "testapp.h"
#include "transparentstatic.h"

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct Window : QWidget {};

void Handle(Window&) {}

// Two rows that cannot be bound, besides two that can.
const MessageRow<Window> kTable[] = {
    {1101, Notification::Clicked, Handle},   {1020, Notification::TextChanged, Handle},
    {9999, Notification::Clicked, Handle},   // no such control
    {1020, Notification::Clicked, Handle},   // an edit box is not clicked
};

} // namespace

TEST(DialogBuilder, TheMainTemplateGivesItsStylesAndADropDownShowsOnlyItsFace)
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
    EXPECT_LT(FindControl(&window, resources::kSubcategoryBox)->height(), 60);   // of 78 template units
}

TEST(MessageTableDeathTest, AMistypedTableOrAMissingControlStopsTheWindowBeingBuilt)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto bindAll = [] {
        TestApp();
        Window window;
        SetControlId(new QPushButton(&window), 1101);
        SetControlId(new QLineEdit(&window), 1020);
        BindWholeMessageTable<Window>(window, &window, kTable);
    };
    EXPECT_DEATH(bindAll(), "cannot bind: 9999, 1020");
    auto requireWrongKind = [] {
        TestApp();
        Window window;
        SetControlId(new QPushButton(&window), 1020);
        RequireControl<QLineEdit>(&window, 1020);
    };
    EXPECT_DEATH(requireWrongKind(), "no QLineEdit with control id 1020");
}
