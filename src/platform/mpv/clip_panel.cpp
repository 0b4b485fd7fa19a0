#include "platform/mpv/clip_panel.h"

#include <QFormLayout>
#include <QLabel>

namespace zuk {

ClipPanel::ClipPanel(QWidget* parent)
    : QWidget(parent),
      title_(new QLabel(this)),
      author_(new QLabel(this)),
      copyright_(new QLabel(this)) {
    setFixedHeight(kHeight);
    // Tags of media files are text, never markup.
    for (QLabel* label : {title_, author_, copyright_}) label->setTextFormat(Qt::PlainText);
    auto* form = new QFormLayout(this);
    form->setContentsMargins(4, 1, 4, 1);
    form->setVerticalSpacing(0);
    form->addRow(QStringLiteral("クリップ:"), title_);
    form->addRow(QStringLiteral("作成者:"), author_);
    form->addRow(QStringLiteral("著作権:"), copyright_);
}

void ClipPanel::showClip(const std::string& title, const std::string& author,
                         const std::string& copyright) {
    title_->setText(QString::fromStdString(title));
    author_->setText(QString::fromStdString(author));
    copyright_->setText(QString::fromStdString(copyright));
}

}  // namespace zuk
