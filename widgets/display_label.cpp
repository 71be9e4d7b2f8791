#include "widgets/display_label.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

namespace widgets {

DisplayLabel::DisplayLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    // Room for the border, which the label's own frame would otherwise take.
    setContentsMargins(1, 1, 1, 1);
}

void DisplayLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        rawFont_ = QRawFont();
        glyphs_.clear();
    }
    QLabel::changeEvent(event);
}

QGlyphRun DisplayLabel::glyphsOf(const QString& text) {
    if (!rawFont_.isValid()) rawFont_ = QRawFont::fromFont(font());
    QList<quint32> indexes;
    QList<QPointF> positions;
    qreal x = 0;
    for (const QChar c : text) {
        auto found = glyphs_.constFind(c);
        if (found == glyphs_.cend()) {
            const QList<quint32> index = rawFont_.glyphIndexesForString(QString(c));
            if (index.size() != 1 || index[0] == 0) return {};
            const QList<QPointF> advance = rawFont_.advancesForGlyphIndexes(index);
            found = glyphs_.insert(c, {index[0], advance.value(0).x()});
        }
        indexes.append(found->index);
        positions.append(QPointF(x, 0));
        x += found->advance;
    }
    QGlyphRun run;
    run.setRawFont(rawFont_);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    return run;
}

void DisplayLabel::paintEvent(QPaintEvent* event) {
    const QGlyphRun run = glyphsOf(text());
    if (run.glyphIndexes().isEmpty() && !text().isEmpty()) {
        QLabel::paintEvent(event);  // a character the font lacks: let the label find a fallback
    } else {
        QPainter painter(this);
        const QRect area = contentsRect();
        const qreal width = run.glyphIndexes().isEmpty()
                                ? 0
                                : run.positions().last().x() + glyphs_.value(text().back()).advance;
        const Qt::Alignment horizontal =
            QStyle::visualAlignment(layoutDirection(), alignment()) & Qt::AlignHorizontal_Mask;
        qreal left = area.left();
        if (horizontal & Qt::AlignRight)
            left = area.right() + 1 - width;
        else if (horizontal & Qt::AlignHCenter)
            left = area.left() + (area.width() - width) / 2;
        const qreal baseline = area.top() +
                               (area.height() - rawFont_.ascent() - rawFont_.descent()) / 2 +
                               rawFont_.ascent();
        painter.setPen(
            palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
        painter.drawGlyphRun(QPointF(left, baseline), run);
    }
    QPainter painter(this);
    painter.setPen(kFrameColor);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace widgets
