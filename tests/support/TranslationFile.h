#pragma once
// The entries of a Qt translation file (.ts), read by plain text search: enough for the files
// lupdate writes. Plain C++, so that the unit tests can read the file too.
#include <fstream>
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
    // One pass from left to right, so "&amp;lt;" gives "&lt;" and not "<".
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        bool replaced = false;
        for (const auto& [from, to] : entities) {
            if (text.compare(at, std::string(from).size(), from) == 0) {
                out += to;
                at += std::string(from).size();
                replaced = true;
                break;
            }
        }
        if (!replaced) out += text[at++];
    }
    return out;
}

// The text between `open` and `close` from `from` on; npos in `from` when there is none.
inline std::string TsBetween(const std::string& text, const std::string& open,
                             const std::string& close, std::size_t& from, std::size_t end) {
    const std::size_t begin = text.find(open, from);
    if (begin == std::string::npos || begin >= end) {
        from = std::string::npos;
        return {};
    }
    const std::size_t stop = text.find(close, begin + open.size());
    if (stop == std::string::npos || stop > end) {
        from = std::string::npos;
        return {};
    }
    from = stop + close.size();
    return text.substr(begin + open.size(), stop - begin - open.size());
}

// Plain searches rather than regular expressions: std::regex recurses once per character
// matched and overflows the stack on the long help texts.
inline std::vector<TsEntry> ReadTsFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string text = buffer.str();
    std::vector<TsEntry> out;
    std::size_t at = 0;
    while (true) {
        std::size_t probe = at;
        const std::string block = TsBetween(text, "<context>", "</context>", probe, text.size());
        if (probe == std::string::npos) break;
        at = probe;
        std::size_t p = 0;
        const std::string contextName = TsBetween(block, "<name>", "</name>", p, block.size());
        std::size_t m = 0;
        while (true) {
            const std::string message = TsBetween(block, "<message", "</message>", m, block.size());
            if (m == std::string::npos) break;
            std::size_t q = 0;
            const std::string source =
                TsBetween(message, "<source>", "</source>", q, message.size());
            const std::size_t open = message.find("<translation", q == std::string::npos ? 0 : q);
            const std::size_t close = message.find('>', open);
            const std::size_t stop = message.find("</translation>", close);
            if (open == std::string::npos || close == std::string::npos ||
                stop == std::string::npos)
                continue;
            const std::string attributes = message.substr(open, close - open);
            out.push_back({contextName, TsUnescape(source),
                           TsUnescape(message.substr(close + 1, stop - close - 1)),
                           attributes.find("type=") != std::string::npos});
        }
    }
    return out;
}
