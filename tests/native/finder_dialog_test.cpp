// The sound finder dialog on the fake platform: its window, the search through its
// controls, listening, OK and Cancel (also in the middle of a search), and what it keeps
// between openings.
#include "fixture.h"
#include "settings/finder/finder_window.h"
#include "settings/window/settings_window.h"
#include "ui/kit/geometry.h"
#include "ui/kit/virtual_keys.h"

namespace norvi::test {
namespace {

class FinderDialog : public ProgramTest {
protected:
    static constexpr const char* kDesktop = "C:\\Users\\Tester\\Desktop";

    TfFind& finder() { return *program->fFind; }
    FinderWindow& w() { return *finder().window(); }
    fake::FakeWindow& native() { return *pf.window("TfFind"); }

    void folder(const std::string& path) { pf.disk.directories[path] = false; }
    void sound(const std::string& path) { pf.disk.files[path] = "RIFF"; }

    // A user's click in the middle of a view of the finder.
    void click(const ui::kit::View& v) {
        const Rect b = v.bounds();
        const Point p{b.left + b.width() / 2, b.top + b.height() / 2};
        native().onMouseDown(MouseButton::Left, p);
        native().onMouseUp(MouseButton::Left, p);
    }
    // A click on row `row` of the result list, and a double click there.
    Point listRow(int row) {
        const Rect b = w().ListBox1->bounds();
        return {b.left + 20, b.top + 1 + row * darkTheme().listBox.rowHeight + 5};
    }
    void clickRow(int row) {
        native().onMouseDown(MouseButton::Left, listRow(row));
        native().onMouseUp(MouseButton::Left, listRow(row));
    }
    void doubleClickRow(int row) {
        clickRow(row);
        native().onDoubleClick(listRow(row));
        native().onMouseUp(MouseButton::Left, listRow(row));
    }
    // Opens the finder through a find button's hook, doing `whileOpen` in turn.
    std::optional<std::string> openFinder(std::vector<std::function<void()>> whileOpen) {
        for (auto& action : whileOpen) pf.prompts.whileModal.push_back(std::move(action));
        auto answer = program->fcolors->findSoundFile();
        EXPECT_EQ(pf.prompts.modalsLeftOpen, 0) << "the finder was left open";
        return answer;
    }
    // The middle-left of row `row` of the chooser's open list, below its 22-pixel box.
    Point chooserRow(int row) {
        const Rect b = w().Scb->bounds();
        return {b.left + 30, b.top + 22 + 1 + row * darkTheme().listBox.rowHeight + 4};
    }
    std::vector<std::string> listed() { return w().ListBox1->items(); }
    const ui::kit::Theme& darkTheme() { return ui::kit::darkTheme(); }

    // Thirty folders on the desktop, one sound in each: a search long enough to interrupt.
    void makeWideTree() {
        const std::string root = kDesktop;
        folder(root);
        for (int i = 0; i < 30; ++i) {
            folder(root + "\\f" + std::to_string(i));
            sound(root + "\\f" + std::to_string(i) + "\\s.wav");
        }
    }
    // A small tree on the desktop, its sounds in several folders and cases.
    void makeTree() {
        const std::string d = kDesktop;
        for (const char* f : {"", "\\b", "\\C", "\\C\\deep", "\\a", "\\.hidden"}) folder(d + f);
        for (const char* s : {"\\z.wav", "\\b\\Ding.WAV", "\\C\\deep\\chime.wav", "\\a\\Zap.Wav", "\\.hidden\\h.wav",
                              "\\A.wav", "\\a\\notes.txt", "\\a\\loop.wave", "\\b\\x.wav.txt"})
            sound(d + s);
    }
};

TEST_F(FinderDialog, WindowIsTheBorderlessCentredDialogWithItsControls) {
    start();
    fake::FakeWindow& win = native();
    EXPECT_EQ(win.args.title, "Norvi - find Wav");
    EXPECT_FALSE(win.isVisible());
    EXPECT_FALSE(finder().visible());
    pf.prompts.whileModal.push_back([&] {
        EXPECT_TRUE(win.isVisible());
        EXPECT_TRUE(finder().visible());
        EXPECT_EQ(win.bounds(), Rect::fromSize((1920 - 572) / 2, (1080 - 654) / 2, 572, 654));
        finder().BitBtn2Click();
    });
    EXPECT_EQ(finder().showModal(), DialogResult::Cancel);
    EXPECT_FALSE(win.isVisible());

    const Bitmap& picture = win.picture;
    ASSERT_EQ(picture.width(), 572);
    ASSERT_EQ(picture.height(), 654);
    EXPECT_EQ(picture.pixel(5, 300), 0x00544A43u) << "background";
    EXPECT_EQ(picture.pixel(0, 300), darkTheme().colours.buttonBorder) << "single-line border";
    EXPECT_EQ(picture.pixel(571, 653), darkTheme().colours.buttonBorder);
    const Rect heading = w().heading->bounds();
    EXPECT_FALSE(ui::kit::isEmpty(ui::kit::intersection(boxOf(picture, 0x00EEEEEE), heading))) << "the heading's ink";
    EXPECT_EQ(w().stField->bounds().width(), 507);
    EXPECT_EQ(w().playButton->size(), (Size{23, 22}));
    EXPECT_EQ(w().ListBox1->size(), (Size{539, 492}));
    EXPECT_EQ(w().Scb->bounds().width(), 395);
    const Rect list = w().ListBox1->bounds();
    EXPECT_EQ(picture.pixel(list.left + 100, list.top + 100), 0x00FFFFFFu) << "a white list";
    EXPECT_TRUE(w().stField->readOnly());
    // Cancel left of OK, both at the bottom right.
    EXPECT_LT(w().cancelButton->bounds().right, w().okButton->bounds().left);
    EXPECT_GT(w().okButton->bounds().top, list.bottom);
    EXPECT_EQ(w().okButton->bounds().right, w().ListBox1->bounds().right);
}

TEST_F(FinderDialog, FindsTheSoundsOfTheChosenFolderSortedWithoutRegardToCase) {
    makeTree();
    start();
    const auto answer = openFinder({[&] {
                                        ASSERT_EQ(w().Scb->selectedPath(), kDesktop) << "the desktop is chosen at first";
                                        click(*w().findButton);
                                    },
                                    [&] { finder().BitBtn1Click(); }});
    const std::string d = kDesktop;
    EXPECT_EQ(listed(), (std::vector<std::string>{d + "\\.hidden\\h.wav", d + "\\A.wav", d + "\\a\\Zap.Wav",
                                                  d + "\\b\\Ding.WAV", d + "\\C\\deep\\chime.wav", d + "\\z.wav"}));
    EXPECT_EQ(answer, std::string()) << "OK with nothing chosen gives an empty text";
}

TEST_F(FinderDialog, TheChooserOffersThePlacesAndSearchesTheOneChosen) {
    const std::string sounds = std::string(kDesktop) + "\\Sounds";
    makeTree();
    folder(sounds);
    sound(sounds + "\\song.wav");
    start();
    EXPECT_TRUE(w().Scb->places().empty()) << "the shell is asked only when the finder first opens";
    pf.prompts.whileModal.push_back([&] {
        ASSERT_EQ(w().Scb->places().size(), pf.disk.places.size());
        ASSERT_EQ(w().Scb->places()[6].name, "Sounds");
        click(*w().Scb);
        ASSERT_TRUE(w().Scb->isOpen());
        // "Sounds" is the seventh place; the open list lies under the box.
        native().onMouseDown(MouseButton::Left, chooserRow(6));
        native().onMouseUp(MouseButton::Left, chooserRow(6));
    });
    pf.prompts.whileModal.push_back([&] {
        EXPECT_FALSE(w().Scb->isOpen());
        EXPECT_EQ(w().Scb->selectedPath(), sounds);
        click(*w().findButton);
    });
    pf.prompts.whileModal.push_back([&] { finder().BitBtn2Click(); });
    EXPECT_EQ(openFinder({}), std::nullopt);
    EXPECT_EQ(listed(), (std::vector<std::string>{sounds + "\\song.wav"}));

    // The next opening keeps the places and the choice it had.
    pf.disk.places.push_back({"Later", "C:\\Later", 1, {}});
    pf.prompts.whileModal.push_back([&] {
        EXPECT_EQ(w().Scb->places().size(), pf.disk.places.size() - 1);
        EXPECT_EQ(w().Scb->selectedPath(), sounds);
        finder().BitBtn2Click();
    });
    EXPECT_EQ(openFinder({}), std::nullopt);
}

TEST_F(FinderDialog, AVirtualFolderOfTheChooserSearchesNothing) {
    makeTree();
    start();
    const auto answer = openFinder({[&] {
                                        ASSERT_EQ(w().Scb->places().at(2).name, "This PC");
                                        click(*w().Scb);
                                        native().onMouseDown(MouseButton::Left, chooserRow(2));
                                        native().onMouseUp(MouseButton::Left, chooserRow(2));
                                        EXPECT_EQ(w().Scb->selectedPath(), "");
                                        click(*w().findButton);
                                    },
                                    [&] { click(*w().okButton); }});
    EXPECT_TRUE(listed().empty());
    EXPECT_EQ(answer, std::string());
}

TEST_F(FinderDialog, TheChooserShowsEachFoldersIconIndentedByItsDepthOnTheRowsColour) {
    start();
    // The places come with the first opening.
    openFinder({[&] {
        run(10);  // the repaint after the places came
        const ui::kit::ListBoxStyle& style = darkTheme().listBox;
        const Rect b = w().Scb->bounds();
        const std::vector<FolderPlace>& places = pf.disk.places;
        // An icon's opaque middle, a half-opaque ring pixel and a transparent corner, at its
        // top-left corner `at` of the picture, over a row of colour `row`.
        const auto expectIcon = [&](Point at, const FolderPlace& place, Colour row, const std::string& what) {
            const Bitmap& pic = native().picture;
            const Colour c = place.icon.pixel(8, 8);
            const auto half = [](int a, int b) { return (a * 128 + b * 127 + 127) / 255; };
            EXPECT_EQ(pic.pixel(at.x + 8, at.y + 8), c) << what;
            EXPECT_EQ(pic.pixel(at.x + 3, at.y + 12), c) << what;
            EXPECT_EQ(pic.pixel(at.x + 2, at.y + 7),
                      rgb(half(redOf(c), redOf(row)), half(greenOf(c), greenOf(row)), half(blueOf(c), blueOf(row))))
                << what << ": the ring blends with the row";
            EXPECT_EQ(pic.pixel(at.x, at.y), row) << what << ": no fringe where the icon is transparent";
            EXPECT_EQ(pic.pixel(at.x + 15, at.y + 15), row) << what;
        };
        // Closed: the chosen desktop's icon at the box's left, on the box's white.
        ASSERT_EQ(w().Scb->selected(), 0);
        expectIcon({b.left + 1 + style.padding, b.top + 3}, places[0], style.background, "closed box");

        click(*w().Scb);
        ASSERT_TRUE(w().Scb->isOpen());
        ASSERT_EQ(w().Scb->bounds().height(), 22 + static_cast<int>(places.size()) * style.rowHeight + 2);
        for (std::size_t i = 0; i < places.size(); ++i) {
            const Point row = chooserRow(static_cast<int>(i));
            const int iconLeft = b.left + 1 + style.padding + places[i].depth * FolderChooserView::kIndentPerDepth;
            const Point at{iconLeft, row.y - 4};
            // The chosen row is blue, with its icon blended on the blue.
            expectIcon(at, places[i], i == 0 ? style.selected : style.background, places[i].name);
            // The name starts right of the icon: its first ink lies in the name's place.
            const Bitmap& pic = native().picture;
            const Colour ink = i == 0 ? style.selectedText : style.text;
            int firstInk = -1;
            for (int x = b.left + 1; x < b.right - 1 && firstInk < 0; ++x)
                for (int y = at.y; y < at.y + style.rowHeight; ++y)
                    if (x >= iconLeft + 16 && pic.pixel(x, y) == ink) firstInk = x;
            EXPECT_GE(firstInk, iconLeft + 16 + 4) << places[i].name;
            EXPECT_LT(firstInk, iconLeft + 16 + 4 + 8) << places[i].name;
        }
        // The list is at most twelve rows tall; more scroll.
        std::vector<FolderPlace> many;
        for (int i = 0; i < 20; ++i) many.push_back({"F" + std::to_string(i), "C:\\F" + std::to_string(i), 1, {}});
        w().Scb->setPlaces(many);
        w().Scb->setOpen(true);
        EXPECT_EQ(w().Scb->bounds().height(), 22 + 12 * style.rowHeight + 2);
        finder().BitBtn2Click();
    }});
}

TEST_F(FinderDialog, ASearchShowsTheBusyCursorOverTheBackgroundAndTheArrowOverThePlayButton) {
    makeWideTree();
    start();
    const Point background{300, 8};
    const Rect play = w().playButton->bounds();
    const Point onPlay{play.left + play.width() / 2, play.top + play.height() / 2};
    EXPECT_EQ(native().cursorAt(background), CursorKind::Arrow);
    int busyChecks = 0;
    int refreshesAtStart = -1;
    pf.clock.onProcessMessages = [&] {
        if (listed().size() == 3) {
            if (refreshesAtStart < 0) refreshesAtStart = native().cursorRefreshes;
            ++busyChecks;
            EXPECT_EQ(native().cursorAt(background), CursorKind::Busy);
            EXPECT_EQ(native().cursorAt(onPlay), CursorKind::Arrow);
        }
    };
    const auto answer = openFinder({[&] {
                                        const int before = native().cursorRefreshes;
                                        click(*w().findButton);
                                        EXPECT_EQ(native().cursorAt(background), CursorKind::Arrow)
                                            << "the arrow again after the search";
                                        EXPECT_EQ(native().cursorRefreshes, before + 2)
                                            << "both changes showed at once";
                                    },
                                    [&] { click(*w().okButton); }});
    pf.clock.onProcessMessages = nullptr;
    EXPECT_GT(busyChecks, 0);
    EXPECT_EQ(listed().size(), 30u);
}

TEST_F(FinderDialog, QuittingDuringASearchStopsItAtOnceAndTheProgramStillQuits) {
    makeWideTree();
    start();
    std::size_t listedAtQuit = 0;
    pf.clock.onProcessMessages = [&] {
        if (listedAtQuit == 0 && listed().size() == 5) {
            listedAtQuit = listed().size();
            program->mainform->FormClose();  // "Exit", or the session ending
        }
    };
    const auto answer = openFinder({[&] { click(*w().findButton); }});
    pf.clock.onProcessMessages = nullptr;
    EXPECT_EQ(answer, std::nullopt);
    EXPECT_EQ(finder().modalResult(), DialogResult::Cancel);
    EXPECT_FALSE(finder().searchActive());
    EXPECT_EQ(listed().size(), listedAtQuit) << "the search stopped at once";
    EXPECT_FALSE(native().isVisible());
    EXPECT_TRUE(pf.clock.quitRequested()) << "the quit is still there for the program's loop";
    EXPECT_EQ(native().cursorAt({300, 8}), CursorKind::Arrow);
}

TEST_F(FinderDialog, AClickChoosesADoubleClickAndThePlayButtonListen) {
    makeTree();
    start();
    const std::string d = kDesktop;
    std::optional<std::string> answer = openFinder({
        [&] { click(*w().findButton); },
        [&] {
            clickRow(1);
            EXPECT_EQ(finder().st.text(), d + "\\A.wav");
            EXPECT_TRUE(pf.audio.played.empty()) << "a click only chooses";
            doubleClickRow(3);
            EXPECT_EQ(finder().st.text(), d + "\\b\\Ding.WAV");
            ASSERT_EQ(pf.audio.played.size(), 1u);
            EXPECT_EQ(pf.audio.played.back().file, d + "\\b\\Ding.WAV");
            // A double click below the last entry plays nothing.
            native().onDoubleClick(listRow(40));
            native().onMouseUp(MouseButton::Left, listRow(40));
            EXPECT_EQ(pf.audio.played.size(), 1u);
            click(*w().playButton);
            ASSERT_EQ(pf.audio.played.size(), 2u);
            EXPECT_EQ(pf.audio.played.back().file, d + "\\b\\Ding.WAV");
        },
        [&] { click(*w().okButton); },
    });
    EXPECT_EQ(answer, d + "\\b\\Ding.WAV");
}

TEST_F(FinderDialog, CancelDuringASearchStopsItAndClosesWithCancel) {
    makeWideTree();
    start();
    std::size_t listedAtCancel = 0;
    pf.clock.onProcessMessages = [&] {
        if (listedAtCancel == 0 && listed().size() == 5) {
            listedAtCancel = listed().size();
            click(*w().cancelButton);  // the user presses Cancel while the search runs
        }
    };
    const auto answer = openFinder({[&] { click(*w().findButton); }});
    pf.clock.onProcessMessages = nullptr;
    EXPECT_EQ(answer, std::nullopt);
    EXPECT_EQ(finder().modalResult(), DialogResult::Cancel);
    EXPECT_FALSE(finder().searchActive());
    EXPECT_EQ(listed().size(), listedAtCancel) << "the search stopped at once";
    EXPECT_FALSE(native().isVisible());
}

TEST_F(FinderDialog, OkDuringASearchReturnsTheFileChosenSoFar) {
    const std::string root = std::string(kDesktop);
    makeWideTree();
    start();
    bool pressed = false;
    pf.clock.onProcessMessages = [&] {
        if (!pressed && listed().size() == 4) {
            pressed = true;
            clickRow(0);
            click(*w().okButton);
        }
    };
    const auto answer = openFinder({[&] { click(*w().findButton); }});
    pf.clock.onProcessMessages = nullptr;
    EXPECT_EQ(answer, root + "\\f0\\s.wav");
    EXPECT_LT(listed().size(), 30u);
}

TEST_F(FinderDialog, ReopeningShowsTheSameListAndChoiceAndOkGivesTheFileAgain) {
    makeTree();
    start();
    const auto first = openFinder({[&] { click(*w().findButton); }, [&] { clickRow(2); }, [&] { click(*w().okButton); }});
    const auto list = listed();
    ASSERT_EQ(list.size(), 6u);
    const auto again = openFinder({[&] {
        EXPECT_EQ(listed(), list);
        EXPECT_EQ(w().ListBox1->selected(), 2);
        click(*w().okButton);
    }});
    EXPECT_EQ(again, first);
    EXPECT_EQ(again, std::string(kDesktop) + "\\a\\Zap.Wav");
}

TEST_F(FinderDialog, TheSoundsPageTakesTheChosenFileAndKeepsItsFieldOnAnEmptyChoice) {
    makeTree();
    start();
    Tfcolors& d = *program->fcolors;
    pf.prompts.whileModal = {[&] { click(*w().findButton); }, [&] { click(*w().okButton); }};
    d.findSoundClick(1);
    EXPECT_EQ(d.Edit1.text(), "Default") << "OK with an empty choice changes nothing";
    pf.prompts.whileModal = {[&] { clickRow(0); }, [&] { click(*w().okButton); }};
    d.findSoundClick(1);
    EXPECT_EQ(d.Edit1.text(), std::string(kDesktop) + "\\.hidden\\h.wav");
    pf.prompts.whileModal = {[&] { clickRow(1); }, [&] { click(*w().cancelButton); }};
    d.findSoundClick(1);
    EXPECT_EQ(d.Edit1.text(), std::string(kDesktop) + "\\.hidden\\h.wav") << "Cancel changes nothing";
}

TEST_F(FinderDialog, WhileShownTheSettingsDialogIsNotTopmostAndASecondOpeningOnlyRaisesIt) {
    start();
    Tfcolors& d = *program->fcolors;
    pf.prompts.whileModal.push_back([&] {
        d.Timer1Timer();
        EXPECT_FALSE(d.topmost());
        const int raised = native().bringToFrontCalls;
        EXPECT_EQ(finder().showModal(), DialogResult::Cancel);
        EXPECT_EQ(native().bringToFrontCalls, raised + 1);
        EXPECT_TRUE(finder().visible()) << "the open finder stays open";
        click(*w().okButton);
    });
    EXPECT_EQ(finder().showModal(), DialogResult::OK);
    EXPECT_EQ(pf.prompts.modalRuns, 1);
    d.Timer1Timer();
    EXPECT_TRUE(d.topmost());
}

TEST_F(FinderDialog, KeysAndTheWindowsCloseAnswerAndABareBackgroundPressMovesIt) {
    start();
    const struct {
        std::function<void()> act;
        DialogResult result;
    } cases[] = {
        {[&] { native().onKeyDown(ui::kit::kVkReturn, {}); }, DialogResult::OK},
        {[&] { native().onKeyDown(ui::kit::kVkEscape, {}); }, DialogResult::Cancel},
        {[&] { native().close(); }, DialogResult::Cancel},
    };
    for (const auto& c : cases) {
        pf.prompts.whileModal.push_back(c.act);
        EXPECT_EQ(finder().showModal(), c.result);
    }
    const int moves = native().systemMoves;
    native().onMouseDown(MouseButton::Left, {300, 8});
    EXPECT_EQ(native().systemMoves, moves + 1);
    clickRow(0);
    EXPECT_EQ(native().systemMoves, moves + 1) << "a press on the list is no move";
}

TEST_F(FinderDialog, TheChoosersOpenListClosesWhenTheUserTurnsAwayWithoutChoosing) {
    makeTree();
    start();
    struct Case {
        const char* what;
        std::function<void()> act;
    };
    const Case cases[] = {
        {"the window loses the focus", [&] { native().onFocusLost(); }},
        {"a press on the play button", [&] { click(*w().playButton); }},
        {"Escape", [&] { native().onKeyDown(ui::kit::kVkEscape, {}); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        pf.prompts.whileModal.push_back([&] {
            native().onFocusGained();
            click(*w().findButton);
            ASSERT_FALSE(listed().empty());
            finder().st.setText(listed().front());  // what the play button would play
            pf.audio.played.clear();
            click(*w().Scb);
            ASSERT_TRUE(w().Scb->isOpen());
            c.act();
            EXPECT_FALSE(w().Scb->isOpen());
            EXPECT_EQ(w().Scb->selected(), 0) << "the choice stays";
            EXPECT_TRUE(pf.audio.played.empty()) << "the press only closed the list";
            EXPECT_TRUE(finder().visible()) << "the finder stays open";
            finder().BitBtn2Click();
        });
        finder().showModal();
    }
}

}  // namespace
}  // namespace norvi::test

namespace norvi::test {
namespace {

// Modal as the system's choosers are: the settings dialog owns the finder and takes no
// input while it runs, and it is enabled again before the finder hides, so that the
// system hands the activation back to it.
TEST_F(FinderDialog, TheSettingsDialogIsDisabledWhileTheFinderRuns) {
    start();
    Tfcolors& d = *program->fcolors;
    fake::FakeWindow& settings = *pf.window(kSettingsClassName);
    EXPECT_EQ(native().args.owner, settings.handle());
    pf.prompts.whileModal.push_back([&] { d.findSoundClick(1); });  // in the settings dialog
    pf.prompts.whileModal.push_back([&] {                           // in the finder
        EXPECT_FALSE(settings.enabled);
        // The tray's "Settings" meanwhile: the finder, not the disabled dialog, comes forward.
        const int raised = native().bringToFrontCalls;
        program->mainform->Setcolors1Click();
        EXPECT_EQ(native().bringToFrontCalls, raised + 1);
        EXPECT_EQ(pf.desk.foreground, native().handle());
        click(*w().cancelButton);
    });
    pf.prompts.whileModal.push_back([&] { d.cancelClick(); });
    pf.windowJournal.clear();
    program->mainform->Setcolors1Click();
    EXPECT_EQ(pf.prompts.modalsLeftOpen, 0);
    EXPECT_TRUE(settings.enabled);
    const auto& j = pf.windowJournal;
    const auto at = [&](const std::string& event) { return std::find(j.begin(), j.end(), event) - j.begin(); };
    ASSERT_LT(at("hide TfFind"), static_cast<long>(j.size()));
    EXPECT_LT(at("disable Tfcolors"), at("show TfFind"));
    EXPECT_LT(at("enable Tfcolors"), at("hide TfFind")) << "enabled before the finder hides";
}

}  // namespace
}  // namespace norvi::test
