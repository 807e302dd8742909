#pragma once
// What every skinned window shares: a borderless window whose look is one
// bitmap, whose outline is cut from that bitmap, and which the user drags by
// any point of its own surface.

#include <QDialog>
#include <QImage>
#include <QPoint>
#include <QRegion>
#include <optional>

class SkinnedDialog : public QDialog {
    Q_OBJECT
public:
    explicit SkinnedDialog(QWidget* parent = nullptr);

    // Loads the skin bitmap and cuts the window's shape from it (black is
    // outside). Returns false when the program has no such bitmap; the window
    // then keeps its rectangle and its default background.
    bool LoadSkin(int bitmapId);
    // Makes the shape the window's mask, when there is one, and repaints.
    void ApplyShape();

    const QImage& Skin() const { return skin; }
    const std::optional<QRegion>& WindowShape() const { return windowShape; }

protected:
    // A click on the surface that did not become a drag; nothing by default.
    virtual void SurfaceClicked() {}

    // A skinned box owned by a window opens centred on it.
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage skin;
    std::optional<QRegion> windowShape;
    // The press that may become a drag: where it began, in global coordinates,
    // and where the window was then.
    std::optional<QPoint> pressedAt;
    QPoint windowAtPress;
    bool dragging = false;
};
