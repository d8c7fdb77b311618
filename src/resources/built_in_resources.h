// The pictures and sounds Norvi carries in its own module. tools/artwork writes each file
// into src/resources/generated/, artwork.rc embeds it under the same name and type, and the
// native tests load the same files into the fake platform.
#pragma once

#include <span>

namespace norvi {

constexpr const char* kWaveResourceType = "WAVE";
// A user-defined type, like WAVE, so the lookup is a plain name-and-type match on every
// platform (the predefined BITMAP and RCDATA types are numbers, not names).
constexpr const char* kPictureResourceType = "BMP";

struct BuiltInResource {
    const char* name;
    const char* type;
    const char* file;  // below src/resources/generated/
};

namespace resource {
constexpr const char* kCapsOnSound = "CapsOn";
constexpr const char* kCapsOffSound = "CapsOff";
constexpr const char* kNumOnSound = "NumOn";
constexpr const char* kNumOffSound = "NumOff";
constexpr const char* kCapsOnPicture = "VelikiA";
constexpr const char* kCapsOffPicture = "MaliA";
constexpr const char* kNumOnPicture = "Veliki7";
constexpr const char* kNumOffPicture = "Mali7";
constexpr const char* kApplicationPicture = "ImageOriginal";
constexpr const char* kAboutPicture = "AboutPicture";
// The watermark's four 256x256 icons, named after the watermark window's members.
constexpr const char* kCapsOnIcon = "slikaCON";
constexpr const char* kCapsOffIcon = "SlikaCoFF";
constexpr const char* kNumOnIcon = "slikanon";
constexpr const char* kNumOffIcon = "slikanoff";
}  // namespace resource

inline constexpr BuiltInResource kBuiltInResources[] = {
    {resource::kCapsOnSound, kWaveResourceType, "caps_on.wav"},
    {resource::kCapsOffSound, kWaveResourceType, "caps_off.wav"},
    {resource::kNumOnSound, kWaveResourceType, "num_on.wav"},
    {resource::kNumOffSound, kWaveResourceType, "num_off.wav"},
    {resource::kCapsOnPicture, kPictureResourceType, "caps_on.bmp"},
    {resource::kCapsOffPicture, kPictureResourceType, "caps_off.bmp"},
    {resource::kNumOnPicture, kPictureResourceType, "num_on.bmp"},
    {resource::kNumOffPicture, kPictureResourceType, "num_off.bmp"},
    {resource::kApplicationPicture, kPictureResourceType, "image_original.bmp"},
    {resource::kAboutPicture, kPictureResourceType, "about.bmp"},
    {resource::kCapsOnIcon, kPictureResourceType, "icon_caps_on.bmp"},
    {resource::kCapsOffIcon, kPictureResourceType, "icon_caps_off.bmp"},
    {resource::kNumOnIcon, kPictureResourceType, "icon_num_on.bmp"},
    {resource::kNumOffIcon, kPictureResourceType, "icon_num_off.bmp"},
};

// The program icon (ICON "MAINICON" in artwork.rc) is for the system only: the shell and
// the window manager read it; Norvi's own code never does.
constexpr const char* kApplicationIconFile = "norvi.ico";

}  // namespace norvi
