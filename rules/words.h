// Words for people, in their language. The plain layers (the rules' reasons,
// the notation, the clock's texts, the file formats) write what a person
// reads through a Translate, and English when none is given; the window
// hands in one that looks each text up in the user's language. The texts
// stay English in the source, marked for the translators' tools by
// ORBEL_WORD. Here, on the ground floor, so that every plain layer reaches it.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks an English text for translation, under a context the translators
// see, without translating it here: the text reaches a Translate later.
#define ORBEL_WORD(context, text) text

namespace orbel {

// The text in the user's language, or `english` itself when it has no
// translation. Contexts are the ORBEL_WORD contexts.
using Translate = std::string (*)(const char* context, const char* english);

inline std::string inEnglish(const char*, const char* english) { return english; }

// `pattern` with %1 to %9 replaced by `args` in order; a translation may
// move them about, since other languages order the words otherwise. A %
// with no argument behind it stays as it is.
inline std::string fill(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(pattern.size() + 16);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        const std::size_t n = i + 1 < pattern.size() ? static_cast<std::size_t>(pattern[i + 1] - '1') : args.size();
        if (c == '%' && n < args.size()) {
            out += *(args.begin() + n);
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace orbel
