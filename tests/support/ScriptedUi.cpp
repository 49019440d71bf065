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
    // A real dialog stays open until its values pass and its question is
    // answered Yes; a test that fills bad values sees the refusal message, and
    // a No (from answers), and the dialog counts as cancelled.
    if (!handler(dialog)) return false;
    return AcceptDialog(*this, dialog);
}

}  // namespace tabrix::test
