// A temporary folder for one test, removed with everything in it when the test ends.
#pragma once

#include <string>

namespace testsupport {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder, ending in "/".
    const std::string& Path() const { return path; }
    std::string operator/(const std::string& name) const { return path + name; }
    // Writes bytes to a file below the folder (creating its parent folders).
    std::string Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;

private:
    std::string path;
};

} // namespace testsupport
