#pragma once

#include "configs/windowsettings.h"

#include <QFont>
#include <QLabel>
#include <QRect>
#include <QStringList>
#include <QWidget>

#include <vector>

namespace vte {

// A list of the design: the entries it is to show, every one of them whole,
// in its design size in twips.
struct ListDesign
{
    QStringList entries;
    QSize twips;
};

// The windows were designed in twips, fifteen to a pixel, for a system font
// whose character cell was 6 x 13 pixels and whose list rows were as tall as
// the cell. Like dialog units, positions and sizes follow the font in use: a
// wider or taller font, or a style whose list rows or entries need more room
// than the design's lists give them, spreads the whole design out in
// proportion, and nothing shrinks it.
//
// Controls are placed at their design rectangles, which they keep; a control
// whose text still needs more room than the scale gives it grows, and what
// lies below or beside it in the design moves by as much (settle).
class DesignUnits
{
public:
    explicit DesignUnits(const QFont &font, const std::vector<ListDesign> &lists = {});

    int x(int twips) const { return qRound(twips * m_x / TwipsPerPixel); }
    int y(int twips) const { return qRound(twips * m_y / TwipsPerPixel); }
    QSize size(int width, int height) const { return {x(width), y(height)}; }
    QRect rect(const QRect &twips) const
    {
        return {QPoint(x(twips.left()), y(twips.top())), size(twips.width(), twips.height())};
    }

    // Creates a control at its design place, named as the design names it.
    template <typename Widget>
    Widget *place(QWidget *parent, const QString &name, const QRect &twips) const
    {
        auto *widget = new Widget(parent);
        widget->setObjectName(name);
        keepDesign(widget, twips);
        return widget;
    }
    QLabel *caption(QWidget *parent, const QString &name, const QRect &twips, const QString &text) const;
    // Other texts a control will show in turn: it is given room for the widest
    // once, so the window does not shift as they change.
    static void allowFor(QWidget *control, const QStringList &texts);

    // Lays out the controls of parent that were placed here: each at its
    // design place and at least as large as its text needs, pushed down and
    // right by whatever grew above and left of it. Returns how much further
    // right and down they now reach than the design has them.
    QSize settle(QWidget *parent) const;

    // The rectangle, in twips, at which a control was placed.
    static QRect designOf(const QWidget *control);

private:
    void keepDesign(QWidget *widget, const QRect &twips) const;

    qreal m_x;
    qreal m_y;
};

// Tab pages start under the tab row, which the design counted as part of the tab.
inline constexpr int TabRowTwips = 360;
inline QRect onTab(int left, int top, int width, int height)
{
    return {left, top - TabRowTwips, width, height};
}
inline QRect onTab(int left, int top, QSize size)
{
    return onTab(left, top, size.width(), size.height());
}

// "lstGunType(2)": how an element of a control array is named.
inline QString elementName(const char *array, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

} // namespace vte
