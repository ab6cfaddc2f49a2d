// What the desktop remembers between sessions (zoom, palette, marks, the last
// folder, the panel's place, the page's address), in the QSettings the
// program hands over; without one nothing is remembered. The simulation's own
// state never is, nor the speed: every start is the documented start, at 1x.
#pragma once

#include <QString>
#include <QVariant>

class QSettings;

class Preferences {
public:
    QSettings* settings() const { return settings_; }
    void use(QSettings* settings) { settings_ = settings; }

    // What `key` holds, or `fallback` when nothing is remembered.
    QVariant value(const char* key, const QVariant& fallback = {}) const;
    void remember(const char* key, const QVariant& value);

    // The folder of the last file read or written, for the next file dialog.
    QString lastFolder() const;
    void rememberFolder(const QString& filePath);

private:
    QSettings* settings_ = nullptr;
};
