#pragma once

#include <QDialog>

class QFormLayout;
class QLabel;
class QTimer;

namespace zuk {

class MpvEngine;

// The control's statistics dialog: what is playing and how well, refreshed twice a second
// while it is open.
class StatisticsDialog : public QDialog {
    Q_OBJECT
  public:
    StatisticsDialog(MpvEngine& engine, QWidget* parent);

  private:
    void refresh();

    MpvEngine& engine_;
    QFormLayout* form_;
    QTimer* timer_;
};

// The control's own About box, naming the engine and its version.
void ShowControlAbout(MpvEngine& engine, QWidget* parent);

}  // namespace zuk
