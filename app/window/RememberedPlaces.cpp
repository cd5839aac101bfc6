#include "RememberedPlaces.h"

namespace {
constexpr const char* kOrganization = "gsmgate";
constexpr const char* kApplication = "gsmgate";
constexpr const char* kLastPort = "port/last";
constexpr const char* kWindowPos = "window/pos";
constexpr const char* kFolders = "folders/";
} // namespace

RememberedPlaces::RememberedPlaces()
    : m_settings(QSettings::IniFormat, QSettings::UserScope, QString::fromLatin1(kOrganization),
                 QString::fromLatin1(kApplication)) {}

QString RememberedPlaces::LastPort() const {
    return m_settings.value(QString::fromLatin1(kLastPort)).toString();
}

void RememberedPlaces::SetLastPort(const QString& port) {
    m_settings.setValue(QString::fromLatin1(kLastPort), port);
}

std::optional<QPoint> RememberedPlaces::WindowPos() const {
    const QVariant pos = m_settings.value(QString::fromLatin1(kWindowPos));
    if (!pos.isValid())
        return std::nullopt;
    return pos.toPoint();
}

void RememberedPlaces::SetWindowPos(const QPoint& pos) {
    m_settings.setValue(QString::fromLatin1(kWindowPos), pos);
}

QString RememberedPlaces::Folder(const QString& dialog) const {
    return m_settings.value(QString::fromLatin1(kFolders) + dialog).toString();
}

void RememberedPlaces::SetFolder(const QString& dialog, const QString& folder) {
    m_settings.setValue(QString::fromLatin1(kFolders) + dialog, folder);
}
