#pragma once

#include <QPixmap>
#include <QString>

// The program's artwork, drawn from its SVG at the size a window places it.
QPixmap artPixmap(const QString &name, const QSize &size);
