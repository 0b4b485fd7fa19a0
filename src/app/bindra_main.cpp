// bindra: the composition root of the association tool. The user's associations live in
// classes.reg in the user's configuration folder, over the file types the system knows.
#include <QApplication>

#include "assoc/form1.h"
#include "platform/classes_registry.h"
#include "platform/mime_types.h"
#include "platform/paths.h"
#include "platform/qt/form1_view.h"
#include "platform/qt/qt_platform.h"
#include "platform/registry_file.h"

int main(int, char** argv) {
    // The tool takes no arguments.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);

    zuk::QtDialogs dialogs;
    zuk::RegistryFile store(
        zuk::UserConfigFolder() + "classes.reg", [&dialogs](const std::string& message) {
            dialogs.messageBox(
                {.text = message, .title = zuk::kForm1Caption, .icon = zuk::MessageIcon::Error});
        });
    zuk::ClassesRegistry registry(store, zuk::ReadMimeTypes(zuk::kSystemMimeTypes));
    zuk::Form1 form(registry, dialogs, zuk::AppFolder());
    zuk::Form1View view(form);
    if (!form.Load()) return 0;
    form.show();
    return app.exec();
}
