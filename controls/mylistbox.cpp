#include "mylistbox.h"

#include "citem.h"
#include "controlid.h"
#include "phraselistowner.h"
#include "platform/bitmaps.h"
#include "resources/controlids.h"
#include "resources/resourceids.h"
#include "slotchooser.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <algorithm>

namespace {

// A row of the list; owns the item it shows, if any.
class PhraseRow : public QListWidgetItem {
public:
    PhraseRow(const QString& text, std::unique_ptr<CItem> item)
        : QListWidgetItem(text), item(std::move(item)) {}
    std::unique_ptr<CItem> item;
};

// Draws each row's text at a fixed indent, in the list's font, so the slot
// hit test knows exactly where every word lies.
class PhraseRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem background = option;
        initStyleOption(&background, index);
        background.text.clear();
        const QWidget* list = option.widget;
        list->style()->drawControl(QStyle::CE_ItemViewItem, &background, painter, list);

        const bool selected = option.state & QStyle::State_Selected;
        painter->save();
        painter->setFont(option.font);
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        const QRect textArea = option.rect.adjusted(CMyListBox::kTextIndent, 0, 0, 0);
        painter->drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
        // The row the keys act on is framed while the list has the keyboard.
        if ((option.state & QStyle::State_HasFocus) && list->hasFocus()) {
            painter->setPen(QPen(painter->pen().color(), 1, Qt::DotLine));
            painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        }
        painter->restore();
    }

    // A row cut at either edge of the list shows its whole text as a tool tip.
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override
    {
        if (event->type() != QEvent::ToolTip || !index.isValid())
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        const QString text = index.data(Qt::DisplayRole).toString();
        const int textLeft = option.rect.left() + CMyListBox::kTextIndent;
        const int textRight = textLeft + QFontMetrics(option.font).horizontalAdvance(text);
        const QRect visible = view->viewport()->rect();
        if (textLeft < visible.left() || textRight > visible.right() + 1)
            QToolTip::showText(event->globalPos(), text, view->viewport(), option.rect);
        else
            QToolTip::hideText();
        return true;
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QFontMetrics metrics(option.font);
        const int textWidth = metrics.horizontalAdvance(index.data(Qt::DisplayRole).toString());
        return QSize(2 * CMyListBox::kTextIndent + textWidth, metrics.height() + 2);
    }
};

QString ToQString(const std::u16string& text) { return QString::fromStdU16String(text); }

} // namespace

const MessageRow<CMyListBox> CMyListBox::kChooserMessages[] = {
    {resources::kSlotChooser, Notification::SelectionChanged, [](CMyListBox& list) { list.ApplyChoice(); }},
    {resources::kSlotChooser, Notification::FocusLost, [](CMyListBox& list) { list.ChooserLostFocus(); }},
    {resources::kSlotChooser, Notification::SelectionCancelled, [](CMyListBox& list) { list.HideChooser(); }},
};

CMyListBox::CMyListBox(QWidget* parent) : QListWidget(parent)
{
    const QPixmap pattern = platform::LoadPixmap(resources::kListPattern);
    chooserBrush = pattern.isNull() ? QBrush(Qt::white) : QBrush(pattern);
    setItemDelegate(new PhraseRowDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    setUniformItemSizes(true);
}

CMyListBox::~CMyListBox() = default;

void CMyListBox::ClearRows()
{
    HideChooser();
    clear();
}

void CMyListBox::AddPlainRow(const std::u16string& text)
{
    addItem(new PhraseRow(ToQString(text), nullptr));
}

int CMyListBox::AddPhraseItem(std::unique_ptr<CItem> item)
{
    const QString text = ToQString(item->displayText);
    addItem(new PhraseRow(text, std::move(item)));
    return count() - 1;
}

int CMyListBox::SelectedRow() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.front());
}

std::u16string CMyListBox::RowText(int rowIndex) const
{
    const QListWidgetItem* rowItem = item(rowIndex);
    return rowItem ? rowItem->text().toStdU16String() : std::u16string();
}

namespace {

// The characters of the phrase book's own texts: Latin letters and the
// punctuation of the Windows-1252 code page.
bool IsPhraseBookText(const std::u16string& text)
{
    return std::all_of(text.begin(), text.end(), [](char16_t c) {
        return c < 0x0250 || c == 0x02C6 || c == 0x02DC || (c >= 0x2000 && c < 0x2200);
    });
}

} // namespace

int CMyListBox::TextWidth(const std::u16string& text) const
{
    // Measuring a text of many scripts means shaping it with fallback fonts,
    // about a hundred times the cost of a phrase; a damaged favourites file
    // can list thousands of such rows. They get the widest possible width
    // instead, which only makes the scroll range generous.
    if (!IsPhraseBookText(text))
        return fontMetrics().maxWidth() * int(text.size());
    return fontMetrics().horizontalAdvance(ToQString(text));
}

void CMyListBox::SetHorizontalExtent(int pixels)
{
    horizontalExtent = pixels;
    updateGeometries();
}

void CMyListBox::updateGeometries()
{
    QListWidget::updateGeometries();
    if (horizontalExtent > 0) {
        const int page = viewport()->width();
        horizontalScrollBar()->setPageStep(page);
        horizontalScrollBar()->setRange(0, std::max(0, horizontalExtent - page));
    }
}

CItem* CMyListBox::ItemAt(int rowIndex) const
{
    // Every row is added as a PhraseRow, but a row added through QListWidget's
    // own calls would not be one.
    const auto* phraseRow = dynamic_cast<const PhraseRow*>(item(rowIndex));
    return phraseRow ? phraseRow->item.get() : nullptr;
}

std::optional<SlotHit> CMyListBox::HitTest(QPoint point) const
{
    const int selected = SelectedRow();
    const CItem* phrase = ItemAt(selected);
    if (!phrase)
        return std::nullopt;
    const QRect rowRect = visualItemRect(item(selected));
    const int scroll = horizontalScrollBar()->value();
    // Where the text starts with the list unscrolled; the hit test moves it
    // left by the scroll position itself.
    const int textLeft = rowRect.left() + scroll + kTextIndent;
    const QFontMetrics metrics = fontMetrics();
    return HitTestSlot(ToQString(phrase->displayText), ToQString(phrase->rawText), point, textLeft, scroll,
                       rowRect.top(), rowRect.height(),
                       [&metrics](const QString& text) { return metrics.horizontalAdvance(text); });
}

bool CMyListBox::OpenFirstSlot()
{
    const int selected = SelectedRow();
    const CItem* phrase = ItemAt(selected);
    if (!phrase || (mainWindow && !mainWindow->FavoriteButtonAdds()))
        return false;
    const QString text = ToQString(phrase->displayText);
    const qsizetype open = text.indexOf(u'[');
    const qsizetype close = text.indexOf(u']', open + 1);
    if (open < 0 || close < 0)
        return false;
    scrollToItem(item(selected));
    const QFontMetrics metrics = fontMetrics();
    const int wordLeft = metrics.horizontalAdvance(text.left(open + 1));
    const int wordRight = metrics.horizontalAdvance(text.left(close));
    // The word is scrolled into sight first, so the chooser opens over it.
    const int shownLeft = visualItemRect(item(selected)).left() + kTextIndent;
    if (shownLeft + wordLeft < 0 || shownLeft + wordRight > viewport()->width())
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + shownLeft + wordLeft - kTextIndent);
    const QRect rowRect = visualItemRect(item(selected));
    const QPoint middle(rowRect.left() + kTextIndent + (wordLeft + wordRight) / 2, rowRect.center().y());
    const std::optional<SlotHit> hit = HitTest(middle);
    if (!hit)
        return false;
    ShowChooser(*hit);
    return true;
}

void CMyListBox::DescribeSelectedRow(const QString& description)
{
    const QModelIndex selected = indexFromItem(item(SelectedRow()));
    if (describedRow.isValid() && describedRow != selected)
        model()->setData(describedRow, QVariant(), Qt::AccessibleDescriptionRole);
    describedRow = selected;
    if (!selected.isValid() || selected.data(Qt::AccessibleDescriptionRole).toString() == description)
        return;
    model()->setData(selected, description, Qt::AccessibleDescriptionRole);
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    changed.setChild(selected.row());
    QAccessible::updateAccessibility(&changed);
}

void CMyListBox::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    // Space acts on the phrase, as Enter does: the window decides what that is.
    if (event->key() == Qt::Key_Space) {
        event->ignore();
        return;
    }
    // The keys that open a drop-down list open the chooser of the row's word.
    const bool opensChooser = (event->key() == Qt::Key_F4 && modifiers == Qt::NoModifier)
                           || (event->key() == Qt::Key_Down && modifiers == Qt::AltModifier);
    if (opensChooser) {
        OpenFirstSlot();
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void CMyListBox::mouseReleaseEvent(QMouseEvent* event)
{
    // Without an owner the view is unknown, so the list offers no alternatives.
    if (!mainWindow || !mainWindow->FavoriteButtonAdds()) {
        QListWidget::mouseReleaseEvent(event);
        return;
    }
    const int selected = SelectedRow();
    if (count() == 0 || selected < 0)
        return;
    if (!item(selected)->text().contains(u'[')) {
        QListWidget::mouseReleaseEvent(event);
        return;
    }
    const std::optional<SlotHit> hit = HitTest(event->position().toPoint());
    if (hit)
        ShowChooser(*hit);
    else
        HideChooser();
    QListWidget::mouseReleaseEvent(event);
}

void CMyListBox::ShowChooser(const SlotHit& hit)
{
    lastHit = hit;
    if (!slotChooser) {
        // On the list's window rather than inside the list, where screen
        // readers would not find it: a list shows them its rows only.
        slotChooser = new SlotChooser(parentWidget() ? parentWidget() : viewport());
        SetControlId(slotChooser, resources::kSlotChooser);
        slotChooser->setAccessibleName(QStringLiteral("Other words"));
        slotChooser->setAccessibleDescription(QStringLiteral("Another word for the one in brackets"));
        QPalette palette = slotChooser->palette();
        for (QPalette::ColorRole role : {QPalette::Base, QPalette::Window, QPalette::Button})
            palette.setBrush(role, chooserBrush);
        slotChooser->setPalette(palette);
        slotChooser->view()->setPalette(palette);
        slotChooser->view()->setTextElideMode(Qt::ElideNone);
        BindWholeMessageTable<CMyListBox>(*this, slotChooser, kChooserMessages);
    }
    slotChooser->hide();
    slotChooser->clear();
    slotChooser->addItems(hit.alternatives);
    // The chooser's face covers the word; its list drops into the room below.
    const QPoint face =
        viewport()->mapTo(slotChooser->parentWidget(), QPoint(hit.chooserRect.left(), hit.slotRect.top()));
    slotChooser->setGeometry(QRect(face, QSize(hit.chooserRect.width(), hit.slotRect.height())));
    slotChooser->raise();
    slotChooser->view()->setMinimumWidth(hit.chooserRect.width());
    const int entryHeight = std::max(1, slotChooser->view()->sizeHintForRow(0));
    slotChooser->setMaxVisibleItems(std::max(1, kDropDownRoom / entryHeight));
    slotChooser->show();
    slotChooser->setCurrentIndex(0);
    slotChooser->setFocus(Qt::OtherFocusReason);
    slotChooser->showPopup();
}

void CMyListBox::HideChooser()
{
    if (slotChooser && slotChooser->isVisible()) {
        // Hiding a focused chooser would hand the keyboard to the next control.
        const bool hadFocus = slotChooser->hasFocus();
        slotChooser->hidePopup();
        slotChooser->hide();
        if (hadFocus)
            setFocus(Qt::OtherFocusReason);
    }
}

void CMyListBox::ChooserLostFocus()
{
    HideChooser();
    viewport()->update();
}

void CMyListBox::ApplyChoice()
{
    if (!slotChooser)
        return;
    HideChooser();
    const int selected = SelectedRow();
    CItem* phrase = ItemAt(selected);
    if (!phrase || !lastHit)
        return;
    const std::optional<QString> changed =
        ApplySlotChoice(ToQString(phrase->displayText), lastHit->slotStart, lastHit->slotEnd, lastHit->slotWord,
                        slotChooser->currentText());
    if (!changed)
        return;
    // The row keeps its item and its selection; only its text changes.
    phrase->displayText = changed->toStdU16String();
    item(selected)->setText(*changed);
    viewport()->update();
    if (mainWindow)
        mainWindow->ShowSelectedPhrase();
}

void CMyListBox::wheelEvent(QWheelEvent* event)
{
    HideChooser();
    QListWidget::wheelEvent(event);
}
