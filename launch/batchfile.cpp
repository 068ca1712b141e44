#include "batchfile.h"

#include "files/paths.h"
#include "files/profile.h"

namespace batch {

void write(const std::filesystem::path& file, const std::string& section, const std::string& drive,
           const std::string& dir, const std::string& program, const std::string& address) {
    const std::string remark = "\r\n REM";
    paths::removeFile(file);
    profile::write(section, "cd\\" + remark, "", file);
    profile::write(section, drive + remark, "", file);
    profile::write(section, dir + remark, "", file);
    profile::write(section, program + Arguments + address + remark, "", file);
}

} // namespace batch
