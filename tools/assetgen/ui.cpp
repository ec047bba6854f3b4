#include "jobs.h"
namespace assetgen { void AddUiJobs(Jobs&){} void AddBackgroundJobs(Jobs&){} void AddSoundJobs(Jobs&){} void AddMusicJobs(Jobs&){} }
