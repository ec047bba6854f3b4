#include "headless/board_headless.h"
#include "screens/TTitleScreen.h"
