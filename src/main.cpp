// Sleetwhistle: the program body runs the whole game; the process ends with its exit status.
#include "platform/seams.h"
#include "platform/system.h"
#include "program/program.h"

#include <malloc.h>

int main() {
    // Pictures and files are read into large buffers that live for a moment. A fixed threshold
    // keeps such buffers mapped apart, so they go back to the system when freed; glibc's moving
    // threshold would put them on the heap after the first one and keep that memory for good.
    // Fixing it also fixes the heap's trim threshold, which then must be as high as the moving
    // one gets: the software renderer takes and frees megabytes of small blocks every frame,
    // and trimming them away would have every frame grow the heap again, page by page. The free
    // pages go back at each screen switch instead (platform::ReleaseFreeMemory).
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
    // A test seam set to a value it cannot use ends the run here, before any file or window.
    platform::Seams();
    platform::End(RunProgram());
}
