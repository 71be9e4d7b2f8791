#pragma once

#include <QColor>
#include <QGlyphRun>
#include <QHash>
#include <QLabel>
#include <QRawFont>

namespace widgets {

// A read-out label with a single-line border in its own colour, apart from the text's. The
// style draws a plain frame in the label's foreground colour, the text's, whatever the palette
// says, so the border is drawn here.
//
// A read-out changes with every reading. A label lays its text out and shapes it anew at
// every paint, which cost more than the rest of a reading; here each character's glyph is
// looked up once per font and a text is set by the glyphs' advances. Single-line plain text
// only, as read-outs are.
class DisplayLabel : public QLabel {
    Q_OBJECT
  public:
    static inline const QColor kFrameColor{0, 0, 0};

    explicit DisplayLabel(const QString& text, QWidget* parent = nullptr);

    // The glyphs of `text` in the label's font, placed from 0 on the baseline; empty when the
    // font lacks one of its characters.
    QGlyphRun glyphsOf(const QString& text);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    struct Glyph {
        quint32 index = 0;
        qreal advance = 0;
    };

    QRawFont rawFont_;
    QHash<QChar, Glyph> glyphs_;
};

}  // namespace widgets
