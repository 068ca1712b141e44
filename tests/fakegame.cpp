// A stand-in for a game executable: writes one line per argument, then "cwd=" and its working
// directory, to fakegame.log beside it.
#include <cstdio>
#include <string>
#include <unistd.h>
#include <climits>

int main(int argc, char** argv)
{
    const std::string self = argv[0];
    const std::string log = self.substr(0, self.find_last_of('/') + 1) + "fakegame.log";
    char cwd[PATH_MAX] = {};
    if (!getcwd(cwd, sizeof cwd))
        return 2;
    std::string tmp = log + ".part";
    FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f)
        return 1;
    for (int i = 1; i < argc; ++i)
        std::fprintf(f, "%s\n", argv[i]);
    std::fprintf(f, "cwd=%s\n", cwd);
    std::fclose(f);
    return std::rename(tmp.c_str(), log.c_str()) == 0 ? 0 : 1;
}
