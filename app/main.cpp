// Blivo Turnix: four rotation puzzles in one window.
#include <QApplication>

#include "app/main_form.h"
#include "dialogs/dialog_set.h"
#include "help/hh.h"
#include "help/hh_funcs.h"

namespace {

int RunGame() {
  blivo::TMainForm mainForm({});
  if (!mainForm.created()) return 1;
  // The dialogs come after the main window, each made once for the whole run.
  blivo::DialogSet dialogs(&mainForm, mainForm.dialogBackground(), mainForm.settingsStore(),
                          [&mainForm] { mainForm.ApplyLanguage(); });
  mainForm.UseDialogs(dialogs.Calls(mainForm.dialogs()));
  mainForm.show();
  return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Blivo Turnix");
  // The help layer and its log are set up before any window and go last.
  blivo::InitHelpFunctions(argc, argv);
  blivo::LoadHelpLibrary();
  const int result = RunGame();
  blivo::UnloadHelpLibrary();
  blivo::DoneHelpFunctions();
  return result;
}
