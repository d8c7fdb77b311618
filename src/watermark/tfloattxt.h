// The desktop watermark window: one borderless, click-through, topmost, colour-keyed
// window that shows a text or icon picture over the primary work area after a lock change.
// The window is only as large as the picture it shows.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "watermark/watermark_state.h"

namespace norvi {

class Program;

class TfloatTXT {
public:
    explicit TfloatTXT(Program& program);
    ~TfloatTXT();
    void FormCreate();
    // The window became the active one: keep the application window's taskbar button away.
    void FormActivate();

    // Compose a picture and hand it to the display surface; neither shows the window.
    void PaintText(int code, const std::string& text);
    void PaintIcon(int code);

    // The dispatcher's display steps: stop and start TimerTXT, then show the window.
    void restartTimeout();
    void showWatermark();
    // The indicator switches' hiding: TimerTXT off, window hidden.
    void hideWatermark();
    bool visible();

    // The timeout: re-asserts topmost, then wipes the picture unless it is to stay.
    void TimerTXTTimer();
    // Replaces the picture by a full-screen one of the key colour: nothing shows.
    void BrisiSliko();
    // Sends the visible watermark to the next display of the system's list.
    void xiNextMonitorClick();

    // Loads the four source images and prepares their recoloured working images (iconImages).
    void naloziImage();
    // Paints the working images in the icon colour and gives the settings page's preview a
    // copy of the Caps-on one.
    void recolourIcons(Colour iconColour);

    void applyOpacity(int value);
    void applyTimeout(int milliseconds);

    // Image321, the display surface. A picture composed with its top-left corner at
    // canvasAt on a canvas of the given size is seen where that canvas, centred unscaled on
    // the frame, puts it; the window takes the place and size of the part that is seen.
    void showOnSurface(Bitmap picture, Point canvasAt, Size canvas);
    // Nothing of the picture on show is seen any more; the window stays where it is.
    void dropPicture();
    // The window shrinks to a blank of a few pixels of key colour: shown, but invisible.
    void showBlank();
    // What the watermark covers: the primary work area until it is sent to a display, then
    // that display's full bounds.
    Rect frame();

    std::unique_ptr<Timer> TimerTXT;
    std::unique_ptr<NativeWindow> window;
    // The blank picture shown for a moment when the timeout wipes the watermark.
    const Bitmap Image1{16, 16, 32, kKeyColour};
    // The built-in icon pictures as stored (Caps on, Caps off, Num on, Num off); never changed.
    Bitmap slikaCON, SlikaCoFF, slikanon, slikanoff;

    TfloatTXT(const TfloatTXT&) = delete;
    TfloatTXT& operator=(const TfloatTXT&) = delete;

private:
    Program& p_;
    // Shows the composed picture at its place on the current frame.
    void placeComposed();

    // True until the window is sent to another display: it then keeps to display_.
    bool followsWorkArea_ = true;
    Rect display_;
    // The picture on show and where it was composed, so a move to another display shows it
    // there without composing it again; nothing while the blank shows.
    struct Composed {
        Bitmap picture;
        Point canvasAt;
        Size canvas;
    };
    std::optional<Composed> composed_;
    // Counts cues shown, so the timeout can tell that one arrived while messages ran.
    unsigned cuesShown_ = 0;
};

}  // namespace norvi
