#include "windowviews_qt.h"

#include "platform/messagebox.h"

#include <QComboBox>

void ComboSubcategoryBox::Clear()
{
    combo->clear();
}

void ComboSubcategoryBox::SetEnabled(bool enabled)
{
    combo->setEnabled(enabled);
}

void ComboSubcategoryBox::InsertAt(int index, const std::u16string& name)
{
    combo->insertItem(index, QString::fromStdU16String(name));
}

void ComboSubcategoryBox::Select(int index)
{
    combo->setCurrentIndex(index < combo->count() ? index : -1);
}

int ComboSubcategoryBox::SelectedIndex() const
{
    return combo->currentIndex();
}

void PlatformMessageBoxes::ShowMessage(std::u16string_view text, std::u16string_view caption)
{
    platform::ShowMessageBox(QString::fromUtf16(text.data(), qsizetype(text.size())),
                             QString::fromUtf16(caption.data(), qsizetype(caption.size())));
}
