#pragma once
// A static text that paints only its letters, in Arial at 15 pixels, so the
// skin behind it shows between them.

#include <QColor>
#include <QLabel>
#include <cstdint>

class CTransparentStatic : public QLabel {
    Q_OBJECT
public:
    explicit CTransparentStatic(QWidget* parent = nullptr);

    // The owner writes it directly and repaints when it wants the change shown.
    QColor textColour = Qt::black;

    // The static-text style bits of its template row (alignment, wrapping, ellipsis).
    void SetStaticStyle(std::uint32_t style) { staticStyle = style; }
    std::uint32_t StaticStyle() const { return staticStyle; }

    static QFont TextFont();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::uint32_t staticStyle = 0;
};
