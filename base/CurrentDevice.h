#pragma once
// The device of the screen unit being drawn; the shell sets it before a unit's hooks run, and
// every device object is made on it.
#include <d3d9.h>

extern IDirect3DDevice9* CurrentDevice;
