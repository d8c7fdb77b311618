// The settings dialog's window on the fake platform, driven through its native window as
// a user would: clicks at the place a control shows, wheel turns, presses on the strips.
#pragma once

#include <functional>
#include <vector>

#include "fixture.h"
#include "settings/window/settings_window.h"
#include "ui/kit/check_box_view.h"
#include "ui/kit/edit_view.h"
#include "ui/kit/form.h"
#include "ui/kit/tab_strip_view.h"
#include "ui/kit/theme.h"
#include "ui/kit/view.h"

namespace norvi::test {

class SettingsWindowTest : public ProgramTest {
protected:
    Tfcolors& d() { return *program->fcolors; }
    SettingsWindow& sw() { return *program->fcolors->nativeWindow; }
    fake::FakeWindow& win() { return *pf.window(kSettingsClassName); }

    // Where a view's local point lies in the window's client area.
    static Point inForm(const ui::kit::View& view, Point local = {0, 0}) {
        const Point origin = view.fromForm({0, 0});
        return {local.x - origin.x, local.y - origin.y};
    }
    static Point centreOf(const ui::kit::View& view) {
        return inForm(view, {view.size().width / 2, view.size().height / 2});
    }
    void click(Point p, MouseButton b = MouseButton::Left) {
        win().onMouseDown(b, p);
        win().onMouseUp(b, p);
    }
    void click(const ui::kit::View& view) { click(centreOf(view)); }
    void wheel(int delta, Point p) { win().onMouseWheel(delta, p); }
    void selectTab(int index) { click(centreOf(sw().tabs(), sw().tabs().tabRect(index))); }
    static Point centreOf(const ui::kit::View& owner, const Rect& r) {
        return inForm(owner, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }

    // The view of the given kind showing the model, anywhere in the window.
    template <class ViewType, class Model>
    ViewType* viewOf(const Model& model) {
        ViewType* found = nullptr;
        std::function<void(ui::kit::View&)> walk = [&](ui::kit::View& v) {
            if (auto* typed = dynamic_cast<ViewType*>(&v); typed && &typed->model() == &model) found = typed;
            for (const auto& child : v.children()) walk(*child);
        };
        walk(sw().form().root());
        return found;
    }

    // Every view of the given kind that satisfies pick, in tree order.
    template <class ViewType, class Pick>
    std::vector<ViewType*> viewsWhere(const Pick& pick) {
        std::vector<ViewType*> found;
        std::function<void(ui::kit::View&)> walk = [&](ui::kit::View& v) {
            if (auto* typed = dynamic_cast<ViewType*>(&v); typed && pick(*typed)) found.push_back(typed);
            for (const auto& child : v.children()) walk(*child);
        };
        walk(sw().form().root());
        return found;
    }

    // Opens the dialog; while it is open, runs what the user does (the last step should
    // end it, e.g. with a click on OK).
    void whileOpen(const std::function<void()>& actions) {
        pf.prompts.whileModal.push_back(actions);
        program->mainform->Setcolors1Click();
    }
};

}  // namespace norvi::test
