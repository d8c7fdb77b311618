#include "platform/fake/profile_text.h"

#include <vector>

#include "platform/fake/case_fold.h"

namespace norvi::fake {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && (isBlank(s.front()) || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (isBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

bool sameNoCase(std::string_view a, std::string_view b) { return compareFolded(a, b) == 0; }

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t nl = text.find('\n', start);
        const std::size_t end = nl == std::string_view::npos ? text.size() : nl;
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (nl == std::string_view::npos) break;
        start = nl + 1;
    }
    return lines;
}

// "[name]" gives name; other lines nothing.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    const std::size_t close = line.find(']');
    return trim(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

std::optional<std::string_view> keyOf(std::string_view line) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return trim(line.substr(0, eq));
}

}  // namespace

std::optional<std::string> profileRead(std::string_view text, std::string_view section, std::string_view key) {
    bool inSection = false;
    for (std::string_view line : splitLines(text)) {
        if (const auto name = sectionName(line)) {
            if (inSection) return std::nullopt;  // later duplicates of the section are not read
            inSection = sameNoCase(*name, trim(section));
            continue;
        }
        if (!inSection) continue;
        const auto k = keyOf(line);
        if (k && sameNoCase(*k, trim(key))) return std::string(line.substr(line.find('=') + 1));
    }
    return std::nullopt;
}

namespace {

std::string withoutQuotesCut(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    if (value.size() > kProfileValueMax) value = value.substr(0, kProfileValueMax);
    return std::string(value);
}

}  // namespace

std::string cleanProfileValue(std::string_view value) { return withoutQuotesCut(trim(value)); }

std::string cleanProfileFallback(std::string_view fallback) {
    while (!fallback.empty() && fallback.back() == ' ') fallback.remove_suffix(1);
    return withoutQuotesCut(fallback);
}

std::string profileWrite(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view value) {
    const std::vector<std::string_view> lines = splitLines(text);
    const std::string entry = std::string(trim(key)) + "=" + std::string(value);
    std::vector<std::string> out;
    out.reserve(lines.size() + 2);
    bool inSection = false, sectionSeen = false, done = false;
    std::size_t lastKeyOfSection = 0;  // index in out after which a new key goes
    for (std::string_view line : lines) {
        if (const auto name = sectionName(line)) {
            if (inSection && !done) {
                out.insert(out.begin() + static_cast<std::ptrdiff_t>(lastKeyOfSection), entry);
                done = true;
            }
            inSection = !sectionSeen && sameNoCase(*name, trim(section));
            if (inSection) sectionSeen = true;
            out.emplace_back(line);
            if (inSection) lastKeyOfSection = out.size();
            continue;
        }
        if (inSection && !done) {
            const auto k = keyOf(line);
            if (k && sameNoCase(*k, trim(key))) {
                out.push_back(std::string(*k) + "=" + std::string(value));
                done = true;
                continue;
            }
            if (!trim(line).empty()) lastKeyOfSection = out.size() + 1;
        }
        out.emplace_back(line);
    }
    if (inSection && !done) {
        out.insert(out.begin() + static_cast<std::ptrdiff_t>(lastKeyOfSection), entry);
        done = true;
    }
    if (!done) {
        while (!out.empty() && trim(out.back()).empty()) out.pop_back();
        if (!out.empty()) out.emplace_back("");
        out.push_back("[" + std::string(trim(section)) + "]");
        out.push_back(entry);
    }
    std::string result;
    for (const std::string& l : out) result += l + "\r\n";
    return result;
}

}  // namespace norvi::fake
