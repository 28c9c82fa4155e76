#pragma once
// Points up: the document layer may not see the player.
#include "base/ComHolder.h"
#include "player/ScreenPlayerContext.h"
