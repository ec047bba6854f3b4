#include "jobs.h"
namespace assetgen { void AddUiJobs(Jobs&){} void AddSoundJobs(Jobs&){} void AddMusicJobs(Jobs&){} }
