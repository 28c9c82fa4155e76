#pragma once
// The tokens of an effect source, each with its line. Comments are dropped; anything the
// effect writer cannot read (preprocessor lines, stray characters, open comments or strings)
// is refused with its line.
#include <string>
#include <vector>

namespace fx {

struct Token {
    enum class Kind { Identifier, Number, String, Symbol, End };
    Kind kind = Kind::End;
    std::string text;  // a string's text without its quotes
    int line = 0;

    bool Is(const char* symbolOrWord) const {
        return kind != Kind::String && kind != Kind::End && text == symbolOrWord;
    }
};

// The last token is always an End token on the last line.
std::vector<Token> Tokenize(const std::string& text, const std::string& file);

}  // namespace fx
