#include "Program.h"

#include "TAboutBox.h"
#include "TCtrlForm.h"
#include "THighScoreForm.h"

TProgram::TProgram(const TMainFormOptions& options)
    : MainForm(std::make_unique<TMainForm>(options)),
      AboutBox((FontWarmUp.Wait(), std::make_unique<TAboutBox>(MainForm->Bitmaps))),
      CtrlForm(std::make_unique<TCtrlForm>(*MainForm)),
      HighScoreForm(std::make_unique<THighScoreForm>(MainForm->Bitmaps)) {
    MainForm->AttachWindows(AboutBox.get(), CtrlForm.get(), HighScoreForm.get());
}

TProgram::~TProgram() {
    // The playfield's handlers refer to the other windows: detach them first.
    MainForm->AttachWindows(nullptr, nullptr, nullptr);
    HighScoreForm.reset();
    CtrlForm.reset();
    AboutBox.reset();
}
