#include "widgets/group_frame.h"

#include <QGroupBox>
#include <QImage>
#include <algorithm>

namespace widgets {

// The style gives no rectangle for its frame line (Fusion answers the whole box and draws the
// line a title height plus a margin lower), so the line is found where it is drawn: on the
// group painted without its children, the first row that differs from the top row, near the
// right edge, away from a left or centred title.
int FrameTop(QGroupBox& group) {
    QImage image(group.size(), QImage::Format_RGB32);
    image.fill(Qt::transparent);
    const_cast<QGroupBox&>(group).render(&image, QPoint(), QRegion(),
                                         QWidget::DrawWindowBackground);
    const int x = std::max(0, group.width() - 8);
    for (int y = 1; y < image.height(); ++y) {
        if (image.pixel(x, y) != image.pixel(x, 0)) return y;
    }
    return 0;
}

void KeepClearOfFrame(QGroupBox& group) {
    const QList<QWidget*> children = group.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    if (children.isEmpty()) return;
    int top = group.height();
    int bottom = 0;
    for (const QWidget* child : children) {
        top = std::min(top, child->geometry().top());
        bottom = std::max(bottom, child->geometry().bottom());
    }
    // The first row under the top line, as far as the bottom line (the last row) allows.
    const int wanted = FrameTop(group) + 1 - top;
    const int room = group.height() - 2 - bottom;
    const int shift = std::min(wanted, room);
    if (shift <= 0) return;
    for (QWidget* child : children) child->move(child->x(), child->y() + shift);
}

}  // namespace widgets
