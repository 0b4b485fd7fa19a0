#include "assoc/form1.h"

#include <vector>

#include "assoc/registry_writer.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace zuk {

Form1::Form1(Registry& registry, Dialogs& dialogs, const std::string& folder)
    : Window(kForm1Caption, 6090, 2520),
      registry_(registry),
      dialogs_(dialogs),
      folder_(WithTrailingSlash(folder)) {
    Command1.onClick = [this] { apply(); };
    Command2.onClick = [this] { requestClose(); };
}

bool Form1::Load() {
    const std::string player = folder_ + std::string(kPlayerName);
    if (FileExists(player)) {
        Kakunin();
        return true;
    }
    dialogs_.messageBox(
        {.text = std::string(kPlayerName) + "が同一パス(" + player + ")に存在しません。",
         .title = kForm1Caption,
         .icon = MessageIcon::Error});
    requestClose();
    return false;
}

void Form1::Kakunin() {
    for (CheckBox* toggle : toggles) {
        const auto key = registry_.openKey(toggle->caption(), Registry::Access::Query);
        if (!key) continue;
        const auto type = registry_.queryValue(*key, "", kReadBufferSize);
        registry_.closeKey(*key);
        if (type == kFileType) toggle->setValue(1);
    }
}

void Form1::apply() {
    std::vector<ExtensionChoice> choices;
    for (const CheckBox* toggle : toggles) choices.push_back({toggle->caption(), toggle->ticked()});
    // When the file type's keys cannot be made the window stays open: try again or cancel.
    if (ApplyAssociations(registry_, folder_, choices)) requestClose();
}

}  // namespace zuk
