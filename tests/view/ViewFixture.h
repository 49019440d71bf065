// A document shown by the grid view over a MemoryGrid, with a scripted user
// interface: stores built in memory, or data files opened under a control
// file written to a temporary folder.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "support/DocFixture.h"
#include "text/Record.h"
#include "view/MemoryGrid.h"
#include "view/TabrixView.h"

namespace tabrix::test {

// Passes the lines whose field at index (from 0) is "ok".
class OkFilter : public IRowFilter {
public:
    explicit OkFilter(std::size_t field = 0) : m_field(field) {}
    bool rowPasses(const std::vector<std::string>& fields) override { return fields[m_field] == "ok"; }

private:
    std::size_t m_field;
};

struct ViewFixture : DocFixture {
    CTabrixDoc doc{app};
    MemoryGrid grid;
    std::unique_ptr<CTabrixView> view;

    ViewFixture() { settings.DefDir = dir.path().string(); }

    // A store of lines "L<n>-1 TAB L<n>-2 ..." (n the 1-based line number).
    void fill(int lines, int cols) {
        doc.m_CtrlFile.m_nMaxCols = cols;
        for (int n = 1; n <= lines; ++n) {
            std::vector<std::string> fields;
            for (int c = 1; c <= cols; ++c) fields.push_back("L" + std::to_string(n) + "-" + std::to_string(c));
            doc.lines().push_back(JoinFields(fields, cols, kTab));
        }
    }
    // Rows given as row strings (TAB between fields).
    void rows(int cols, const std::vector<std::string>& lines) {
        doc.m_CtrlFile.m_nMaxCols = cols;
        for (const auto& line : lines) doc.lines().push_back(line);
    }
    // Opens a data file under a control file; the control file's [FILE]
    // section names the data file.
    bool openCtrl(const std::string& ctrlText, const std::string& dataName, const std::string& data) {
        dir.write(dataName, data);
        return doc.OnOpenDocument(dir.write("t.ctrl", ctrlText).string());
    }

    CTabrixView& show(int pageSize = 1000) {
        settings.Psize = pageSize;
        view = std::make_unique<CTabrixView>(doc, app, grid);
        view->OnInitialUpdate();
        return *view;
    }

    // Texts of one grid row, the row-number cell first.
    std::vector<std::string> gridRow(int row) const {
        std::vector<std::string> texts;
        for (int c = 0; c < grid.columnCount(); ++c) texts.push_back(grid.itemText(row, c));
        return texts;
    }
    std::string line(std::size_t index) const { return std::string(doc.lines()[index]); }
    std::vector<std::string> fieldsOf(std::size_t index) const {
        std::vector<std::string> fields;
        SplitFields(doc.lines()[index], fields, doc.columnCount());
        return fields;
    }
    CommandState state(CommandId id) const {
        CommandState s;
        view->commandState(id, s);
        return s;
    }
};

// Answers the next dialog, which must be a Model, with fill; OK is pressed.
template <typename Model, typename Fill>
void AnswerDialog(ViewFixture& f, Fill fill) {
    f.ui.dialogs.push_back([fill](CDialogModel& d) {
        fill(dynamic_cast<Model&>(d));
        return true;
    });
}

inline std::string Six(long long n) {
    char text[24];
    std::snprintf(text, sizeof text, "%06lld", n);
    return text;
}

// The next dialog of type Model is filled by fill and accepted.
template <typename Model, typename Fill>
void Answer(ViewFixture& f, Fill fill) {
    f.ui.dialogs.push_back([fill](CDialogModel& d) {
        fill(dynamic_cast<Model&>(d));
        return true;
    });
}

}  // namespace tabrix::test
