// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/window_geometry.h"

#include <QWidget>

#include <algorithm>

#include "widgets/screen_fit.h"

namespace {

QString PathOf(const WindowSection& section, const char* name) {
    return QString::fromUtf8(section.section) + QLatin1Char('/') + QLatin1String(name);
}

int ReadCoordinate(const QSettings& store, const WindowSection& section, const char* name,
                   int fallback) {
    bool ok = false;
    const int value = store.value(PathOf(section, name)).toInt(&ok);
    return ok ? value : fallback;
}

// A size value: the number, or measured from the main window; `current` where not stored.
int SizeOf(Coordinate c, int current, const ScreenLayout& layout) {
    switch (c.placement) {
        case Placement::Fixed: return c.value;
        case Placement::MainClientMinus: return layout.mainClientHeight - c.value;
        case Placement::AtLeastLaidOut: return std::max(c.value, current);
        default: return current;
    }
}

int PositionOf(Coordinate c, int screen, int size, const ScreenLayout& layout) {
    switch (c.placement) {
        case Placement::Fixed: return c.value;
        case Placement::Centred: return (screen - size) / 2 + c.value;
        case Placement::BelowMainMenu: return layout.belowMainMenu;
        case Placement::RightEdge: return screen - size - 2;
        case Placement::MainClientMinus: return layout.mainClientHeight - c.value;
        case Placement::NotStored:
        case Placement::AtLeastLaidOut: break;
    }
    return 0;
}

// Calendar and circle: on a main window whose client area is lower than their design height
// plus 80, they take the main client height − 80, whatever height they had.
void FitMainClient(const WindowSection& section, const ScreenLayout& layout, WindowGeometry& g) {
    int room = layout.mainClientHeight - 80;
    // Toolbars taller than the design's leave less: from the default place just below them the
    // window ends above the status line, which stays readable.
    if (layout.fitBottom > 0) room = std::min(room, layout.fitBottom - layout.belowMainMenu);
    if (section.fitsMainClient && room < section.height.value) g.height = room;
}

void Apply(QWidget& window, const WindowSection& section, const WindowGeometry& g,
           const ScreenLayout& layout) {
    if (section.width.stored() || section.height.stored()) window.resize(g.width, g.height);
    window.move(g.left, g.top);
    // A default for another screen, or a place restored from a larger one, never leaves part of
    // the window off the screen.
    if (!layout.available.isEmpty()) KeepWithin(window, layout.available);
}

}  // namespace

WindowGeometry DefaultGeometry(const WindowSection& section, QSize current,
                               const ScreenLayout& layout) {
    WindowGeometry g;
    g.width = SizeOf(section.width, current.width(), layout);
    g.height = SizeOf(section.height, current.height(), layout);
    FitMainClient(section, layout, g);
    g.left = PositionOf(section.left, layout.screen.width(), g.width, layout);
    g.top = PositionOf(section.top, layout.screen.height(), g.height, layout);
    g.visible = section.visible == Visibility::Shown;
    return g;
}

WindowGeometry StoredGeometry(const QSettings& store, const WindowSection& section, QSize current,
                              const ScreenLayout& layout) {
    const WindowGeometry defaults = DefaultGeometry(section, current, layout);
    WindowGeometry g = defaults;
    if (section.width.stored())
        g.width = ReadCoordinate(store, section, GeometryValue::Width, defaults.width);
    if (section.height.stored())
        g.height = ReadCoordinate(store, section, GeometryValue::Height, defaults.height);
    FitMainClient(section, layout, g);
    // A centred default follows the size actually restored.
    g.left = ReadCoordinate(store, section, GeometryValue::Left,
                            PositionOf(section.left, layout.screen.width(), g.width, layout));
    g.top = ReadCoordinate(store, section, GeometryValue::Top,
                           PositionOf(section.top, layout.screen.height(), g.height, layout));
    if (section.visible != Visibility::NotStored) {
        const QVariant v = store.value(PathOf(section, GeometryValue::Visible));
        g.visible = v.isValid() ? v.toBool() : defaults.visible;
    } else {
        g.visible = false;
    }
    return g;
}

bool RestoreWindowGeometry(QWidget& window, const QSettings& store, const WindowSection& section,
                           const ScreenLayout& layout) {
    // Centred on the size the window will have once laid out, not on the 100×30 of a new one.
    const WindowGeometry g = StoredGeometry(store, section, LaidOutSize(window), layout);
    Apply(window, section, g, layout);
    return g.visible;
}

void SaveWindowGeometry(const QWidget& window, QSettings& store, const WindowSection& section) {
    const QPoint at = window.pos();
    store.setValue(PathOf(section, GeometryValue::Left), at.x());
    store.setValue(PathOf(section, GeometryValue::Top), at.y());
    if (section.height.stored())
        store.setValue(PathOf(section, GeometryValue::Height), window.height());
    if (section.width.stored())
        store.setValue(PathOf(section, GeometryValue::Width), window.width());
    if (section.visible != Visibility::NotStored)
        store.setValue(PathOf(section, GeometryValue::Visible), window.isVisible());
}

void ApplyDefaultGeometry(QWidget& window, const WindowSection& section,
                          const ScreenLayout& layout) {
    WindowGeometry g = DefaultGeometry(section, LaidOutSize(window), layout);
    g.top += section.defaultLayoutTopShift;
    Apply(window, section, g, layout);
    window.setVisible(g.visible);
}
