// What the main window asks of the document shown in a child window: its
// title, its menu mode, the texts of the status-bar panes, the page list of
// the page selector, and the commands it enables and runs. The grid view
// implements it; the main window knows nothing else about documents.
#pragma once

#include <functional>
#include <string>

#include "app/Commands.h"

namespace tabrix {

struct StatusPanes {
    std::string message;   // help line of the focused column
    std::string changed;   // "変更" or empty
    std::string filter;    // "絞込", "絞込 %d行" or empty
    std::string size;      // "%s行%s列"
    std::string position;  // "Col.%d.%d (%d byte)" or two spaces
};

struct CommandState {
    bool enabled = false;
    bool checked = false;
    std::string caption;  // the menu caption when it names what the command acts on
};

class DocumentWindowContent {
public:
    virtual ~DocumentWindowContent() = default;

    virtual std::string title() const = 0;  // code page 932
    virtual MenuMode menuMode() const { return MenuMode::Normal; }
    virtual StatusPanes statusPanes() const = 0;

    virtual int pageCount() const { return 0; }
    virtual int currentPage() const { return 0; }  // 1-based; 0 with no pages
    virtual void selectPage(int /*page*/) {}

    // False when the command is not the document's; the main window then
    // decides itself.
    virtual bool commandState(CommandId /*id*/, CommandState& /*state*/) const { return false; }
    virtual bool runCommand(CommandId /*id*/) { return false; }

    // Asked before the window closes; false keeps it open (unsaved changes).
    virtual bool queryClose() { return true; }

    // The main window listens; call notifyChanged() after the title, the menu
    // mode, the panes or the page list changed.
    void setChangeListener(std::function<void()> listener) { m_listener = std::move(listener); }

protected:
    void notifyChanged() const {
        if (m_listener) m_listener();
    }

private:
    std::function<void()> m_listener;
};

}  // namespace tabrix
