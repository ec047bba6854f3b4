#pragma once
#include "core/TGame.h"
#include "board/TGem.h"
