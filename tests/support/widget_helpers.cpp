#include "support/widget_helpers.h"

#include "platform/surface/colours.h"
#include "platform/surface/image_surface.h"
#include "side_windows/form3.h"
#include "support/test_game.h"

#include <QApplication>

QColor qColour(ColourWord colour)
{
    return platform::toQColor(colour);
}

QList<QPoint> pixelsOf(const QImage& image, const QColor& colour)
{
    QList<QPoint> found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                found.append(QPoint(x, y));
    return found;
}

void closeSideWindows()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<platform::SideWindow*>(w))
            delete w;
}

Form3* openOptions(TestGame& game, platform::SideWindowRef& ref)
{
    ref = Form3::open(game.form().sideWindowServices());
    return ref ? dynamic_cast<Form3*>(ref->content()) : nullptr;
}
