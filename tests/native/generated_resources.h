// The built-in pictures and sounds in the fake platform: the same committed files that
// artwork.rc embeds in norvi.exe, so tests start Norvi with its real artwork.
// NORVI_GENERATED_RESOURCES_DIR comes from tests/native/CMakeLists.txt.
#pragma once

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "platform/fake/fake_platform.h"
#include "resources/bmp_image.h"
#include "resources/built_in_resources.h"

namespace norvi::test {

inline std::string generatedResourcePath(const std::string& file) {
    return std::string(NORVI_GENERATED_RESOURCES_DIR) + "/" + file;
}

// The bytes of one generated file; empty when it cannot be read.
inline const std::vector<std::uint8_t>& generatedFile(const std::string& file) {
    static std::map<std::string, std::vector<std::uint8_t>> cache;
    auto it = cache.find(file);
    if (it == cache.end()) {
        std::ifstream in(generatedResourcePath(file), std::ios::binary);
        std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        it = cache.emplace(file, std::move(bytes)).first;
    }
    return it->second;
}

inline void loadGeneratedResources(fake::FakeResources& resources) {
    for (const BuiltInResource& r : kBuiltInResources) resources.items[r.name][r.type] = generatedFile(r.file);
}

// Writes a picture as <name>.bmp into the folder named by NORVI_PICTURE_DUMP, when set, so
// a developer can look at what a test composed.
inline void dumpPicture(const std::string& name, const Bitmap& picture) {
    const char* folder = std::getenv("NORVI_PICTURE_DUMP");
    if (!folder || !*folder) return;
    const auto file = encodeBmp(picture, 24);
    if (!file) return;
    std::ofstream out(std::string(folder) + "/" + name + ".bmp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(file->data()), static_cast<std::streamsize>(file->size()));
}

}  // namespace norvi::test
