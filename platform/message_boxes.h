#pragma once

#include <string>

namespace platform {

enum class MessageIcon { None, Stop, Warning, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Modal message boxes: the call returns when the user has closed the box.
// Text lines are separated by "\r\n" as the program's literals are written. A box may carry a
// detail, kept apart from its text and shown on request, so the text stays as it is written.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    MessageAnswer show(const std::string& title, const std::string& text, MessageIcon icon,
                       MessageButtons buttons) {
        return show(title, text, icon, buttons, {});
    }
    virtual MessageAnswer show(const std::string& title, const std::string& text, MessageIcon icon,
                               MessageButtons buttons, const std::string& detail) = 0;
};

}  // namespace platform
