// Takes the screenshots the software centres show: the real main window on the
// offscreen platform, one picture for each puzzle, mixed as a game begins.
// Usage: make_screenshots GAME_FOLDER OUTPUT_FOLDER
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstdio>

#include "app/main_form.h"
#include "puzzles/board.h"

namespace {

// The names match the screenshots' addresses in the metainfo file.
constexpr const char* kShots[] = {"gripple", "hexagon", "oktopus", "wedding"};

void Settle() {
  // Lets the window be exposed and painted; nothing here waits on the player.
  const QDeadlineTimer until(200);
  while (!until.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

void Report(const char* what, const QString& path) {
  std::fprintf(stderr, "make_screenshots: %s %s\n", what, path.toLocal8Bit().constData());
}

bool Take(QWidget& window, const QDir& output, const char* name) {
  const QString path = output.filePath(QString(name) + ".png");
  const QImage shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  if (shot.isNull()) {
    Report("nothing to grab for", path);
    return false;
  }
  if (!shot.save(path)) {
    Report("cannot write", path);
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("SDL_AUDIODRIVER", "dummy");
  // A player of our own: English, quiet, and nobody's settings or folders touched.
  QTemporaryDir config;
  if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) qputenv("XDG_RUNTIME_DIR", config.path().toLocal8Bit());
  QApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_screenshots GAME_FOLDER OUTPUT_FOLDER\n");
    return 2;
  }
  const QString gameFolder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + "/";
  const QDir output(QString::fromLocal8Bit(argv[2]));
  if (!output.mkpath(".")) {
    Report("cannot make", output.path());
    return 1;
  }

  const QString settings = config.filePath("BlivoGames/BlivoTurnix/V1.ini");
  QDir().mkpath(QFileInfo(settings).path());
  QFile file(settings);
  if (!config.isValid() || !file.open(QIODevice::WriteOnly) ||
      file.write("[common]\ntongue=0\nmode=0\nsound=0\nmusic=0\n") < 0) {
    Report("cannot write", settings);
    return 1;
  }
  file.close();
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());

  bool ok = true;
  {
    blivo::TMainForm window(blivo::TMainForm::Options{gameFolder.toStdString(), blivo::PlaceholderDialogs()});
    if (!window.created()) {
      Report("the game does not start from", gameFolder);
      return 1;
    }
    window.show();
    Settle();
    // The same boards at every build.
    blivo::Randomize(1996);
    for (int mode = 0; mode < 4; ++mode) {
      window.SelectPuzzle(mode);
      window.MixBtnClick();
      Settle();
      ok &= Take(window, output, kShots[mode]);
    }
  }
  return ok ? 0 : 1;
}
