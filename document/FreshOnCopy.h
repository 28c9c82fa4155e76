#pragma once
// A member that a copy of its owner does not take: the copy starts it as the owner's own
// construction would (running state, values derived from other members, observers' helpers).
// With the other members copied as they are, the owner's copy constructor can be defaulted.
template <class T>
class FreshOnCopy : public T {
public:
    FreshOnCopy() = default;
    FreshOnCopy(const FreshOnCopy&) : T() {}
    FreshOnCopy& operator=(const FreshOnCopy&) = delete;
};
