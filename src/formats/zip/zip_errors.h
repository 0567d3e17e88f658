#pragma once
// The reader's own error codes for item failures of class ecAbbrevia, and
// their message texts.

#include <string>

namespace velmar {

enum class TAbErrorClass { ecAbbrevia, ecInOutError, ecFilerError, ecFileCreateError, ecFileOpenError, ecCabError, ecOther };

namespace zip_error {
constexpr int BadCrc = 1;             // data does not match the stored CRC-32
constexpr int Encrypted = 2;          // item is encrypted
constexpr int UnknownMethod = 3;      // compression method other than Stored and Deflate
constexpr int UnsafeName = 4;         // name would land outside the base folder
constexpr int InvalidName = 5;        // name holds characters or parts a file name may not have
constexpr int TooLarge = 6;           // data is longer than the stored size
constexpr int TooSmall = 7;           // data ends before the stored size
constexpr int BadData = 8;            // compressed data is damaged
constexpr int BadLocalHeader = 9;     // local header missing or not matching the directory
constexpr int Truncated = 10;         // archive ends inside the item's data
constexpr int ReadFailed = 11;        // the archive could not be read
constexpr int NotAFolder = 12;        // the target is a folder, or a folder's place is taken by a file
constexpr int Overlapping = 13;       // local header or data shared with another item
constexpr int LocalNameDiffers = 14;  // the local header names another file than the central directory
}  // namespace zip_error

// English message for a reader error code; unknown codes get a generic text.
std::string ZipErrorMessage(int code);

}  // namespace velmar
