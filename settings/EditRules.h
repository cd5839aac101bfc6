#pragma once
// What typing into a Content cell of the settings grid may leave there. The
// rules keep each value within what its field on the device can carry, and
// reaching a setting's limit hands the user on to the next setting.

#include "text/CodePage.h"

#include <optional>
#include <string>

namespace gsm::settings {

struct EditOutcome {
    std::string text;                   // what the cell holds afterwards
    bool changed = false;               // text differs from what was typed
    int selectRow = 0;                  // row to select next; 0 keeps the selection
    std::optional<std::string> refusal; // why a typed character was refused
};

// The row selected when row `r` reaches its limit: the next one, except for
// the last row, which hands back to the row above.
int RowAfterLimit(int r);

// Applies the rules of row `r` to the editor text `typed` of its Content cell.
// Lengths are counted in bytes of `codePage`; a character that the code page
// cannot hold is taken out again and reported, never replaced.
EditOutcome ApplyEditRules(int r, const std::string& typed, const CodePage& codePage);

} // namespace gsm::settings
