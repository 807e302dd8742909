// Every word the window shows can be read: on screen, and through the
// accessibility interfaces a screen reader uses.

#include "captionlabel.h"
#include "controlid.h"
#include "mylistbox.h"
#include "resources/controlids.h"
#include "resources/dialogtemplate.h"
#include "slotchooser.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTest>
#include <map>

using namespace resources;

namespace {

struct Spoken {
    QString name;
    QString description;
};

// Every control found in the accessibility tree under `root`, by id.
void Walk(QAccessibleInterface* node, std::map<int, Spoken>& found, int depth = 0)
{
    ASSERT_LT(depth, 12);
    if (auto* widget = qobject_cast<QWidget*>(node->object()); widget && ControlId(widget) != 0)
        found[ControlId(widget)] = {node->text(QAccessible::Name), node->text(QAccessible::Description)};
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface* child = node->child(i))
            Walk(child, found, depth + 1);
}

} // namespace

TEST_F(WindowTest, TheAccessibilityTreeNamesAndDescribesEveryControl)
{
    OpenWindow();
    window->show();
    CMyListBox* list = window->PhraseList();
    auto check = [&](const char* mode) {
        std::map<int, Spoken> found;
        Walk(QAccessible::queryAccessibleInterface(window.get()), found);
        for (const TemplateControl& row : kMainTemplate.controls) {
            if (!window->Control(row.id)->isVisible())
                continue;
            if (!found.count(row.id)) {
                ADD_FAILURE() << mode << ": control " << row.id << " is not in the tree";
                continue;
            }
            EXPECT_FALSE(found[row.id].name.isEmpty()) << mode << ": control " << row.id << " has no name";
            EXPECT_FALSE(found[row.id].description.isEmpty()) << mode << ": control " << row.id;
        }
        return found;
    };

    std::map<int, Spoken> browse = check("browse");
    EXPECT_EQ(browse[kPlayButton].name, "Play sound");
    EXPECT_EQ(browse[kFavouriteToggleButton].name, "Add to Favorite");
    // The boxes are labelled by the caption beside them.
    auto labelOf = [&](int id) {
        const auto labels = QAccessible::queryAccessibleInterface(window->Control(id))->relations(QAccessible::Label);
        return labels.size() == 1 ? labels[0].first->text(QAccessible::Name) : QString("<%1 labels>").arg(labels.size());
    };
    EXPECT_EQ(labelOf(kSubcategoryBox), "Sub category:");
    EXPECT_EQ(browse[kTranslationText].name, "Phrase 1 fr");
    // The rows are read as they are shown.
    QAccessibleInterface* rows = QAccessible::queryAccessibleInterface(list);
    ASSERT_GE(rows->childCount(), 3);
    QStringList read;
    for (int i = 0; i < rows->childCount() && read.size() < 3; ++i)
        if (rows->child(i)->role() == QAccessible::ListItem)
            read << rows->child(i)->text(QAccessible::Name);
    EXPECT_EQ(read, (QStringList{"Phrase 1", "Phrase [two]", "Phrase 5"}));

    // The word chooser, once open, says what it offers.
    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_F4);
    ASSERT_TRUE(list->Chooser() && list->Chooser()->isVisible());
    QAccessibleInterface* chooser = QAccessible::queryAccessibleInterface(list->Chooser());
    EXPECT_FALSE(chooser->text(QAccessible::Name).isEmpty());
    EXPECT_FALSE(chooser->text(QAccessible::Description).isEmpty());
    list->Chooser()->hidePopup();

    // The names follow the captions and the tips as the mode changes.
    Click(kSearchModeButton);
    std::map<int, Spoken> search = check("search");
    EXPECT_EQ(search[kKeywordBox].name, "Your key word");
    EXPECT_EQ(labelOf(kKeywordBox), "Your key word:");
    EXPECT_EQ(search[kPhraseList].name, "Your phrases");
    EXPECT_EQ(search[kRunSearchButton].name, "Search");
}

TEST_F(WindowTest, CaptionsKeepTheirWordsAndAPhraseInTheKeywordBoxShowsItsStart)
{
    OpenWindow();
    window->show();
    auto caption = [&](int id) { return qobject_cast<CaptionLabel*>(window->Control(id)); };
    auto expectWhole = [&](const char* mode) {
        for (int id : {kFirstCaption, kSecondCaption}) {
            ASSERT_NE(caption(id), nullptr);
            if (caption(id)->text().isEmpty())
                continue;
            EXPECT_TRUE(caption(id)->FitsOneLine()) << mode << ": " << caption(id)->text().toStdString();
            EXPECT_GE(caption(id)->ShownFont().pixelSize(), 12) << mode;
        }
    };
    expectWhole("browse");
    Click(kSearchModeButton);
    ASSERT_EQ(caption(kFirstCaption)->text(), "Your key word:");
    expectWhole("search");

    // A caption with more words than one line holds wraps, its first line whole.
    caption(kSecondCaption)->setText("A caption with far more words than its box could ever hold");
    EXPECT_FALSE(caption(kSecondCaption)->FitsOneLine());
    EXPECT_LE(QFontMetrics(caption(kSecondCaption)->ShownFont()).height(), caption(kSecondCaption)->height());

    if (!TestClip())
        GTEST_SKIP() << "the related lookup starts from a loaded clip; sox and lame make one";
    Click(kBasicButton);
    Click(kRelatedButton);
    ASSERT_EQ(window->Book().captionMode, kRelatedMode);
    expectWhole("related");
    auto* edit = qobject_cast<QLineEdit*>(window->Control(kKeywordBox));
    EXPECT_EQ(edit->text(), "Phrase 1");
    EXPECT_EQ(edit->cursorPosition(), 0);
}
