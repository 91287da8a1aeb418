#include "dialogs/highscore_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "dialogs/dialog_look.h"
#include "dialogs/dialog_placement.h"
#include "platform/embedded_assets.h"
#include "platform/fonts.h"
#include "platform/paths.h"
#include "state/program_state.h"

namespace blivo {

THighscoreDlg::THighscoreDlg(QWidget* mainWindow, const QImage& background, SettingsStore& store)
    : QDialog(mainWindow, Qt::Dialog | Qt::FramelessWindowHint), main_(mainWindow), background_(background),
      store_(store) {
  setObjectName("HighscoreDlg");
  setModal(true);
  setFixedSize(320, 200);
  const QFont cellFont = SansFont(15, true);
  for (int i = 0; i < 5; ++i) {
    auto cell = [&](int left, int width, Qt::Alignment align, const QString& name) {
      auto* label = new QLabel(this);
      label->setObjectName(name + QString::number(i));
      label->setGeometry(left, 20 + 21 * i, width, 21);
      label->setFont(cellFont);
      label->setAlignment(align | Qt::AlignVCenter);
      label->setStyleSheet("color: black; background: transparent;");
      return label;
    };
    ranks_[i] = cell(20, 40, Qt::AlignRight, "num");
    ranks_[i]->setText(QString("%1.   ").arg(i + 1));
    names_[i] = cell(60, 140, Qt::AlignLeft, "pla");
    times_[i] = cell(200, 90, Qt::AlignRight, "sco");
  }
  clearBox_ = new QCheckBox(this);
  clearBox_->setObjectName("ClearBox");
  clearBox_->setGeometry(175, 139, 13, 13);
  delcheck_ = new QLabel(this);
  delcheck_->setObjectName("delcheck");
  delcheck_->setGeometry(196, 140, 115, 13);
  delcheck_->setFont(SansFont(11));
  delcheck_->setStyleSheet("color: black; background: transparent;");
  cancel_ = new QPushButton(this);
  cancel_->setObjectName("CancelBtn");
  cancel_->setGeometry(168, 164, 70, 27);
  cancel_->setFont(SansFont(11));
  cancel_->setIcon(GlyphIcon("cross"));
  cancel_->setIconSize(GlyphSize("cross"));
  ok_ = new QPushButton("OK", this);
  ok_->setObjectName("OKBtn");
  ok_->setGeometry(244, 164, 70, 27);
  ok_->setFont(SansFont(11));
  ok_->setIcon(GlyphIcon("tick"));
  ok_->setIconSize(GlyphSize("tick"));
  ok_->setDefault(true);
  edit1_ = new QLineEdit(this);
  edit1_->setObjectName("Edit1");
  edit1_->setFrame(false);
  edit1_->setMaxLength(25);
  edit1_->setFont(cellFont);
  edit1_->setStyleSheet("background: rgb(255, 127, 128); color: black;");
  edit1_->hide();
  connect(ok_, &QPushButton::clicked, this, [this] { okClick(); });
  connect(cancel_, &QPushButton::clicked, this, [this] {
    edit1_->hide();
    QDialog::reject();
  });
  player_ = ReadPlayer(store_);
  edit1_->setText(QString::fromStdString(player_));
}

THighscoreDlg::~THighscoreDlg() = default;

void THighscoreDlg::ShowModal(std::int32_t time) {
  clearBox_->setChecked(false);
  // Another game may have saved its lists since; they are read anew each time.
  store_.refresh();
  list_ = LoadScoreList(store_, ScoreCipher, ScoreListKey);
  newPlace_ = -1;
  edit1_->hide();
  if (time > 0) {
    newPlace_ = PlaceFor(list_, time);
    if (newPlace_ < 0) return;
    InsertAt(list_, newPlace_, {player_, time});
  }
  FillCells();
  if (newPlace_ >= 0) {
    edit1_->setGeometry(60, 20 + 21 * newPlace_, 140, 15);
    edit1_->setText(QString::fromStdString(player_));
    edit1_->setEnabled(true);
    edit1_->show();
    edit1_->setFocus();
    edit1_->selectAll();
  }
  exec();
}

void THighscoreDlg::FillCells() {
  for (int i = 0; i < 5; ++i) {
    names_[i]->setText(QString::fromStdString(list_[i].name));
    times_[i]->setText(list_[i].time == 0 ? QString("-----") : QString::number(list_[i].time));
  }
}

void THighscoreDlg::okClick() {
  if (clearBox_->isChecked()) {
    list_ = ScoreList{};
    player_ = kNobody;
    newPlace_ = -1;
  } else if (newPlace_ >= 0) {
    player_ = edit1_->text().toStdString();
    list_[newPlace_].name = player_;
  }
  edit1_->hide();
  SaveScoreList(store_, ScoreCipher, ScoreListKey, list_, player_);
  accept();
}

void THighscoreDlg::FormActivate() {
  PlaceDialog(*this, *main_, Placement::OverWindow);
  const bool german = German();
  setWindowTitle(german ? "Blivo Turnix - Bestenliste" : "Blivo Turnix - Highscore");
  delcheck_->setText(QString::fromUtf8(german ? "alle Einträge löschen" : "remove all entries"));
  cancel_->setText(german ? "Abbruch" : "Cancel");
  cancel_->setAccessibleName(cancel_->text());
  cancel_->setAccessibleDescription(german ? "Schließen, ohne zu speichern" : "Close without saving");
  ok_->setAccessibleName(ok_->text());
  ok_->setAccessibleDescription(german ? "Die Liste speichern und schließen" : "Save the list and close");
  clearBox_->setAccessibleName(delcheck_->text());
}

void THighscoreDlg::showEvent(QShowEvent* event) {
  FormActivate();
  QDialog::showEvent(event);
}

void THighscoreDlg::paintEvent(QPaintEvent*) {
  PaintDialogBackground(*this, background_);
  PaintOutline(*this, 0, 0, 320, 200);
  PaintOutline(*this, 8, 8, 305, 121);
  PaintOutline(*this, 168, 136, 145, 21);
}

void THighscoreDlg::reject() {
  // No key stands for Cancel; only the button does.
}

}  // namespace blivo
