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

namespace {

// The name and description of every control in the accessibility tree under `node`, by id.
void Walk(QAccessibleInterface* node, std::map<int, QStringList>& found, int depth = 0)
{
    ASSERT_LT(depth, 12);
    if (auto* widget = qobject_cast<QWidget*>(node->object()); widget && ControlId(widget) != 0)
        found[ControlId(widget)] = {node->text(QAccessible::Name), node->text(QAccessible::Description)};
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface* child = node->child(i))
            Walk(child, found, depth + 1);
}

QString Read(QWidget* widget, QAccessible::Text what = QAccessible::Name)
{
    return QAccessible::queryAccessibleInterface(widget)->text(what);
}

} // namespace

class Reading : public WindowFixture {
protected:
    // The names of the shown controls, after checking every one is in the tree, named and described.
    std::map<int, QString> ReadShownControls()
    {
        std::map<int, QStringList> found;
        Walk(QAccessible::queryAccessibleInterface(window.get()), found);
        std::vector<int> unread;
        std::map<int, QString> names;
        for (const TemplateControl& row : kMainTemplate.controls) {
            if (!window->Control(row.id)->isVisible())
                continue;
            const QStringList spoken = found[row.id];
            if (spoken.size() != 2 || spoken[0].isEmpty() || spoken[1].isEmpty())
                unread.push_back(row.id);
            names[row.id] = spoken.value(0);
        }
        EXPECT_EQ(unread, std::vector<int>{});
        return names;
    }
    // The name of the caption a screen reader gives as the control's label.
    QString LabelOf(int id) const
    {
        const auto labels = QAccessible::queryAccessibleInterface(window->Control(id))->relations(QAccessible::Label);
        return labels.size() == 1 ? labels[0].first->text(QAccessible::Name) : QString("<%1 labels>").arg(labels.size());
    }
};

TEST_F(Reading, TheAccessibilityTreeNamesAndDescribesEveryControl)
{
    OpenWindow(true);
    std::map<int, QString> names = ReadShownControls();
    EXPECT_EQ((QStringList{names[kPlayButton], names[kFavouriteToggleButton], names[kTranslationText],
                           LabelOf(kSubcategoryBox)}),
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
    EXPECT_FALSE(Read(chooser).isEmpty() || Read(chooser, QAccessible::Description).isEmpty());
    chooser->hidePopup();

    // The names follow the captions and the tips as the mode changes.
    Click(kSearchModeButton);
    names = ReadShownControls();
    EXPECT_EQ((QStringList{names[kKeywordBox], LabelOf(kKeywordBox), names[kPhraseList], names[kRunSearchButton]}),
              (QStringList{"Your key word", "Your key word:", "Your phrases", "Search"}));
}
