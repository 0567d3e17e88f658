#pragma once
#include "common/zip_writer.h"

namespace velmar::test {
using zipwrite::BuildZip;
using zipwrite::RandomBytes;
using zipwrite::ZipEntry;
using zipwrite::ZipOptions;
}  // namespace velmar::test
