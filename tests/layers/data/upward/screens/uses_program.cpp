#include "program/program.h"
