#include "OperationGate.h"

namespace gsm {

void OperationGate::SetLoggedIn(bool loggedIn) {
    m_loggedIn = loggedIn;
    Apply();
}

void OperationGate::RequestSent() {
    if (m_outstanding)
        return;
    m_outstanding = true;
    Apply();
}

void OperationGate::Settled() {
    if (!m_outstanding)
        return;
    m_outstanding = false;
    Apply();
}

void OperationGate::Apply() {
    m_apply(m_loggedIn && !m_outstanding);
}

} // namespace gsm
