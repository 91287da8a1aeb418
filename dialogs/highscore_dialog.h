// The list of the five best times of the current puzzle and variant.
#pragma once

#include <QDialog>
#include <array>

#include "dialogs/score_list.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace blivo {

class THighscoreDlg : public QDialog {
 public:
  THighscoreDlg(QWidget* mainWindow, const QImage& background, SettingsStore& store);
  ~THighscoreDlg() override;

  // Opens the list named by ScoreListKey. A time above 0 is offered a place;
  // if it earns none the dialog does not open. 0 only shows the list.
  void ShowModal(std::int32_t time);

  void okClick();
  void FormActivate();

  // For whoever looks inside.
  QLineEdit* nameEditor() const { return edit1_; }
  QCheckBox* clearBox() const { return clearBox_; }
  QLabel* nameCell(int i) const { return names_[i]; }
  QLabel* timeCell(int i) const { return times_[i]; }
  int newPlace() const { return newPlace_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void reject() override;

 private:
  void FillCells();

  QWidget* main_;
  const QImage& background_;
  SettingsStore& store_;
  ScoreList list_;
  int newPlace_ = -1;
  std::string player_;
  std::array<QLabel*, 5> ranks_{}, names_{}, times_{};
  QLineEdit* edit1_;
  QCheckBox* clearBox_;
  QLabel* delcheck_;
  QPushButton* cancel_;
  QPushButton* ok_;
};

}  // namespace blivo
