// quellor.exe: the window program.

#include <windows.h>

#include <memory>

#include "app/main_form.h"
#include "ui/handles.h"
#include "ui/message_loop.h"

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
  try {
    // The shell's folder dialog needs COM on the window thread.
    const quellor::ui::ComApartment com;
    auto form = std::make_unique<quellor::MainForm>();
    form->MainWindow.ShowNormal();
    quellor::ui::RunMessageLoop();
    form->EndProcess();
  } catch (...) {
    // Nothing to report to: the program shows no message box.
  }
  return 0;
}
