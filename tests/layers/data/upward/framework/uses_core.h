#pragma once
#include "core/TGame.h"
