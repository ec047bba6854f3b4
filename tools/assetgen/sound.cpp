#include "jobs.h"
namespace assetgen { void AddSoundJobs(Jobs&){} void AddMusicJobs(Jobs&){} }
