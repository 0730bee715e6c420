// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Внутренний знак жилища": the geomantic table window. The user sets the facing azimuth (the
// facing and sitting mountains follow it) and the date of construction or moving in; "Внутренний
// знак" computes the flying-star chart with the time stars of the main window's moment, which
// the window paints. Tables are saved to and opened from ".gvt" files. The window exists once
// for the whole run and is shown and hidden rather than destroyed.
#include <QColor>
#include <QMainWindow>
#include <array>
#include <functional>

#include "astro/julian_day.h"
#include "calendar/current_moment.h"
#include "geomancy/geomantic_table.h"
#include "geomancy/ui/table_presentation.h"
#include "widgets/document_file.h"
#include "widgets/print_export.h"
#include "widgets/typed_date_edit.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QToolButton;
class TAzimuthBox;
class TFhChart;
class TFhGate;
struct AzimuthBox;

// What the table reads from the main window at every computation.
struct TableWindowSources {
    std::function<CurrentMoment()> moment;  // CurrentMoment as the main window last computed it
    std::function<float()> zoneHours;       // the zone of the time settings, hours
};

// The windows the table opens; a command whose window is missing stays disabled.
struct TableWindowLinks {
    // Redraws the facing direction on the compass picture (the azimuth, degrees).
    std::function<void(double azimuth)> drawCompassFacing;
    std::function<void()> showCompass;  // "Лопань. Ориентация ГОРЫ."
    // Shows the Ba Zhai window with its trigram list at `item` (TrigramOfMountain), as if chosen.
    std::function<void(int item)> showBaZhai;
    std::function<void()> showLegend;  // "Легенда для звездных фаз"
    // Opens a new interpretation report of the computed table; `caption` is this window's.
    std::function<void(const GeomanticTable& table, const QString& caption)> interpret;
    // "Отчет в PDF...": one document for the client, the chart page followed by the
    // interpretation; `header` heads its pages.
    std::function<void(const GeomanticTable& table, const QString& caption, const QString& header,
                       const Picture& chart)>
        clientReport;
};

class TFormFh : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormFh(TableWindowSources sources, QWidget* parent = nullptr);

    void SetLinks(TableWindowLinks links);

    // The computed table (meaningful after the first computation) and what of it is shown.
    const GeomanticTable& Table() const { return table_; }
    const TablePresentation& Presentation() const { return presentation_; }
    Moment TableDate() const { return tableDate_; }
    bool Modified() const { return document_.Modified(); }
    bool HasFileName() const { return document_.Bound(); }
    const QString& FileName() const { return document_.Path(); }

    // The status line of the chart on display (the header of its pages), without what the
    // inputs say about themselves; empty before the first computation.
    const QString& ComputedLine() const { return computedLine_; }

    // Commands.
    // "Внутренний знак" (also Enter in the window): the chart of the inputs. An azimuth the box
    // refuses is computed by no path: the chart stays as it was and the box's hint is shown.
    void Raschet();
    // "Открыть...": asks about unsaved changes (Yes saves first, and a table that could not be
    // saved is kept), then OpenFile.
    void NOpenClick();
    void OpenFile();  // the open dialog, then OpenFileTwo
    bool OpenFileTwo(
        const QString& fileName);  // reads and computes; false (nothing changed) on error
    void SaveClick();       // "Сохранить"; a table that cannot be written stays modified
    void SaveAsFile();      // "Сохранить как..."
    void InterpretClick();  // "Интерпретировать"

    // Whether the window may close (asks about unsaved changes); also asked by the main window
    // before the program ends.
    bool MayClose();
    // The program ends and the question was answered: closing asks nothing more.
    void ForgetChanges() { document_.ForgetChanges(); }

    // A table file named as the program's first argument (".gvt", ".GVT", ".Gvt"): the window is
    // shown and opens it once the program is up. False for any other argument.
    bool OpenCommandLineFile(const QString& argument);
    // Shows the window and opens the file; true when it opened. One that does not leaves the
    // window hidden when it was, with the message.
    bool ShowAndOpen(const QString& path);

    // Controls.
    TAzimuthBox* Azimuth;      // "Азимут:"
    QComboBox* ComboSitting;   // sitting mountain, "Гора:"
    QComboBox* ComboFacing;    // facing mountain, "Вода:"
    TypedDateEdit* DateTable;  // "Дата:"
    TFhChart* Chart;
    TFhGate* GateMain;   // "Основные врата:"
    TFhGate* GateExtra;  // "Дополнительные врата:"
    QLabel* StatusLine;
    QLabel* ChartFacts = nullptr;  // beside the chart: period, normal or replacement, remark
    QMenu* Popup;

    // Commands (menus, toolbar and popup share them).
    QAction *OpenAction, *SaveAction, *SaveAsAction, *CloseAction;
    QAction *CalculateAction, *InterpretAction, *CompassAction, *BaZhaiFacingAction,
        *BaZhaiSittingAction;
    std::array<QAction*, 9> StarActions{};  // "Единица белая" ... "Девятка пурпурная"
    QAction* LegendAction;
    PictureActions ChartExport;  // "Сохранить изображение...", "Экспорт в PDF..." of the chart
    QAction* ClientReportAction;  // "Отчет в PDF..."

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildToolbar();
    void BuildChartArea();
    void ResetInputs();
    void EnableCommands();
    void ShowTable();
    void EditAzChange(const AzimuthBox& box);
    // The drawn chart's line with a boundary near its azimuth, then why the box refuses its text
    // or what of the inputs is not yet computed (the inputs marked so); before the first
    // computation, a boundary near the box's azimuth.
    void ShowStatusLine();
    void ShowChartFacts();
    void FacingChosen(int index);
    void SittingChosen(int index);
    void DateChanged();
    void OpenPage(const std::string& page);

    TableWindowSources sources_;
    TableWindowLinks links_;
    GeomanticTable table_;
    TablePresentation presentation_{table_};
    Moment tableDate_ = 0;
    QString computedLine_;   // the status line of the table last computed
    QColor dateBase_;        // the date box's ground when it shows the drawn chart's date
    DocumentFile document_;  // the ".gvt" file of the table
};
