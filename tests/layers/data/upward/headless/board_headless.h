#pragma once
#include "board/TGem.h"
