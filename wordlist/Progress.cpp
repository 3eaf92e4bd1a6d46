#include "wordlist/Progress.h"

#include <cstdio>
#include <unistd.h>

namespace lexitor::wordlist {

namespace {
constexpr qsizetype kLongRun = 500; // rows; shorter runs finish at once
}

Progress::Progress(QString label, qsizetype total)
    : label_(std::move(label)), total_(total),
      active_(total >= kLongRun && ::isatty(::fileno(stderr)) == 1) {}

Progress::~Progress() {
    if (active_ && shownPercent_ >= 0)
        std::fputc('\n', stderr);
}

void Progress::update(qsizetype done) {
    if (!active_)
        return;
    const int percent = int(done * 100 / total_);
    if (percent == shownPercent_)
        return;
    shownPercent_ = percent;
    std::fprintf(stderr, "\r%s: %3d%% (%lld of %lld rows)", label_.toUtf8().constData(), percent,
                 static_cast<long long>(done), static_cast<long long>(total_));
    std::fflush(stderr);
}

} // namespace lexitor::wordlist
