// Writes the seeds of the backup, profile and configuration corpora that the
// program itself makes: a backup of a configured device's settings (and one
// with its number list as well), the profile of the same settings as JSON and
// .xlsx, and the configuration file of settings and list.
//   fuzz_seed_files OUT_DIR NUMBER_LIST_WORKBOOK

#include "backup/BackupFile.h"
#include "cli/DeviceFiles.h"
#include "settings/SettingsPages.h"
#include "text/CodePage.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

using namespace gsm;

settings::DeviceSettings Configured() {
    settings::DeviceSettings s;
    s.password = "7145";
    s.simNumber = "+8613800138000";
    s.din1Type = 0;
    s.din2Type = 1;
    s.din1Alarm = "Gate forced";
    s.din2Alarm = "Door 2";
    s.autoArmMinutes = 30;
    s.armAfterPowerOn = 1;
    s.relayAuthorization = 0;
    s.relayOnTimerSeconds = 5;
    s.notifyRelayOn = 1;
    s.notifyRelayOff = 0;
    s.smsRelayOn = "Gate open";
    s.smsRelayOff = "Gate closed";
    s.powerFailureDelayMinutes = 2;
    s.selfCheckHours = 24;
    s.uploadIntervalMinutes = 60;
    s.serverAddress = "gate.example.org";
    s.serverPort = 5000;
    s.apn = "internet";
    s.gprsUser = "user";
    s.gprsPassword = "secret";
    return s;
}

bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size())
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUT_DIR NUMBER_LIST_WORKBOOK\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const settings::EncodedSettings encoded =
        settings::EncodeSettings(Configured(), SystemCodePageInstance());
    if (encoded.error) {
        std::fprintf(stderr, "%s\n", encoded.error->Message().c_str());
        return 1;
    }
    const Pages settingsPages(encoded.pages.begin(), encoded.pages.end());
    const cli::PagesOrError numbers = cli::NumberPagesFromList(QString::fromLocal8Bit(argv[2]));
    if (!numbers.pages) {
        std::fprintf(stderr, "%s\n", qPrintable(numbers.error));
        return 1;
    }

    backup::Backup backup{QStringLiteral("2026-12-08T09:21:15Z"),
                          QStringLiteral("gsmgate-cli 1.7.2"),
                          QStringLiteral("/dev/ttyUSB0"),
                          QStringLiteral("+8613800138000"),
                          {{Area::Settings, settingsPages}}};
    bool ok = Write(out.filePath("backup-settings.json"), backup::WriteBackup(backup));
    backup.areas.emplace(Area::Numbers, *numbers.pages);
    ok = Write(out.filePath("backup-settings-numbers.json"), backup::WriteBackup(backup)) && ok;
    // An automatic backup: what a number list write left, and where.
    backup.areas.erase(Area::Settings);
    backup.write = backup::WriteRecord{QStringLiteral("numbers set"),
                                       QStringLiteral("A10KX3B2"),
                                       QStringLiteral("+8613800138000"),
                                       {{Area::Numbers, backup::PageDigests(*numbers.pages)}}};
    ok = Write(out.filePath("backup-automatic.json"), backup::WriteBackup(backup)) && ok;

    QString failure;
    if (!cli::WriteConfiguration({{Area::Settings, settingsPages}, {Area::Numbers, *numbers.pages}},
                                 out.filePath("configuration.yaml"), &failure)) {
        std::fprintf(stderr, "%s\n", qPrintable(failure));
        ok = false;
    }
    for (const char* name : {"profile.json", "profile.xlsx"}) {
        if (!cli::WriteSettingsProfile(settingsPages, out.filePath(name), &failure)) {
            std::fprintf(stderr, "%s\n", qPrintable(failure));
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
