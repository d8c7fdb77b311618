// The about box: the program's name, the version of its own file and its picture. Created
// once at start-up and hidden; "About..." shows it without waiting for it.
#pragma once

#include <memory>
#include <string>

#include "platform/platform.h"

namespace norvi {

class Program;
class AboutWindow;

class Tfabout {
public:
    explicit Tfabout(Program& program);
    ~Tfabout();
    void FormCreate();
    // Each time the box becomes the active window.
    void FormActivate();
    // "About...": shows the box, or brings it to the front when it is already shown.
    void show();
    void XiButton5Click();  // "Close", also the title bar's close box
    bool visible() const { return visible_; }
    // The version line's text.
    const std::string& versionLine() const;
    // The window, or nullptr when the system gave none.
    AboutWindow* window() { return window_.get(); }

    Tfabout(const Tfabout&) = delete;
    Tfabout& operator=(const Tfabout&) = delete;

private:
    void fillVersion();
    Program& p_;
    std::unique_ptr<AboutWindow> window_;
    bool visible_ = false;
};

}  // namespace norvi
