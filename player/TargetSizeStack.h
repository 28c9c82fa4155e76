#pragma once
// The drawing sizes that nested render-target passes replace; one stack for the process.
#include <cstdint>
#include <utility>
#include <vector>

class TargetSizeStack {
public:
    // Room for more nesting than any object does, so that pushing in a frame allocates nothing.
    static constexpr size_t kReservedDepth = 8;

    TargetSizeStack() { sizes_.reserve(kReservedDepth); }
    void Push(uint32_t width, uint32_t height) { sizes_.emplace_back(width, height); }
    // The most recent size, removed; (0, 0) when nothing is pushed.
    std::pair<uint32_t, uint32_t> Pop() {
        if (sizes_.empty()) return {0, 0};
        auto top = sizes_.back();
        sizes_.pop_back();
        return top;
    }
    size_t Count() const { return sizes_.size(); }

private:
    std::vector<std::pair<uint32_t, uint32_t>> sizes_;
};

TargetSizeStack& GetTargetSizeStack();
