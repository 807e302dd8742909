#pragma once
// The main window's phrase list. Each row may own the CItem it shows; a click
// on a bracketed word of the selected row opens the chooser of that slot's
// alternatives exactly over the word, and a choice rewrites the row.

#include "messagetable.h"
#include "slothittest.h"
#include "windowviews.h"

#include <QBrush>
#include <QListWidget>
#include <QPersistentModelIndex>
#include <memory>
#include <optional>

class CItem;
class SlotChooser;

class CMyListBox : public QListWidget, public PhraseListRows {
    Q_OBJECT
public:
    // Rows start their text this far in from the row's left edge.
    static constexpr int kTextIndent = 3;

    explicit CMyListBox(QWidget* parent = nullptr);
    ~CMyListBox() override;

    // PhraseListRows
    void ClearRows() override;
    void AddPlainRow(const std::u16string& text) override;
    int AddPhraseItem(std::unique_ptr<CItem> item) override;
    int RowCount() const override { return count(); }
    int SelectedRow() const override;
    std::u16string RowText(int row) const override;
    int TextWidth(const std::u16string& text) const override;
    void SetHorizontalExtent(int pixels) override;

    // The item a row shows, or nullptr for a plain row or no row.
    CItem* ItemAt(int row) const;
    // The chooser once a slot hit has made it.
    SlotChooser* Chooser() const { return slotChooser; }
    // The last slot hit, with the rectangle the chooser was given.
    const std::optional<SlotHit>& LastHit() const { return lastHit; }
    // The slot under `point` (viewport coordinates) in the selected row.
    std::optional<SlotHit> HitTest(QPoint point) const;
    // Opens the chooser over the first bracketed word of the selected row, as
    // a click on it would; false when the row has none.
    bool OpenFirstSlot();
    // Gives the selected row `description` for screen readers, which read it
    // with the row's text as the selection moves; the row described before
    // loses its description.
    void DescribeSelectedRow(const QString& description);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void updateGeometries() override;

private:
    void ShowChooser(const SlotHit& hit);
    void HideChooser();
    void ApplyChoice();
    void ChooserLostFocus();

    static const MessageRow<CMyListBox> kChooserMessages[];

    SlotChooser* slotChooser = nullptr;
    QBrush chooserBrush;
    std::optional<SlotHit> lastHit;
    QPersistentModelIndex describedRow;
    int horizontalExtent = 0;
};
