#include "StatusText.h"

namespace platform {

std::string fillIn(const std::string &pattern, const std::vector<std::string> &args)
{
    std::string out;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const size_t n = size_t(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && n < args.size()) {
            out += args[n];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string englishText(const TextKey &key)
{
    return key.english;
}

std::string StatusText::english() const
{
    return in(englishText);
}

std::string StatusText::in(const TextLookup &lookup) const
{
    return key ? fillIn(lookup(*key), args) : std::string();
}

} // namespace platform
