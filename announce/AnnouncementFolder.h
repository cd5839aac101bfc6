#pragma once
// Where simulated devices announce their pseudo-terminals, so that the port
// list can show them: $XDG_RUNTIME_DIR/gsmgate, or /tmp/gsmgate-UID without
// a runtime folder. The simulator writes there and the port lister reads it;
// neither needs the other's code.

#include <QString>

namespace gsm {

QString AnnouncementFolder();

// Why the announcements in `folder` may not be trusted, or empty when they
// may: it must be a folder of the user's own, not a symbolic link, that no
// one else can write to. Anyone who could write there could put in a link
// that leads the programs to another device. A folder that does not exist
// announces nothing and has no problem.
QString AnnouncementFolderProblem(const QString& folder);

} // namespace gsm
