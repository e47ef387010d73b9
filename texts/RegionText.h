#pragma once

#include "model/Dib.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace hexlume {

// A region's dump: every byte as two hex digits followed by two spaces, except that the 16th
// byte of a line is followed by the line end instead. A full line is 62 characters plus the
// line end; a last, unfinished line ends in two spaces. Nothing stands before or after.
// (The 14-byte file header thus makes one line that ends in two spaces.)
inline constexpr std::uint64_t kBytesPerLine = 16;
inline constexpr std::uint64_t kFullLineChars = 62;
inline constexpr std::string_view kMemoLineEnd = "\r\n";
// The export file writes each LF of the memo text as CR LF.
inline constexpr std::string_view kExportLineEnd = "\r\r\n";

// Number of dump lines of a region of byteCount bytes: byteCount / 16 rounded up.
std::uint64_t LineCount(std::uint64_t byteCount);

// Length of the whole text of a region of byteCount bytes.
std::uint64_t RegionTextSize(std::uint64_t byteCount, std::string_view lineEnd = kMemoLineEnd);

// Writes lines [firstLine, firstLine + lineCount) of the region's text to out, which must hold
// them, and returns the end of what was written. Lines past the region's end are not written.
char* WriteRegionLines(ByteSpan bytes, std::uint64_t firstLine, std::uint64_t lineCount,
                       std::string_view lineEnd, char* out);

std::string RegionText(ByteSpan bytes, std::string_view lineEnd = kMemoLineEnd);
std::string RegionLinesText(ByteSpan bytes, std::uint64_t firstLine, std::uint64_t lineCount,
                            std::string_view lineEnd = kMemoLineEnd);

// Hands the region's whole text to sink in pieces of bounded size, so that no caller ever
// holds the text of a large region. Stops at the first piece the sink refuses (returns false)
// and returns whether every piece was taken.
bool StreamRegionText(ByteSpan bytes, std::string_view lineEnd,
                      const std::function<bool(std::string_view)>& sink);

}  // namespace hexlume
