#include "platform/posix/posix_jpeg.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include "formats/picture_limits.h"

namespace velmar::platform {

namespace {

// libjpeg reports fatal errors through error_exit, which must not return: it
// jumps back into DecodeJpeg. Warnings mean corrupt data; they fail the decode.
struct ErrorState {
  jpeg_error_mgr manager;  // first, so libjpeg's pointer converts back
  std::jmp_buf jump;
  bool corrupt = false;
};

void OnFatal(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorState*>(info->err)->jump, 1); }

void OnMessage(j_common_ptr info, int level) {
  if (level < 0) reinterpret_cast<ErrorState*>(info->err)->corrupt = true;
}

}  // namespace

std::optional<Picture> DecodeJpeg(std::span<const uint8_t> file) {
  // Everything the jump may come back to is set up before setjmp.
  jpeg_decompress_struct info{};
  ErrorState error{};
  Picture picture;
  std::vector<uint8_t> row;
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = OnFatal;
  error.manager.emit_message = OnMessage;
  if (setjmp(error.jump)) {
    jpeg_destroy_decompress(&info);
    return std::nullopt;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, file.data(), static_cast<unsigned long>(file.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK ||
      !PictureSizeAllowed(info.image_width, info.image_height)) {
    jpeg_destroy_decompress(&info);
    return std::nullopt;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  if (info.output_components != 3) {
    jpeg_destroy_decompress(&info);
    return std::nullopt;
  }
  picture.width = static_cast<int>(info.output_width);
  picture.height = static_cast<int>(info.output_height);
  picture.rgba.resize(static_cast<size_t>(picture.width) * picture.height * 4);
  row.resize(static_cast<size_t>(picture.width) * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW rows[1] = {row.data()};
    const size_t y = info.output_scanline;
    if (jpeg_read_scanlines(&info, rows, 1) != 1) break;
    uint8_t* out = &picture.rgba[y * picture.width * 4];
    for (int x = 0; x < picture.width; ++x) {
      out[x * 4] = row[x * 3];
      out[x * 4 + 1] = row[x * 3 + 1];
      out[x * 4 + 2] = row[x * 3 + 2];
      out[x * 4 + 3] = 255;
    }
  }
  const bool complete = info.output_scanline == info.output_height;
  if (complete) jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  if (!complete || error.corrupt) return std::nullopt;
  return picture;
}

}  // namespace velmar::platform
