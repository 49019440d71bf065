// What the core needs of a user interface: message boxes, the progress window,
// the wait cursor, the common file dialogs and modal dialogs over plain data.
//
// The desktop implements it with Qt widgets, tabrix-cli with stderr, and the
// tests with a script. Texts are code page 932 throughout.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tabrix {

enum class MsgIcon { Stop, Information, Question, Exclamation };
enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgResult { Ok, Yes, No, Cancel };

// The data of a modal dialog: its fields with their defaults and the checks
// that run when OK is pressed. The widgets of a dialog only bind to it.
class CDialogModel {
public:
    virtual ~CDialogModel() = default;
    // Empty when the values may be accepted, otherwise the first failing
    // message; the dialog shows it with the stop icon and stays open.
    virtual std::string validate() const { return {}; }
    // A question asked with a beep once the checks pass ("... 宜しいですか？");
    // No keeps the dialog open. Empty when the dialog asks nothing.
    virtual std::string confirmation() const { return {}; }
    // True when OK does nothing at all: the dialog stays open without a
    // message (a dialog whose OK needs a choice that has not been made).
    virtual bool refusesSilently() const { return false; }
};

// A drop-down list a file dialog shows below the file name, such as a file
// format or an encoding: its label, its entries, and the one chosen (in and out).
struct FileDialogChoice {
    std::string label;
    std::vector<std::string> entries;
    int selected = 0;
};

// A common open-file or save-file dialog. Filters use the "desc|pattern|...||" form.
struct FileDialogRequest {
    std::string title;
    std::string filter;
    std::string initialDir;    // empty: the current directory
    std::string fileName;      // proposed name in, chosen path out
    int filterIndex = 0;       // 0-based filter entry in use, in and out
    bool overwritePrompt = false;
    std::vector<FileDialogChoice> choices;  // extra drop-down lists, in order
};

// The one modeless progress window of the program: a text line and a bar.
class IProgress {
public:
    virtual ~IProgress() = default;
    virtual void create(std::string_view text) = 0;
    virtual void setText(std::string_view text) = 0;
    virtual void setRange(std::int64_t maximum) = 0;  // 0 .. maximum
    virtual void setPos(std::int64_t pos) = 0;
    virtual void destroy() = 0;
};

// The modeless window shown while a workbook is read: a caption, a line of
// text, the number of the row being read, and a button that asks to stop.
class IReadingWindow {
public:
    virtual ~IReadingWindow() = default;
    virtual void show(std::string_view caption, std::string_view text, std::string_view button) = 0;
    // Shows the row and lets the window take pending input; true when its
    // button was pressed since the last call.
    virtual bool update(std::int64_t row) = 0;
    virtual void hide() = 0;
};

// A reading window nobody can press, for callers without a screen.
class NullReadingWindow : public IReadingWindow {
public:
    void show(std::string_view, std::string_view, std::string_view) override {}
    bool update(std::int64_t) override { return false; }
    void hide() override {}
};

class IUserInterface {
public:
    virtual ~IUserInterface() = default;
    virtual MsgResult messageBox(std::string_view text, MsgIcon icon,
                                 MsgButtons buttons = MsgButtons::Ok) = 0;
    virtual void beep() = 0;  // the information sound
    virtual IProgress& progress() = 0;
    virtual void beginWaitCursor() = 0;  // wait cursor and mouse capture
    virtual void endWaitCursor() = 0;
    virtual bool getOpenFileName(FileDialogRequest& request) = 0;
    virtual bool getSaveFileName(FileDialogRequest& request) = 0;
    // Shows the dialog for the model; true when it was closed with OK.
    virtual bool runModal(CDialogModel& dialog) = 0;
    virtual IReadingWindow& readingWindow() {
        static NullReadingWindow none;
        return none;
    }
};

// What OK does in every dialog: a silent refusal keeps it open, the first
// failing check is shown with the stop icon, then the confirmation is asked;
// true when the dialog may close.
inline bool AcceptDialog(IUserInterface& ui, const CDialogModel& dialog) {
    if (dialog.refusesSilently()) return false;
    const std::string failure = dialog.validate();
    if (!failure.empty()) {
        ui.messageBox(failure, MsgIcon::Stop);
        return false;
    }
    const std::string question = dialog.confirmation();
    if (question.empty()) return true;
    ui.beep();
    return ui.messageBox(question, MsgIcon::Question, MsgButtons::YesNo) == MsgResult::Yes;
}

// Shows the progress window for the life of a scope.
class ProgressScope {
public:
    ProgressScope(IProgress& progress, std::string_view text, std::int64_t maximum)
        : m_progress(progress) {
        m_progress.create(text);
        m_progress.setRange(maximum);
    }
    ~ProgressScope() { m_progress.destroy(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;
    void setPos(std::int64_t pos) { m_progress.setPos(pos); }
    void setText(std::string_view text) { m_progress.setText(text); }

private:
    IProgress& m_progress;
};

class WaitCursorScope {
public:
    explicit WaitCursorScope(IUserInterface& ui) : m_ui(ui) { m_ui.beginWaitCursor(); }
    ~WaitCursorScope() { m_ui.endWaitCursor(); }
    WaitCursorScope(const WaitCursorScope&) = delete;
    WaitCursorScope& operator=(const WaitCursorScope&) = delete;

private:
    IUserInterface& m_ui;
};

// A progress window that does nothing, for callers without one.
class NullProgress : public IProgress {
public:
    void create(std::string_view) override {}
    void setText(std::string_view) override {}
    void setRange(std::int64_t) override {}
    void setPos(std::int64_t) override {}
    void destroy() override {}
};

// A user interface without a screen: every question is answered Yes, no
// dialog is shown (a file or modal dialog counts as cancelled) and progress
// goes nowhere. Headless callers override what they need.
class SilentUserInterface : public IUserInterface {
public:
    MsgResult messageBox(std::string_view, MsgIcon, MsgButtons buttons) override {
        return buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::Yes;
    }
    void beep() override {}
    IProgress& progress() override { return m_progress; }
    void beginWaitCursor() override {}
    void endWaitCursor() override {}
    bool getOpenFileName(FileDialogRequest&) override { return false; }
    bool getSaveFileName(FileDialogRequest&) override { return false; }
    bool runModal(CDialogModel&) override { return false; }

private:
    NullProgress m_progress;
};

}  // namespace tabrix
