#include "dialogs/message_dialogs.h"

#include <QLabel>
#include <QPushButton>

#include "dialogs/dialog_look.h"
#include "dialogs/dialog_placement.h"
#include "dialogs/dialogs.h"
#include "platform/embedded_assets.h"
#include "platform/fonts.h"
#include "state/program_state.h"

namespace blivo {

namespace {

constexpr MessageLayout kNewGame = {
    "NewGameDlg", {40, 13, 169, 37}, 15, {92, 88, 70, 27}, "door", true, false,
    "Willst Du das Rätsel wirklich aufgeben?", "Do you really want to giveup the puzzle?", "Ja", "Yes",
    "Das laufende Rätsel aufgeben", "Give up the running puzzle"};
constexpr MessageLayout kEndGame = {
    "EndGameDlg", {32, 13, 185, 37}, 13, {92, 88, 70, 27}, "door", true, true,
    "Willst Du das Spiel wirklich beenden?", "Do you really want to end the game?", "Ja", "Yes",
    "Das Spiel beenden", "End the game"};
constexpr MessageLayout kDone = {
    "DoneDlg", {32, 20, 185, 21}, 16, {168, 88, 70, 27}, "smile", false, false,
    "Hurra, geschafft!", "Hurrah, you did it!", "OK", "OK",
    "Die Meldung schließen", "Close the message"};
constexpr MessageLayout kPause = {
    "PauseDlg", {32, 21, 185, 24}, 16, {144, 88, 94, 27}, "smile", false, false,
    "Spiel angehalten!", "Game paused!", "Fortsetzen", "Continue",
    "Das Spiel fortsetzen", "Continue the game"};

}  // namespace

TMessageDlg::TMessageDlg(QWidget* mainWindow, const QImage& background, const MessageLayout& layout)
    : QDialog(mainWindow, Qt::Dialog | Qt::FramelessWindowHint | (layout.onTop ? Qt::WindowStaysOnTopHint : Qt::Widget)),
      main_(mainWindow),
      background_(background),
      layout_(layout) {
  setObjectName(layout.name);
  setModal(true);
  setFixedSize(250, 125);
  setFont(SansFont(11));
  msg_ = new QLabel(this);
  msg_->setObjectName("msg");
  msg_->setGeometry(layout.message);
  msg_->setAlignment(Qt::AlignCenter);
  msg_->setWordWrap(true);
  msg_->setFont(SansFont(layout.messageFont, true));
  msg_->setStyleSheet("color: black; background: transparent;");
  ok_ = new QPushButton(this);
  ok_->setObjectName("OKBtn");
  ok_->setGeometry(layout.ok);
  ok_->setIcon(GlyphIcon(layout.okGlyph));
  ok_->setIconSize(GlyphSize(layout.okGlyph));
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, [this] { done(kModalOk); });
  if (layout.cancel) {
    cancel_ = new QPushButton(this);
    cancel_->setObjectName("CancelBtn");
    cancel_->setGeometry(168, 88, 70, 27);
    cancel_->setIcon(GlyphIcon("cross"));
    cancel_->setIconSize(GlyphSize("cross"));
    connect(cancel_, &QPushButton::clicked, this, [this] { done(kModalCancel); });
  }
}

void TMessageDlg::FormActivate() {
  PlaceDialog(*this, *main_, Placement::OverWindow);
  const bool german = German();
  msg_->setText(QString::fromUtf8(german ? layout_.germanText : layout_.englishText));
  ok_->setText(QString::fromUtf8(german ? layout_.germanOk : layout_.englishOk));
  ok_->setAccessibleName(ok_->text());
  ok_->setAccessibleDescription(QString::fromUtf8(german ? layout_.germanOkAction : layout_.englishOkAction));
  if (cancel_) {
    cancel_->setText(german ? "Nein" : "No");
    cancel_->setAccessibleName(cancel_->text());
    cancel_->setAccessibleDescription(german ? "Weiterspielen" : "Keep playing");
  }
  ok_->setFocus();
}

void TMessageDlg::showEvent(QShowEvent* event) {
  FormActivate();
  QDialog::showEvent(event);
}

void TMessageDlg::paintEvent(QPaintEvent*) {
  PaintDialogBackground(*this, background_);
  PaintOutline(*this, 0, 0, 250, 125);
  PaintOutline(*this, 8, 8, 233, 45);
}

void TMessageDlg::reject() {
  // Escape answers no where there is a no to give; a notice waits for its button.
  if (cancel_) done(kModalCancel);
}

TNewGameDlg::TNewGameDlg(QWidget* mainWindow, const QImage& background) : TMessageDlg(mainWindow, background, kNewGame) {}
TEndGameDlg::TEndGameDlg(QWidget* mainWindow, const QImage& background) : TMessageDlg(mainWindow, background, kEndGame) {}
TDoneDlg::TDoneDlg(QWidget* mainWindow, const QImage& background) : TMessageDlg(mainWindow, background, kDone) {
  message()->setObjectName("Msg");
}
TPauseDlg::TPauseDlg(QWidget* mainWindow, const QImage& background) : TMessageDlg(mainWindow, background, kPause) {}

}  // namespace blivo
