#pragma once
// The folder every file the program writes or proposes goes to:
// "configuration" beside the program when it is there or can be made there,
// otherwise "configuration" in the user's application data folder.

#include <QString>

// The folder's path, creating it when missing; empty when neither place can
// hold it.
QString ConfigurationFolder();

// The same choice between two given places, for tests.
QString ConfigurationFolderIn(const QString& programFolder, const QString& userDataFolder);
