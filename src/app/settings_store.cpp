// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings_store.h"

#include "app/settings_backup.h"

namespace {

QString PathOf(const SettingKey& key) {
    return QString::fromUtf8(key.section) + QLatin1Char('/') + QString::fromUtf8(key.name);
}

}  // namespace

void SettingsCloser::operator()(QSettings* store) const {
    SyncSettings(*store);
    delete store;
}

SettingsStore OpenSettingsStore() {
    auto open = [] {
        return new QSettings(QSettings::NativeFormat, QSettings::UserScope,
                             QStringLiteral("Gavrosin"));
    };
    // Before anything is read from it: a file a failed write left empty gets its last good copy.
    // Once per settings file (tests move the store between folders).
    static QString restored;
    const QString file = std::unique_ptr<QSettings>(open())->fileName();
    if (file != restored) {
        RestoreSettingsFromBackup(file);
        restored = file;
    }
    return SettingsStore(open());
}

int ReadInt(const QSettings& store, const SettingKey& key) {
    bool ok = false;
    const int value = store.value(PathOf(key)).toInt(&ok);
    return ok ? value : QString::fromUtf8(key.defaultText).toInt();
}

bool ReadBool(const QSettings& store, const SettingKey& key) {
    const QVariant value = store.value(PathOf(key));
    if (!value.isValid()) return QString::fromUtf8(key.defaultText) == QLatin1String("true");
    return value.toBool();
}

QString ReadText(const QSettings& store, const SettingKey& key) {
    return store.value(PathOf(key), QString::fromUtf8(key.defaultText)).toString();
}

void Write(QSettings& store, const SettingKey& key, const QVariant& value) {
    store.setValue(PathOf(key), value);
}

void Remove(QSettings& store, const SettingKey& key) {
    store.remove(PathOf(key));
}
