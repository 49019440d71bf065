// The user interface of tabrix-cli: messages go to stderr in UTF-8, questions
// are answered Yes, and the file-read dialog is filled from the command line.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "app/UserInterface.h"

namespace tabrix {

class CCtrlFile;

struct OpenChoices {
    std::optional<char> delimiter;  // --delim; otherwise detection or the control file's DELIM=
    bool quote = false;             // --quote
    bool title = false;             // --title
};

class CliUi : public SilentUserInterface {
public:
    explicit CliUi(OpenChoices choices) : m_choices(choices) {}
    // The control file being opened, whose settings stand for the dialog's.
    void setCtrlFile(const CCtrlFile* ctrl) { m_ctrl = ctrl; }

    // Answers the dialogs other than the file-read dialog (a batch command
    // fills them from its options); without it they count as cancelled.
    using DialogAnswer = std::function<bool(CDialogModel& dialog)>;
    void setDialogAnswer(DialogAnswer answer) { m_answer = std::move(answer); }
    // Refusals shown so far: messages with the stop icon.
    int refusals() const { return m_refusals; }

    MsgResult messageBox(std::string_view text, MsgIcon icon, MsgButtons buttons) override;
    bool runModal(CDialogModel& dialog) override;

private:
    OpenChoices m_choices;
    const CCtrlFile* m_ctrl = nullptr;
    DialogAnswer m_answer;
    int m_refusals = 0;
};

// Prints "tabrix-cli: " and the code page 932 text to stderr in UTF-8.
void PrintError(std::string_view cp932Text);

}  // namespace tabrix
