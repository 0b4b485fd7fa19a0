#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/shell.h"
#include "platform/window_ops.h"

namespace zuk::test {

// Dialogs that answer from queues the test fills, and remember what they were asked.
// An empty queue answers as Cancel (or No, or an empty text).
class ScriptedDialogs : public Dialogs {
  public:
    std::deque<std::optional<std::string>> fileAnswers;
    std::deque<std::optional<std::string>> folderAnswers;
    std::deque<MessageResult> messageAnswers;
    std::deque<std::string> inputAnswers;

    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;
    std::vector<std::string> folderTitles;
    std::vector<MessageRequest> messages;
    struct Input {
        std::string prompt, title, defaultText;
    };
    std::vector<Input> inputs;

    std::optional<std::string> openFile(const FileDialogRequest& r) override;
    std::optional<std::string> saveFile(const FileDialogRequest& r) override;
    std::optional<std::string> browseFolder(const std::string& title) override;
    MessageResult messageBox(const MessageRequest& r) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
};

class FakeShell : public Shell {
  public:
    std::vector<std::string> urls;
    std::vector<std::string> started;
    bool startSucceeds = true;
    void openUrl(const std::string& url) override { urls.push_back(url); }
    bool startProgram(const std::string& path) override {
        started.push_back(path);
        return startSucceeds;
    }
};

class FakeWindowOps : public WindowOps {
  public:
    struct TopMost {
        const Window* window;
        int flag;
    };
    std::vector<TopMost> topMost;
    bool shift = false;
    int setTopMost(Window& window, int flag) override;
    bool shiftKeyDown() const override { return shift; }
};

}  // namespace zuk::test
