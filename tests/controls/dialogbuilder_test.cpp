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
#include <QLineEdit>
#include <gtest/gtest.h>

TEST(DialogBuilder, TheMainTemplateLandsInPixelsWithItsKindsAndTexts)
{
    TestApp();
    QWidget window;
    BuildDialogTemplate(resources::kMainTemplate, &window,
                        [](const resources::TemplateControl& row, QWidget* parent) -> QWidget* {
                            if (row.id == resources::kPhraseList)
                                return new CMyListBox(parent);
                            if (row.id == resources::kTranslationText)
                                return new CTransparentStatic(parent);
                            return nullptr;
                        });
    EXPECT_EQ(window.size(), QSize(734, 611)); // 489 x 376 units

    EXPECT_EQ(FindControl(&window, resources::kPhraseList)->geometry(), QRect(159, 198, 320, 234));
    EXPECT_NE(qobject_cast<CMyListBox*>(FindControl(&window, resources::kPhraseList)), nullptr);
    auto* translation = qobject_cast<CTransparentStatic*>(FindControl(&window, resources::kTranslationText));
    ASSERT_NE(translation, nullptr);
    EXPECT_EQ(translation->StaticStyle(), resources::style::kStaticCentre);

    auto* basic = qobject_cast<CHoverButton*>(FindControl(&window, resources::kBasicButton));
    ASSERT_NE(basic, nullptr);
    EXPECT_EQ(basic->text(), "Basic");
    EXPECT_EQ(qobject_cast<QCheckBox*>(FindControl(&window, resources::kExactMatchBox))->text(), "Exact match only");
    EXPECT_NE(qobject_cast<QLineEdit*>(FindControl(&window, resources::kKeywordBox)), nullptr);
    EXPECT_EQ(qobject_cast<QLabel*>(FindControl(&window, resources::kVersionText))->text(), "1.5.2");

    // A drop-down list's 78 template units include its open list; its face is shorter.
    QWidget* box = FindControl(&window, resources::kSubcategoryBox);
    EXPECT_NE(qobject_cast<QComboBox*>(box), nullptr);
    EXPECT_EQ(box->pos(), QPoint(261, 153));
    EXPECT_LT(box->height(), 60);
    EXPECT_EQ(FindControl(&window, 4242), nullptr);
}
