#pragma once
// The tokens of an effect source and of the files it includes, each with its file and line.
// Comments are dropped; `#include "Name"` is replaced by the tokens of the file Name beside the
// source. Anything else the effect writer cannot read (other preprocessor lines, stray
// characters, open comments or strings) is refused with its line.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace fx {

struct Token {
    enum class Kind { Identifier, Number, String, Symbol, End };
    Kind kind = Kind::End;
    std::string text;  // a string's text without its quotes
    int line = 0;
    std::string file;  // the source, or the included file the token comes from

    bool Is(const char* symbolOrWord) const {
        return kind != Kind::String && kind != Kind::End && text == symbolOrWord;
    }
};

// The text of a file that an #include names (a file name without a folder: the file lies
// beside the source), or nothing when it cannot be read.
using IncludeReader = std::function<std::optional<std::string>(const std::string& name)>;

struct TokenList {
    std::vector<Token> tokens;  // the last is always an End token on the source's last line
    std::vector<std::string> includes;  // every file included, directly or not, once, in order
};

// Includes nest at most this deep (which also stops a file that includes itself).
constexpr int kMaxIncludeDepth = 8;

// Without a reader, every #include is refused.
TokenList Tokenize(const std::string& text, const std::string& file, const IncludeReader& readInclude = {});

}  // namespace fx
