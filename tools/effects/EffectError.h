#pragma once
// Why an effect source or its bytecode was refused: the file, the line (0 when the fault is
// not on a line of the source) and the reason.
#include <stdexcept>
#include <string>

namespace fx {

class EffectError : public std::runtime_error {
public:
    EffectError(std::string file, int line, const std::string& reason)
        : std::runtime_error(Describe(file, line, reason)), file_(std::move(file)), line_(line),
          reason_(reason) {}

    const std::string& File() const { return file_; }
    int Line() const { return line_; }
    const std::string& Reason() const { return reason_; }

private:
    static std::string Describe(const std::string& file, int line, const std::string& reason) {
        return line > 0 ? file + ":" + std::to_string(line) + ": " + reason : file + ": " + reason;
    }

    std::string file_;
    int line_;
    std::string reason_;
};

}  // namespace fx
