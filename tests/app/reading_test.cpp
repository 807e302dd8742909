// Every control the window shows can be read through the accessibility
// interfaces a screen reader uses.

#include "controlid.h"
#include "resources/dialogtemplate.h"
#include "slotchooser.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QTest>
#include <map>

using namespace resources;

class Reading : public WindowFixture {
protected:
    // The name and description of every control in the accessibility tree under `node`, by id.
    static void Walk(QAccessibleInterface* node, std::map<int, QStringList>& found, int depth = 0)
    {
        ASSERT_LT(depth, 12);
        if (auto* widget = qobject_cast<QWidget*>(node->object()); widget && ControlId(widget) != 0)
            found[ControlId(widget)] = {node->text(QAccessible::Name), node->text(QAccessible::Description)};
        for (int i = 0; i < node->childCount(); ++i)
            if (QAccessibleInterface* child = node->child(i))
                Walk(child, found, depth + 1);
    }
    // What is read of the controls and their labels; every shown control must be in the tree, named and described.
    QStringList Read(const std::vector<int>& ids, const std::vector<int>& labelled)
    {
        std::map<int, QStringList> found;
        Walk(QAccessible::queryAccessibleInterface(window.get()), found);
        std::vector<int> unread;
        for (const TemplateControl& row : kMainTemplate.controls)
            if (window->Control(row.id)->isVisible() && (found[row.id].size() != 2 || found[row.id].contains("")))
                unread.push_back(row.id);
        EXPECT_EQ(unread, std::vector<int>{});
        QStringList read;
        for (int id : ids)
            read << found[id].value(0);
        for (int id : labelled) {
            const auto labels = QAccessible::queryAccessibleInterface(window->Control(id))->relations(QAccessible::Label);
            read << (labels.size() == 1 ? labels[0].first->text(QAccessible::Name) : QString("<%1 labels>").arg(labels.size()));
        }
        return read;
    }
};

TEST_F(Reading, TheAccessibilityTreeNamesAndDescribesEveryControl)
{
    OpenWindow(true);
    EXPECT_EQ(Read({kPlayButton, kFavouriteToggleButton, kTranslationText}, {kSubcategoryBox}),
              (QStringList{"Play sound", "Add to Favorite", "Phrase 1 fr", "Sub category:"}));
    // The rows are read as they are shown.
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(window->PhraseList());
    QStringList rows;
    for (int i = 0; i < list->childCount() && rows.size() < 3; ++i)
        if (list->child(i)->role() == QAccessible::ListItem)
            rows << list->child(i)->text(QAccessible::Name);
    EXPECT_EQ(rows, (QStringList{"Phrase 1", "Phrase [two]", "Phrase 5"}));

    // The word chooser, once open, says what it offers.
    window->PhraseList()->setCurrentRow(1);
    QTest::keyClick(window->PhraseList(), Qt::Key_F4);
    SlotChooser* chooser = window->PhraseList()->Chooser();
    ASSERT_TRUE(chooser && chooser->isVisible());
    QAccessibleInterface* offered = QAccessible::queryAccessibleInterface(chooser);
    EXPECT_FALSE(offered->text(QAccessible::Name).isEmpty() || offered->text(QAccessible::Description).isEmpty());
    chooser->hidePopup();

    // The names follow the captions and the tips as the mode changes.
    Click(kSearchModeButton);
    EXPECT_EQ(Read({kKeywordBox, kPhraseList, kRunSearchButton}, {kKeywordBox}),
              (QStringList{"Your key word", "Your phrases", "Search", "Your key word:"}));
}
