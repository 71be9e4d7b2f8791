#pragma once

#include <QColor>
#include <QLabel>

namespace widgets {

// A read-out label with a single-line border in its own colour, apart from the text's. The
// style draws a plain frame in the label's foreground colour, the text's, whatever the palette
// says, so the border is drawn here.
class DisplayLabel : public QLabel {
    Q_OBJECT
  public:
    static inline const QColor kFrameColor{0, 0, 0};

    explicit DisplayLabel(const QString& text, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace widgets
