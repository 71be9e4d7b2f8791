#pragma once

#include <functional>
#include <utility>

namespace unit_link {

// One exchange on the line at a time. Whatever starts an exchange (a link operation, a
// Load, an Upload, a file operation of the window) holds the guard for its whole run, its
// failure message included; everything that would start another asks busy() first.
class OperationGuard {
  public:
    bool busy() const { return holds_ > 0; }
    // Called each time the last hold ends, for what had to wait for the line to be free.
    void whenFree(std::function<void()> call) { whenFree_ = std::move(call); }

    // Held for the lifetime of the scope; holds nest.
    class Hold {
      public:
        explicit Hold(OperationGuard& guard) : guard_(guard) { ++guard_.holds_; }
        ~Hold() {
            if (--guard_.holds_ == 0 && guard_.whenFree_) guard_.whenFree_();
        }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

      private:
        OperationGuard& guard_;
    };

  private:
    int holds_ = 0;
    std::function<void()> whenFree_;
};

}  // namespace unit_link
