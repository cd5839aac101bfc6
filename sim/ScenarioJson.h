#pragma once
// Scenario files: the device state as JSON a user can read and edit.
// Decoded fields where they describe the bytes exactly, hex where they do not.
// The format is described in sim/README.md.

#include "DeviceMemory.h"

#include <QByteArray>
#include <QString>

#include <stdexcept>
#include <string>

namespace gsm::sim {

class ScenarioError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace scenario_json {

inline constexpr const char* kFormatName = "gsmgate-sim scenario";
inline constexpr int kVersion = 1;

// Always succeeds; written back by Read it gives the same state.
QByteArray Write(const DeviceState& state);
// Throws ScenarioError naming the first thing wrong.
DeviceState Read(const QByteArray& json);

DeviceState ReadFile(const QString& path);
void WriteFile(const DeviceState& state, const QString& path);

} // namespace scenario_json

// A built-in scenario's name, or else the path of a scenario file.
DeviceState LoadScenario(const QString& nameOrPath);

} // namespace gsm::sim
