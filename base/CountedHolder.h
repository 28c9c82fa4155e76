#pragma once
// A shared owner handle: every copy shares one block {object, count}; the last release
// deletes the object. The object may be null (a list entry whose record was not known).
// The count is a plain integer: everything runs on the one player thread.
#include <cstdint>
#include <utility>

template <class T>
class CountedHolder {
public:
    explicit CountedHolder(T* object = nullptr) : block_(new Block{object, 1}) {}
    CountedHolder(const CountedHolder& other) : block_(other.block_) {
        if (block_) ++block_->count;
    }
    CountedHolder& operator=(const CountedHolder& other) {
        if (block_ == other.block_) return *this;
        Release();
        block_ = other.block_;
        if (block_) ++block_->count;
        return *this;
    }
    ~CountedHolder() { Release(); }

    void Release() {
        Block* block = std::exchange(block_, nullptr);
        if (block && --block->count <= 0) {
            delete block->object;
            delete block;
        }
    }

    T* Get() const { return block_ ? block_->object : nullptr; }
    T* operator->() const { return Get(); }
    explicit operator bool() const { return Get() != nullptr; }
    int32_t UseCount() const { return block_ ? block_->count : 0; }

private:
    struct Block {
        T* object;
        int32_t count;
    };
    Block* block_;
};
