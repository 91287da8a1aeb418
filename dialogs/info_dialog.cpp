#include "dialogs/info_dialog.h"

#include <QFrame>
#include <QPushButton>
#include <QUrl>
#include <cstdio>

#include "app/program_state.h"
#include "dialogs/dialog_look.h"
#include "dialogs/dialogs.h"
#include "platform/open_link.h"

namespace blivo {

namespace {

constexpr const char* kMail = "turnix@blivogames.example";
constexpr const char* kSite = "https://blivogames.example/";

QLabel* Text(QWidget* parent, const QString& text, QRect place, QFont font = SansFont(11)) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(place);
  label->setFont(font);
  return label;
}

}  // namespace

LinkLabel::LinkLabel(const QString& caption, const QString& target, QWidget* parent)
    : QLabel(caption, parent), target_(target) {
  QFont f = SansFont(11);
  f.setUnderline(true);
  setFont(f);
  setCursor(Qt::PointingHandCursor);
  Colour("blue");
  open = [](const QString& t) { return OpenLink(t.toStdString()); };
}

void LinkLabel::Colour(const char* colour) { setStyleSheet(QString("color: %1;").arg(colour)); }

void LinkLabel::mousePressEvent(QMouseEvent*) {
  if (isEnabled()) Colour("yellow");
}

void LinkLabel::mouseReleaseEvent(QMouseEvent*) {
  if (!isEnabled()) return;
  Colour("blue");
  if (!open(target_)) {
    std::fprintf(stderr, "blivoturnix: no program could open %s\n", target_.toLocal8Bit().constData());
    setEnabled(false);
    QFont f = font();
    f.setUnderline(false);
    setFont(f);
    unsetCursor();
    Colour("gray");
  }
}

TInfoDialog::TInfoDialog(QWidget* mainWindow, std::function<void()> chooseLanguage,
                         std::function<void()> applyMainLanguage)
    : QDialog(mainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      main_(mainWindow),
      chooseLanguage_(std::move(chooseLanguage)),
      applyMainLanguage_(std::move(applyMainLanguage)) {
  setObjectName("InfoDialog");
  setModal(true);
  setFixedSize(309, 322);
  setFont(SansFont(11));
  auto* upper = new QFrame(this);
  upper->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  upper->setGeometry(4, 4, 301, 197);
  auto* logo = new QLabel(this);
  logo->setObjectName("Image1");
  logo->setGeometry(8, 8, 101, 77);
  logo->setPixmap(GlyphPixmap("logo"));
  Text(this, "Blivo Turnix", {112, 8, 189, 25}, SansFont(19, true))->setObjectName("progname");
  Text(this, "Version  V1.6", {112, 32, 189, 13})->setObjectName("version");
  coded_ = Text(this, "", {112, 48, 181, 13});
  coded_->setObjectName("codedlabel");
  auto* icon = new QLabel(this);
  icon->setObjectName("Image4");
  icon->setGeometry(36, 96, 37, 37);
  icon->setPixmap(GlyphPixmap("icon").scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  icon->setAlignment(Qt::AlignCenter);
  Text(this, "Blivo Games", {116, 104, 185, 14});
  Text(this, "Kugelweg 1", {116, 120, 185, 14});
  Text(this, "99999 Drehstadt", {116, 136, 185, 14});
  Text(this, "E-Mail:", {44, 155, 62, 21})->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  mail_ = new LinkLabel(kMail, QString("mailto:") + kMail, this);
  mail_->setGeometry(112, 155, 185, 21);
  Text(this, "Homepage:", {21, 174, 85, 21})->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  site_ = new LinkLabel(kSite, kSite, this);
  site_->setGeometry(112, 174, 185, 21);
  auto* lower = new QFrame(this);
  lower->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  lower->setGeometry(4, 206, 301, 77);
  notice_ = Text(this, "", {12, 212, 285, 65});
  notice_->setWordWrap(true);
  notice_->setAlignment(Qt::AlignCenter);
  tongBtn_ = new QPushButton(this);
  tongBtn_->setObjectName("TongBtn");
  tongBtn_->setGeometry(120, 290, 89, 27);
  tongBtn_->setIcon(Glyph("lips"));
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OKBtn");
  ok->setGeometry(216, 290, 89, 27);
  ok->setIcon(Glyph("tick"));
  ok->setDefault(true);
  connect(tongBtn_, &QPushButton::clicked, this, [this] { TongBtnClick(); });
  connect(ok, &QPushButton::clicked, this, [this] { done(kModalOk); });
}

void TInfoDialog::ApplyInfoLanguage() {
  const bool german = German();
  setWindowTitle(QString::fromUtf8(german ? "Info über ..." : "Info about ..."));
  tongBtn_->setText(german ? "Sprache" : "Tongue");
  coded_->setText(german ? "Geschrieben in C++ mit Qt und SDL." : "Written in C++ with Qt and SDL.");
  notice_->setText(QString::fromUtf8(
      german ? "Blivo Turnix ist ein Geschenk: spiel es, gib es weiter,\nund viel Freude beim Drehen!"
             : "Blivo Turnix is a gift: play it, pass it on,\nand have fun turning!"));
}

void TInfoDialog::TongBtnClick() {
  if (chooseLanguage_) chooseLanguage_();
  ApplyInfoLanguage();
  if (applyMainLanguage_) applyMainLanguage_();
}

void TInfoDialog::FormActivate() {
  move(CentredOnClientArea(*main_, *this));
  ApplyInfoLanguage();
}

void TInfoDialog::showEvent(QShowEvent* event) {
  FormActivate();
  QDialog::showEvent(event);
}

}  // namespace blivo
