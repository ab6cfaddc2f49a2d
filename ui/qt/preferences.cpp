#include "ui/qt/preferences.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {
constexpr const char* FolderKey = "files/lastFolder";
}

QVariant Preferences::value(const char* key, const QVariant& fallback) const
{
    return settings_ != nullptr ? settings_->value(QLatin1String(key), fallback) : fallback;
}

void Preferences::remember(const char* key, const QVariant& value)
{
    if (settings_ != nullptr) settings_->setValue(QLatin1String(key), value);
}

QString Preferences::lastFolder() const
{
    const QString folder = value(FolderKey).toString();
    return folder.isEmpty() || !QDir(folder).exists() ? QDir::homePath() : folder;
}

void Preferences::rememberFolder(const QString& filePath)
{
    remember(FolderKey, QFileInfo(filePath).absolutePath());
}
