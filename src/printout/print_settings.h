#pragma once

#include "core/printing.h"
#include "printout/page_layout.h"

#include <QFont>
#include <QMarginsF>
#include <QString>
#include <optional>

// How a grid is printed: what the print setup dialog changes. Margins are in
// millimetres.
struct PrintSettings {
    std::optional<QFont> font;         // none: the grid's own font, as shown
    QMarginsF margins{15, 15, 15, 15}; // left, top, right, bottom
    Paper paper;
    bool extendLines = false;
    bool colour = false;
    bool fitToWidth = false;
    FitMode fitMode = FitMode::ScaleGrid;
    bool optimalWidths = false;

    // The page header and footer keep their fonts.
    static QFont headerFont() {
        QFont font(QStringLiteral("新宋体"));
        font.setPixelSize(19);
        return font;
    }
    static QFont footerFont() {
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPixelSize(11);
        return font;
    }
};
