// Loading the system's font configuration on a second thread while the
// playfield window loads its bitmaps. The About window lays out its texts
// when it is created, and the first text laid out waits for the font
// configuration; started early, that wait overlaps the work before it.
#pragma once

#include <thread>

class TFontWarmUp {
public:
    TFontWarmUp();
    ~TFontWarmUp();
    TFontWarmUp(const TFontWarmUp&) = delete;
    TFontWarmUp& operator=(const TFontWarmUp&) = delete;
    // Returns once the font configuration is loaded.
    void Wait();

private:
    std::thread thread_;
};
