#include "start.h"

#include <algorithm>
#include <iterator>

namespace batch {
namespace {

// A row an outcome. Where a download's words must differ (it is no game set in Settings), they
// stand in the last two columns; elsewhere the game's serve both, and "{again}" is what the
// member does once it is mended: connect again, or press Run again. {program}, {folder} and
// {runner} are the start's.
struct Said {
    Outcome outcome;
    const char* title;
    const char* text;
    bool setAgain;
    const char* downloadText = nullptr;
};
// clang-format off
const Said said[] = {
    {Outcome::FolderMissing, "Game not found.", "The game's folder {folder} could not be found. Please set the game again in Settings.", true,
     "{program} is no longer in {folder}. Please download it again."},
    {Outcome::ProgramMissing, "Game not found.", "The game's program {program} could not be found in {folder}. Please set the game again in Settings.", true,
     "{program} is no longer in {folder}. Please download it again."},
    {Outcome::NeedsWine, "Wine not installed.", "{program} is a Windows program and needs Wine to run. Please install Wine, then {again}.", false},
    // The folder is right: Settings would not help.
    {Outcome::Needs32BitWine, "32-bit Wine not installed.", "{program} is a 32-bit Windows program, and the Wine on this computer runs only 64-bit "
     "programs. Please install Wine's 32-bit part (on Debian, as root: dpkg --add-architecture i386, then apt update, then apt install "
     "wine32:i386), then {again}.", false},
    // Never another Wine: it would rewrite the launcher's prefix.
    {Outcome::WineMissing, "Wine not found.", "{program} runs with the Wine its launcher installed it with, {runner}, and that Wine is not there "
     "any more. Please install that Wine again in the launcher the game came from, or set the game again in Settings.", true},
    {Outcome::SteamMissing, "Steam not installed.", "{program} is started through Steam, and Steam is not installed. Please install Steam again, "
     "or set the game again in Settings.", true},
    {Outcome::PasswordRefused, "Password not accepted.", "The server's password holds a character that {program} would read as a command of "
     "its own, so the game was not started. Please connect again and type the password.", false},
    {Outcome::NotStarted, "Game not started.", "The game {program} could not be started. Please check that it can be run, or set the game "
     "again in Settings.", true,
     "{program} could not be started. Please check that it can be run, or open its folder and start it there."},
};
// clang-format on

// The text with its {names} filled in one pass, so that a name that holds "{folder}" stays as it
// is.
QString filled(const QString& text, const QString& program, const QString& folder,
               const QString& runner, const QString& again) {
    QString out;
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype open = text.indexOf(QLatin1Char('{'), at);
        const qsizetype close = open < 0 ? -1 : text.indexOf(QLatin1Char('}'), open);
        if (close < 0) return out + text.mid(at);
        const QString name = text.mid(open + 1, close - open - 1);
        out += text.mid(at, open - at) + (name == QLatin1String("program")  ? program
                                          : name == QLatin1String("folder") ? folder
                                          : name == QLatin1String("runner") ? runner
                                                                            : again);
        at = close + 1;
    }
    return out;
}

} // namespace

WhyNot whyNotStarted(Outcome outcome, Starting what, const QString& program, const QString& folder,
                     const QString& runner) {
    const auto row = std::find_if(std::begin(said), std::end(said),
                                  [outcome](const Said& s) { return s.outcome == outcome; });
    if (row == std::end(said)) return {};
    const bool download = what == Starting::Download;
    const char* text = download && row->downloadText ? row->downloadText : row->text;
    return {filled(QString::fromUtf8(text), program, folder, runner,
                   download ? QStringLiteral("press Run again") : QStringLiteral("connect again")),
            download ? QStringLiteral("Download not started.") : QString::fromUtf8(row->title),
            row->setAgain && !download};
}

} // namespace batch
