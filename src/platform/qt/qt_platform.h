#pragma once

#include <QObject>
#include <QStringList>
#include <unordered_map>

#include "platform/dialogs.h"
#include "platform/shell.h"
#include "platform/window_ops.h"

class QWidget;

namespace zuk {

// Dialogs of the platform on Qt's file dialogs and message boxes.
class QtDialogs : public Dialogs {
  public:
    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;
    std::optional<std::string> browseFolder(const std::string& title) override;
    MessageResult messageBox(const MessageRequest& request) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
};

class QtShell : public Shell {
  public:
    void openUrl(const std::string& url) override;
    bool startProgram(const std::string& path) override;
};

// Window calls on the Qt windows that views register for their models.
class QtWindowOps : public WindowOps {
  public:
    void registerWindow(Window& model, QWidget* widget) { windows_[&model] = widget; }
    int setTopMost(Window& window, int flag) override;
    bool shiftKeyDown() const override;

  private:
    std::unordered_map<const Window*, QWidget*> windows_;
};

// The "text|patterns|text|patterns" filter of the description as Qt's name filters.
QStringList ToQtFilters(const std::string& filter);

}  // namespace zuk
