#include "EffectTokens.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "EffectError.h"

namespace fx {

namespace {

bool IsWordStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsWordPart(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// The name of a file beside `file`: its folder, if any, and `name`.
std::string BesideFile(const std::string& file, const std::string& name) {
    const size_t folder = file.find_last_of("/\\");
    return folder == std::string::npos ? name : file.substr(0, folder + 1) + name;
}

// Appends the tokens of one file to `out`, those of the files it includes in their places.
class Lexer {
public:
    Lexer(const std::string& text, std::string file, const IncludeReader& readInclude, int depth, TokenList& out)
        : text_(text), file_(std::move(file)), readInclude_(readInclude), depth_(depth), out_(out) {}

    void Run() {
        while (SkipSpaceAndComments()) out_.tokens.push_back(Next());
    }
    int Line() const { return line_; }

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
                Directive();
            } else {
                lineStart_ = false;
                return true;
            }
        }
        return false;
    }

    void SkipBlanks() {
        while (At() == ' ' || At() == '\t') ++pos_;
    }

    // `#include "Name"`, the one directive the writer reads, alone on its line.
    void Directive() {
        ++pos_;
        SkipBlanks();
        const size_t length = WordLength();
        if (text_.compare(pos_, length, "include") != 0 || length != 7) Fail("preprocessor directives are not supported");
        pos_ += length;
        SkipBlanks();
        size_t end = pos_ + 1;
        while (end < text_.size() && text_[end] != '"' && text_[end] != '\n') ++end;
        if (At() != '"' || end >= text_.size() || text_[end] != '"') Fail("#include names a file in double quotes");
        const std::string name = text_.substr(pos_ + 1, end - pos_ - 1);
        pos_ = end + 1;
        SkipBlanks();
        if (At() != '\n' && At() != '\0' && !(At() == '/' && At(1) == '/')) Fail("unexpected text after #include");
        Include(name);
    }

    void Include(const std::string& name) {
        if (name.empty() || name.find_first_of("/\\") != std::string::npos)
            Fail("'" + name + "' is not a file beside the source");
        if (depth_ >= kMaxIncludeDepth) Fail("includes nest more than " + std::to_string(kMaxIncludeDepth) + " deep");
        const std::optional<std::string> text = readInclude_ ? readInclude_(name) : std::nullopt;
        if (!text) Fail("'" + name + "' cannot be read");
        if (std::find(out_.includes.begin(), out_.includes.end(), name) == out_.includes.end())
            out_.includes.push_back(name);
        Lexer(*text, BesideFile(file_, name), readInclude_, depth_ + 1, out_).Run();
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
        Token token{kind, text_.substr(pos_, length), line_, file_};
        pos_ += length;
        return token;
    }

    Token TakeString() {
        size_t end = pos_ + 1;
        while (end < text_.size() && text_[end] != '"' && text_[end] != '\n') ++end;
        if (end >= text_.size() || text_[end] != '"') Fail("string is not closed");
        Token token{Token::Kind::String, text_.substr(pos_ + 1, end - pos_ - 1), line_, file_};
        pos_ = end + 1;
        return token;
    }

    const std::string& text_;
    const std::string file_;
    const IncludeReader& readInclude_;
    const int depth_;
    TokenList& out_;
    size_t pos_ = 0;
    int line_ = 1;
    bool lineStart_ = true;
};

}  // namespace

TokenList Tokenize(const std::string& text, const std::string& file, const IncludeReader& readInclude) {
    TokenList list;
    Lexer lexer(text, file, readInclude, 0, list);
    lexer.Run();
    list.tokens.push_back(Token{Token::Kind::End, "", lexer.Line(), file});
    return list;
}

}  // namespace fx
