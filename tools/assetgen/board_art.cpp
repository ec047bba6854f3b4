#include "jobs.h"
#include "art.h"
namespace assetgen {}
namespace assetgen { void AddBoardJobs(Jobs&){} void AddUiJobs(Jobs&){} void AddBackgroundJobs(Jobs&){} void AddSoundJobs(Jobs&){} void AddMusicJobs(Jobs&){}
void DrawIcePane(cairo_t*, double, double, double){} }
