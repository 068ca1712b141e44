// Random bytes on the road from a page name to a started program: the page-name cut and the batch
// runner's line reader never crash, and the reader plans at most one program, from its lines.
#include "games/community.h"
#include "launch/batchrunner.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const community::PageName name =
        community::cutPageName(QString::fromUtf8(bytes.data(), qsizetype(bytes.size())));
    if (name.code.size() > 5 || (!name.code.isEmpty() && name.code.size() != 5)) std::abort();
    static const DriveTable drives(
        std::vector<Drive>{{'c', "/tmp/fuzz_launch/drive_c"}, {'z', "/"}});
    const batch::Plan plan = batch::parse(bytes, drives, 'c');
    if (plan.launch && plan.launch->program.string().size() > bytes.size() + 64) std::abort();
    return 0;
}
