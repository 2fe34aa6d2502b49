#pragma once

#include <QString>
#include <QStringList>

// The program folder and the fixed folders inside it. Every folder returned here ends with a
// separator; file names do not. Nothing here creates the folders a user works in: the parts of the
// program that use them meet missing files as they come.

// Where the program folder may come from, in the order they are tried.
struct TFolderSources {
    QString homeOverride;             // ZORVIN_HOME, when set
    QString executableFolder;         // the folder of the running program file
    QString userDataFolder;           // the per-user data folder
    QStringList installedDataFolders; // installed copies of the shipped program folder
};

// The program folder for these sources: homeOverride when set; else executableFolder when it holds
// "Styles.data" (a build tree or a portable install); else userDataFolder, which is filled from the
// first installed copy that exists when userDataFolder does not exist yet.
QString ResolveProgramFolder(const TFolderSources &sources);

// The sources of this run: the environment, the program file, the standard per-user data folder
// and the share/zorvin-express folders of the installation.
TFolderSources CurrentFolderSources();

// Copies every file and folder of source into target that target does not already have. Files
// named ".gitkeep" only keep empty folders in the source tree and are not copied.
bool CopyMissingFiles(const QString &source, const QString &target);

QString ProgramFolder();    // ResolveProgramFolder(CurrentFolderSources())
QString ProgramFileName();  // full path of the running program file
QString HTMLFolder();       // "HTMLFiles": generated pages and the external preview file
QString GraphicsFolder();   // "HTMLFiles/graphics": pictures picked for image blocks
QString BackgroundFolder(); // "HTMLFiles/backgrnd": background pictures of styles
QString SaveFolder();       // "save": builder documents and their thumbnails
QString TemplateFolder();   // "template": templates and their thumbnails
QString ServersFolder();    // "servers": the ISP definition files
QString HelpFolder();       // "Help"
QString HelpFileName();     // "Help/index.html": the contents page of the help topics
QString StylesFileName();   // "Styles.data"
