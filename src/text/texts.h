#pragma once
// The numbers of the installer's own texts (group 16 of the language files)
// and their English wording, the one place that holds them: call sites name a
// text by its constant (LanguageSupport::Text(text::SettingsNotSaved)), and the
// text sources of the four languages are checked against this list.

#include <string_view>

namespace velmar::text {

constexpr int Group = 16;

constexpr int AdminRightsRequired = 9;
constexpr int VelmarRunning = 10;
constexpr int ProjectManagerRunning = 11;
constexpr int ArchiveViewerRunning = 12;
constexpr int PrinterSpoolerRunning = 13;
constexpr int SmsServerRunning = 14;
constexpr int InstallingRelease = 15;
constexpr int ProjectFolderFailed = 17;
constexpr int InstallingDemo = 18;
constexpr int InstalledOn = 19;
constexpr int ProjectManagerCaption = 20;
constexpr int ArchiveViewerCaption = 21;
constexpr int SmsServerCaption = 22;
constexpr int InstallationFinished = 23;
constexpr int InstallingPatch = 24;
constexpr int PatchFinished = 25;
constexpr int InstallingProject = 26;
constexpr int TempFolderFailed = 27;
constexpr int ProjectInstalled = 28;
constexpr int ExplorerFailed = 29;
constexpr int SettingsNotSaved = 30;
constexpr int ShortcutFailed = 31;
constexpr int SelectFunction = 32;
constexpr int InstallVelmar = 33;
constexpr int InstallPatch = 34;
constexpr int InstallProject = 35;
constexpr int ViewReadme = 36;
constexpr int ExploreUtilities = 37;
constexpr int UninstallVelmar = 38;
constexpr int ContinueEnter = 39;
constexpr int ExitEsc = 40;
constexpr int WelcomeIntro = 41;
constexpr int WelcomeExitPrograms = 42;
constexpr int WelcomeHowToGoOn = 43;
constexpr int AcceptTerms = 46;
constexpr int RejectTerms = 47;
constexpr int LicenceReadBelow = 48;
constexpr int LicenceQuestion = 49;
constexpr int LicenceFirstLine = 50;  // the agreement: 20 lines, 50 to 69
constexpr int LicenceLineCount = 20;
constexpr int VelmarFilesFolder = 80;
constexpr int VelmarFolder = 81;
constexpr int UserProjectsFolder = 82;
constexpr int ProjectsFolder = 83;
constexpr int ProjectShortcutsForManager = 84;
constexpr int ShortcutsFolder = 85;
constexpr int FolderNotCreated = 86;
constexpr int FolderNotDefined = 87;
constexpr int SelectVersion = 88;
constexpr int NewestVersionSuffix = 89;
constexpr int ReleasePrefix = 90;
constexpr int StartMenuFolderMessage = 91;
constexpr int AddDesktopShortcuts = 92;
constexpr int AutostartDefaultProject = 93;
constexpr int DefaultStartMenuGroup = 94;
constexpr int CreateUserProject = 95;
constexpr int ProjectNameLabel = 96;
constexpr int CustomerNameLabel = 97;
constexpr int ProjectFileFolderLabel = 98;
constexpr int ProjectFileNameLabel = 99;
constexpr int ProjectShortcutNameLabel = 100;
constexpr int MakeDefaultProject = 101;
constexpr int ProjectNameUndefined = 102;
constexpr int CustomerNameUndefined = 103;
constexpr int ShortcutNameUndefined = 104;
constexpr int DefaultProjectFolderName = 105;
constexpr int ErrorPrefix = 106;
constexpr int ProjectDataFolderTitle = 107;
constexpr int ProjectFolderUndefined = 108;
constexpr int ProjectFileNameUndefined = 109;
constexpr int DemoQuestion = 135;
constexpr int InstallDemoProject = 136;
constexpr int DemoIsDefaultProject = 137;
constexpr int ReadyToInstall = 138;
constexpr int IntoFolder = 139;
constexpr int SpecialInstall = 140;
constexpr int SelectCustomInstall = 141;
constexpr int SelectVprFile = 142;
constexpr int SelectDriverPort = 143;
constexpr int DriverPatchFailed = 144;
constexpr int UninstallCheck = 145;
constexpr int UninstallButton = 147;
constexpr int SelectPatch = 150;
constexpr int ReadyToInstallPatch = 151;
constexpr int SelectProject = 152;
constexpr int DefineProjectPlace = 153;
constexpr int ZipFileNameLabel = 154;
constexpr int ZipCommentLabel = 155;
constexpr int VelmarProjectFileLabel = 156;
constexpr int ProjectInstallFolderLabel = 157;
constexpr int ShortcutNameLabel = 158;
constexpr int ProjectInstallFolderTitle = 159;
constexpr int InvalidInstallFolder = 160;
constexpr int SubFolderRequired = 161;
constexpr int InvalidShortcutName = 162;
constexpr int ReadyToInstallProject = 163;
constexpr int ReadmeCaption = 170;
constexpr int FileNotFound = 171;
constexpr int FileNameInUseMessage = 173;
constexpr int FileNameInUse = 174;
constexpr int UnpackingArchive = 175;
constexpr int UnpackingInto = 176;
constexpr int ArchiveNotFound = 177;
constexpr int UninstallingVelmar = 178;
constexpr int UnregisteringProjectManager = 179;
constexpr int DeletingProgramFiles = 180;
constexpr int DeletingFolders = 181;
constexpr int RemovingRegistrySettings = 182;
constexpr int DeletingInstallFiles = 183;
constexpr int UninstallFinished = 184;
constexpr int VelmarFolderCanBeDeleted = 185;
constexpr int DeletingShortcuts = 186;
constexpr int ShortcutsFolderKept = 187;
constexpr int CouldNotRemove = 188;
constexpr int UninstallFinishedWithErrors = 189;
constexpr int FinishedWithErrors = 190;
constexpr int FileNotReadable = 191;
constexpr int DriverPortNotSet = 192;
constexpr int InvalidName = 197;
constexpr int ShortcutFilesKept = 198;

struct EnglishText {
  int id;
  std::string_view text;
};

// Every text with its English wording; the agreement lines have none.
inline constexpr EnglishText EnglishTexts[] = {
    {AdminRightsRequired, "Administrator rights are required when installing some drivers."},
    {VelmarRunning, "Cannot install !\r\nVelmar is running !"},
    {ProjectManagerRunning, "Cannot install !\r\nVelmar Project manager is running !"},
    {ArchiveViewerRunning, "Cannot install !\r\nArchive viewer is running !"},
    {PrinterSpoolerRunning, "Cannot install !\r\nVelmar printer spooler is running !"},
    {SmsServerRunning, "Cannot install !\r\nSMS Server is running !"},
    {InstallingRelease, "Installing VELMAR Release $"},
    {ProjectFolderFailed, "ERROR: Could not create project folder !"},
    {InstallingDemo, "Installing VELMAR DEMO project"},
    {InstalledOn, "Velmar was installed on this computer on $"},
    {ProjectManagerCaption, "Velmar"},
    {ArchiveViewerCaption, "Archive viewer"},
    {SmsServerCaption, "SMS Server"},
    {InstallationFinished, "Installation finished"},
    {InstallingPatch, "Installing patch file $"},
    {PatchFinished, "Patch finished.\r\n$\r\nhas been installed."},
    {InstallingProject, "Installing project $"},
    {TempFolderFailed, "Failed to create temporary extract folder"},
    {ProjectInstalled, "Finished installing the project"},
    {ExplorerFailed, "ERROR: Could not load explorer for : \r\n$"},
    {SettingsNotSaved, "Could not save settings !"},
    {ShortcutFailed, "ERROR: Failed to create shortcut !\r\n$"},
    {SelectFunction, "Select function :"},
    {InstallVelmar, "Install &Velmar"},
    {InstallPatch, "Install a Patch &file"},
    {InstallProject, "Install a &Project"},
    {ViewReadme, "View Velmar \"&Readme.txt\" file"},
    {ExploreUtilities, "&Explore utilities folder"},
    {UninstallVelmar, "&Uninstall Velmar"},
    {ContinueEnter, "&Continue (Enter)"},
    {ExitEsc, "E&xit (Esc)"},
    {WelcomeIntro,
     "Welcome to the Velmar setup program. This program will install Velmar, or an Velmar project, on to your "
     "computer. This program can also be used to uninstall Velmar from the computer."},
    {WelcomeExitPrograms,
     "It is strongly recommended that you exit all Windows programs before running this Setup program."},
    {WelcomeHowToGoOn,
     "Click cancel to stop this Setup and then close any running programs. Click Next to continue with the Setup "
     "program."},
    {AcceptTerms, "&Accept terms"},
    {RejectTerms, "&Reject terms"},
    {LicenceReadBelow,
     "Please read the following License Agreement. Press the PAGE DOWN key to see the rest of the agreement."},
    {LicenceQuestion,
     "Do you accept the terms of this License Agreement ? If you choose NO, Setup will close. To continue with the "
     "installation you must accept this agreement."},
    {VelmarFilesFolder, "Velmar program files folder"},
    {VelmarFolder, "Velmar EXE folder"},
    {UserProjectsFolder, "User projects folder"},
    {ProjectsFolder, "projects folder"},
    {ProjectShortcutsForManager, "Project shortcuts for project manager"},
    {ShortcutsFolder, "Shortcuts folder"},
    {FolderNotCreated, "ERROR: Could not create folder"},
    {FolderNotDefined, "ERROR: Folder not defined"},
    {SelectVersion, "Select version to install"},
    {NewestVersionSuffix, " - Newest version"},
    {ReleasePrefix, "VELMAR Release"},
    {StartMenuFolderMessage, "Shortcuts will be added to the start menu for Velmar in the following folder :"},
    {AddDesktopShortcuts, "Add shortcuts to the desktop ?"},
    {AutostartDefaultProject, "Should Velmar start the default project when booting ?"},
    {DefaultStartMenuGroup, "Velmar"},
    {CreateUserProject, "Create a new user project"},
    {ProjectNameLabel, "P&roject name"},
    {CustomerNameLabel, "C&ustomer name"},
    {ProjectFileFolderLabel, "Project file folder"},
    {ProjectFileNameLabel, "Project file name"},
    {ProjectShortcutNameLabel, "Project shortcut name"},
    {MakeDefaultProject, "Make this the default project"},
    {ProjectNameUndefined, "Project name undefined !"},
    {CustomerNameUndefined, "Customer name undefined !"},
    {ShortcutNameUndefined, "Project shortcut name undefined !"},
    {DefaultProjectFolderName, "Project"},
    {ErrorPrefix, "ERROR:"},
    {ProjectDataFolderTitle, "Folder for your project data files"},
    {ProjectFolderUndefined, "Project folder not defined"},
    {ProjectFileNameUndefined, "Project file name not defined"},
    {DemoQuestion, "Would you like to install a demo project which shows many of the features of Velmar"},
    {InstallDemoProject, "Install demo project"},
    {DemoIsDefaultProject, "Make demo project the default project"},
    {ReadyToInstall, "Ready to install Velmar Release $"},
    {IntoFolder, "Into folder : $"},
    {SpecialInstall, "&Special install"},
    {SelectCustomInstall, "Select the custom install from the list below :"},
    {SelectVprFile, "Select VPR file to install"},
    {SelectDriverPort, "Select driver serial port"},
    {DriverPatchFailed, "Could not patch driver\r\n$"},
    {UninstallCheck, "Uninstall Velmar"},
    {UninstallButton, "&Uninstall"},
    {SelectPatch, "Select the patch file to be installed from the list below :"},
    {ReadyToInstallPatch, "Ready to install the patch file :"},
    {SelectProject, "Select the project to be installed from the list below :"},
    {DefineProjectPlace, "Define folder and shortcut names for the project to be installed :"},
    {ZipFileNameLabel, "ZIP file name"},
    {ZipCommentLabel, "ZIP comment"},
    {VelmarProjectFileLabel, "Velmar Project file name"},
    {ProjectInstallFolderLabel, "Install project into folder"},
    {ShortcutNameLabel, "Shortcut name"},
    {ProjectInstallFolderTitle, "Project install folder"},
    {InvalidInstallFolder, "Invalid install folder"},
    {SubFolderRequired, "Sub-folder required under projects folder"},
    {InvalidShortcutName, "Invalid shortcut name"},
    {ReadyToInstallProject, "Ready to install the project :"},
    {ReadmeCaption, "VELMAR Readme.txt"},
    {FileNotFound, "ERROR: Cannot find file !\r\n$"},
    {FileNameInUseMessage, "The file name defined is already in use. Please enter a new unique file name. "},
    {FileNameInUse, "File name already being used"},
    {UnpackingArchive, "Unpacking : $"},
    {UnpackingInto, "unpacking into $"},
    {ArchiveNotFound, "ERROR: File could not be found !"},
    {UninstallingVelmar, "Uninstalling Velmar"},
    {UnregisteringProjectManager, "Unregister Project manager OLE server"},
    {DeletingProgramFiles, "Deleting Velmar program files"},
    {DeletingFolders, "Deleting Velmar folders"},
    {RemovingRegistrySettings, "Removing registry settings"},
    {DeletingInstallFiles, "Deleting install files"},
    {UninstallFinished, "Uninstall finished"},
    {VelmarFolderCanBeDeleted, "Velmar folder can be deleted"},
    {DeletingShortcuts, "Deleting shortcuts"},
    {ShortcutsFolderKept, "Project shortcuts folder not deleted, it is or holds a protected folder : $"},
    {CouldNotRemove, "ERROR: Could not remove : $"},
    {UninstallFinishedWithErrors, "Uninstall finished with errors !\r\nWhat could not be removed is listed in the uninstall window."},
    {FinishedWithErrors, "Finished with errors !\r\nSome steps failed; they are listed in the log file\r\n$"},
    {FileNotReadable, "ERROR: Cannot read file !\r\n$"},
    {DriverPortNotSet, "No serial port was chosen. These driver files keep their port:\r\n$"},
    {InvalidName, "Invalid name"},
    {ShortcutFilesKept, "Files the installation did not make, kept in the project shortcuts folder : $"},
};

// The English wording of a text; empty for the agreement's lines and unknown ids.
constexpr std::string_view EnglishOf(int id) {
  for (const EnglishText& english : EnglishTexts)
    if (english.id == id) return english.text;
  return {};
}

}  // namespace velmar::text
