#include "dialogs/tongue_dialog.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "dialogs/dialog_placement.h"
#include "dialogs/dialogs.h"
#include "platform/embedded_assets.h"
#include "platform/fonts.h"
#include "state/identity.h"
#include "state/program_state.h"

namespace blivo {

TTongueDlg::TTongueDlg(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint),
      main_(mainWindow) {
  setObjectName("TongueDlg");
  setModal(true);
  setFixedSize(320, 91);
  setFont(SansFont(11));
  setWindowTitle(kCaption);
  auto* bevel = new QFrame(this);
  bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  bevel->setGeometry(8, 8, 305, 77);
  auto* icon = new QLabel(this);
  icon->setObjectName("Image4");
  icon->setGeometry(28, 28, 37, 37);
  icon->setPixmap(GameIconPixmap(32, qGuiApp->devicePixelRatio()));
  icon->setAlignment(Qt::AlignCenter);
  // Each caption, and what a screen reader says of it, is always in its own language.
  english_ = new QPushButton("I speak english.", this);
  english_->setObjectName("EnglishBtn");
  english_->setGeometry(84, 16, 221, 27);
  english_->setIcon(GlyphIcon("flags-english"));
  english_->setIconSize(GlyphSize("flags-english"));
  english_->setAccessibleName(english_->text());
  english_->setAccessibleDescription("Play in English");
  german_ = new QPushButton("Ich spreche deutsch.", this);
  german_->setObjectName("GermanBtn");
  german_->setGeometry(84, 48, 221, 27);
  german_->setIcon(GlyphIcon("flags-german"));
  german_->setIconSize(GlyphSize("flags-german"));
  german_->setAccessibleName(german_->text());
  german_->setAccessibleDescription("Auf Deutsch spielen");
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
  PlaceDialog(*this, *main_, Placement::OnClientArea);
  english_->setFocus();
}

void TTongueDlg::setVisible(bool visible) {
  // Placed before it shows: a window moved while it is being shown may land
  // where the window manager last saw it.
  if (visible && !isVisible()) FormActivate();
  QDialog::setVisible(visible);
}

void TTongueDlg::keyPressEvent(QKeyEvent* event) {
  // Only a choice or the close box end it: there is no cancel button for Escape.
  if (event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}

}  // namespace blivo
