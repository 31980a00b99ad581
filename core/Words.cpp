#include "core/Words.h"

#include <algorithm>

namespace vagaris {

std::string FillPattern(std::string_view pattern, std::initializer_list<std::string> args) {
    return FillPattern(pattern, std::vector<std::string>(args));
}

std::string FillPattern(std::string_view pattern, const std::vector<std::string>& args) {
    std::string out;
    out.reserve(pattern.size() + 32);
    for (std::size_t k = 0; k < pattern.size(); ++k) {
        const char c = pattern[k];
        if (c == '%' && k + 1 < pattern.size() && pattern[k + 1] >= '1' && pattern[k + 1] <= '9') {
            const auto n = static_cast<std::size_t>(pattern[k + 1] - '1');
            if (n < args.size()) {
                out += args[n];
                ++k;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::string TranslatedHeading(std::string_view heading, std::string_view separator, Words words) {
    std::string out(heading);
    std::size_t a = 0;
    while ((a = separator.find('-', a)) != std::string_view::npos) {
        std::size_t b = separator.find_first_not_of('-', a);
        if (b == std::string_view::npos) b = separator.size();
        // The last column's words may run past its dashes (a name column).
        const std::size_t end = b == separator.size() ? std::max(b, heading.size()) : b;
        if (a < heading.size()) {
            const std::string_view cell = heading.substr(a, std::min(end, heading.size()) - a);
            const std::size_t first = cell.find_first_not_of(' ');
            if (first != std::string_view::npos) {
                const std::size_t last = cell.find_last_not_of(' ');
                const std::string spanish(cell.substr(first, last - first + 1));
                const std::string translated = words(spanish.c_str());
                const std::size_t width = end - a;
                std::size_t at = a + first;  // the Spanish place
                if (translated.size() != spanish.size())
                    at = first == 0 ? a : a + width - std::min(width, translated.size());
                std::string cells(width, ' ');
                cells.replace(at - a, std::min(translated.size(), width - (at - a)), translated);
                if (out.size() < a + width) out.resize(a + width, ' ');
                out.replace(a, width, cells);
            }
        }
        a = b;
    }
    // The heading ends as the Spanish one does: its own trailing blanks, no more, no fewer.
    const std::size_t lastWord = heading.find_last_not_of(' ');
    const std::size_t trailing =
        lastWord == std::string_view::npos ? heading.size() : heading.size() - lastWord - 1;
    while (!out.empty() && out.back() == ' ') out.pop_back();
    out.append(trailing, ' ');
    return out;
}

}  // namespace vagaris
