#include "dialogs/tongue_dialog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "app/program_state.h"
#include "dialogs/dialog_look.h"
#include "dialogs/dialogs.h"

namespace blivo {

TTongueDlg::TTongueDlg(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      main_(mainWindow) {
  setObjectName("TongueDlg");
  setModal(true);
  setFixedSize(320, 91);
  setFont(SansFont(11));
  setWindowTitle("Blivo Turnix V1.6");
  auto* bevel = new QFrame(this);
  bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  bevel->setGeometry(8, 8, 305, 77);
  auto* icon = new QLabel(this);
  icon->setObjectName("Image4");
  icon->setGeometry(28, 28, 37, 37);
  icon->setPixmap(GlyphPixmap("icon").scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  icon->setAlignment(Qt::AlignCenter);
  // Each caption is always in its own language.
  english_ = new QPushButton("I speak english.", this);
  english_->setObjectName("EnglishBtn");
  english_->setGeometry(84, 16, 221, 27);
  english_->setIcon(Glyph("flags-english"));
  english_->setIconSize(QSize(53, 20));
  german_ = new QPushButton("Ich spreche deutsch.", this);
  german_->setObjectName("GermanBtn");
  german_->setGeometry(84, 48, 221, 27);
  german_->setIcon(Glyph("flags-german"));
  german_->setIconSize(QSize(80, 20));
  for (QPushButton* b : {english_, german_}) b->setAutoDefault(true);
  setTabOrder(english_, german_);
  connect(english_, &QPushButton::clicked, this, [this] { EnglishBtnClick(); });
  connect(german_, &QPushButton::clicked, this, [this] { GermanBtnClick(); });
}

void TTongueDlg::EnglishBtnClick() {
  Language = 0;
  done(kModalOk);
}

void TTongueDlg::GermanBtnClick() {
  Language = 1;
  done(kModalOk);
}

void TTongueDlg::FormActivate() {
  move(CentredOnClientArea(*main_, *this));
  english_->setFocus();
}

void TTongueDlg::showEvent(QShowEvent* event) {
  FormActivate();
  QDialog::showEvent(event);
}

}  // namespace blivo
