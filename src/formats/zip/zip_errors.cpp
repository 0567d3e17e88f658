#include "formats/zip/zip_errors.h"

namespace velmar {

std::string ZipErrorMessage(int code) {
  switch (code) {
    case zip_error::BadCrc: return "CRC error: the item's data is damaged";
    case zip_error::Encrypted: return "The item is encrypted; encrypted items are not supported";
    case zip_error::UnknownMethod: return "The item is compressed with an unsupported method";
    case zip_error::UnsafeName: return "The item's name leads outside the target folder";
    case zip_error::InvalidName: return "The item's name is not a valid file name";
    case zip_error::TooLarge: return "The item's data is larger than its stored size";
    case zip_error::TooSmall: return "The item's data is smaller than its stored size";
    case zip_error::BadData: return "The item's compressed data is damaged";
    case zip_error::BadLocalHeader: return "The item's local header is damaged";
    case zip_error::Truncated: return "The archive ends inside the item's data";
    case zip_error::ReadFailed: return "The archive could not be read";
    case zip_error::NotAFolder: return "A folder and a file have the same name";
    case zip_error::Overlapping: return "The item's data overlaps another item of the archive";
    case zip_error::LocalNameDiffers: return "The item's local header names another file";
  }
  return "Unknown zip error " + std::to_string(code);
}

}  // namespace velmar
