#include "board_fixture.h"
