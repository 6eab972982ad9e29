#pragma once
// A sentence for the user kept as the key of its text and the words that
// vary in it, so that it can be shown in the page's language. The English
// text sits in one table beside the code that reports it; other languages
// come from the language file under the same id, with %1, %2 ... for the
// words. Free of Qt, like the watchers that report with it.

#include <functional>
#include <string>
#include <vector>

namespace platform {

struct TextKey {
    const char *id;       // the language file's key
    const char *english;  // with %1, %2 ... for the words
};

// The text of `key` in the language at hand.
using TextLookup = std::function<std::string(const TextKey &key)>;
std::string englishText(const TextKey &key);

struct StatusText {
    const TextKey *key = nullptr;  // null: nothing to say
    std::vector<std::string> args;

    std::string english() const;
    std::string in(const TextLookup &lookup) const;
};

// `pattern` with %1 .. %9 replaced by `args` in one pass, so that a word
// holding "%1" stays as it is; a placeholder without a word stays too.
std::string fillIn(const std::string &pattern, const std::vector<std::string> &args);

} // namespace platform
