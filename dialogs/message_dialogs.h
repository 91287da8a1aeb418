// The four small questions and notices: give up, quit, solved and paused.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace blivo {

struct MessageLayout {
  const char* name;
  QRect message;
  int messageFont;  // pixels
  QRect ok;
  const char* okGlyph;
  bool cancel;
  bool onTop;
  const char* germanText;
  const char* englishText;
  const char* germanOk;
  const char* englishOk;
  // What the buttons do, for a screen reader.
  const char* germanOkAction;
  const char* englishOkAction;
};

// One borderless 250 x 125 dialog on the marbled ground, with a message and
// one or two buttons. Modal result 1 for OK, 2 for Cancel (also Escape where
// there is a cancel button).
class TMessageDlg : public QDialog {
 public:
  TMessageDlg(QWidget* mainWindow, const QImage& background, const MessageLayout& layout);

  QLabel* message() const { return msg_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

  void FormActivate();

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void reject() override;

 private:
  QWidget* main_;
  const QImage& background_;
  MessageLayout layout_;
  QLabel* msg_;
  QPushButton* ok_;
  QPushButton* cancel_ = nullptr;
};

// "Do you really want to giveup the puzzle?"
class TNewGameDlg : public TMessageDlg {
 public:
  TNewGameDlg(QWidget* mainWindow, const QImage& background);
};

// "Do you really want to end the game?"
class TEndGameDlg : public TMessageDlg {
 public:
  TEndGameDlg(QWidget* mainWindow, const QImage& background);
};

// "Hurrah, you did it!"
class TDoneDlg : public TMessageDlg {
 public:
  TDoneDlg(QWidget* mainWindow, const QImage& background);
};

// "Game paused!"
class TPauseDlg : public TMessageDlg {
 public:
  TPauseDlg(QWidget* mainWindow, const QImage& background);
};

}  // namespace blivo
