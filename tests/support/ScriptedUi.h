// A user interface for tests: records every message box, answers questions
// from a script, and runs dialogs through handlers the test installs.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/UserInterface.h"

namespace tabrix::test {

struct ShownMessage {
    std::string text;  // code page 932
    MsgIcon icon;
    MsgButtons buttons;
};

class RecordingProgress : public IProgress {
public:
    void create(std::string_view text) override {
        captions.emplace_back(text);
        ++open;
    }
    void setText(std::string_view text) override { captions.emplace_back(text); }
    void setRange(std::int64_t maximum) override { range = maximum; }
    void setPos(std::int64_t pos) override { lastPos = pos; }
    void destroy() override { --open; }

    std::vector<std::string> captions;
    std::int64_t range = 0;
    std::int64_t lastPos = -1;
    int open = 0;
};

// The workbook reading window: records what it showed and "presses" its
// button when a chosen row is shown.
class ScriptedReadingWindow : public IReadingWindow {
public:
    void show(std::string_view caption, std::string_view text, std::string_view button) override {
        shown.push_back(std::string(caption) + "|" + std::string(text) + "|" + std::string(button));
        ++open;
    }
    bool update(std::int64_t row) override {
        lastRow = row;
        return row == pressAtRow;
    }
    void hide() override { --open; }

    std::int64_t pressAtRow = 0;
    std::int64_t lastRow = 0;
    std::vector<std::string> shown;
    int open = 0;
};

class ScriptedUi : public IUserInterface {
public:
    MsgResult messageBox(std::string_view text, MsgIcon icon, MsgButtons buttons) override;
    void beep() override { ++beeps; }
    IProgress& progress() override { return progressWindow; }
    void beginWaitCursor() override { ++waitDepth; }
    void endWaitCursor() override { --waitDepth; }
    bool getOpenFileName(FileDialogRequest& request) override;
    bool getSaveFileName(FileDialogRequest& request) override;
    bool runModal(CDialogModel& dialog) override;
    IReadingWindow& readingWindow() override { return readingWindowScript; }

    // Answers for questions, in order; when empty, Yes (or Ok) is given.
    std::deque<MsgResult> answers;
    // File dialogs: each handler fills the request and returns OK or Cancel.
    std::deque<std::function<bool(FileDialogRequest&)>> fileDialogs;
    // Modal dialogs: each handler edits the model and returns OK or Cancel.
    std::deque<std::function<bool(CDialogModel&)>> dialogs;

    std::vector<ShownMessage> messages;
    std::vector<FileDialogRequest> fileRequests;
    RecordingProgress progressWindow;
    ScriptedReadingWindow readingWindowScript;
    int beeps = 0;
    int waitDepth = 0;

    std::string lastMessage() const { return messages.empty() ? std::string() : messages.back().text; }
};

}  // namespace tabrix::test
