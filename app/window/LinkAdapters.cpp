#include "LinkAdapters.h"

#include "app/widgets/ProgressDisplay.h"
#include "app/widgets/StatusDisplay.h"

#include <QString>

void StatusBarSink::ShowStatus(const std::string& text) {
    m_status.ShowStatus(QString::fromStdString(text));
}
