#pragma once

#include "Screen.h"

#include <memory>

namespace ledgora {

// The one reference to a screen: the screen is created on first use, and once it has been
// unloaded the reference is empty, so the next use creates it anew. At most one exists.
template <typename T> class ScreenRef {
public:
    ScreenRef() = default;
    ScreenRef(const ScreenRef&) = delete;
    ScreenRef& operator=(const ScreenRef&) = delete;
    ~ScreenRef() { reset(); }

    T& get() {
        if (!screen_) {
            screen_ = std::make_unique<T>();
            screen_->setReleaseHook([this] { releaseFromScreen(); });
        }
        return *screen_;
    }
    T* operator->() { return &get(); }
    T& operator*() { return get(); }
    bool exists() const { return screen_ != nullptr; }

    // Shows the screen modally, creating it first if needed.
    void showModal() { Screen::runModal(&get()); }

    void reset() {
        if (screen_) {
            screen_->setReleaseHook({});
            screen_.reset();
        }
    }

private:
    void releaseFromScreen() {
        T* released = screen_.release();
        released->setReleaseHook({});
        released->deleteAfterModal();
    }

    std::unique_ptr<T> screen_;
};

} // namespace ledgora
