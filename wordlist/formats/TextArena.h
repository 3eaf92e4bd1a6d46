#pragma once
// Many short texts kept one after another in blocks that never move, so
// that a million words cost little more than their bytes.

#include <QtGlobal>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace lexitor::wordlist {

class TextArena {
public:
    struct Ref {
        std::uint32_t block = 0, offset = 0, length = 0;
    };

    Ref add(std::string_view text) {
        if (blocks_.empty() || blockSize_ - used_ < text.size()) {
            // Small lists take little; blocks grow to a size that makes the
            // allocations few.
            nextSize_ = std::min(nextSize_ * 2, kLargestBlock);
            blockSize_ = std::max(nextSize_, text.size());
            blocks_.push_back(std::make_unique_for_overwrite<char[]>(blockSize_));
            used_ = 0;
        }
        const Ref ref{std::uint32_t(blocks_.size() - 1), std::uint32_t(used_),
                      std::uint32_t(text.size())};
        std::copy(text.begin(), text.end(), blocks_.back().get() + used_);
        used_ += text.size();
        return ref;
    }

    std::string_view at(Ref ref) const {
        return {blocks_[ref.block].get() + ref.offset, ref.length};
    }

private:
    static constexpr std::size_t kLargestBlock = 1 << 20;
    std::vector<std::unique_ptr<char[]>> blocks_;
    std::size_t nextSize_ = 2048, blockSize_ = 0, used_ = 0;
};

} // namespace lexitor::wordlist
