#include "platform/qt/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>
#include <QWidget>

#include "controls/window.h"
#include "platform/qt/bindings.h"

namespace zuk {
namespace {

std::optional<std::string> RunFileDialog(const FileDialogRequest& request,
                                         QFileDialog::AcceptMode mode) {
    QFileDialog dialog(QApplication::activeWindow(), ToQt(request.title));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    // The save dialog never asks before replacing, and no extension is added to a typed name.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = ToQtFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters.at(request.filterIndex - 1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return FromQt(dialog.selectedFiles().first());
}

}  // namespace

QStringList ToQtFilters(const std::string& filter) {
    const QStringList parts = ToQt(filter).split('|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts.at(i + 1);
        patterns.replace(';', ' ');
        // Qt reads the patterns from the parentheses that end the name; a name that already
        // shows them ("WAV ファイル (*.wav)") gives those up for Qt's, rather than showing two.
        QString name = parts.at(i).trimmed();
        if (name.endsWith(')') && name.contains('(')) name.truncate(name.lastIndexOf('('));
        out << QString("%1 (%2)").arg(name.trimmed(), patterns);
    }
    return out;
}

std::optional<std::string> QtDialogs::openFile(const FileDialogRequest& request) {
    return RunFileDialog(request, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtDialogs::saveFile(const FileDialogRequest& request) {
    return RunFileDialog(request, QFileDialog::AcceptSave);
}

std::optional<std::string> QtDialogs::browseFolder(const std::string& title) {
    const QString dir =
        QFileDialog::getExistingDirectory(QApplication::activeWindow(), ToQt(title));
    if (dir.isEmpty()) return std::nullopt;
    return FromQt(dir);
}

MessageResult QtDialogs::messageBox(const MessageRequest& request) {
    QMessageBox box(QApplication::activeWindow());
    box.setText(ToQt(request.text));
    box.setWindowTitle(ToQt(request.title));
    box.setWindowModality(Qt::ApplicationModal);
    switch (request.icon) {
        case MessageIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case MessageIcon::Error:
            box.setIcon(QMessageBox::Critical);
            break;
        case MessageIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MessageIcon::None:
            break;
    }
    if (request.buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(request.defaultButton == MessageResult::Yes ? QMessageBox::Yes
                                                                         : QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MessageResult::Yes : MessageResult::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageResult::Ok;
}

std::string QtDialogs::inputBox(const std::string& prompt, const std::string& title,
                                const std::string& defaultText) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(QApplication::activeWindow(), ToQt(title), ToQt(prompt),
                              QLineEdit::Normal, ToQt(defaultText), &ok);
    return ok ? FromQt(text) : std::string();
}

void QtShell::openUrl(const std::string& url) {
    QDesktopServices::openUrl(QUrl(ToQt(url)));
}

bool QtShell::startProgram(const std::string& path) {
    return QProcess::startDetached(ToQt(path), {});
}

int QtWindowOps::setTopMost(Window& window, int flag) {
    if (flag != 0 && flag != 1) return 0;
    const auto it = windows_.find(&window);
    if (it == windows_.end()) return 0;
    QWidget* w = it->second;
    // Changing a window flag hides the window (so only a real change is made); the call shows
    // it either way, as its callers expect.
    if (w->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != (flag == 1))
        w->setWindowFlag(Qt::WindowStaysOnTopHint, flag == 1);
    window.show();
    w->show();
    return 1;
}

bool QtWindowOps::shiftKeyDown() const {
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
}

}  // namespace zuk
