#pragma once
// The drawing sizes that nested render-target passes replace; one list for the process.
#include <cstdint>
#include <list>
#include <utility>

class TargetSizeStack {
public:
    void Push(uint32_t width, uint32_t height) { sizes_.emplace_front(width, height); }
    // The most recent size, removed; (0, 0) when nothing is pushed.
    std::pair<uint32_t, uint32_t> Pop() {
        if (sizes_.empty()) return {0, 0};
        auto front = sizes_.front();
        sizes_.pop_front();
        return front;
    }
    size_t Count() const { return sizes_.size(); }

private:
    std::list<std::pair<uint32_t, uint32_t>> sizes_;
};

TargetSizeStack& GetTargetSizeStack();
