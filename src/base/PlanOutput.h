#pragma once
// Where schichtplan's output goes while it is made: a long range is written
// in pieces instead of being held whole in memory.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace sk {

// Takes the next piece of output; false when it could not be written.
using OutputSink = std::function<bool(std::string_view)>;

// Collects lines and hands them to the sink in pieces of about kPieceBytes.
class ChunkedOutput {
public:
    static constexpr std::size_t kPieceBytes = 64 * 1024;

    explicit ChunkedOutput(const OutputSink& sink) : sink_(sink) { buffer_.reserve(kPieceBytes * 2); }
    ChunkedOutput(const ChunkedOutput&) = delete;
    ChunkedOutput& operator=(const ChunkedOutput&) = delete;

    // Append to this, then call EndOfLine.
    std::string& Buffer() { return buffer_; }
    void EndOfLine() {
        if (buffer_.size() >= kPieceBytes) Flush();
    }
    // Hands on what is left; false when any piece could not be written.
    bool Flush() {
        if (!buffer_.empty() && ok_) ok_ = sink_(buffer_);
        buffer_.clear();
        return ok_;
    }
    bool Ok() const { return ok_; }

private:
    const OutputSink& sink_;
    std::string buffer_;
    bool ok_ = true;
};

// A sink that appends to a string.
inline OutputSink AppendTo(std::string& out) {
    return [&out](std::string_view piece) {
        out += piece;
        return true;
    };
}

}  // namespace sk
