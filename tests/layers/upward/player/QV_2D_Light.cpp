// The one edge still allowed.
#include "objects/QV_SpriteArrayObj.h"
