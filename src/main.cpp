// Sleetwhistle: builds the game object and runs it.
#include "platform/system.h"

int main() {
    platform::SetAppTitle("Sleetwhistle V1.06");
    platform::Print(platform::AppTitle());
    return 0;
}
