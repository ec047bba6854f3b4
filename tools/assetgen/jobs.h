// The generator's work list: each job writes one or more files of the manifest.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace assetgen {

struct Job {
    std::vector<std::string> outputs; // manifest paths this job writes
    std::function<void()> run;
    double cost = 1; // rough run time, so the long jobs start first
};
using Jobs = std::vector<Job>;

void AddShapeJobs(Jobs& jobs);
void AddBoardJobs(Jobs& jobs);
void AddUiJobs(Jobs& jobs);
void AddBackgroundJobs(Jobs& jobs);
void AddSoundJobs(Jobs& jobs);
void AddMusicJobs(Jobs& jobs);

// Writes the pages of the contact sheet (every kept picture) into dir.
void WriteContactSheet(const std::string& dir);

} // namespace assetgen
