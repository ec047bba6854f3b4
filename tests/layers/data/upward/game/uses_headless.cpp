#include "screens/TTitleScreen.h"
#include "headless/board_headless.h"
