// Writes Norvi's built-in pictures and sounds, or checks that the committed ones are what
// this program writes:
//   norvi_artwork <folder>          write every file into the folder
//   norvi_artwork --check <folder>  exit 1 when a file there is missing or different
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "cue_sounds.h"
#include "ico_file.h"
#include "keycap_art.h"
#include "resources/bmp_image.h"
#include "resources/built_in_resources.h"
#include "tray_glyphs.h"
#include "watermark_icons.h"

namespace {

using namespace norvi;
using Bytes = std::vector<std::uint8_t>;

// Corners outside the keycap take the tray's transparent key colour.
constexpr Colour kTrayTransparent = 0x00000066;
// The about box shows the picture on the system's dialog face colour.
constexpr Colour kDialogFace = 0x00F0F0F0;

Bytes bmp(const Bitmap& picture, int bits) {
    auto file = encodeBmp(picture, bits);
    if (!file) {
        std::fprintf(stderr, "norvi_artwork: a picture does not fit %d bits per pixel\n", bits);
        std::exit(2);
    }
    return *file;
}

Bytes cue(const char* name) {
    for (const auto& c : artwork::cueSounds())
        if (std::strcmp(c.resourceName, name) == 0) return artwork::renderCue(c);
    std::fprintf(stderr, "norvi_artwork: no sound for %s\n", name);
    std::exit(2);
}

// What to write for each resource name of kBuiltInResources.
const std::map<std::string, std::function<Bytes()>>& makers() {
    static const std::map<std::string, std::function<Bytes()>> m = {
        {resource::kCapsOnSound, [] { return cue(resource::kCapsOnSound); }},
        {resource::kCapsOffSound, [] { return cue(resource::kCapsOffSound); }},
        {resource::kNumOnSound, [] { return cue(resource::kNumOnSound); }},
        {resource::kNumOffSound, [] { return cue(resource::kNumOffSound); }},
        // The state pictures are 16-colour pictures of two colours each.
        {resource::kCapsOnPicture, [] { return bmp(artwork::capsOnPicture(), 4); }},
        {resource::kCapsOffPicture, [] { return bmp(artwork::capsOffPicture(), 4); }},
        {resource::kNumOnPicture, [] { return bmp(artwork::numOnPicture(), 4); }},
        {resource::kNumOffPicture, [] { return bmp(artwork::numOffPicture(), 4); }},
        // Hard edges keep the application picture within 256 colours.
        {resource::kApplicationPicture,
         [] { return bmp(artwork::flatten(artwork::drawKeycap(32, 1), kTrayTransparent), 8); }},
        {resource::kAboutPicture, [] { return bmp(artwork::flatten(artwork::drawKeycap(48, 4), kDialogFace), 24); }},
        // The watermark icons have two colours: one bit per pixel and the two-colour palette
        // (8 KiB instead of 192 KiB each); Norvi decodes them into 24-bit working images.
        {resource::kCapsOnIcon, [] { return bmp(artwork::capsOnIcon(), 1); }},
        {resource::kCapsOffIcon, [] { return bmp(artwork::capsOffIcon(), 1); }},
        {resource::kNumOnIcon, [] { return bmp(artwork::numOnIcon(), 1); }},
        {resource::kNumOffIcon, [] { return bmp(artwork::numOffIcon(), 1); }},
    };
    return m;
}

Bytes applicationIcon() {
    return artwork::encodeIco({artwork::drawKeycap(16, 4), artwork::drawKeycap(32, 4), artwork::drawKeycap(48, 4)});
}

std::vector<std::pair<std::string, Bytes>> everyFile() {
    std::vector<std::pair<std::string, Bytes>> files;
    for (const BuiltInResource& r : kBuiltInResources) {
        const auto maker = makers().find(r.name);
        if (maker == makers().end()) {
            std::fprintf(stderr, "norvi_artwork: nothing makes %s\n", r.name);
            std::exit(2);
        }
        files.emplace_back(r.file, maker->second());
    }
    files.emplace_back(kApplicationIconFile, applicationIcon());
    return files;
}

bool sameAsFile(const std::string& path, const Bytes& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    const Bytes onDisk((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return onDisk == bytes;
}

}  // namespace

int main(int argc, char** argv) {
    const bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    if (argc != 2 && !check) {
        std::fprintf(stderr, "usage: norvi_artwork [--check] <folder>\n");
        return 2;
    }
    const std::string folder = std::string(argv[argc - 1]) + "/";
    int problems = 0;
    for (const auto& [name, bytes] : everyFile()) {
        const std::string path = folder + name;
        if (check) {
            if (!sameAsFile(path, bytes)) {
                std::fprintf(stderr, "norvi_artwork: %s is missing or out of date; run norvi_artwork %s\n",
                             path.c_str(), argv[argc - 1]);
                ++problems;
            }
            continue;
        }
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "norvi_artwork: cannot write %s\n", path.c_str());
            ++problems;
        }
    }
    return problems == 0 ? 0 : 1;
}
