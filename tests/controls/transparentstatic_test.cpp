#include "resources/dialogtemplate.h"
#include "testapp.h"
#include "transparentstatic.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace resources::style;

namespace {

// A parent painted one plain colour, standing in for the skin.
class Backdrop : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(20, 90, 60)); }
};

// The columns and rows in which anything but the backdrop was drawn.
QRect Ink(const QImage& image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != QColor(20, 90, 60))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

} // namespace

TEST(TransparentStatic, OnlyTheLettersArePaintedInTheirColour)
{
    TestApp();
    Backdrop backdrop;
    backdrop.resize(300, 80);
    auto* text = new CTransparentStatic(&backdrop);
    text->setGeometry(10, 10, 280, 60);
    text->setText("Bonjour");
    text->textColour = Qt::white;
    backdrop.show();
    const QImage shown = backdrop.grab().toImage();
    // Outside the letters the backdrop shows; the letters are white.
    EXPECT_EQ(shown.pixelColor(285, 65), QColor(20, 90, 60));
    bool white = false;
    for (int y = 10; y < 40 && !white; ++y)
        for (int x = 10; x < 100 && !white; ++x)
            white = shown.pixelColor(x, y) == QColor(Qt::white);
    EXPECT_TRUE(white);
    // Arial at 15 pixels.
    EXPECT_EQ(CTransparentStatic::TextFont().pixelSize(), 15);
    EXPECT_EQ(CTransparentStatic::TextFont().family(), "Arial");

    text->setText("");
    EXPECT_TRUE(Ink(backdrop.grab().toImage()).isEmpty());
}

TEST(TransparentStatic, CentredTextIsCentredAndWrapsCentreImageStaysOnOneLine)
{
    TestApp();
    Backdrop backdrop;
    backdrop.resize(200, 120);
    auto* text = new CTransparentStatic(&backdrop);
    text->setGeometry(0, 0, 200, 120);
    text->SetStaticStyle(kStaticCentre);
    text->setText("Merci");
    backdrop.show();
    QRect ink = Ink(backdrop.grab().toImage());
    EXPECT_NEAR(ink.left(), 200 - 1 - ink.right(), 3);
    EXPECT_LT(ink.top(), 10); // from the top

    text->setText("Je voudrais une chambre pour deux nuits, s'il vous plait.");
    ink = Ink(backdrop.grab().toImage());
    EXPECT_GT(ink.height(), 25); // wrapped onto more than one line

    text->SetStaticStyle(kStaticCentreImage | kStaticCentre);
    text->update();
    ink = Ink(backdrop.grab().toImage());
    EXPECT_LT(ink.height(), 20); // one line...
    EXPECT_NEAR(ink.center().y(), 60, 4); // ...in the middle
}
