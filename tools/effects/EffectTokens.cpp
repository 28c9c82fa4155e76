#include "EffectTokens.h"

#include <cctype>
#include <cstring>

#include "EffectError.h"

namespace fx {

namespace {

bool IsWordStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsWordPart(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

class Lexer {
public:
    Lexer(const std::string& text, const std::string& file) : text_(text), file_(file) {}

    std::vector<Token> Run() {
        std::vector<Token> tokens;
        while (SkipSpaceAndComments()) tokens.push_back(Next());
        tokens.push_back(Token{Token::Kind::End, "", line_});
        return tokens;
    }

private:
    char At(size_t offset = 0) const {
        return pos_ + offset < text_.size() ? text_[pos_ + offset] : '\0';
    }
    [[noreturn]] void Fail(const std::string& reason) const { throw EffectError(file_, line_, reason); }

    // False at the end of the text.
    bool SkipSpaceAndComments() {
        while (pos_ < text_.size()) {
            char c = At();
            if (c == '\n') {
                ++line_;
                ++pos_;
                lineStart_ = true;
            } else if (std::isspace(static_cast<unsigned char>(c))) {
                ++pos_;
            } else if (c == '/' && At(1) == '/') {
                while (pos_ < text_.size() && At() != '\n') ++pos_;
            } else if (c == '/' && At(1) == '*') {
                SkipBlockComment();
            } else if (c == '#' && lineStart_) {
                Fail("preprocessor directives are not supported");
            } else {
                lineStart_ = false;
                return true;
            }
        }
        return false;
    }

    void SkipBlockComment() {
        int opened = line_;
        pos_ += 2;
        while (pos_ < text_.size() && !(At() == '*' && At(1) == '/')) {
            if (At() == '\n') ++line_;
            ++pos_;
        }
        if (pos_ >= text_.size()) throw EffectError(file_, opened, "comment is not closed");
        pos_ += 2;
    }

    Token Next() {
        char c = At();
        if (IsWordStart(c)) return Take(Token::Kind::Identifier, WordLength());
        if (IsDigit(c) || (c == '.' && IsDigit(At(1)))) return Take(Token::Kind::Number, NumberLength());
        if (c == '"') return TakeString();
        // Function bodies are stepped over token by token, so every operator is a symbol.
        if (c != '\0' && std::strchr("{}()<>[];,=:-+|.*/%&!^~?", c)) return Take(Token::Kind::Symbol, 1);
        if (std::isprint(static_cast<unsigned char>(c))) Fail(std::string("unexpected character '") + c + "'");
        Fail("unexpected byte " + std::to_string(static_cast<unsigned char>(c)));
    }

    size_t WordLength() const {
        size_t n = 0;
        while (IsWordPart(At(n))) ++n;
        return n;
    }

    // Decimal or hexadecimal digits, a fraction, an exponent and a type suffix.
    size_t NumberLength() const {
        size_t n = 0;
        if (At() == '0' && (At(1) == 'x' || At(1) == 'X')) {
            n = 2;
            while (std::isxdigit(static_cast<unsigned char>(At(n)))) ++n;
            return n;
        }
        while (IsDigit(At(n)) || At(n) == '.') ++n;
        if (At(n) == 'e' || At(n) == 'E') {
            size_t e = n + 1;
            if (At(e) == '+' || At(e) == '-') ++e;
            if (IsDigit(At(e))) {
                n = e;
                while (IsDigit(At(n))) ++n;
            }
        }
        if (At(n) == 'f' || At(n) == 'F' || At(n) == 'h' || At(n) == 'H') ++n;
        return n;
    }

    Token Take(Token::Kind kind, size_t length) {
        Token token{kind, text_.substr(pos_, length), line_};
        pos_ += length;
        return token;
    }

    Token TakeString() {
        size_t end = pos_ + 1;
        while (end < text_.size() && text_[end] != '"' && text_[end] != '\n') ++end;
        if (end >= text_.size() || text_[end] != '"') Fail("string is not closed");
        Token token{Token::Kind::String, text_.substr(pos_ + 1, end - pos_ - 1), line_};
        pos_ = end + 1;
        return token;
    }

    const std::string& text_;
    const std::string& file_;
    size_t pos_ = 0;
    int line_ = 1;
    bool lineStart_ = true;
};

}  // namespace

std::vector<Token> Tokenize(const std::string& text, const std::string& file) {
    return Lexer(text, file).Run();
}

}  // namespace fx
