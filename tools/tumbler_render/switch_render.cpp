#include "tools/tumbler_render/switch_render.h"

#include <QPainter>
#include <memory>

#include "switch_control/drawing/call_format.h"
#include "switch_control/drawing/qt_font.h"
#include "switch_control/drawing/raster_context.h"
#include "switch_control/drawing/recording_context.h"
#include "switch_control/drawing/switch_painting.h"

namespace tumbler::render {

using drawing::Rect;
using drawing::SwitchLook;

std::vector<std::string> RecordSwitchCalls(const SwitchLook& look, const Rect& bounds,
                                           const drawing::SystemColourSource& colours) {
    drawing::RecordingContext metafile(std::make_shared<drawing::QtTextMeasurer>(), colours);
    drawing::PaintSwitch(metafile, bounds, look, true);
    return drawing::FormatPicture(metafile.Calls());
}

QImage RenderSwitch(const SwitchLook& look, const Rect& bounds,
                    const drawing::SystemColourSource& colours) {
    QImage image(std::max(bounds.r, 1), std::max(bounds.b, 1), QImage::Format_RGB32);
    image.fill(Qt::white);
    drawing::QtRasterContext screen(image, colours);
    drawing::PaintSwitch(screen, bounds, look, false);
    return image;
}

QImage RenderContactSheet(const SwitchLook& look, const drawing::SystemColourSource& colours) {
    constexpr int kWidth = 120, kHeight = 90, kLabel = 16, kGap = 12;
    constexpr int kColumns = 8, kRows = 7;
    QImage sheet(kGap + kColumns * (kWidth + kGap), kGap + kRows * (kLabel + kHeight + kGap),
                 QImage::Format_RGB32);
    sheet.fill(QColor(0xE8, 0xE8, 0xE8));
    {
        drawing::QtRasterContext screen(sheet, colours);
        for (int shape = 0; shape < kRows; ++shape) {
            for (int column = 0; column < kColumns; ++column) {
                SwitchLook cell = look;
                cell.shape = shape;
                cell.on = column % 2 == 1;
                cell.alignment = column / 2 % 2;
                cell.caption = column / 4 == 1 ? (look.caption.empty() ? "POWER" : look.caption)
                                               : std::string();
                const int x = kGap + column * (kWidth + kGap);
                const int y = kGap + shape * (kLabel + kHeight + kGap) + kLabel;
                drawing::PaintSwitch(screen, {x, y, x + kWidth, y + kHeight}, cell, false);
            }
        }
    }
    QPainter labels(&sheet);
    labels.setFont(drawing::ToQFont({"Liberation Sans", 8.0}));
    for (int shape = 0; shape < kRows; ++shape) {
        for (int column = 0; column < kColumns; ++column) {
            const QString text = QStringLiteral("type%1 %2 %3%4")
                                     .arg(shape + 1)
                                     .arg(column / 2 % 2 ? "horizontal" : "vertical")
                                     .arg(column % 2 ? "on" : "off")
                                     .arg(column / 4 ? " caption" : "");
            const int x = kGap + column * (kWidth + kGap);
            const int y = kGap + shape * (kLabel + kHeight + kGap);
            labels.drawText(QRect(x, y, kWidth, kLabel), Qt::AlignLeft | Qt::AlignVCenter, text);
        }
    }
    return sheet;
}

}  // namespace tumbler::render
