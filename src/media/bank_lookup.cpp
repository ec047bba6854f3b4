#include "media/bank_lookup.h"

#include "platform/files.h"

int ShowErrors = 1;

std::string BankFile(const std::string& folder, const std::string& file, const std::string& defaultExt) {
    std::string ext = "." + platform::ExtractExt(file);
    if (ext == ".") ext = defaultExt;
    return folder + platform::StripExt(file) + ext;
}
