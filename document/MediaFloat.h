#pragma once
// A stored unsigned value whose float result is value × scale + offset: a kind of its own,
// with the float rule of UINTSclaleTo<float>.
#include "document/UINTSclaleTo.h"

template <class T>
class MediaFloat;

template <>
class MediaFloat<unsigned int> : public UINTSclaleTo<float> {};
