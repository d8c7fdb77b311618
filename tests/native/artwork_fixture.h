// The built-in pictures and sounds in the fake platform: the same committed files that
// artwork.rc embeds in norvi.exe, so tests start Norvi with its real artwork.
#pragma once

#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "fixture.h"
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

// A whole Norvi whose module carries the built-in artwork and sounds.
class ArtworkProgramTest : public ProgramTest {
protected:
    ArtworkProgramTest() { loadGeneratedResources(pf.res); }
};

}  // namespace norvi::test
