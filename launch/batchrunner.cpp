#include "batchrunner.h"

#include "password.h"
#include "files/paths.h"
#include "games/wine.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <system_error>
#include <unistd.h>

namespace batch {
namespace {

bool startsWithWord(std::string_view line, std::string_view word) {
    if (line.size() < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (paths::lowerAscii(line[i]) != word[i]) return false;
    if (line.size() == word.size()) return true;
    char next = line[word.size()];
    return !std::isalnum(static_cast<unsigned char>(next));
}

std::vector<std::string> words(std::string_view line) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        std::size_t j = i;
        while (j < line.size() && line[j] != ' ' && line[j] != '\t')
            ++j;
        if (j > i) out.emplace_back(line.substr(i, j - i));
        i = j;
    }
    return out;
}

class Interpreter {
public:
    Interpreter(const DriveTable& drives, char startDrive) : drives_(drives), drive_(startDrive) {}

    void line(std::string_view raw, Plan& plan) {
        std::string_view l = paths::trimmed(raw);
        if (l.empty() || startsWithWord(l, "rem") || l.front() == ':') return;
        if (l.front() == '[') {
            plan.complaints.push_back("'" + std::string(l) + "' is not a command; skipped");
            return;
        }
        if (auto letter = DriveTable::letterOf(l);
            letter && (l.size() == 2 || (l[2] != '\\' && l[2] != '/'))) {
            if (drives_.find(*letter))
                drive_ = *letter;
            else
                missingFolder(plan, "the drive " + std::string(1, *letter) + ": does not exist");
            return;
        }
        if (startsWithWord(l, "cd") || startsWithWord(l, "chdir")) {
            changeDir(paths::trimmed(l.substr(startsWithWord(l, "cd") ? 2 : 5)), plan);
            return;
        }
        program(l, plan);
    }

private:
    // The game's drive or folder is gone: the program line that follows then cannot be found
    // either, but the folder is what the member has to set again.
    static void missingFolder(Plan& plan, std::string complaint) {
        plan.complaints.push_back(std::move(complaint));
        plan.missing = Outcome::FolderMissing;
    }

    std::string& current(char letter) { return dirs_.try_emplace(letter, "\\").first->second; }

    std::optional<std::filesystem::path> host(char letter, const std::string& winDir) const {
        return drives_.toHost(std::string(1, letter) + ":" + winDir);
    }

    void changeDir(std::string_view arg, Plan& plan) {
        char letter = drive_;
        if (auto l = DriveTable::letterOf(arg)) {
            letter = *l;
            arg.remove_prefix(2);
        }
        if (arg.empty()) return; // "cd X:" only names the drive's current folder
        std::string target = (arg.front() == '\\' || arg.front() == '/')
                                 ? std::string(arg)
                                 : current(letter) + "\\" + std::string(arg);
        auto dir = host(letter, target);
        std::error_code ec;
        if (!dir || !std::filesystem::is_directory(*dir, ec)) {
            missingFolder(plan, "cannot change to " + std::string(1, letter) + ":" + target +
                                    ": no such folder");
            return;
        }
        current(letter) = target;
    }

    void program(std::string_view l, Plan& plan) {
        if (plan.launch) {
            plan.complaints.push_back("'" + std::string(l) +
                                      "' ignored: a game is already started");
            return;
        }
        std::vector<std::string> w = words(l);
        auto dir = host(drive_, current(drive_));
        std::error_code ec;
        if (!dir || !std::filesystem::is_directory(*dir, ec)) {
            missingFolder(plan, "the current folder does not exist");
            return;
        }
        std::filesystem::path prog = paths::resolve(*dir, w.front());
        if (!std::filesystem::is_regular_file(prog, ec)) {
            plan.complaints.push_back("'" + w.front() + "' is not a program in " + dir->string());
            return;
        }
        plan.launch = Launch{prog, std::vector<std::string>(w.begin() + 1, w.end()), *dir};
    }

    const DriveTable& drives_;
    char drive_;
    std::map<char, std::string> dirs_;
};

} // namespace

Plan parse(std::string_view bytes, const DriveTable& drives, char startDrive) {
    Plan plan;
    Interpreter in(drives, startDrive);
    std::size_t i = 0;
    while (i < bytes.size()) {
        std::size_t j = bytes.find_first_of("\r\n", i);
        if (j == std::string_view::npos) j = bytes.size();
        in.line(bytes.substr(i, j - i), plan);
        i = j + 1;
    }
    return plan;
}

namespace {

std::filesystem::path onPath(const char* name) {
    return QStandardPaths::findExecutable(QString::fromLatin1(name)).toStdString();
}

// Steam as the member installed it: Debian's or Valve's `steam`, else Flatpak's Steam.
std::optional<std::vector<std::string>> steamCommand() {
    if (const auto steam = onPath("steam"); !steam.empty())
        return std::vector<std::string>{steam.string()};
    const auto flatpak = onPath("flatpak");
    const char* home = std::getenv("HOME");
    std::error_code ec;
    for (const std::filesystem::path& installed :
         {std::filesystem::path(home ? home : "") / ".local/share/flatpak/app",
          std::filesystem::path("/var/lib/flatpak/app")})
        if (!flatpak.empty() &&
            std::filesystem::is_directory(installed / "com.valvesoftware.Steam", ec))
            return std::vector<std::string>{flatpak.string(), "run", "com.valvesoftware.Steam"};
    return std::nullopt;
}

bool isProgram(const std::filesystem::path& p) {
    std::error_code ec;
    return std::filesystem::is_regular_file(p, ec) && ::access(p.c_str(), X_OK) == 0;
}

} // namespace

namespace {
// A start that cannot be made, and what stderr is told of why.
Command refusal(Outcome why, std::string complaint) {
    return Command{.program = {},
                   .arguments = {},
                   .environment = {},
                   .refused = why,
                   .complaint = std::move(complaint)};
}
} // namespace

Command commandFor(const Launch& launch, const Runner& runner, const Environment& launcherEnv) {
    Command c;
    if (!runner.steamApp.empty()) {
        const auto steam = steamCommand();
        if (!steam)
            return refusal(Outcome::SteamMissing,
                           "Steam starts this game, and Steam is not installed");
        c.program = steam->front();
        c.arguments.assign(steam->begin() + 1, steam->end());
        c.arguments.insert(c.arguments.end(), {"-applaunch", runner.steamApp});
        c.arguments.insert(c.arguments.end(), launch.arguments.begin(), launch.arguments.end());
        return c;
    }
    char head[2] = {0, 0};
    std::ifstream(launch.program, std::ios::binary).read(head, 2);
    if (head[0] != 'M' || head[1] != 'Z')
        return Command{.program = launch.program.string(),
                       .arguments = launch.arguments,
                       .environment = {},
                       .refused = Outcome::Started,
                       .complaint = {}};
    const std::filesystem::path wine = runner.wine.empty() ? onPath("wine") : runner.wine;
    if (!runner.wine.empty() && !isProgram(wine))
        return refusal(Outcome::WineMissing,
                       "the Wine of this game's prefix, " + wine.string() + ", is gone");
    if (wine.empty())
        return refusal(Outcome::NeedsWine,
                       launch.program.string() + " is a Windows program and wine is not installed");
    if (wine::machineOf(launch.program) == wine::I386 && !wine::runs32Bit(wine))
        return refusal(Outcome::Needs32BitWine,
                       launch.program.string() +
                           " is a 32-bit Windows program and this wine runs only 64-bit programs");
    c.program = wine.string();
    c.arguments = {launch.program.string()};
    c.arguments.insert(c.arguments.end(), launch.arguments.begin(), launch.arguments.end());
    if (!runner.prefix.empty()) {
        c.environment = launcherEnv;
        c.environment.emplace_back("WINEPREFIX", runner.prefix.string());
        if (const std::string arch = wine::archOf(runner.prefix); !arch.empty())
            c.environment.emplace_back("WINEARCH", arch);
    }
    return c;
}

Outcome run(const Start& s, const DriveTable& defaultDrives, const Environment& launcherEnv) {
    std::optional<Launch> launch = s.launch;
    if (!s.batchFile.empty()) {
        const std::filesystem::path& file = s.batchFile;
        const DriveTable drives = DriveTable::forGame(s.runner.prefix, defaultDrives);
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "tovo: cannot read %s\n", file.string().c_str());
            return Outcome::NotStarted;
        }
        std::string bytes((std::istreambuf_iterator<char>(in)), {});
        auto here = drives.toWindows(file.parent_path());
        char first =
            here ? (*here)[0] : (drives.drives().empty() ? 'z' : drives.drives().front().letter);
        Plan plan = parse(bytes, drives, first);
        for (const auto& c : plan.complaints)
            std::fprintf(stderr, "tovo: %s: %s\n", file.filename().string().c_str(), c.c_str());
        if (!plan.launch) return plan.missing;
        launch = plan.launch;
    }
    // A password that reached here unchecked (the keyring is the desktop's, not ours) is checked
    // again: it goes to no game that would run it as a command.
    if (!password::problem(QString::fromLocal8Bit(s.password)).isEmpty()) {
        std::fprintf(stderr, "tovo: the server's password is not one the game can be given\n");
        return Outcome::PasswordRefused;
    }
    launch->arguments = password::added(launch->arguments, s.passwordBy, s.password);
    const Command cmd = commandFor(*launch, s.runner, launcherEnv);
    if (!cmd.complaint.empty()) std::fprintf(stderr, "tovo: %s\n", cmd.complaint.c_str());
    if (cmd.refused != Outcome::Started) return cmd.refused;
    auto local = [](const std::string& text) {
        return QString::fromLocal8Bit(text.data(), qsizetype(text.size()));
    };
    QStringList args;
    for (const auto& a : cmd.arguments)
        args << local(a);
    QProcess p;
    p.setProgram(local(cmd.program));
    p.setArguments(args);
    p.setWorkingDirectory(local(launch->workingDir.string()));
    if (!cmd.environment.empty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const auto& [name, value] : cmd.environment)
            env.insert(local(name), local(value));
        p.setProcessEnvironment(env);
    }
    return p.startDetached() ? Outcome::Started : Outcome::NotStarted;
}

} // namespace batch
