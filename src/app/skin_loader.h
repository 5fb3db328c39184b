#pragma once

#include <QByteArray>
#include <QPalette>
#include <QString>

// Parsed skin data.
struct SkinData {
    QPalette palette;
    QString styleSheet;
};

// Parses skin text: palette lines "@Role #rrggbb", a line "---", then a style sheet.
// Returns false, leaving *out untouched, when the text is malformed.
bool parseSkinData(const QByteArray &data, SkinData *out);

// Loads <programFolder>/SkinBag, asks it for the skin "x4" and applies its palette and
// style sheet to the whole application. Returns false, applying nothing, when the
// library or its GetSkin is missing, GetSkin fails or the data does not parse.
// Never throws and never shows a window.
bool loadSkin(const QString &programFolder);

// Removes an applied skin again, restoring the palette the application had before.
void clearSkin();
