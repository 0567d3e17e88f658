#pragma once
// What an installation of the product leaves on the machine and the
// uninstallation removes again: the product's program files and libraries,
// its file types, and the working folders and installer files it keeps.
// Folder and file names are relative to the product folder.

#include <iterator>

namespace velmar {

// The product's program files and libraries, in the order they are removed:
// its programs by name, then every program of its own by the pattern, then
// its libraries.
inline constexpr const char* ProductProgramFiles[] = {
    "VelmarPM.exe",     // project manager
    "Velmar.exe",       // run-time system
    "VelmarArc.exe",    // archive viewer
    "VelmarSpool.exe",  // printer spooler
    "VelmarSms.exe",    // SMS server
    "VelEdit.exe",      // screen editor
    "VelTags.exe",      // tag editor
    "VelTrend.exe",     // trend viewer
    "VelAlarm.exe",     // alarm manager
    "VelRecipe.exe",    // recipe editor
    "VelReport.exe",    // report generator
    "VelDrvCfg.exe",    // driver configuration
    "VelBackup.exe",    // project backup
    "Velmar*.exe",
    "VelCore.dll",
    "VelComm.dll",
    "VelGraph.dll",
    "VelDb.dll",
};
static_assert(std::size(ProductProgramFiles) == 18);

// Files the product writes beside its programs: help, settings (Velmar.ini
// among them), data, language files and logs (Install.log among them).
inline constexpr const char* ProductFilePatterns[] = {"*.CNT", "*.HLP", "*.INI", "*.DAT",
                                                      "*.L44", "*.L49", "*.L33", "*.LOG"};

// The product's working folders, emptied of files and removed in this order;
// a subfolder before its parent.
inline constexpr const char* ProductWorkingFolders[] = {"Common", "Lib1",           "Lib2", "Lib3",
                                                        "PrintQ\\Printed", "PrintQ", "Wav"};

struct ProductFileType {
  const char* extension;  // with its dot
  const char* className;  // the key of its class below HKEY_CLASSES_ROOT
};

// The file types the product's programs register. A project is a
// "VelmarProject"; every other class is "Velmar_" and the extension's letters.
inline constexpr ProductFileType ProductFileTypes[] = {
    {".VPR", "VelmarProject"},  // project
    {".VSC", "Velmar_VSC"},     // screen
    {".VSY", "Velmar_VSY"},     // symbol library
    {".VTG", "Velmar_VTG"},     // tag list
    {".VAL", "Velmar_VAL"},     // alarm list
    {".VAH", "Velmar_VAH"},     // alarm history
    {".VTR", "Velmar_VTR"},     // trend
    {".VTH", "Velmar_VTH"},     // trend history
    {".VRC", "Velmar_VRC"},     // recipe
    {".VRP", "Velmar_VRP"},     // report template
    {".VDR", "Velmar_VDR"},     // driver description
    {".VDB", "Velmar_VDB"},     // process database
    {".VSQ", "Velmar_VSQ"},     // sequence
    {".VSJ", "Velmar_VSJ"},     // spool job
    {".VAR", "Velmar_VAR"},     // archive
    {".VAX", "Velmar_VAX"},     // archive index
    {".VEV", "Velmar_VEV"},     // event list
    {".VUS", "Velmar_VUS"},     // user list
    {".VAC", "Velmar_VAC"},     // access rights
    {".VSN", "Velmar_VSN"},     // SMS notice
    {".VPH", "Velmar_VPH"},     // phone book
    {".VCG", "Velmar_VCG"},     // station configuration
    {".VNT", "Velmar_VNT"},     // network
    {".VIO", "Velmar_VIO"},     // I/O map
    {".VPL", "Velmar_VPL"},     // controller program
    {".VBL", "Velmar_VBL"},     // block library
    {".VGR", "Velmar_VGR"},     // graphic
    {".VMA", "Velmar_VMA"},     // macro
    {".VSK", "Velmar_VSK"},     // script
    {".VBU", "Velmar_VBU"},     // project backup
    {".VEX", "Velmar_VEX"},     // export
    {".VLG", "Velmar_VLG"},     // event log
};
static_assert(std::size(ProductFileTypes) == 32);

// The maker's settings below HKEY_LOCAL_MACHINE.
inline constexpr const char* MakerSettingsKey = "Software\\Kravo";

// The installer's copy in "Install\": its files, removed in this order. Its
// own program file is not among them, so the folder stays where it lies.
inline constexpr const char* InstallerCopyFiles[] = {
    "Liesmich.txt", "Readme.txt",  "Lif-moi.txt", "Setup.ini",   "Setup.L44",   "Setup.L49",   "Setup.L33",
    "Velmar.L44",   "Velmar.L49",  "Velmar.L33",  "Setup44.hlp", "Setup44.cnt", "Setup44.gid", "Setup49.hlp",
    "Setup49.cnt",  "Setup49.gid", "Setup33.hlp", "Setup33.cnt", "Setup33.gid"};

// Its folders, emptied of files and removed in this order; only "Custom" with
// its subfolders. "Install" itself goes last, and only when that has left it
// empty.
struct InstallerCopyFolder {
  const char* name;
  bool withSubfolders;
};
inline constexpr InstallerCopyFolder InstallerCopyFolders[] = {
    {"Install\\Custom", true}, {"Install\\Velmar", false}, {"Install\\Patch", false}, {"Install\\Projects", false}};

}  // namespace velmar
