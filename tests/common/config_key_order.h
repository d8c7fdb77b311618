// The order of keys in a norvi.cfg, as the native and the end-to-end tests read it.
#pragma once

#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

namespace norvi::test {

// "Section/key" for every key line of a profile text, in file order.
inline std::vector<std::string> keyOrder(const std::string& text) {
    std::vector<std::string> order;
    std::istringstream in(text);
    std::string line, section;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        if (line.front() == '[') {
            section = line.substr(1, line.find(']') - 1);
            continue;
        }
        order.push_back(section + "/" + line.substr(0, line.find('=')));
    }
    return order;
}

// Every key of a first-written file, in the order Norvi writes them.
inline std::vector<std::string> firstWrittenKeyOrder() {
    std::vector<std::string> out;
    const auto add = [&](const char* section, std::initializer_list<const char*> keys) {
        for (const char* k : keys) out.push_back(std::string(section) + "/" + k);
    };
    add("Config", {"left", "top", "opacity", "shadow", "CtablaW", "Ctxt8", "Ctxt9", "Ctxt6", "Ctxt7", "load",
                   "round", "xvok1", "xvok2", "xvok3", "xvok4", "cbShowCaps", "cbShowNum", "cbShowLang", "ShowTI",
                   "SOD", "SNL", "sound", "DOD", "DOP", "IconColor", "O1", "02", "03", "04", "05", "06", "07",
                   "08", "09"});
    add("ConfigSD", {"TXTpolozaj", "p7", "p11", "p15", "p17", "p19", "floatOpa", "sdclon", "sdcloFF", "sdnloFF",
                     "sdnloN", "sdLang", "sdFontSize", "sdTimeOut", "edclon", "edcloff", "ednlon", "ednloFF",
                     "SelectedFont", "cbTimer"});
    add("Wav", {"path1", "path2", "path3", "path4"});
    return out;
}

}  // namespace norvi::test
