#pragma once

#include <cstdlib>
#include <optional>
#include <string>

// One environment variable changed for a test and put back as it was afterwards.
class ScopedEnvironment {
  public:
    explicit ScopedEnvironment(std::string name) : name_(std::move(name)) {
        if (const char* old = std::getenv(name_.c_str())) saved_ = old;
    }
    ~ScopedEnvironment() {
        saved_ ? setenv(name_.c_str(), saved_->c_str(), 1) : unsetenv(name_.c_str());
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

    void Set(const std::string& value) const { setenv(name_.c_str(), value.c_str(), 1); }
    void Unset() const { unsetenv(name_.c_str()); }

  private:
    std::string name_;
    std::optional<std::string> saved_;
};
