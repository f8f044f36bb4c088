#include "windows/Controls.h"

#include <QWidget>

QFont FormFont(int characterHeight)
{
    // "MS Sans Serif" where it exists; elsewhere a sans-serif face of about its width
    // with Cyrillic glyphs, so that the captions fit their controls.
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(characterHeight);
    return font;
}

QColor ToQColor(TColor colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

void SetBackground(QWidget* control, TColor colour)
{
    QPalette palette = control->palette();
    palette.setColor(control->backgroundRole(), ToQColor(colour));
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}
