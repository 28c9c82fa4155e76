#include "objects/AC_Static.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "objects/QV_ClockConstructor.h"
#include "objects/Rotations.h"
#include "player/QV_Frame.h"

namespace {
// The side's value and its undo copy change; its observers hear nothing.
// A side past the int range (a far centre and a huge size from a document) stops at its end.
void StoreUntold(MediaParamT<int>& side, int64_t value) {
    side.SetSilently(int(std::clamp<int64_t>(value, INT_MIN, INT_MAX)));
    side.UndoControl().OnParamChanged(nullptr);
}
}  // namespace

AC_Static::AC_Static(QV_ClockConstructor& description) : description_(&description) {
    observers_.SetTarget(this);
    ConnectParamObserver(observers_, &AC_Static::OnSizeChanged, description.Size());
    HookParamChange(observers_, &AC_Static::OnPositionChanged, description.ClockRectangle());
    MoveToCentre();
}

void AC_Static::MoveToCentre() {
    const MediaRectangle& rectangle = description_->ClockRectangle();
    translation_ = Translation(float(rectangle.further1.Value()), float(rectangle.further2.Value()), 0.0f);
}

void AC_Static::SquareAroundCentre(unsigned int size) {
    MediaRectangle& rectangle = description_->ClockRectangle();
    const int64_t half = size / 2;
    const int64_t x = rectangle.further1.Value(), y = rectangle.further2.Value();
    StoreUntold(rectangle.left, x - half);
    StoreUntold(rectangle.right, x + half);
    StoreUntold(rectangle.top, y - half);
    StoreUntold(rectangle.bottom, y + half);
}

void AC_Static::OnSizeChanged(unsigned int size) {
    SquareAroundCentre(size);
    scale_ = Scaling(float(size), float(size), float(size));
}

void AC_Static::OnPositionChanged() {
    SquareAroundCentre(description_->Size().Value());
    MoveToCentre();
}

void AC_Static::Animate(QV_Frame& frame) { frame.world = scale_ * frame.local * translation_; }
