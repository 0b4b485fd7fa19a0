#pragma once

#include <QWidget>
#include <string>

class QLabel;

namespace zuk {

// The clip information panel under the picture: the clip's title, author and copyright.
class ClipPanel : public QWidget {
    Q_OBJECT
  public:
    explicit ClipPanel(QWidget* parent = nullptr);

    void showClip(const std::string& title, const std::string& author,
                  const std::string& copyright);

    static constexpr int kHeight = 54;  // pixels

  private:
    QLabel* title_;
    QLabel* author_;
    QLabel* copyright_;
};

}  // namespace zuk
