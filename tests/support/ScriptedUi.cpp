#include "support/ScriptedUi.h"

namespace tabrix::test {

MsgResult ScriptedUi::messageBox(std::string_view text, MsgIcon icon, MsgButtons buttons) {
    messages.push_back({std::string(text), icon, buttons});
    if (buttons == MsgButtons::Ok) return MsgResult::Ok;
    if (answers.empty()) return MsgResult::Yes;
    MsgResult r = answers.front();
    answers.pop_front();
    return r;
}

bool ScriptedUi::getOpenFileName(FileDialogRequest& request) {
    fileRequests.push_back(request);
    if (fileDialogs.empty()) return false;
    auto handler = std::move(fileDialogs.front());
    fileDialogs.pop_front();
    return handler(request);
}

bool ScriptedUi::getSaveFileName(FileDialogRequest& request) { return getOpenFileName(request); }

bool ScriptedUi::runModal(CDialogModel& dialog) {
    if (dialogs.empty()) return false;
    auto handler = std::move(dialogs.front());
    dialogs.pop_front();
    // A real dialog stays open until its values pass; a test that fills bad
    // values sees the refusal message and the dialog counts as cancelled.
    if (!handler(dialog)) return false;
    const std::string failure = dialog.validate();
    if (!failure.empty()) {
        messages.push_back({failure, MsgIcon::Stop, MsgButtons::Ok});
        return false;
    }
    return true;
}

}  // namespace tabrix::test
