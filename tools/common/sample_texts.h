#pragma once
// Texts of the sample medium (UTF-8 here; written in the ANSI code page).

namespace sample {

inline constexpr const char* SetupIni =
    "; Installer settings of the sample medium\r\n"
    "[Title]\r\n"
    "Title=Velmar 3.5\r\n"
    "FontName=Arial\r\n"
    "FontSize=40\r\n"
    "\r\n"
    "[Install]\r\n"
    "VelmarPath=C:\\Velmar\r\n"
    "ProjectsPath=C:\\VelProj\r\n"
    "LinkPath=C:\\Velmar\\Projects\r\n"
    "\r\n"
    "[Project]\r\n"
    "ProjectFile=C:\\VelProj\\Plant1\\Plant1.vpr\r\n"
    "LinkName=Plant 1\r\n"
    "Project=Plant 1\r\n"
    "Customer=Sample customer\r\n"
    "\r\n"
    "; Run after the product is installed: the OPC server's own setup from the\r\n"
    "; medium, and its client library into the Windows system folder.\r\n"
    "[NT_Install]\r\n"
    "1=RUN [EXTRAS]OpcSetup.exe /silent\r\n"
    "2=COPY [EXTRAS]VelOpc.dll [WINSYS]VelOpc.dll\r\n";

// Two customers' installs: the harbour's with its project in an archive, its
// driver files and its logo; the mill's with a plain project file.
inline constexpr const char* CustomIni =
    "; Customer installs of the sample medium\r\n"
    "[CustomInstalls]\r\n"
    "1=Harbour\r\n"
    "2=Mill\r\n"
    "\r\n"
    "[Harbour]\r\n"
    "Type=BRENTA\r\n"
    "Folder=Harbour\r\n"
    "Title44=Harbour pumping station\r\n"
    "Title49=Hafenpumpwerk\r\n"
    "Title33=Station de pompage du port\r\n"
    "Title48=Przepompownia portowa\r\n"
    "Select44=Harbour pumping station, BRENTA pumps on a serial line\r\n"
    "Select49=Hafenpumpwerk, BRENTA-Pumpen an serieller Leitung\r\n"
    "Select33=Station de pompage du port, pompes BRENTA sur ligne série\r\n"
    "Logo=Logo.bmp\r\n"
    "Transparent=1\r\n"
    "ProjectName=Harbour pumping station\r\n"
    "CustomerName=Port of Velmar\r\n"
    "ShortcutName=Harbour\r\n"
    "\r\n"
    "[Mill]\r\n"
    "Type=BRENTA\r\n"
    "Folder=Mill\r\n"
    "Title44=Paper mill\r\n"
    "Title49=Papierfabrik\r\n"
    "Select44=Paper mill, winder line\r\n"
    "Select49=Papierfabrik, Wickellinie\r\n"
    "Select33=Papeterie, ligne de bobinage\r\n"
    "ProjectName=Winder line\r\n"
    "CustomerName=Velmar Paper\r\n";

inline constexpr const char* ReadmeEnglish =
    "VELMAR 3.5 - Readme\r\n"
    "===================\r\n"
    "\r\n"
    "Thank you for choosing Velmar, the process control system for plants\r\n"
    "of every size.\r\n"
    "\r\n"
    "Before you install\r\n"
    "  - Close every Velmar program (project manager, archive viewer,\r\n"
    "    printer spooler, SMS server).\r\n"
    "  - Installing drivers needs administrator rights.\r\n"
    "\r\n"
    "What is new in 3.5\r\n"
    "  - Faster archive viewer with day and week views.\r\n"
    "  - BRENTA driver: serial ports COM1 to COM4.\r\n"
    "  - SMS server: messages in four languages.\r\n"
    "\r\n"
    "Support: see Help\\Velmar.txt in the product folder.\r\n";

inline constexpr const char* ReadmeGerman =
    "VELMAR 3.5 - Liesmich\r\n"
    "=====================\r\n"
    "\r\n"
    "Vielen Dank, dass Sie sich für Velmar entschieden haben, das\r\n"
    "Prozessleitsystem für Anlagen jeder Größe.\r\n"
    "\r\n"
    "Vor der Installation\r\n"
    "  - Schließen Sie alle Velmar-Programme (Projektmanager, Archivbetrachter,\r\n"
    "    Druckerspooler, SMS-Server).\r\n"
    "  - Für die Installation von Treibern sind Administratorrechte nötig.\r\n"
    "\r\n"
    "Neu in 3.5\r\n"
    "  - Schnellerer Archivbetrachter mit Tages- und Wochenansicht.\r\n"
    "  - BRENTA-Treiber: serielle Schnittstellen COM1 bis COM4.\r\n"
    "  - SMS-Server: Meldungen in vier Sprachen.\r\n";

inline constexpr const char* ReadmeFrench =
    "VELMAR 3.5 - Lisez-moi\r\n"
    "======================\r\n"
    "\r\n"
    "Merci d'avoir choisi Velmar, le système de contrôle-commande pour les\r\n"
    "installations de toute taille.\r\n"
    "\r\n"
    "Avant l'installation\r\n"
    "  - Fermez tous les programmes Velmar (gestionnaire de projets,\r\n"
    "    visionneuse d'archives, spouleur d'impression, serveur SMS).\r\n"
    "  - L'installation des pilotes exige les droits d'administrateur.\r\n"
    "\r\n"
    "Nouveautés de la version 3.5\r\n"
    "  - Visionneuse d'archives plus rapide, vues par jour et par semaine.\r\n"
    "  - Pilote BRENTA : ports série COM1 à COM4.\r\n";

inline constexpr const char* ProductHelp =
    "Velmar help\r\n"
    "-----------\r\n"
    "Start the project manager (VelmarPM.exe) and open a project file (.VPR).\r\n";

inline constexpr const char* ToolsText =
    "Utilities of the Velmar medium\r\n"
    "  Diag\\PortTest.exe   tests the serial ports COM1 to COM4\r\n";

}  // namespace sample
