// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/pictograms.h"

#include <QApplication>
#include <QFileInfo>
#include <QStyle>

#include "widgets/program_folder.h"

QIcon Pictogram(const QString& name) {
    const QString path = DataPath(QStringLiteral("\\pictograms\\") + name + QStringLiteral(".svg"));
    return QFileInfo::exists(path) ? QIcon(path) : QIcon();
}

QIcon GenericIcon(GenericCommand command) {
    QStyle* style = QApplication::style();
    switch (command) {
        case GenericCommand::Open:
            return QIcon::fromTheme(QStringLiteral("document-open"),
                                    style->standardIcon(QStyle::SP_DialogOpenButton));
        case GenericCommand::Save:
            return QIcon::fromTheme(QStringLiteral("document-save"),
                                    style->standardIcon(QStyle::SP_DialogSaveButton));
        case GenericCommand::Print:
            return QIcon::fromTheme(QStringLiteral("document-print"),
                                    Pictogram(QStringLiteral("print")));
        case GenericCommand::PrintPreview:
            return QIcon::fromTheme(QStringLiteral("document-print-preview"),
                                    style->standardIcon(QStyle::SP_FileDialogContentsView));
    }
    return QIcon();
}
