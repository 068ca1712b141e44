#include "start.h"

#include <QCoreApplication>

#include <iterator>

namespace batch {
namespace {

// A row an outcome, in the outcomes' order, so that the table is indexed by the outcome and a new
// outcome without its row does not build. Where a download's words must differ (it is no game set
// in Settings), they stand in downloadText; elsewhere the game's serve both, and "{again}" is what
// the member does once it is mended: connect again, or press Run again. {program}, {folder} and
// {runner} are the start's. The words are translated where they are said (context "batch").
struct Said {
    Outcome outcome;
    const char* title = nullptr;
    const char* text = nullptr;
    bool setAgain = false;
    const char* downloadText = nullptr;
};
// clang-format off
constexpr Said said[] = {
    {.outcome = Outcome::Started},
    {.outcome = Outcome::FolderMissing, .title = QT_TRANSLATE_NOOP("batch", "Game not found."),
     .text = QT_TRANSLATE_NOOP("batch", "The game's folder {folder} could not be found. Please set the game again in Settings."), .setAgain = true,
     .downloadText = QT_TRANSLATE_NOOP("batch", "{program} is no longer in {folder}. Please download it again.")},
    {.outcome = Outcome::ProgramMissing, .title = QT_TRANSLATE_NOOP("batch", "Game not found."),
     .text = QT_TRANSLATE_NOOP("batch", "The game's program {program} could not be found in {folder}. Please set the game again in Settings."), .setAgain = true,
     .downloadText = QT_TRANSLATE_NOOP("batch", "{program} is no longer in {folder}. Please download it again.")},
    {.outcome = Outcome::NeedsWine, .title = QT_TRANSLATE_NOOP("batch", "Wine not installed."),
     .text = QT_TRANSLATE_NOOP("batch", "{program} is a Windows program and needs Wine to run. Please install Wine, then {again}.")},
    // The folder is right: Settings would not help.
    {.outcome = Outcome::Needs32BitWine, .title = QT_TRANSLATE_NOOP("batch", "32-bit Wine not installed."),
     .text = QT_TRANSLATE_NOOP("batch", "{program} is a 32-bit Windows program, and the Wine on this computer runs only 64-bit "
     "programs. Please install Wine's 32-bit part (on Debian, as root: dpkg --add-architecture i386, then apt update, then apt install "
     "wine32:i386), then {again}.")},
    // Never another Wine: it would rewrite the launcher's prefix.
    {.outcome = Outcome::WineMissing, .title = QT_TRANSLATE_NOOP("batch", "Wine not found."),
     .text = QT_TRANSLATE_NOOP("batch", "{program} runs with the Wine its launcher installed it with, {runner}, and that Wine is not there "
     "any more. Please install that Wine again in the launcher the game came from, or set the game again in Settings."), .setAgain = true},
    {.outcome = Outcome::SteamMissing, .title = QT_TRANSLATE_NOOP("batch", "Steam not installed."),
     .text = QT_TRANSLATE_NOOP("batch", "{program} is started through Steam, and Steam is not installed. Please install Steam again, "
     "or set the game again in Settings."), .setAgain = true},
    {.outcome = Outcome::PasswordRefused, .title = QT_TRANSLATE_NOOP("batch", "Password not accepted."),
     .text = QT_TRANSLATE_NOOP("batch", "The server's password holds a character that {program} would read as a command of "
     "its own, so the game was not started. Please connect again and type the password.")},
    {.outcome = Outcome::NotStarted, .title = QT_TRANSLATE_NOOP("batch", "Game not started."),
     .text = QT_TRANSLATE_NOOP("batch", "The game {program} could not be started. Please check that it can be run, or set the game "
     "again in Settings."), .setAgain = true,
     .downloadText = QT_TRANSLATE_NOOP("batch", "{program} could not be started. Please check that it can be run, or open its folder and start it there.")},
};
// clang-format on
static_assert(std::size(said) == std::size_t(Outcome::Count), "every outcome has its row");
constexpr bool inOrder() {
    for (std::size_t i = 0; i < std::size(said); ++i)
        if (said[i].outcome != Outcome(i)) return false;
    return true;
}
static_assert(inOrder(), "the rows stand in the outcomes' order");

QString translated(const char* text) {
    return QCoreApplication::translate("batch", text);
}

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
    if (outcome < Outcome::Started || outcome >= Outcome::Count) return {};
    const Said& row = said[std::size_t(outcome)];
    if (!row.text) return {};
    const bool download = what == Starting::Download;
    const char* text = download && row.downloadText ? row.downloadText : row.text;
    return {filled(translated(text), program, folder, runner,
                   //: What the member does once the reason is mended: %1 of "Please ..., then %1."
                   download ? translated(QT_TRANSLATE_NOOP("batch", "press Run again"))
                            : translated(QT_TRANSLATE_NOOP("batch", "connect again"))),
            download ? translated(QT_TRANSLATE_NOOP("batch", "Download not started."))
                     : translated(row.title),
            row.setAgain && !download};
}

} // namespace batch
