#include "platform/win32/sound.h"

#include <windows.h>
#include <mmsystem.h>

#include <string>

#include "platform/win32/wide.h"

namespace norvi::win32 {

namespace {

// Which sound was asked for, for a debug-output viewer: with no audio device (or the
// volume down) it is the only way to tell from outside which file a cue plays.
void traceSound(const std::wstring& what) { OutputDebugStringW((L"Norvi: playing " + what + L"\n").c_str()); }

}  // namespace

void Win32Sound::playFile(const std::string& path) {
    const std::wstring file = widen(path);
    traceSound(L"\"" + file + L"\"");
    sndPlaySoundW(file.c_str(), SND_ASYNC);
}

void Win32Sound::playMemory(std::span<const std::uint8_t> waveImage) {
    // A null image would not play anything: it would stop the sound that is playing.
    if (waveImage.empty()) return;
    traceSound(L"a built-in sound of " + std::to_wstring(waveImage.size()) + L" bytes");
    sndPlaySoundW(reinterpret_cast<LPCWSTR>(waveImage.data()), SND_ASYNC | SND_MEMORY);
}

std::span<const std::uint8_t> Win32Resources::find(const std::string& name, const std::string& type) {
    // The bytes belong to the loaded program image: they stay valid for the whole run.
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC resource = FindResourceW(module, widen(name).c_str(), widen(type).c_str());
    if (!resource) return {};
    const HGLOBAL loaded = LoadResource(module, resource);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return {};
    return {static_cast<const std::uint8_t*>(bytes), SizeofResource(module, resource)};
}

}  // namespace norvi::win32
