#pragma once
// The files the tool reads and writes, as the window reads and writes them,
// turned into device pages and back through the window's own codecs and
// checks: settings profiles, number lists and the history.

#include "backup/BackupFile.h"
#include "backup/Restorable.h"
#include "config/Configuration.h"
#include "protocol/Area.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace gsm::cli {

// Pages to write, or the message that refuses the file (nothing is sent).
struct PagesOrError {
    std::optional<Pages> pages;
    QString error;
};

// The device's SIM number as settings page 1 holds it.
QString SimNumberOf(const Page& firstSettingsPage);

// A settings profile: a workbook the window's "Export profile" wrote (.xlsx,
// .xls, .ods), or the same 3 × 23 sheet as JSON. Checked as the window's
// "Import profile" and "Save Settings" check it; encoded as the window saves.
PagesOrError SettingsPagesFromProfile(const QString& path);
// Writes the two settings pages as a profile: JSON when `path` ends in
// .json (or is "-"), a workbook otherwise. False with the reason.
bool WriteSettingsProfile(const Pages& settings, const QString& path, QString* failure);

// A number list workbook as the window's "Import .XLS" takes it into a fresh
// list, checked and encoded as "Save" does.
PagesOrError NumberPagesFromList(const QString& path);
// The number list as the window's "Export .CSV" (.csv or "-") or "Export .XLS" writes it.
bool WriteNumberList(const Pages& numbers, const QString& path, QString* failure);

// The history as the window shows it after "Read data", written as its
// "Export.CSV" (.csv or "-") or "Export.XLS" does.
bool WriteHistory(const Pages& history, const QString& path, QString* failure);

// The checks of a backup's pages, shared with the window's undo.
using backup::AreasOrError;
using backup::NumberPagesProblem;
using backup::RefusedSettingsPages;
using backup::RestorableAreas;
// The pages of the backup file `path` that a restore writes (settings and
// numbers, each checked as a save checks it), or why it is refused.
AreasOrError RestorableAreas(const QString& path);
// What any write command would write of `path`: a backup (by its "format"),
// a settings profile (JSON, or a workbook with A1 "Items") or a number list
// (a workbook with A1 "Serial").
AreasOrError AreasOfAnyFile(const QString& path);

// A configuration file (YAML), read and checked key by key; nothing of the
// device is needed yet.
struct ConfigurationOrError {
    std::optional<config::Configuration> configuration;
    QString error;
};
ConfigurationOrError ReadConfigurationFile(const QString& path);
// The settings and number pages of a device as its configuration file.
bool WriteConfiguration(const AreaPages& read, const QString& path, QString* failure);

// Writes bytes to `path`, or to stdout for "-"; whole or not at all.
bool WriteOutput(const QString& path, const QByteArray& bytes, QString* failure);
bool IsStdout(const QString& path);

} // namespace gsm::cli
