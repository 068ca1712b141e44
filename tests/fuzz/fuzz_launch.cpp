// Random page names and directory-file values: the page-name cut, the batch-file write and the
// batch runner's reading of it never crash, and never plan more than one program.
#include "platform/batchrunner.h"
#include "servers/batchfile.h"
#include "servers/pagename.h"

#include "input.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::filesystem::path root = [] {
        auto r = std::filesystem::temp_directory_path() / ("tovo-fuzz-launch-" + std::to_string(::getpid()));
        std::filesystem::create_directories(r / "Games" / "Q3");
        std::ofstream(r / "Games" / "Q3" / "quake3.exe") << "#!/bin/false\n";
        return r;
    }();
    static const DriveTable drives({{'c', root}});
    const std::string drive = take(data, size, 40), dir = take(data, size, 40), file = take(data, size, 40);
    const std::string name(reinterpret_cast<const char*>(data), size);

    const PageName p = cutPageName(QString::fromLatin1(name.data(), qsizetype(name.size())));
    if (!p.code.isEmpty() && p.code.size() != 5)
        std::abort();
    const auto bat = root / "game.bat";
    batchfile::write(bat, "Quake III", drive, dir, file, p.address.toLatin1().toStdString());
    std::ifstream in(bat, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    const batch::Plan plan = batch::parse(bytes, drives, 'c');
    if (plan.launch) {
        // Whatever the lines say, what would start is a file on one of the drives, started
        // directly with the words of one line: no shell is ever among them.
        const std::string prog = plan.launch->program.string();
        if (prog.rfind(root.string(), 0) != 0 || prog.find("/bin/sh") != std::string::npos)
            std::abort();
    }
    return 0;
}
