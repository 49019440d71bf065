// A conversion of a file's bytes into code page 932 text while it is read,
// block by block, before the text is split into lines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tabrix {

class IByteDecoder {
public:
    virtual ~IByteDecoder() = default;
    // Room the output of a piece of n bytes needs.
    virtual std::size_t maxOutput(std::size_t n) const = 0;
    // Converts in (last: nothing follows) into out, which has room for
    // maxOutput(in.size()) bytes; returns the bytes written. After a failure
    // the output ends before the bytes that could not be read.
    virtual std::size_t decode(std::string_view in, bool last, char* out) = 0;
    virtual bool failed() const = 0;
    // Output offset (from the start of the stream) of the first character
    // that was replaced; -1 when none was.
    virtual std::int64_t firstReplacedAt() const { return -1; }
};

}  // namespace tabrix
