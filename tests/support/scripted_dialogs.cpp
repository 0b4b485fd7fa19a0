#include "support/scripted_dialogs.h"

#include "controls/window.h"

namespace zuk::test {
namespace {

template <class T, class Fallback>
T Next(std::deque<T>& queue, Fallback fallback) {
    if (queue.empty()) return fallback;
    T answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}

}  // namespace

std::optional<std::string> ScriptedDialogs::openFile(const FileDialogRequest& r) {
    openRequests.push_back(r);
    return Next(fileAnswers, std::nullopt);
}

std::optional<std::string> ScriptedDialogs::saveFile(const FileDialogRequest& r) {
    saveRequests.push_back(r);
    return Next(fileAnswers, std::nullopt);
}

std::optional<std::string> ScriptedDialogs::browseFolder(const std::string& title) {
    folderTitles.push_back(title);
    return Next(folderAnswers, std::nullopt);
}

MessageResult ScriptedDialogs::messageBox(const MessageRequest& r) {
    messages.push_back(r);
    const MessageResult cancel =
        r.buttons == MessageButtons::YesNo ? MessageResult::No : MessageResult::Ok;
    return Next(messageAnswers, cancel);
}

std::string ScriptedDialogs::inputBox(const std::string& prompt, const std::string& title,
                                      const std::string& defaultText) {
    inputs.push_back({prompt, title, defaultText});
    return Next(inputAnswers, std::string());
}

int FakeWindowOps::setTopMost(Window& window, int flag) {
    if (flag != 0 && flag != 1) return 0;
    topMost.push_back({&window, flag});
    window.show();
    return 1;
}

}  // namespace zuk::test
