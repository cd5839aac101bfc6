#pragma once
// What the program keeps between runs, in the user's settings: the port last
// opened, where the window was, and the folder each file dialog was last
// used in. Nothing here decides what the program does with a device.

#include <QPoint>
#include <QSettings>
#include <QString>

#include <optional>

class RememberedPlaces {
public:
    RememberedPlaces();

    QString LastPort() const;
    void SetLastPort(const QString& port);

    std::optional<QPoint> WindowPos() const;
    void SetWindowPos(const QPoint& pos);

    // `dialog` names one file dialog; empty when it was never used.
    QString Folder(const QString& dialog) const;
    void SetFolder(const QString& dialog, const QString& folder);

    // The file the places are kept in.
    QString FileName() const { return m_settings.fileName(); }

private:
    QSettings m_settings;
};
