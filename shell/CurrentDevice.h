#pragma once
// The device of the screen unit being drawn; every drawing and device-object creation uses it.
#include <d3d9.h>

extern IDirect3DDevice9* CurrentDevice;
