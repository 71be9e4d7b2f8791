#pragma once

#include <QHash>
#include <QRect>
#include <QWidget>

class QTabWidget;

namespace widgets {

// A tab page whose children are placed in the coordinates of the tab control itself, tab strip
// included, as the layout figures give them; the page shifts them by its own offset.
class TabPage : public QWidget {
    Q_OBJECT
  public:
    explicit TabPage(QTabWidget* tabs);

    // Places `child` (a child of this page) at `rect` in tab control coordinates.
    void place(QWidget* child, const QRect& rect);

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void layOut();

    QTabWidget* tabs_;
    QHash<QWidget*, QRect> placed_;
};

}  // namespace widgets
