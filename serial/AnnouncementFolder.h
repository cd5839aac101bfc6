#pragma once
// Where simulated devices announce their pseudo-terminals, so that the port
// list can show them: $XDG_RUNTIME_DIR/gsmgate, or /tmp/gsmgate-UID without
// a runtime folder. The simulator writes there and the port lister reads it;
// neither needs the other's code.

#include <QString>

namespace gsm {
QString AnnouncementFolder();
}
