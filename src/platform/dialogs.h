#pragma once

#include <optional>
#include <string>

namespace zuk {

// A file dialog request. filter is the "text|patterns|text|patterns" form; filterIndex counts
// from 1. Cancel gives no value.
struct FileDialogRequest {
    std::string filter;
    int filterIndex = 1;
    std::string title;  // empty: the dialog's default title
};

enum class MessageIcon { None, Question, Error, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageResult { Ok, Yes, No };

struct MessageRequest {
    std::string text;
    std::string title;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    MessageResult defaultButton = MessageResult::Ok;
};

// The modal dialogs of the platform.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual std::optional<std::string> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> browseFolder(const std::string& title) = 0;
    virtual MessageResult messageBox(const MessageRequest& request) = 0;
    // Gives the entered text, or an empty text when cancelled.
    virtual std::string inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) = 0;
};

}  // namespace zuk
