// blivoturnix-help: the help viewer that lies beside the game.
//   blivoturnix-help FILE [CONTEXT-ID]   shows the topic (or the file's default topic)
//   blivoturnix-help --serve             takes its requests from standard input
//                                        (help/viewer_protocol.h), as the game runs it
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <string>

#include "help/help_viewer.h"
#include "help/viewer_protocol.h"
#include "platform/report.h"

namespace {

using blivo::HelpViewer;
namespace protocol = blivo::viewer_protocol;

void Report(const QString& line) {
  std::fprintf(stdout, "%s\n", line.toUtf8().constData());
  std::fflush(stdout);
}

// Standard input, a line at a time; its end ends the viewer.
class Requests {
 public:
  explicit Requests(HelpViewer& viewer) : viewer_(viewer), notifier_(STDIN_FILENO, QSocketNotifier::Read) {
    QObject::connect(&notifier_, &QSocketNotifier::activated, [this] { Read(); });
  }

 private:
  void Read() {
    char chunk[4096];
    const ssize_t n = ::read(STDIN_FILENO, chunk, sizeof chunk);
    if (n <= 0) {
      notifier_.setEnabled(false);
      QApplication::quit();
      return;
    }
    for (ssize_t i = 0; i < n; ++i) {
      if (chunk[i] != '\n') {
        if (pending_.size() < protocol::kMostLine) pending_ += chunk[i];
        else dropping_ = true;
        continue;
      }
      if (!dropping_) Handle(protocol::ParseLine(pending_));
      pending_.clear();
      dropping_ = false;
    }
  }

  void Handle(const protocol::Command& c) {
    switch (c.kind) {
      case protocol::Command::Show:
        viewer_.ShowContext(QString::fromStdString(c.file), c.contextId);
        viewer_.show();
        break;
      case protocol::Command::Raise:
        viewer_.show();
        viewer_.raise();
        viewer_.activateWindow();
        break;
      case protocol::Command::Close:
        viewer_.close();
        QApplication::quit();
        break;
      case protocol::Command::Unknown:
        blivo::ReportProblem("unknown request \"" + pending_ + "\"");
        break;
    }
  }

  HelpViewer& viewer_;
  QSocketNotifier notifier_;
  std::string pending_;
  bool dropping_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  blivo::SetReportingProgram("blivoturnix-help");
  const bool serve = argc == 2 && std::string(argv[1]) == "--serve";
  if (serve) {
    // Whatever becomes of the game, its help viewer goes with it.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() == 1) return 0;
  } else if (argc < 2 || argc > 3 || argv[1][0] == '-') {
    std::fprintf(stderr, "usage: blivoturnix-help FILE [CONTEXT-ID]\n       blivoturnix-help --serve\n");
    return 2;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName("Blivo Turnix");
  // The help belongs to the game: a desktop shows its window under the game's entry.
  QGuiApplication::setDesktopFileName("example.blivogames.BlivoTurnix");
  HelpViewer viewer;
  viewer.report = Report;
  if (serve) {
    // Closing the window only hides it; the game may ask again.
    QApplication::setQuitOnLastWindowClosed(false);
    Requests requests(viewer);
    return QApplication::exec();
  }
  const int contextId = argc == 3 ? std::atoi(argv[2]) : 0;
  viewer.ShowContext(QString::fromLocal8Bit(argv[1]), contextId);
  viewer.show();
  return QApplication::exec();
}
