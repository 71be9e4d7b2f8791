#pragma once

#include <QWidget>
#include <string>
#include <vector>

namespace tumbler::framework {

// A dialog or property page described as the platform's dialog templates do:
// positions and sizes in dialog units of the template's font (a horizontal
// unit is a quarter of the font's average character width, a vertical unit an
// eighth of its height).
enum class DialogItemKind {
    Label,
    Icon,
    PushButton,
    DefaultPushButton,
    DropDownList,
    Edit,
    CheckBox
};

struct DialogItem {
    int id = -1;  // -1: no id
    DialogItemKind kind = DialogItemKind::Label;
    std::string text;  // UTF-8
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;           // for a drop-down list: the height when opened
    bool textOnLeft = false;  // a check box with its text on the left of the box
};

struct DialogTemplate {
    std::string caption;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::string fontFamily;
    double pointSize = 9.0;
    std::vector<DialogItem> items;
};

// Pixel conversion for one font.
class DialogUnits {
  public:
    explicit DialogUnits(const QFont& font);
    int X(int units) const { return units * baseX_ / 4; }
    int Y(int units) const { return units * baseY_ / 8; }
    QRect Rect(int x, int y, int width, int height) const;

  private:
    int baseX_;
    int baseY_;
};

// Gives `host` the template's font, client size and caption and creates its
// items as children: labels are vertically centred, lists are sorted
// selection-only drop-downs, a check box has its text on the left when its item says so. Each item
// with an id is found again with DialogItemWidget.
void BuildDialog(const DialogTemplate& dialog, QWidget* host);

QWidget* DialogItemWidget(const QWidget* host, int id);
template <typename T>
T* DialogItemAs(const QWidget* host, int id) {
    return qobject_cast<T*>(DialogItemWidget(host, id));
}

}  // namespace tumbler::framework
