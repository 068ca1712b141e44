#include "services.h"

#include "batchrunner.h"
#include "browserpane.h"
#include "paths.h"
#include "profile.h"
#include "text.h"

#include <QCursor>
#include <QMenu>

#include <cstdio>
#include <cstdlib>

#ifndef TOVO_DEFAULT_HOST
#define TOVO_DEFAULT_HOST "127.0.0.1:8790"
#endif

QString Services::hostFrom(const std::filesystem::path& programDir, const QString& fallback)
{
    std::string h = profile::read("Web", "Host", "", 1024, paths::resolve(programDir, "\\host.con"));
    return h.empty() ? fallback : fromBytes(h);
}

std::filesystem::path Services::file(std::string_view winRelative) const
{
    return paths::resolve(programDir, winRelative);
}

Services Services::real(const std::filesystem::path& programDir)
{
    Services s;
    s.programDir = programDir;
    s.host = hostFrom(programDir, QStringLiteral(TOVO_DEFAULT_HOST));
    s.boxes = std::make_unique<msgbox::QtBoxes>();
    s.makeBrowser = [](QWidget* parent) { return makeWebEnginePane(parent); };
    warmWebEngine(); // while the member types at the login window
    s.now = [] { return QTime::currentTime(); };
    s.locale = QLocale::system();
    s.drives = DriveTable::fromEnvironment();
    s.startBatch = [drives = s.drives](const std::filesystem::path& f) { return batch::run(f, drives); };
    s.popup = [](QMenu* m) { m->exec(QCursor::pos()); };
    s.endProgram = [] {
        std::fflush(nullptr);
        std::_Exit(0);
    };
    return s;
}
