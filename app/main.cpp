// Blivo Turnix: four rotation puzzles in one window.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/main_form.h"
#include "dialogs/dialog_set.h"
#include "help/hh.h"
#include "help/hh_funcs.h"

namespace {

// For the start-up benchmark: the program ends as soon as its board has been
// painted the first time.
class EndAfterFirstPaint : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) QTimer::singleShot(0, [] { std::_Exit(0); });
    return false;
  }
};

// A text asked for on the command line; an output that cannot take it is a failure.
int Print(const std::string& text) {
  if (std::fputs(text.c_str(), stdout) < 0 || std::fflush(stdout) != 0) {
    std::perror("blivoturnix: cannot write to standard output");
    return 1;
  }
  return 0;
}

int RunGame() {
  blivo::TMainForm mainForm({});
  if (!mainForm.created()) return 1;
  // The dialogs come after the main window, each made once for the whole run,
  // as soon as the board is on the screen: none is shown before that.
  std::optional<blivo::DialogSet> dialogs;
  mainForm.AfterFirstPaint([&] {
    dialogs.emplace(&mainForm, mainForm.dialogBackground(), mainForm.settingsStore(),
                    [&mainForm] { mainForm.ApplyLanguage(); });
    mainForm.UseDialogs(dialogs->Calls(mainForm.dialogs()));
  });
  EndAfterFirstPaint probe;
  if (qEnvironmentVariableIsSet("BLIVO_EXIT_AFTER_FIRST_PAINT"))
    if (QWidget* board = mainForm.findChild<QWidget*>("box")) board->installEventFilter(&probe);
  mainForm.show();
  return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
  // The command line as the program got it: the toolkit takes its own options out of argv.
  const std::vector<std::string> commandLine(argv, argv + argc);
  // Answered before the toolkit starts: no display is needed for them.
  switch (blivo::ReadCommandLine(commandLine)) {
    case blivo::CommandLineRequest::ShowHelp: return Print(blivo::HelpText());
    case blivo::CommandLineRequest::ShowVersion: return Print(blivo::VersionText());
    case blivo::CommandLineRequest::StartGame: break;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName("Blivo Turnix");
  // The desktop ties the window to its menu entry and icon by this name.
  QGuiApplication::setDesktopFileName("example.blivogames.BlivoTurnix");
  // The help layer and its log are set up before any window and go last.
  blivo::InitHelpFunctions(commandLine);
  blivo::LoadHelpLibrary();
  const int result = RunGame();
  blivo::UnloadHelpLibrary();
  blivo::DoneHelpFunctions();
  return result;
}
