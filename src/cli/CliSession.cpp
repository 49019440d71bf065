#include "cli/CliSession.h"

#include <unistd.h>

#include <climits>

#include "app/ShippedFiles.h"
#include "text/Cp932.h"
#include "view/MemoryGrid.h"
#include "view/TabrixView.h"

namespace tabrix {

namespace {

std::string ProgramDir() {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return ".";
    std::string path(buffer, static_cast<std::size_t>(n));
    const std::size_t slash = path.rfind('/');
    return FromFsPathLossy(slash == std::string::npos ? "." : path.substr(0, slash));
}

// The folder of a code page 932 path, "." for a bare name.
std::string FolderOf(const std::string& path) {
    const std::string name = FileNameOf(path);
    if (name.size() == path.size()) return ".";
    return path.substr(0, path.size() - name.size());
}

}  // namespace

CliSession::CliSession(const CliOptions& options)
    : m_options(options), m_ui(options.open), m_app{m_settings, m_ui, ShippedFilesDir(ProgramDir()), "."} {}

CliSession::~CliSession() = default;

CTabrixView& CliSession::view() {
    if (!m_view) {
        m_grid = std::make_unique<MemoryGrid>();
        m_view = std::make_unique<CTabrixView>(*m_doc, m_app, *m_grid);
        // Nothing is shown: a page of one row serves the run.
        m_view->OnInitialUpdate(1);
    }
    return *m_view;
}

bool CliSession::open(const std::string& path) {
    std::string error;
    if (!ApplySettings(m_options, m_settings, error)) {
        PrintError(error);
        return false;
    }
    // The file-read dialog is always "shown": the command line answers it.
    m_settings.OpenDlg = 1;
    const bool ctrl = ExtensionOf(path) == ".ctrl";
    m_settings.DefDir = m_options.defDir ? *m_options.defDir : ctrl ? FolderOf(path) : std::string(".");
    m_doc = std::make_unique<CTabrixDoc>(m_app);
    // A batch run leaves no work database behind.
    m_doc->m_bCreatesWorkDatabase = false;
    m_ui.setCtrlFile(&m_doc->m_CtrlFile);
    m_doc->m_nEncoding = m_options.encoding.value_or(FileEncoding::Sjis);
    return m_doc->OnOpenDocument(path);
}

}  // namespace tabrix
