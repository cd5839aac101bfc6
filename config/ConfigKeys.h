#pragma once
// The names the configuration file gives the 22 settings and the labels it
// gives the items of their lists. The names are snake_case forms of the item
// captions, fixed here so that a file written today is read the same way by
// every later version.

#include <optional>
#include <string>
#include <string_view>

namespace gsm::config {

// The name of row `r` (1 to 22).
const char* KeyOfRow(int r);
// The row named `key`, or nullopt.
std::optional<int> RowOfKey(std::string_view key);

// The label of item `index` of the list over row `r`: its text after the
// index and colon, without surrounding blanks ("NO", "Admin Number").
std::string ItemLabel(int r, int index);
// The item of that list whose label is `label`, case and surrounding blanks
// not counted; nullopt when none is.
std::optional<int> ItemOfLabel(int r, std::string_view label);
// "\"NC\", \"NO\"": the labels a list takes, for messages.
std::string LabelsOf(int r);

} // namespace gsm::config
