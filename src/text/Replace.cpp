#include "text/Replace.h"

#include "text/SjisChar.h"

namespace tabrix {

std::size_t ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    if (from.empty() || text.size() < from.size()) return 0;
    std::string out;
    std::size_t count = 0;
    std::size_t copied = 0;  // text[0, copied) is already in out
    for (std::size_t p = 0; p < text.size();) {
        if (text.compare(p, from.size(), from) == 0) {
            if (count == 0) out.reserve(text.size());
            out.append(text, copied, p - copied);
            out += to;
            p += from.size();
            copied = p;
            ++count;
            continue;
        }
        p = NextChar(text, p);
    }
    if (count == 0) return 0;
    out.append(text, copied, std::string::npos);
    text.swap(out);
    return count;
}

}  // namespace tabrix
