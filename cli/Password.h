#pragma once
// Where the device password comes from: --password-file, $GSMGATE_PASSWORD,
// a prompt without echo when stdin is a terminal, else the factory password.
// It is never printed.

#include <QString>

#include <optional>
#include <string>

namespace gsm::cli {

inline constexpr const char* kFactoryPassword = "7145";

struct PasswordSource {
    QString file;                       // --password-file
    std::optional<QString> environment; // $GSMGATE_PASSWORD when set; empty counts as unset
    bool terminal = false;              // stdin is a terminal: ask
};

// The password, or nullopt with `error` set when the file cannot be read or
// other users may read or write it.
std::optional<std::string> ResolvePassword(const PasswordSource& source, QString* error);

// Reads a line from the terminal with echo off; the echo comes back however
// the prompt ends, SIGINT, SIGTERM, SIGHUP and SIGQUIT included (the signal
// then ends the process as it would have).
std::string PromptWithoutEcho(const char* prompt);

} // namespace gsm::cli
