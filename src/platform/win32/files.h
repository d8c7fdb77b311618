// Files and folders through the wide Windows file functions, so non-ANSI paths work.
#pragma once

#include "platform/platform.h"

namespace norvi::win32 {

class Win32Files : public Files {
public:
    std::string localAppDataFolder() override;
    bool directoryExists(const std::string& path) override;
    bool createDirectory(const std::string& path) override;
    bool fileExists(const std::string& path) override;
    std::optional<std::string> readFile(const std::string& path) override;
    bool writeFile(const std::string& path, std::string_view bytes) override;
    bool listDirectory(const std::string& folder,
                       const std::function<bool(const DirectoryEntry&)>& onEntry) override;
    std::string programPath() override;
    std::vector<FolderPlace> folderPlaces() override;  // folder_places.cpp
};

// The same, on UTF-16 paths, for the other Windows parts of the platform.
std::optional<std::string> readWholeFile(const std::wstring& path);
bool writeWholeFile(const std::wstring& path, std::string_view bytes);

}  // namespace norvi::win32
