#include "controlid.h"
#include "dialogbuilder.h"
#include "hoverbutton.h"
#include "mylistbox.h"
#include "resources/controlids.h"
#include "testapp.h"
#include "transparentstatic.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <gtest/gtest.h>

TEST(DialogBuilder, TheMainTemplateMakesItsKindsAndTextsAndTheHookItsOwnControls)
{
    TestApp();
    QWidget window;
    BuildDialogTemplate(resources::kMainTemplate, &window,
                        [](const resources::TemplateControl& row, QWidget* parent) -> QWidget* {
                            if (row.id == resources::kTranslationText)
                                return new CTransparentStatic(parent);   // takes the row's style
                            return row.id == resources::kPhraseList ? new CMyListBox(parent) : nullptr;
                        });
    EXPECT_NE(qobject_cast<CMyListBox*>(FindControl(&window, resources::kPhraseList)), nullptr);
    auto* translation = qobject_cast<CTransparentStatic*>(FindControl(&window, resources::kTranslationText));
    ASSERT_NE(translation, nullptr);
    EXPECT_EQ(translation->StaticStyle(), resources::style::kStaticCentre);
    EXPECT_EQ(qobject_cast<CHoverButton*>(FindControl(&window, resources::kBasicButton))->text(), "Basic");
    EXPECT_EQ(qobject_cast<QCheckBox*>(FindControl(&window, resources::kExactMatchBox))->text(), "Exact match only");
    EXPECT_EQ(qobject_cast<QLabel*>(FindControl(&window, resources::kVersionText))->text(), "1.5.2");
    // A drop-down list's 78 template units include its open list; its face is shorter.
    QWidget* box = FindControl(&window, resources::kSubcategoryBox);
    EXPECT_TRUE(qobject_cast<QComboBox*>(box) && box->height() < 60);
    EXPECT_EQ(FindControl(&window, 4242), nullptr);
}
