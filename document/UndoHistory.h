#pragma once
// The authoring tool's undo history of one value: newest entry first, at most 20 entries,
// and a cursor. Nothing in the player commits, undoes or redoes.
#include <cstddef>
#include <deque>
#include <utility>

template <class T>
class UndoHistory {
public:
    static constexpr size_t kMaxEntries = 20;

    // Drops the entries newer than the cursor and records `current` as the newest.
    void Commit(const T& current) {
        entries_.erase(entries_.begin(), entries_.begin() + std::ptrdiff_t(cursor_));
        entries_.push_front(current);
        if (entries_.size() > kMaxEntries) entries_.pop_back();
        cursor_ = 0;
    }
    // One entry older: swaps it with `current`; false when there is none.
    bool StepOlder(T& current) {
        if (cursor_ + 1 >= entries_.size()) return false;
        ++cursor_;
        std::swap(entries_[cursor_], current);
        return true;
    }
    // One entry newer: swaps it with `current`; false when there is none.
    bool StepNewer(T& current) {
        if (cursor_ == 0 || cursor_ >= entries_.size()) return false;
        --cursor_;
        std::swap(entries_[cursor_], current);
        return true;
    }

    size_t Size() const { return entries_.size(); }

private:
    std::deque<T> entries_;
    size_t cursor_ = 0;
};
