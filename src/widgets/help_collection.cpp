// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/help_collection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpEngine>
#include <QHelpSearchEngine>
#include <QUrl>

#include "widgets/program_folder.h"

QUrl HelpPageUrl(const QString& page) {
    return QUrl(
        QStringLiteral("qthelp://%1/doc/pages/%2").arg(QLatin1String(kHelpNamespace), page));
}

QHelpEngine* OpenHelpEngine(QObject* parent, QString& error) {
    const QString shippedDocs = DataPath(QStringLiteral("\\help\\gavrosin.qch"));
    const QString shippedCollection = DataPath(QStringLiteral("\\help\\gavrosin.qhc"));
    for (const QString& file : {shippedDocs, shippedCollection}) {
        if (!QFileInfo::exists(file)) {
            error = QString::fromUtf8(
                        "Не удалось открыть справку «%1»: файла нет. "
                        "Установите программу заново.")
                        .arg(QDir::toNativeSeparators(file));
            return nullptr;
        }
    }
    // A fresh copy of the shipped collection at every start: a newer program brings newer help.
    const QString folder = QDir(UserDataFolder()).filePath(QStringLiteral("help"));
    const QString collection = QDir(folder).filePath(QStringLiteral("gavrosin.qhc"));
    static bool copied = false;
    if (!copied || !QFileInfo::exists(collection)) {
        QFile::remove(collection);
        if (!QDir().mkpath(folder) || !QFile::copy(shippedCollection, collection)) {
            error = QString::fromUtf8(
                        "Не удалось подготовить справку в папке «%1»: "
                        "нет места или нет прав на запись.")
                        .arg(QDir::toNativeSeparators(folder));
            return nullptr;
        }
        QFile(collection).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        copied = true;
    }

    auto* engine = new QHelpEngine(collection, parent);
    if (!engine->setupData()) {
        error = QString::fromUtf8("Справка не открывается: ") + engine->error();
        delete engine;
        return nullptr;
    }
    // The copied collection names the documentation beside itself: point it at the shipped one.
    const QString docs = QFileInfo(shippedDocs).absoluteFilePath();
    const QString ns = QString::fromLatin1(kHelpNamespace);
    if (engine->documentationFileName(ns) != docs) {
        engine->unregisterDocumentation(ns);
        if (!engine->registerDocumentation(docs)) {
            error = QString::fromUtf8("Справка не открывается: ") + engine->error();
            delete engine;
            return nullptr;
        }
    }
    engine->searchEngine()->scheduleIndexDocumentation();
    return engine;
}
