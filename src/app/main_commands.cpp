// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_commands.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QToolBar>

namespace {

enum class Group { File, Windows, Pages, Tables, Service };

struct CommandInfo {
    Command command;
    const char* caption;
    const char* shortcut;     // "" for none
    const char* toolbarHint;  // nullptr: not on the toolbar; "" : the caption
    const char* badge;        // the letters of its toolbar picture
    Group group;
    bool ready;  // its window is part of the program
};

// Captions and shortcuts exactly as the user sees them.
constexpr std::array<CommandInfo, kCommandCount> kCommands{{
    {Command::NewWindow, "Новое окно программы", "Ctrl+N", "", "+", Group::File, true},
    {Command::Person, "Персональный гороскоп", "", "", "Гр", Group::File, false},
    {Command::GeomanticTable, "Внутренний знак жилища", "", "", "Жл", Group::File, false},
    {Command::Settings, "Установки", "Ctrl+K", "", "Ус", Group::File, true},
    {Command::Exit, "Выход", "Ctrl+Q", nullptr, "", Group::File, true},
    {Command::Calendar, "Календарь", "", "", "Кл", Group::Windows, true},
    {Command::Circle, "Круг эклиптики", "", "", "Кр", Group::Windows, true},
    {Command::SeasonsList, "Наступление сезонов солнечного календаря", "", "", "Сз", Group::Windows,
     false},
    {Command::GoodDays, "12 установлений", "", "", "12", Group::Windows, false},
    {Command::Mansions, "28 созвездий", "", "", "28", Group::Windows, false},
    {Command::Relations, "Стволы и ветви", "", "", "СВ", Group::Windows, false},
    {Command::Ruler, "Геомантическая линейка", "", "", "Лн", Group::Windows, false},
    {Command::BaZhai, "Ба чжай", "", "", "БЧ", Group::Windows, false},
    {Command::StarCombinations, "Комбинации звезд", "", "Комбинации звезд для циклов", "Кб",
     Group::Windows, false},
    {Command::Trigrams, "Знаки гуа", "", "", "Гу", Group::Windows, false},
    {Command::Notes, "Блокнот", "", "", "Бл", Group::Windows, false},
    {Command::DaySelection, "Выбор дней", "", "", "Дн", Group::Windows, false},
    {Command::StarDescriptions, "Описания для звезд", "", "", "Оз", Group::Pages, true},
    {Command::BaZhaiSectors, "Сектора Ба чжай", "", "", "Сб", Group::Pages, true},
    {Command::YinYangPower, "Соотношение ян/инь звезд", "", "", "ЯИ", Group::Windows, false},
    {Command::LoShu, "Диаграмма Ло Шу", "", "", "ЛШ", Group::Tables, false},
    {Command::StemBranchTable, "Стволы и ветви", "", "", "Тб", Group::Tables, false},
    {Command::StemBranchDiagram, "Диаграмма «Стволы и ветви»", "", "", "ДС", Group::Tables, false},
    {Command::FiveElementDiagram, "Диаграмма «У син»", "", "", "У5", Group::Tables, false},
    {Command::FiveElementAnalogies, "Аналогии у син", "", "", "Ау", Group::Tables, false},
    {Command::OrgansMeridians, "Органы и меридианы", "", "", "Ор", Group::Tables, false},
    {Command::Help, "Вызов справки", "F1", "", "?", Group::Service, true},
    {Command::About, "О программе...", "", nullptr, "", Group::Service, true},
    {Command::PopupPerson, "Персональный гороскоп", "", nullptr, "", Group::File, false},
    {Command::PopupShowInCalendar, "Отображать в календаре", "Enter", nullptr, "", Group::File,
     true},
    {Command::PopupSettings, "Установки...", "Ctrl+K", nullptr, "", Group::File, true},
}};

QColor GroupColour(Group g) {
    switch (g) {
        case Group::File: return QColor(40, 90, 170);
        case Group::Windows: return QColor(30, 130, 70);
        case Group::Pages: return QColor(130, 60, 150);
        case Group::Tables: return QColor(160, 90, 30);
        case Group::Service: return QColor(100, 100, 100);
    }
    return Qt::darkGray;
}

// A small toolbar picture: the command's letters on its group's colour.
QIcon BadgeIcon(const CommandInfo& info) {
    constexpr int kSize = 20;
    QPixmap picture(kSize, kSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(GroupColour(info.group));
    painter.drawRoundedRect(QRectF(0.5, 0.5, kSize - 1, kSize - 1), 4, 4);
    QFont font = painter.font();
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, QString::fromUtf8(info.badge));
    return QIcon(picture);
}

}  // namespace

MainCommands::MainCommands(QMainWindow& window) : QObject(&window) {
    for (const CommandInfo& info : kCommands) {
        auto* action = new QAction(QString::fromUtf8(info.caption), &window);
        if (*info.shortcut) {
            QList<QKeySequence> keys{QKeySequence(QString::fromLatin1(info.shortcut))};
            // "Enter" answers both the keypad's Enter and the main Return key.
            if (keys.front() == QKeySequence(Qt::Key_Enter))
                keys.append(QKeySequence(Qt::Key_Return));
            action->setShortcuts(keys);
        }
        if (info.toolbarHint) {
            action->setIcon(BadgeIcon(info));
            action->setToolTip(
                QString::fromUtf8(*info.toolbarHint ? info.toolbarHint : info.caption));
        }
        action->setEnabled(info.ready);
        actions_[static_cast<int>(info.command)] = action;
    }

    auto add = [&](QMenu* menu, std::initializer_list<Command> commands) {
        for (Command c : commands) menu->addAction(Action(c));
    };
    QMenuBar* bar = window.menuBar();
    QMenu* file = bar->addMenu(QString::fromUtf8("Файл"));
    add(file, {Command::NewWindow, Command::Person, Command::GeomanticTable, Command::Settings});
    file->addSeparator();
    add(file, {Command::Exit});
    QMenu* windows = bar->addMenu(QString::fromUtf8("Окна"));
    add(windows,
        {Command::Calendar, Command::Circle, Command::SeasonsList, Command::GoodDays,
         Command::Mansions, Command::Relations, Command::Ruler, Command::BaZhai,
         Command::StarCombinations, Command::Trigrams, Command::Notes, Command::DaySelection});
    windows->addSeparator();
    add(windows, {Command::StarDescriptions, Command::BaZhaiSectors, Command::YinYangPower});
    windows->addSeparator();
    add(windows,
        {Command::LoShu, Command::StemBranchTable, Command::StemBranchDiagram,
         Command::FiveElementDiagram, Command::FiveElementAnalogies, Command::OrgansMeridians});
    QMenu* service = bar->addMenu(QString::fromUtf8("Сервис"));
    add(service, {Command::Help, Command::About});

    // The second toolbar repeats the commands as picture buttons, the caption as the hint.
    toolbar_ = new QToolBar(QString::fromUtf8("Окна"), &window);
    toolbar_->setObjectName(QStringLiteral("CommandsToolBar"));
    toolbar_->setIconSize(QSize(20, 20));
    toolbar_->setMovable(false);
    Group last = Group::File;
    for (const CommandInfo& info : kCommands) {
        if (!info.toolbarHint) continue;
        if (info.group != last) toolbar_->addSeparator();
        last = info.group;
        toolbar_->addAction(Action(info.command));
    }

    // The popup menu. Its own items answer their shortcuts only while it is open, so they never
    // compete with the main menu's. Every other shortcut (Enter for "Отображать в календаре"
    // included) belongs to the main window alone: the tool windows it owns keep their own keys
    // (Enter is "Расчет" in the person window, a choice in a list, a line in a text).
    popup_ = new QMenu(&window);
    for (Command c : {Command::PopupPerson, Command::PopupSettings})
        Action(c)->setShortcutContext(Qt::WidgetShortcut);
    for (const CommandInfo& info : kCommands) {
        QAction* action = Action(info.command);
        if (!*info.shortcut || action->shortcutContext() == Qt::WidgetShortcut) continue;
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        window.addAction(action);
    }
    add(popup_, {Command::NewWindow, Command::PopupPerson, Command::GeomanticTable,
                 Command::PopupShowInCalendar, Command::PopupSettings, Command::Exit});
}
