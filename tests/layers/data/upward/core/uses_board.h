#pragma once
#include "board/TGem.h"
#include "core/TGame.h"
