#pragma once
// Keeps the device operations locked until a login succeeds and while a
// request is outstanding, so two exchanges never interleave; afterwards they
// follow the login state.

#include <functional>

namespace gsm {

class OperationGate {
public:
    explicit OperationGate(std::function<void(bool enabled)> apply) : m_apply(std::move(apply)) {}

    void SetLoggedIn(bool loggedIn);
    // Both are idempotent: the buttons are switched only when the state changes.
    void RequestSent();
    void Settled();
    bool LoggedIn() const { return m_loggedIn; }
    bool Outstanding() const { return m_outstanding; }

private:
    void Apply();
    std::function<void(bool)> m_apply;
    bool m_loggedIn = false;
    bool m_outstanding = false;
};

} // namespace gsm
