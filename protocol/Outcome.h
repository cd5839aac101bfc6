#pragma once
// How an operation on the device ended, as a value: the shells turn it into
// what the user reads (OperationTexts.h), the command-line tool into its
// summary. Nothing here is a user-interface text.

#include "Area.h"

#include <cstdint>
#include <vector>

namespace gsm {

enum class Outcome {
    Ok,
    Refused,     // the device answered a write or command with a status other than 1
    Timeout,     // no reply, or a reply that stopped part-way, within the timeout
    InvalidData, // a spoilt reply: checksum, oversized header, page without its 256 bytes
    WrongPage,   // the reply names another page than the one asked for
    LinkLost,    // the port went away, or would not take a frame while open
    NotSent,     // the port is closed: nothing went out
    Busy,        // another request still waits for its reply: nothing went out
    Cancelled,   // stopped by the program (an interrupt, a closing window)
};

enum class OperationKind { LogIn, Read, Write, Command };

struct OperationResult {
    OperationKind kind = OperationKind::LogIn;
    Area area = Area::Settings;
    // The command of a single-command operation.
    std::uint8_t command = 0;
    Outcome outcome = Outcome::Ok;
    // Pages the operation covers.
    int pageCount = 0;
    // Pages read, or acknowledged by the device, in the order they were.
    std::vector<int> pagesDone;
    // The page whose exchange did not complete; 0 when none did not.
    int failedPage = 0;
    // The status byte of the last write or command reply.
    std::uint8_t status = 0;

    bool Ok() const { return outcome == Outcome::Ok; }
};

} // namespace gsm
