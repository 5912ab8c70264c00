// The four windows of the program, created in their fixed order: the
// playfield first (it loads the bitmaps the others use), then the About
// window, the panel and the leaderboard.
#pragma once

#include <memory>

#include "FontWarmUp.h"
#include "TMainForm.h"

class TAboutBox;
class TCtrlForm;
class THighScoreForm;

struct TProgram {
    // First, so that it runs beside the playfield's creation.
    TFontWarmUp FontWarmUp;
    std::unique_ptr<TMainForm> MainForm;
    std::unique_ptr<TAboutBox> AboutBox;
    std::unique_ptr<TCtrlForm> CtrlForm;
    std::unique_ptr<THighScoreForm> HighScoreForm;

    explicit TProgram(const TMainFormOptions& options = {});
    ~TProgram();
};
