// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_commands.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

#include "widgets/pictograms.h"

namespace {

enum class Group { File, Windows, Pages, Tables, Service };

struct CommandInfo {
    Command command;
    const char* caption;
    const char* shortcut;     // "" for none
    const char* toolbarHint;  // nullptr: not on the toolbar; "" : the caption
    const char* pictogram;    // its toolbar picture: pictograms\<name>.svg
    Group group;
    bool ready;  // its window is part of the program
};

// Captions and shortcuts exactly as the user sees them.
constexpr std::array<CommandInfo, kCommandCount> kCommands{{
    {Command::NewWindow, "Новое окно программы", "Ctrl+N", "", "new-window", Group::File, true},
    {Command::Person, "Персональный гороскоп", "", "", "person", Group::File, false},
    {Command::GeomanticTable, "Внутренний знак жилища", "", "", "house", Group::File, false},
    {Command::Settings, "Установки", "Ctrl+K", "", "settings", Group::File, true},
    {Command::Exit, "Выход", "Ctrl+Q", nullptr, "", Group::File, true},
    {Command::Calendar, "Календарь", "", "", "calendar", Group::Windows, true},
    {Command::Circle, "Круг эклиптики", "", "", "ecliptic", Group::Windows, true},
    {Command::SeasonsList, "Наступление сезонов солнечного календаря", "", "", "seasons",
     Group::Windows, false},
    {Command::GoodDays, "12 установлений", "", "", "officers", Group::Windows, false},
    {Command::Mansions, "28 созвездий", "", "", "mansions", Group::Windows, false},
    {Command::Relations, "Стволы и ветви", "", "", "stems-branches", Group::Windows, false},
    {Command::Ruler, "Геомантическая линейка", "", "", "ruler", Group::Windows, false},
    {Command::BaZhai, "Ба чжай", "", "", "ba-zhai", Group::Windows, false},
    {Command::StarCombinations, "Комбинации звезд", "", "Комбинации звезд для циклов",
     "star-combinations", Group::Windows, false},
    {Command::Trigrams, "Знаки гуа", "", "", "trigrams", Group::Windows, false},
    {Command::Notes, "Блокнот", "", "", "notes", Group::Windows, false},
    {Command::DaySelection, "Выбор дней", "", "", "day-selection", Group::Windows, false},
    {Command::StarDescriptions, "Описания для звезд", "", "", "star-pages", Group::Pages, true},
    {Command::BaZhaiSectors, "Сектора Ба чжай", "", "", "ba-zhai-pages", Group::Pages, true},
    {Command::YinYangPower, "Соотношение ян/инь звезд", "", "", "yin-yang", Group::Windows, false},
    {Command::LoShu, "Диаграмма Ло Шу", "", "", "lo-shu", Group::Tables, false},
    {Command::StemBranchTable, "Таблица стволов и ветвей", "", "", "stem-branch-table",
     Group::Tables, false},
    {Command::StemBranchDiagram, "Диаграмма «Стволы и ветви»", "", "", "stem-branch-diagram",
     Group::Tables, false},
    {Command::FiveElementDiagram, "Диаграмма «У син»", "", "", "wu-xing", Group::Tables, false},
    {Command::FiveElementAnalogies, "Аналогии у син", "", "", "analogies", Group::Tables, false},
    {Command::OrgansMeridians, "Органы и меридианы", "", "", "organs", Group::Tables, false},
    {Command::Help, "Вызов справки", "F1", "", "help", Group::Service, true},
    {Command::About, "О программе...", "", nullptr, "", Group::Service, true},
    {Command::PopupPerson, "Персональный гороскоп", "", nullptr, "", Group::File, false},
    {Command::PopupShowInCalendar, "Отображать в календаре", "Enter", nullptr, "", Group::File,
     true},
    {Command::PopupSettings, "Установки...", "Ctrl+K", nullptr, "", Group::File, true},
}};

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
            action->setIcon(Pictogram(QString::fromLatin1(info.pictogram)));
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
    // Where users of Russian programs look for the help: the same two commands.
    QMenu* help = bar->addMenu(QString::fromUtf8("Справка"));
    add(help, {Command::Help, Command::About});

    // The second toolbar repeats the commands as pictograms, the caption as the hint (and under
    // the pictogram when the user asks for it: ShowCaptions).
    toolbar_ = new QToolBar(QString::fromUtf8("Окна"), &window);
    toolbar_->setObjectName(QStringLiteral("CommandsToolBar"));
    toolbar_->setIconSize(QSize(24, 24));
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

void MainCommands::ShowCaptions(bool shown) {
    toolbar_->setToolButtonStyle(shown ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
}
