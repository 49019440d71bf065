// A document with scripted user interface and default settings, for tests
// that open, edit and save files in a temporary folder.
#pragma once

#include <string>
#include <vector>

#include "app/AppContext.h"
#include "document/TabrixDoc.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace tabrix::test {

// A view that only keeps the modified flag.
class FakeDocView : public IDocView {
public:
    void endCellEdit() override { ++endEdits; }
    bool isModified() const override { return modified; }
    void clearModified() override { modified = false; }
    bool modified = false;
    int endEdits = 0;
};

// The row strings of the document's store, in order.
inline std::vector<std::string> Rows(const CTabrixDoc& doc) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < doc.lines().size(); ++i) out.emplace_back(doc.lines()[i]);
    return out;
}

struct DocFixture {
    Settings settings;
    ScriptedUi ui;
    AppContext app{settings, ui, "", ""};
    TempDir dir;

    DocFixture() { settings.OpenDlg = 0; }  // open without the file-read dialog unless a test asks
    // Opens a file written with the given bytes; returns the open's result.
    bool open(CTabrixDoc& doc, const std::string& name, const std::string& bytes) {
        return doc.OnOpenDocument(dir.write(name, bytes).string());
    }
    std::string path(const std::string& name) const { return (dir / name).string(); }
};

}  // namespace tabrix::test
