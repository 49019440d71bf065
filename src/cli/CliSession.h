// One run of a tabrix-cli command: settings, user interface and the document
// opened as the editor opens it without the file-read dialog on screen.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "app/AppContext.h"
#include "cli/CliOptions.h"
#include "cli/CliUi.h"
#include "document/TabrixDoc.h"

namespace tabrix {

class CTabrixView;
class MemoryGrid;

constexpr int kExitOk = 0;
constexpr int kExitFindings = 1;
constexpr int kExitFailure = 2;

class CliSession {
public:
    explicit CliSession(const CliOptions& options);
    ~CliSession();

    // Applies --set and --defdir and opens the file; false (message printed) on failure.
    bool open(const std::string& path);
    CTabrixDoc& doc() { return *m_doc; }
    AppContext& app() { return m_app; }
    // The opened document in the grid view, first shown over an in-memory grid.
    CTabrixView& view();
    CliUi& ui() { return m_ui; }

private:
    const CliOptions& m_options;
    Settings m_settings;
    CliUi m_ui;
    AppContext m_app;
    std::unique_ptr<CTabrixDoc> m_doc;
    std::unique_ptr<MemoryGrid> m_grid;
    std::unique_ptr<CTabrixView> m_view;
};

int RunInfo(const CliOptions& options);
int RunSave(const CliOptions& options);
int RunCheck(const CliOptions& options);
int RunEdit(const CliOptions& options);
int RunFilter(const CliOptions& options);
int RunSplit(const CliOptions& options);
int RunSelect(const CliOptions& options);
int RunAggregate(const CliOptions& options);
int RunTotal(const CliOptions& options);
int RunCtrl(const CliOptions& options);
// 0 for a flag of tabrix-cli ctrl, 1 for an option with a value, -1 otherwise.
int CtrlOptionArity(std::string_view name);

}  // namespace tabrix
