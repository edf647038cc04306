#pragma once
// The model's values as Qt wants them: twips to pixels, BGR numbers to colours, fonts, text and
// pictures.
#include "forms/color.h"
#include "forms/controls.h"
#include "forms/picture.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <string>

namespace qtui {

int toPixels(int twips);
// A control's place and size inside its container.
QRect pixelRect(const forms::Design& design);

// `fallback` stands in for forms::DefaultColor (the platform's own colour).
QColor toQColor(forms::Color color, const QColor& fallback);

// The font a control shows: the named font when it is installed, otherwise the default
// sans-serif; 8 points unless a size is given.
QFont toQFont(const forms::Font& font);

inline QString toQString(const std::string& text) { return QString::fromStdString(text); }
inline std::string toStdString(const QString& text) { return text.toStdString(); }

// An empty pixmap for "no picture".
QPixmap toPixmap(const forms::Picture& picture);

}  // namespace qtui
