// Writes a compound file that holds one stream under its root: the header,
// the sector table (with DIFAT sectors once it outgrows the header), one
// directory sector and the stream. A stream shorter than the mini stream
// cutoff is padded to it, so the mini stream is never needed.
#pragma once

#include <functional>
#include <string_view>

namespace tabrix {

using ByteSink = std::function<void(std::string_view bytes)>;

// sectorShift 9 writes 512-byte sectors (version 3), 12 writes 4096-byte sectors (version 4).
void WriteCompoundFile(std::u16string_view streamName, std::string_view stream, unsigned sectorShift,
                       const ByteSink& write);

}  // namespace tabrix
