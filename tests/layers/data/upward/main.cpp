#include "headless/board_headless.h"
#include "program/program.h"
