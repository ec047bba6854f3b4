// Sleetwhistle: the program body runs the whole game; the process ends with its exit status.
#include "core/program.h"
#include "platform/system.h"

int main() {
    platform::End(RunProgram());
}
