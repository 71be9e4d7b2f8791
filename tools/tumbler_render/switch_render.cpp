#include "tools/tumbler_render/switch_render.h"

#include <QPainter>
#include <memory>
#include <ostream>

#include "switch_control/control_look.h"
#include "switch_control/framework/control/control_border.h"
#include "switch_control/graphics/call_format.h"
#include "switch_control/graphics/qt_font.h"
#include "switch_control/graphics/raster_context.h"
#include "switch_control/graphics/recording_context.h"
#include "switch_control/tumbler_ctrl.h"

namespace tumbler::render {

std::vector<std::string> RecordSwitchCalls(const SwitchRequest& request) {
    CTumblerCtrl control;
    ApplyRequest(request, control);
    drawing::RecordingContext metafile(std::make_shared<drawing::QtTextMeasurer>(),
                                       drawing::FrameworkSystemColour);
    control.DrawToMetafile(metafile, request.bounds);
    return drawing::FormatPicture(metafile.Calls());
}

QImage RenderSwitch(const SwitchRequest& request) {
    CTumblerCtrl control;
    ApplyRequest(request, control);
    QImage image(std::max(request.bounds.r, 1), std::max(request.bounds.b, 1),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    drawing::QtRasterContext screen(image, drawing::FrameworkSystemColour);
    control.PaintControl(screen, request.bounds);
    return image;
}

QImage RenderContactSheet(const SwitchRequest& request) {
    constexpr int kWidth = 124, kHeight = 94, kLabel = 16, kGap = 12;
    constexpr int kColumns = 8, kRows = 7;
    const std::string caption = request.caption.empty() ? "POWER" : request.caption;
    QImage sheet(kGap + kColumns * (kWidth + kGap), kGap + kRows * (kLabel + kHeight + kGap),
                 QImage::Format_RGB32);
    sheet.fill(QColor(0xE8, 0xE8, 0xE8));
    auto cell = [&](int row, int column) {
        const int x = kGap + column * (kWidth + kGap);
        const int y = kGap + row * (kLabel + kHeight + kGap);
        return QRect(x, y, kWidth, kLabel + kHeight);
    };
    {
        drawing::QtRasterContext screen(sheet, drawing::FrameworkSystemColour);
        for (int shape = 0; shape < kRows; ++shape) {
            for (int column = 0; column < kColumns; ++column) {
                SwitchRequest look = request;
                look.shape = shape;
                look.on = column % 2 == 1;
                look.horizontal = column / 2 % 2 == 1;
                look.caption = column / 4 == 1 ? caption : std::string();
                CTumblerCtrl control;
                ApplyRequest(look, control);
                const QRect at = cell(shape, column);
                control.SetBounds({at.left(), at.top() + kLabel, at.left() + kWidth,
                                   at.top() + kLabel + kHeight});
                framework::PaintControlWindow(control, screen);
            }
        }
    }
    QPainter labels(&sheet);
    labels.setFont(drawing::ToQFont({"Liberation Sans", 7.5}));
    for (int shape = 0; shape < kRows; ++shape) {
        for (int column = 0; column < kColumns; ++column) {
            const QString text = QStringLiteral("type%1 %2 %3%4")
                                     .arg(shape + 1)
                                     .arg(column / 2 % 2 ? "horiz." : "vert.")
                                     .arg(column % 2 ? "on" : "off")
                                     .arg(column / 4 ? ", caption" : "");
            const QRect at = cell(shape, column);
            labels.drawText(QRect(at.left(), at.top(), kWidth, kLabel),
                            Qt::AlignLeft | Qt::AlignVCenter, text);
        }
    }
    return sheet;
}

int RunDrawing(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto request = ParseSwitchRequest(args, error);
    if (!request) {
        err << "tumbler-render: " << error << '\n';
        return 2;
    }
    if (request->calls) {
        for (const auto& line : RecordSwitchCalls(*request)) out << line << '\n';
    }
    auto save = [&](const QImage& image, const std::string& file) {
        if (image.save(QString::fromStdString(file), "PNG")) return true;
        err << "tumbler-render: cannot write " << file << '\n';
        return false;
    };
    if (!request->pngFile.empty() && !save(RenderSwitch(*request), request->pngFile)) return 1;
    if (!request->sheetFile.empty() && !save(RenderContactSheet(*request), request->sheetFile)) {
        return 1;
    }
    return 0;
}

}  // namespace tumbler::render
