// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A page that scrolls where its window is smaller than the page (a 1024×600 screen): the page
// keeps the size its layout asks for, so nothing on it is squeezed, cut or laid over another.
class QScrollArea;
class QWidget;

// `page` in a frameless scroll area (which takes it over), scrolling down and sideways as needed.
// The area is never narrower than the page's least width when `keepWidth` is set (a column of
// inputs that must not scroll sideways).
QScrollArea* ScrollingPage(QWidget* page, bool keepWidth = false);
