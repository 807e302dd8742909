// What the window's controls say to a screen reader. The picture buttons
// name themselves after the words they show; the rest take the words of the
// caption that labels them, which change with the caption mode.

#include "mylistbox.h"
#include "resources/controlids.h"
#include "tessalydlg.h"
#include "transparentstatic.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

// A caption's words without the colon that ends them.
QString NameOfCaption(const QString& caption)
{
    QString name = caption.trimmed();
    if (name.endsWith(u':'))
        name.chop(1);
    return name;
}

void Describe(QWidget* control, const QString& name, const QString& description)
{
    if (control->accessibleName() != name)
        control->setAccessibleName(name);
    if (control->accessibleDescription() != description)
        control->setAccessibleDescription(description);
}

} // namespace

void CTessalyDlg::DescribeControls()
{
    // The subcategory box and the keyword box share the first caption's
    // place; the caption labels whichever of them shows.
    const QString caption = firstCaption->text();
    firstCaption->setBuddy(subcategoryCombo->isVisibleTo(this) ? static_cast<QWidget*>(subcategoryCombo)
                                                              : keywordEdit);
    Describe(subcategoryCombo, NameOfCaption(caption), caption);
    Describe(keywordEdit, NameOfCaption(caption), caption);
    Describe(exactMatchBox, exactMatchBox->text(), exactMatchBox->text());
    Describe(firstCaption, caption, caption);
    Describe(secondCaption, secondCaption->text(), secondCaption->text());

    const QString listCaption = secondCaption->text().isEmpty() ? QStringLiteral("Phrases:") : secondCaption->text();
    Describe(phraseList, NameOfCaption(listCaption),
             QStringLiteral("Enter or Space plays the selected phrase; F4 offers other words for the word in "
                            "brackets."));

    const QString french = translationStatic->text();
    Describe(translationStatic, french.isEmpty() ? QStringLiteral("French translation") : french,
             QStringLiteral("French translation"));
    // The French changes in a text that never has the focus; on the selected
    // row it is read with the English as the selection moves.
    phraseList->DescribeSelectedRow(french);
    Describe(versionStatic, versionStatic->text(), QStringLiteral("Version"));
}
