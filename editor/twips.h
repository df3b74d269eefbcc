#pragma once

#include "configs/windowsettings.h"

#include <QLabel>
#include <QRect>
#include <QWidget>
#include <algorithm>

namespace vte {

// The window was designed in twips, fifteen to a pixel at the design resolution.
constexpr QRect twips(int left, int top, int width, int height)
{
    return {left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel, height / TwipsPerPixel};
}

// Tab pages start under the tab row, which the design counted as part of the tab.
inline constexpr int TabRowTwips = 360;

constexpr QRect onTab(int left, int top, int width, int height)
{
    return twips(left, top - TabRowTwips, width, height);
}

// Creates a control of the window, named as the design names it.
template <typename Widget>
Widget *place(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

// A caption at its design place. The design's font was narrower than any the
// platforms offer today, so a caption that would be cut off grows to the right.
inline QLabel *caption(QWidget *parent, const QString &name, const QRect &geometry, const QString &text)
{
    auto *label = place<QLabel>(parent, name, geometry);
    label->setText(text);
    label->resize(std::max(geometry.width(), label->sizeHint().width()), geometry.height());
    return label;
}

// "lstGunType(2)": how an element of a control array is named.
inline QString elementName(const char *array, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

} // namespace vte
