#pragma once
// The entries of a Qt translation file (.ts), read with regular expressions: enough for the
// files lupdate writes. Plain C++, so that the unit tests can read the file too.
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

struct TsEntry {
    std::string context;
    std::string source;  // UTF-8, unescaped
    std::string translation;
    bool unfinished = false;  // any type= mark: unfinished, vanished or obsolete
};

inline std::string TsUnescape(std::string text) {
    const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [from, to] : entities)
        for (std::size_t at = text.find(from); at != std::string::npos;
             at = text.find(from, at + 1))
            text.replace(at, std::string(from).size(), to);
    return text;
}

inline std::vector<TsEntry> ReadTsFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string text = buffer.str();
    static const std::regex context(R"(<context>([\s\S]*?)</context>)");
    static const std::regex name(R"(<name>([\s\S]*?)</name>)");
    static const std::regex message(
        R"(<message>\s*<source>([\s\S]*?)</source>\s*<translation([^>]*)>([\s\S]*?)</translation>\s*</message>)");
    std::vector<TsEntry> out;
    for (std::sregex_iterator c(text.begin(), text.end(), context), end; c != end; ++c) {
        const std::string block = (*c)[1];
        std::smatch contextName;
        std::regex_search(block, contextName, name);
        for (std::sregex_iterator m(block.begin(), block.end(), message); m != end; ++m)
            out.push_back({contextName[1], TsUnescape((*m)[1]), TsUnescape((*m)[3]),
                           std::string((*m)[2]).find("type=") != std::string::npos});
    }
    return out;
}
