#pragma once
// One reference per screen, each empty at start. Every use goes through
// get(): an empty reference gets a new screen first, made with the services
// given (the caller's own: a screen passes its services(), main the
// program's). Unloading destroys the screen and empties its reference, so
// the next use builds a fresh one.

#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

namespace lexitor::screens {
struct Services;
}

namespace lexitor::screens::refs {

namespace detail {
std::vector<std::function<void()>>& releasers();

template <typename T> std::unique_ptr<T>& slot() {
    static std::unique_ptr<T> screen;
    return screen;
}
} // namespace detail

template <typename T> bool exists() {
    return detail::slot<T>() != nullptr;
}

// The screen behind the reference, or nullptr; never creates one.
template <typename T> T* peek() {
    return detail::slot<T>().get();
}

template <typename T> T& get(const Services& services) {
    auto& screen = detail::slot<T>();
    if (!screen) {
        screen = std::make_unique<T>(services);
        static const bool registered = [] {
            detail::releasers().push_back([] { detail::slot<T>().reset(); });
            return true;
        }();
        (void)registered;
    }
    return *screen;
}

// Empties the reference and destroys the screen once the running handler
// has returned to the event loop (it may be the screen's own handler).
template <typename T> void release() {
    auto& screen = detail::slot<T>();
    if (!screen)
        return;
    screen->markUnloaded();
    screen->hide();
    screen.release()->deleteLater();
}

// Unloading a screen always releases its reference here.
template <typename T> void unload() {
    release<T>();
}

// Destroys every screen at once (program end, tests).
void releaseAll();

} // namespace lexitor::screens::refs
