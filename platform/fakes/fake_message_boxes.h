#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "platform/message_boxes.h"

namespace platform {

// Records every box shown and answers from a queue (Yes when the queue is empty).
class FakeMessageBoxes : public MessageBoxes {
  public:
    struct Shown {
        std::string title;
        std::string text;
        MessageIcon icon;
        MessageButtons buttons;
        std::string detail;
    };

    using MessageBoxes::show;
    MessageAnswer show(const std::string& title, const std::string& text, MessageIcon icon,
                       MessageButtons buttons, const std::string& detail) override {
        shown.push_back({title, text, icon, buttons, detail});
        if (onShow) onShow(shown.back());
        if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        if (answers.empty()) return MessageAnswer::Yes;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<Shown> shown;
    std::deque<MessageAnswer> answers;
    // Runs while the box is "open", so tests can act during a modal message.
    std::function<void(const Shown&)> onShow;
};

}  // namespace platform
