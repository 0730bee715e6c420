// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>
#include <memory>

#include "app/main_window.h"
#include "app/single_instance.h"
#include "gavrosin_version.h"
#include "widgets/button_words.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
    // The desktop matches the windows to the menu entry gavrosin.desktop (its icon, its name).
    QGuiApplication::setDesktopFileName(QStringLiteral("gavrosin"));
    // Dates follow the user's regional settings; a machine with no regional settings at all
    // (the "C" locale) gets the Russian formats of the interface rather than bare English ones.
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    // The interface is Russian whatever the regional settings: the buttons of message boxes and
    // file dialogs too ("Да", "Нет", "Отмена"). Without the translation file they stay English.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_ru"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);
    ButtonWordsTranslator buttonWords;
    QApplication::installTranslator(&buttonWords);
    // The help window's search box and result list.
    QTranslator helpTranslator;
    if (helpTranslator.load(QStringLiteral("qt_help_ru"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&helpTranslator);
    // One program per user: a later start hands its files to the running one (which opens them
    // and comes to the front) and ends; "--new-instance" runs a copy of its own.
    const QStringList arguments = QCoreApplication::arguments();
    const QString socketName =
        InstanceSocketName(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    const bool ownCopy = arguments.contains(QString::fromLatin1(kNewInstanceOption));
    QStringList files;
    for (const QString& file : FileArguments(arguments))
        files.append(QFileInfo(file).absoluteFilePath());
    if (!ownCopy && HandToRunningInstance(socketName, files)) return 0;
    // The main window creates every other window in the start-up order and runs the first
    // calculation. A person or table file named as the first argument is opened by its window.
    TFormMainGVR mainWindow;
    std::unique_ptr<InstanceServer> server;
    if (!ownCopy)
        server = std::make_unique<InstanceServer>(
            socketName,
            [&mainWindow](const QStringList& handed) { mainWindow.OpenHandedFiles(handed); });
    mainWindow.showMaximized();
    return app.exec();
}
