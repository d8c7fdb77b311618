// Which sound a lock transition plays: the user's file when it exists, else the built-in
// WAVE resource; silent when the cue's box or the master switch is off.
#include "fixture.h"

namespace norvi::test {
namespace {

class SoundCueTest : public ProgramTest {
protected:
    void SetUp() override {
        start();
        pf.audio.played.clear();
    }
    Tfcolors& dialog() { return *program->fcolors; }
    // What the last call played: a file path, the built-in resource's name, or "silence".
    std::string played() {
        if (pf.audio.played.empty()) return "silence";
        const fake::PlayedSound& s = pf.audio.played.back();
        if (!s.file.empty()) return "file " + s.file;
        for (const BuiltInResource& r : kBuiltInResources) {
            const auto bytes = pf.res.find(r.name, r.type);
            if (bytes.data() == s.memory && bytes.size() == s.memoryBytes) return std::string("built-in ") + r.name;
        }
        return "unknown memory image";
    }
};

struct SlotCase {
    Lock lock;
    bool on;
    ui::CheckBox Tfcolors::*box;
    ui::Edit Tfcolors::*path;
    const char* resource;
};
constexpr SlotCase kSlots[] = {
    {Lock::Caps, true, &Tfcolors::cb1, &Tfcolors::Edit1, "CapsOn"},
    {Lock::Caps, false, &Tfcolors::cb2, &Tfcolors::Edit2, "CapsOff"},
    {Lock::Num, true, &Tfcolors::cb3, &Tfcolors::Edit3, "NumOn"},
    {Lock::Num, false, &Tfcolors::cb4, &Tfcolors::Edit4, "NumOff"},
};

TEST_F(SoundCueTest, EachTransitionHasItsOwnBoxPathAndBuiltInSound) {
    pf.disk.files["C:\\sounds\\mine.wav"] = "RIFF";
    for (const SlotCase& s : kSlots) {
        SCOPED_TRACE(s.resource);
        (dialog().*s.path).setText("Default");
        program->sounds.playLockSound(s.lock, s.on);
        EXPECT_EQ(played(), std::string("built-in ") + s.resource);

        (dialog().*s.path).setText("C:\\sounds\\mine.wav");
        program->sounds.playLockSound(s.lock, s.on);
        EXPECT_EQ(played(), "file C:\\sounds\\mine.wav");

        pf.audio.played.clear();
        (dialog().*s.box).setChecked(false);
        program->sounds.playLockSound(s.lock, s.on);
        EXPECT_EQ(played(), "silence") << "its box unchecked";
        (dialog().*s.box).setChecked(true);
    }
}

struct PathCase {
    const char* what;
    std::string path;
    std::string expected;
};

TEST_F(SoundCueTest, OnlyAnExistingFileCountsAsAFile) {
    pf.disk.files["C:\\sounds\\noise.txt"] = "not a wave at all";
    pf.disk.files["Default"] = "a file that happens to be called Default";
    pf.disk.directories["C:\\sounds"] = false;
    pf.disk.files["C:\\sounds\\\xC5\xA1um.wav"] = "RIFF";
    const PathCase cases[] = {
        {"the default", "Default", "built-in CapsOn"},
        {"empty", "", "built-in CapsOn"},
        {"a deleted file", "C:\\sounds\\gone.wav", "built-in CapsOn"},
        {"a folder", "C:\\sounds", "built-in CapsOn"},
        {"a folder with a trailing backslash", "C:\\sounds\\", "built-in CapsOn"},
        {"a file that is not a WAVE: the platform decides", "C:\\sounds\\noise.txt", "file C:\\sounds\\noise.txt"},
        {"a non-ANSI name", "C:\\sounds\\\xC5\xA1um.wav", "file C:\\sounds\\\xC5\xA1um.wav"},
        {"a very long path", std::string(5000, 'x'), "built-in CapsOn"},
    };
    for (const PathCase& c : cases) {
        dialog().Edit1.setText(c.path);
        pf.audio.played.clear();
        program->sounds.playLockSound(Lock::Caps, true);
        EXPECT_EQ(played(), c.expected) << c.what;
    }
}

TEST_F(SoundCueTest, TheBuiltInPlayersPlayTheirResourceFromMemory) {
    program->sounds.ScapsOn();
    EXPECT_EQ(played(), "built-in CapsOn");
    program->sounds.ScapsOff();
    EXPECT_EQ(played(), "built-in CapsOff");
    program->sounds.SnumOn();
    EXPECT_EQ(played(), "built-in NumOn");
    program->sounds.SnumOff();
    EXPECT_EQ(played(), "built-in NumOff");
    EXPECT_EQ(pf.audio.played.back().memoryBytes, 44u + 74126u) << "the whole RIFF image";
}

TEST_F(SoundCueTest, AMissingResourceIsSilent) {
    pf.res.items.erase("NumOff");
    program->sounds.SnumOff();
    program->sounds.playLockSound(Lock::Num, false);
    EXPECT_EQ(played(), "silence");
    pf.res.items["CapsOn"].erase("WAVE");
    pf.res.items["CapsOn"]["RCDATA"] = {1, 2, 3};
    program->sounds.playLockSound(Lock::Caps, true);
    EXPECT_EQ(played(), "silence") << "only the WAVE type counts";
}

TEST_F(SoundCueTest, ResourceNamesMatchWithoutRegardToCase) {
    const auto bytes = pf.res.items["CapsOn"]["WAVE"];
    pf.res.items.erase("CapsOn");
    pf.res.items["CAPSON"]["wave"] = bytes;
    program->sounds.ScapsOn();
    ASSERT_EQ(pf.audio.played.size(), 1u);
    EXPECT_EQ(pf.audio.played[0].memoryBytes, bytes.size());
}

}  // namespace
}  // namespace norvi::test
