// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the help window reads the help from. The compiled help (help\gavrosin.qch) ships with the
// program, read-only; the help engine needs a collection file it may write beside it (its
// full-text search index lives there), so the user's data folder keeps its own copy of the
// shipped collection, with the shipped documentation registered by its full path.
#include <QString>

class QHelpEngine;
class QObject;
class QUrl;

// The namespace and the virtual folder of the help pages, as gavrosin.qhp declares them.
constexpr char kHelpNamespace[] = "ru.gavrosin.help";

// The address of a help page ("person.html", "lo_shu.html") for the help engine.
QUrl HelpPageUrl(const QString& page);

// Opens the help collection for `engine`'s parent and returns the engine, set up and with the
// shipped documentation registered; nullptr with `error` (a Russian sentence) when the compiled
// help is missing or the user's copy cannot be written.
QHelpEngine* OpenHelpEngine(QObject* parent, QString& error);
