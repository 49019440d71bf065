// A control file object with a scripted user interface and a temporary
// folder that is also the default folder, for tests that read and write
// control files.
#pragma once

#include <string>

#include "app/AppContext.h"
#include "document/CtrlFile.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace tabrix::test {

struct CtrlFixture {
    Settings settings;
    ScriptedUi ui;
    TempDir dir;
    AppContext app{settings, ui, "", ""};
    CCtrlFile ctrl;

    CtrlFixture() { settings.DefDir = dir.path().string(); }

    // Writes the control file text and reads it; the result of the load.
    int load(const std::string& text, const std::string& name = "t.ctrl") {
        ctrl.m_strCtrlFile = dir.write(name, text).string();
        return ctrl.LoadCtrlFile(app);
    }
    std::string path(const std::string& name) const { return (dir / name).string(); }
};

}  // namespace tabrix::test
