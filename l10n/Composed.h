#pragma once
// The messages the lower layers compose in English with values in them
// ("start month 13 is not 1 to 12", "line 14: settings.din1_type: ..."), as
// the user reads them: a finished message is recognised by the English
// template it was made from, and comes out as that template's translation
// with the same values in place. Values that are themselves texts of the
// program (a setting's caption, the reason inside "Cannot open ...") are
// shown in the user's language as well. A message of no known template, or
// in English, comes out as it went in.
//
// Only for what is shown: files, the device and gsmgate-cli --json take the
// English message as it stands.

#include <QString>

#include <string>

namespace gsm::l10n {

QString ShownComposed(const QString& english);
QString ShownComposed(const std::string& english);

} // namespace gsm::l10n
