#pragma once
// The real receive path wired to fakes, with the command objects a window
// keeps and every message, progress step and notice recorded, so whole
// transfers run against replies framed as the device frames them.

#include "Fakes.h"
#include "Receiver.h"

#include <string>
#include <vector>

namespace gsm::test {

struct ReceiveBench {
    FakeLink fake;
    TRecData rec;
    TRecValidCom valid;
    TBasicInf basic;
    TtelephoneSend numbers;
    THistoryInf history;
    std::vector<std::string> messages; // plain and titled alike
    std::vector<int> progress;
    std::vector<std::string> notices;
    Tpasswordverify login{{[] { return std::string(); }, [](const std::string&) {}, [](bool) {}}};
    OperationGate gate{[](bool) {}};
    ReceivePath path{fake.link,
                     {rec, valid, basic, numbers, history, login},
                     {[this](const std::string& m) { messages.push_back(m); },
                      [this](const std::string& m) { messages.push_back(m); },
                      [this](std::uint16_t p) { progress.push_back(p); }, [] {},
                      [this](const std::string& n) { notices.push_back(n); }, [] {}},
                     gate};

    ReceiveBench() {
        fake.link.requests.SetOnWaiting([this] { gate.RequestSent(); });
    }
};

} // namespace gsm::test
