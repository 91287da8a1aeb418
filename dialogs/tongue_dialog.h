// The language choice: two buttons, each in its own language.
#pragma once

#include <QDialog>

class QPushButton;

namespace blivo {

class TTongueDlg : public QDialog {
 public:
  explicit TTongueDlg(QWidget* mainWindow);

  void EnglishBtnClick();
  void GermanBtnClick();
  void FormActivate();
  void setVisible(bool visible) override;

  QPushButton* englishButton() const { return english_; }
  QPushButton* germanButton() const { return german_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* main_;
  QPushButton* english_;
  QPushButton* german_;
};

}  // namespace blivo
