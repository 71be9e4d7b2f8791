#include "widgets/display_label.h"

#include <gtest/gtest.h>

#include <QTest>
#include <cstdlib>

#include "widgets/led_lamp.h"

namespace widgets {
namespace {

// Readouts as the window makes them, green on dark green, right-aligned.
void StyleAsReadout(QLabel& label) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, QColor(0, 64, 0));
    palette.setColor(QPalette::WindowText, QColor(0, 255, 0));
    label.setPalette(palette);
    label.setAutoFillBackground(true);
    label.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

// Green text on dark green, as the position read-outs are.
TEST(DisplayLabel, BorderIsDrawnInTheFrameColourNotTheText) {
    DisplayLabel label("88");
    StyleAsReadout(label);
    label.resize(80, 30);
    const QImage image = label.grab().toImage();
    for (const QPoint edge : {QPoint(0, 15), QPoint(79, 15), QPoint(40, 0), QPoint(40, 29)})
        EXPECT_EQ(QColor(image.pixel(edge)), DisplayLabel::kFrameColor)
            << edge.x() << "," << edge.y();
    EXPECT_EQ(QColor(image.pixel(1, 15)), QColor(0, 64, 0));
    bool textIsGreen = false;
    for (int x = 40; x < 79 && !textIsGreen; ++x) {
        for (int y = 1; y < 29; ++y) textIsGreen |= QColor(image.pixel(x, y)) == QColor(0, 255, 0);
    }
    EXPECT_TRUE(textIsGreen);
}

// The box round the text's lit pixels, inside the border.
QRect TextBounds(const QImage& image) {
    QRect bounds;
    for (int y = 1; y < image.height() - 1; ++y)
        for (int x = 1; x < image.width() - 1; ++x)
            if (QColor(image.pixel(x, y)).green() > 160) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

TEST(DisplayLabel, SetsItsTextWhereAPlainLabelWould) {
    for (const QString text : {"1193046", "00ABCDEF", "0"}) {
        DisplayLabel readout(text);
        QLabel plain(text);
        for (QLabel* label : {static_cast<QLabel*>(&readout), &plain}) {
            StyleAsReadout(*label);
            QFont font = label->font();
            font.setPixelSize(29);
            font.setBold(true);
            label->setFont(font);
            label->setContentsMargins(1, 1, 1, 1);
            label->resize(151, 37);
        }
        const QRect drawn = TextBounds(readout.grab().toImage());
        const QRect expected = TextBounds(plain.grab().toImage());
        ASSERT_FALSE(expected.isEmpty()) << text.toStdString();
        EXPECT_LE(std::abs(drawn.left() - expected.left()), 1) << text.toStdString();
        EXPECT_LE(std::abs(drawn.right() - expected.right()), 1) << text.toStdString();
        EXPECT_LE(std::abs(drawn.top() - expected.top()), 1) << text.toStdString();
        EXPECT_LE(std::abs(drawn.bottom() - expected.bottom()), 1) << text.toStdString();
    }
}

TEST(DisplayLabel, LooksEachCharacterUpOnceAndAgainAfterAFontChange) {
    DisplayLabel readout("0");
    const QGlyphRun first = readout.glyphsOf("8080");
    ASSERT_EQ(first.glyphIndexes().size(), 4);
    EXPECT_EQ(first.glyphIndexes()[0], first.glyphIndexes()[2]);
    EXPECT_NE(first.glyphIndexes()[0], first.glyphIndexes()[1]);
    EXPECT_LT(first.positions()[0].x(), first.positions()[1].x());
    QFont larger = readout.font();
    larger.setPixelSize(larger.pixelSize() > 0 ? larger.pixelSize() * 2 : 40);
    readout.setFont(larger);
    const QGlyphRun second = readout.glyphsOf("8080");
    EXPECT_GT(second.positions()[1].x(), first.positions()[1].x());
}

// Counts the paints a widget gets.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// A reading that shows what is shown already costs no paint: only changes reach the screen.
TEST(Readouts, AnUnchangedReadingDoesNotRepaint) {
    QWidget window;
    auto* readout = new DisplayLabel("000000", &window);
    auto* lamp = new LedLamp(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    PaintCounter readoutPaints(readout);
    PaintCounter lampPaints(lamp);
    readout->setText("123456");
    lamp->setOn(true);
    QCoreApplication::processEvents();
    EXPECT_EQ(readoutPaints.paints, 1);
    EXPECT_EQ(lampPaints.paints, 1);
    readout->setText("123456");
    lamp->setOn(true);
    QCoreApplication::processEvents();
    EXPECT_EQ(readoutPaints.paints, 1);
    EXPECT_EQ(lampPaints.paints, 1);
}

}  // namespace
}  // namespace widgets
