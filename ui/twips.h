#pragma once

#include "configs/windowsettings.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLabel>
#include <QRect>
#include <QWidget>
#include <algorithm>

namespace vte {

// The windows were designed in twips, fifteen to a pixel, for a system font
// whose character cell was 6 x 13 pixels. Like dialog units, positions and
// sizes follow the font in use: a wider or taller font spreads the design out
// in proportion, and no font shrinks it.
class DesignUnits
{
public:
    explicit DesignUnits(const QFont &font)
        : DesignUnits(QFontMetricsF(font))
    { }

    int x(int twips) const { return qRound(twips * m_x / TwipsPerPixel); }
    int y(int twips) const { return qRound(twips * m_y / TwipsPerPixel); }
    QSize size(int width, int height) const { return {x(width), y(height)}; }
    QRect rect(int left, int top, int width, int height) const
    {
        return {QPoint(x(left), y(top)), size(width, height)};
    }
    // Tab pages start under the tab row, which the design counted as part of the tab.
    QRect onTab(int left, int top, int width, int height) const { return rect(left, top - TabRowTwips, width, height); }

    static constexpr int TabRowTwips = 360;

private:
    static constexpr qreal DesignCellWidth = 6;
    static constexpr qreal DesignCellHeight = 13;

    explicit DesignUnits(const QFontMetricsF &metrics)
        : m_x(std::max<qreal>(1, averageWidth(metrics) / DesignCellWidth))
        , m_y(std::max<qreal>(1, metrics.height() / DesignCellHeight))
    { }

    // The average width as dialog units take it: over the Latin letters.
    static qreal averageWidth(const QFontMetricsF &metrics)
    {
        const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        return metrics.horizontalAdvance(letters) / letters.size();
    }

    qreal m_x;
    qreal m_y;
};

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
