#include "program/program.h"
#include "headless/board_headless.h"
