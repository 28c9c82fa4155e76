#include "shell/CurrentDevice.h"

IDirect3DDevice9* CurrentDevice = nullptr;
