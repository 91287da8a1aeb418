// About the game: name, version, the maker and how to reach them.
#pragma once

#include <QDialog>
#include <QLabel>
#include <functional>

class QPushButton;

namespace blivo {

// A text that opens an address when clicked: blue and underlined, yellow
// while pressed. One the system cannot open stops being a link for the run.
class LinkLabel : public QLabel {
 public:
  LinkLabel(const QString& caption, const QString& target, QWidget* parent);

  // Opens the target; false if the system could not.
  std::function<bool(const QString&)> open;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Colour(const char* colour);
  QString target_;
};

class TInfoDialog : public QDialog {
 public:
  // chooseLanguage shows the language dialog; applyMainLanguage relabels the main window.
  TInfoDialog(QWidget* mainWindow, std::function<void()> chooseLanguage, std::function<void()> applyMainLanguage);

  void ApplyInfoLanguage();
  void TongBtnClick();
  void FormActivate();

  QPushButton* tongueButton() const { return tongBtn_; }
  LinkLabel* mailLink() const { return mail_; }
  LinkLabel* siteLink() const { return site_; }
  QLabel* codedLabel() const { return coded_; }
  QPushButton* okButton() const { return ok_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // The close box: result 2.
  void reject() override;

 private:
  QWidget* main_;
  std::function<void()> chooseLanguage_;
  std::function<void()> applyMainLanguage_;
  QLabel* coded_;
  QLabel* notice_;
  LinkLabel* mail_;
  LinkLabel* site_;
  QPushButton* tongBtn_;
  QPushButton* ok_;
};

}  // namespace blivo
