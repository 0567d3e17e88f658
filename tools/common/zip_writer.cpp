#include "common/zip_writer.h"

#include <stdexcept>
#include <zlib.h>

namespace velmar::zipwrite {
namespace {

void Put16(std::string& out, uint64_t v) {
  out += char(v & 0xFF);
  out += char((v >> 8) & 0xFF);
}
void Put32(std::string& out, uint64_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, (v >> 16) & 0xFFFF);
}
void Put64(std::string& out, uint64_t v) {
  Put32(out, v & 0xFFFFFFFF);
  Put32(out, v >> 32);
}

uint32_t Crc(std::string_view data) {
  return uint32_t(crc32(0, reinterpret_cast<const Bytef*>(data.data()), uInt(data.size())));
}

std::string UnixTimeExtra(int32_t time) {
  std::string extra;
  Put16(extra, 0x5455);
  Put16(extra, 5);
  extra += char(1);
  Put32(extra, uint32_t(time));
  return extra;
}

}  // namespace

std::string RawDeflate(std::string_view data) {
  z_stream z{};
  if (deflateInit2(&z, 6, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) throw std::runtime_error("deflate");
  std::string out(deflateBound(&z, uLong(data.size())) + 16, '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  z.avail_in = uInt(data.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = uInt(out.size());
  if (deflate(&z, Z_FINISH) != Z_STREAM_END) throw std::runtime_error("deflate");
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

std::string RandomBytes(size_t size, uint32_t seed) {
  std::string out(size, '\0');
  uint32_t x = seed * 2654435761u + 1;
  for (auto& c : out) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    c = char(x & 0xFF);
  }
  return out;
}

std::string BuildZip(const std::vector<ZipEntry>& entries, const ZipOptions& options) {
  std::string archive, directory;
  for (const auto& e : entries) {
    std::string packed = e.method == 8 ? RawDeflate(e.data) : e.data;
    uint32_t crc = Crc(e.data);
    uint16_t flags = uint16_t((e.utf8 ? 1 << 11 : 0) | (e.dataDescriptor ? 1 << 3 : 0) | (e.encrypted ? 1 : 0));
    uint64_t offset = archive.size();
    std::string timeExtra = e.unixTime ? UnixTimeExtra(*e.unixTime) : "";

    std::string localExtra = timeExtra;
    if (options.zip64) {
      Put16(localExtra, 0x0001);
      Put16(localExtra, 16);
      Put64(localExtra, e.dataDescriptor ? 0 : e.data.size());
      Put64(localExtra, e.dataDescriptor ? 0 : packed.size());
    }
    Put32(archive, 0x04034b50);
    Put16(archive, options.zip64 ? 45 : 20);
    Put16(archive, flags);
    Put16(archive, e.method);
    Put16(archive, e.dosTime);
    Put16(archive, e.dosDate);
    Put32(archive, e.dataDescriptor ? 0 : crc);
    Put32(archive, options.zip64 ? 0xFFFFFFFF : e.dataDescriptor ? 0 : packed.size());
    Put32(archive, options.zip64 ? 0xFFFFFFFF : e.dataDescriptor ? 0 : e.data.size());
    Put16(archive, e.name.size());
    Put16(archive, localExtra.size());
    archive += e.name + localExtra + packed;
    if (e.dataDescriptor) {
      Put32(archive, 0x08074b50);
      Put32(archive, crc);
      if (options.zip64) {
        Put64(archive, packed.size());
        Put64(archive, e.data.size());
      } else {
        Put32(archive, packed.size());
        Put32(archive, e.data.size());
      }
    }

    uint64_t csize = e.compressedSize.value_or(packed.size()), usize = e.uncompressedSize.value_or(e.data.size());
    uint64_t at = e.localHeaderOffset.value_or(offset);
    std::string extra = timeExtra + e.centralExtra;
    if (options.zip64) {
      Put16(extra, 0x0001);
      Put16(extra, 24);
      Put64(extra, usize);
      Put64(extra, csize);
      Put64(extra, at);
    }
    Put32(directory, 0x02014b50);
    Put16(directory, e.versionMadeBy);
    Put16(directory, options.zip64 ? 45 : 20);
    Put16(directory, flags);
    Put16(directory, e.method);
    Put16(directory, e.dosTime);
    Put16(directory, e.dosDate);
    Put32(directory, e.crc.value_or(crc));
    Put32(directory, options.zip64 ? 0xFFFFFFFF : csize);
    Put32(directory, options.zip64 ? 0xFFFFFFFF : usize);
    Put16(directory, e.name.size());
    Put16(directory, extra.size());
    Put16(directory, 0);  // comment
    Put16(directory, 0);  // disk
    Put16(directory, 0);  // internal attributes
    Put32(directory, e.externalAttributes);
    Put32(directory, options.zip64 ? 0xFFFFFFFF : at);
    directory += e.name + extra;
  }

  uint64_t directoryOffset = options.directoryOffset.value_or(archive.size());
  uint64_t directorySize = options.directorySize.value_or(directory.size());
  uint64_t count = options.entryCount.value_or(entries.size());
  archive += directory;
  if (options.zip64) {
    uint64_t end64 = archive.size();
    Put32(archive, 0x06064b50);
    Put64(archive, 44);
    Put16(archive, 45);
    Put16(archive, 45);
    Put32(archive, 0);
    Put32(archive, 0);
    Put64(archive, count);
    Put64(archive, count);
    Put64(archive, directorySize);
    Put64(archive, directoryOffset);
    Put32(archive, 0x07064b50);
    Put32(archive, 0);
    Put64(archive, end64);
    Put32(archive, 1);
  }
  Put32(archive, 0x06054b50);
  Put16(archive, 0);
  Put16(archive, 0);
  Put16(archive, options.zip64 ? 0xFFFF : count);
  Put16(archive, options.zip64 ? 0xFFFF : count);
  Put32(archive, options.zip64 ? 0xFFFFFFFF : directorySize);
  Put32(archive, options.zip64 ? 0xFFFFFFFF : directoryOffset);
  Put16(archive, options.comment.size());
  archive += options.comment;
  return archive;
}

}  // namespace velmar::zipwrite
