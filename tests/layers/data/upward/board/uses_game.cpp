#include "core/TGame.h"
#include "game/TGameScreen.h"
