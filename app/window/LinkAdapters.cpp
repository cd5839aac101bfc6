#include "LinkAdapters.h"

#include "app/widgets/ProgressDisplay.h"
#include "app/widgets/StatusDisplay.h"

#include "l10n/Shown.h"

#include <QString>

void StatusBarSink::ShowStatus(const std::string& text) {
    // The layers below speak English; what they say is shown in the user's language.
    m_status.ShowStatus(gsm::l10n::ShownStatus("StatusTexts", text));
}
