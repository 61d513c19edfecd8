#pragma once

#include <QRect>
#include <QSize>
#include <QString>

// Stored window layouts are in twips: 1440 to the inch, 15 to a pixel at
// 96 dpi. This is the one place they become logical pixels; Qt scales logical
// pixels for high-dpi screens by itself.
namespace Twips {

constexpr int PerPixel = 15;

constexpr int px(int twips)
{
    return (twips + (twips >= 0 ? PerPixel / 2 : -PerPixel / 2)) / PerPixel;
}

// A box given by its left, top, width and height in twips.
struct Box
{
    int left, top, width, height;
    QRect rect() const { return {px(left), px(top), px(width), px(height)}; }
};

inline QSize size(int width, int height)
{
    return {px(width), px(height)};
}

// Puts a control of a stored layout at its box, under the name that the
// layout (and the tests) know it by.
template<typename W>
W *place(W *widget, const Box &box, const char *name)
{
    widget->setGeometry(box.rect());
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace Twips
