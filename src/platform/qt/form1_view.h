#pragma once

#include <QDialog>

namespace zuk {

class Form1;

// The association tool's window: fixed size, centred on the screen, the toggles in three rows;
// Enter presses "設定" and Esc "キャンセル", as does the close box.
class Form1View : public QDialog {
    Q_OBJECT
  public:
    explicit Form1View(Form1& model);

  protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void applyModel();
    // Makes the outer size (title bar and borders included) the model's and centres the window.
    void placeOnScreen();

    Form1& model_;
};

}  // namespace zuk
