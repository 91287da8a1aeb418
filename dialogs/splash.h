// The greeting at start: the title picture, gone after three seconds or a click.
#pragma once

#include <QDialog>
#include <QTimer>

namespace blivo {

class TSplash : public QDialog {
 public:
  explicit TSplash(QWidget* parent = nullptr, int milliseconds = 3000);

  void Click();
  bool timedOut() const { return timedOut_; }
  void setVisible(bool visible) override;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QTimer timer1_;
  bool timedOut_ = false;
  bool showing_ = false;       // inside the toolkit's showing of the dialog
  bool endWhenShown_ = false;  // asked to end while being shown
};

}  // namespace blivo
