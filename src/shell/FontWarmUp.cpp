#include "FontWarmUp.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

// Fontconfig loads its configuration once per process and is safe to call
// from any thread; Qt's own later call then finds it loaded.
TFontWarmUp::TFontWarmUp() {
    try {
        thread_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to spare: Qt loads the configuration itself when needed.
    }
}

TFontWarmUp::~TFontWarmUp() { Wait(); }

void TFontWarmUp::Wait() {
    if (thread_.joinable()) thread_.join();
}
