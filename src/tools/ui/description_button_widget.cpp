// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/description_button_widget.h"

#include <QStyle>
#include <QToolButton>

QToolButton* DescriptionButton(const char* hint, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setIcon(parent->style()->standardIcon(QStyle::SP_MessageBoxInformation));
    button->setIconSize(QSize(20, 20));
    button->setAutoRaise(true);
    button->setToolTip(QString::fromUtf8(hint));
    return button;
}
