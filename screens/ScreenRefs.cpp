#include "screens/ScreenRefs.h"

namespace lexitor::screens::refs {

namespace detail {
std::vector<std::function<void()>>& releasers() {
    static std::vector<std::function<void()>> all;
    return all;
}
} // namespace detail

void releaseAll() {
    for (const auto& release : detail::releasers())
        release();
}

} // namespace lexitor::screens::refs
