// The desktop watermark window: one borderless, click-through, topmost, colour-keyed
// window over the primary work area that shows a text or icon picture after a lock change.
#pragma once

#include <memory>
#include <string>

#include "platform/platform.h"

namespace norvi {

class Program;

class TfloatTXT {
public:
    explicit TfloatTXT(Program& program);
    ~TfloatTXT();
    void FormCreate();

    // Compose a picture and hand it to the display surface; neither shows the window.
    void PaintText(int code, const std::string& text);
    void PaintIcon(int code);

    // The dispatcher's display steps: stop and start TimerTXT, then show the window.
    void restartTimeout();
    void showWatermark();
    // The indicator switches' hiding: TimerTXT off, window hidden.
    void hideWatermark();
    bool visible();

    void applyOpacity(int value);
    void applyTimeout(int milliseconds);

    std::unique_ptr<Timer> TimerTXT;
    std::unique_ptr<NativeWindow> window;

    TfloatTXT(const TfloatTXT&) = delete;
    TfloatTXT& operator=(const TfloatTXT&) = delete;

private:
    Program& p_;
};

}  // namespace norvi
