#include "resources/dialogtemplate.h"
#include "testapp.h"
#include "transparentstatic.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A parent painted one plain colour, standing in for the skin, with one text on it.
struct Backdrop : QWidget {
    CTransparentStatic* text = new CTransparentStatic(this);
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(20, 90, 60)); }

    // The columns and rows holding `colour`, or anything but the backdrop.
    QRect Ink(QColor colour = QColor())
    {
        const QImage image = grab().toImage();
        QRect ink;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (colour.isValid() ? image.pixelColor(x, y) == colour : image.pixelColor(x, y) != QColor(20, 90, 60))
                    ink |= QRect(x, y, 1, 1);
        return ink;
    }
};

} // namespace

TEST(TransparentStatic, OnlyTheLettersArePaintedInTheirColour)
{
    TestApp();
    Backdrop backdrop;
    backdrop.resize(300, 80);
    backdrop.text->setGeometry(10, 10, 280, 60);
    backdrop.text->setText("Bonjour");
    backdrop.text->textColour = Qt::white;
    backdrop.show();
    EXPECT_FALSE(backdrop.Ink().contains(QPoint(285, 65)));   // beside the letters the backdrop shows
    EXPECT_FALSE(backdrop.Ink(Qt::white).isEmpty());   // the letters are white
    backdrop.text->setText("");
    EXPECT_TRUE(backdrop.Ink().isEmpty());
}

TEST(TransparentStatic, CentredTextIsCentredFromTheTopAndWraps)
{
    TestApp();
    Backdrop backdrop;
    backdrop.resize(200, 120);
    backdrop.text->setGeometry(0, 0, 200, 120);
    backdrop.text->SetStaticStyle(resources::style::kStaticCentre);
    backdrop.text->setText("Merci");
    backdrop.show();
    const QRect ink = backdrop.Ink();
    EXPECT_NEAR(ink.left(), 200 - 1 - ink.right(), 3);
    EXPECT_LT(ink.top(), 10);   // from the top
    backdrop.text->setText("Je voudrais une chambre pour deux nuits, s'il vous plait.");
    EXPECT_GT(backdrop.Ink().height(), 25);   // wrapped onto more than one line
}
