#include "LinkAdapters.h"

#include "Controllers.h"

#include <QString>

void StatusBarSink::ShowStatus(const std::string& text) {
    m_status.ShowStatus(QString::fromStdString(text));
}
