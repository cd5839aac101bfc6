#pragma once
// The folder every file the program writes or proposes goes to:
// "configuration" beside the program when it is there or can be made there,
// otherwise "configuration" in the user's application data folder. An
// installed program (one in the system's program folders) never writes
// beside itself, even when run by root, who could.

#include <QString>

// The folder's path, creating it when missing; empty when neither place can
// hold it.
QString ConfigurationFolder();

// The same choice between two given places, for tests.
QString ConfigurationFolderIn(const QString& programFolder, const QString& userDataFolder);

// Folders where installed programs live: /usr/bin, /usr/local/bin, /bin, /opt/...
bool IsSystemProgramFolder(const QString& folder);

// Once per run, the user is told where a saved file went when the files go
// to the user's data folder, which is nowhere in sight of an installed program.
class SaveNotice {
public:
    // The status text after a file was saved at `path`: "Saved to " and its
    // full path the first time a file is saved while the configuration
    // folder is the user's; empty otherwise.
    QString After(const QString& path, bool configurationIsUsers);

private:
    bool m_told = false;
};

// SaveNotice::After for this program's own configuration folder.
QString FirstSaveNotice(const QString& path);

class StatusDisplay;
// Shows FirstSaveNotice(path) in the status bar when there is one.
void ShowFirstSaveNotice(StatusDisplay& status, const QString& path);
