#pragma once
// The product's programs that get shortcuts, in the order they get them; the
// installation makes the shortcuts and the uninstallation removes the files.

#include "text/texts.h"

namespace velmar {

struct ProductProgram {
  const char* file;  // in the product folder
  int captionId;     // the shortcut's name, a text of texts.h
  bool desktop;      // also on the desktop when the user wants desktop shortcuts
  bool startup;      // also in the Startup folder when the user wants it started
};

inline constexpr ProductProgram ProductPrograms[] = {
    {"VelmarPM.exe", text::ProjectManagerCaption, true, true},
    {"VelmarArc.exe", text::ArchiveViewerCaption, true, false},
    {"VelmarSms.exe", text::SmsServerCaption, true, false},
};

}  // namespace velmar
