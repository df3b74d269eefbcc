#include "ui/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QListWidget>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QVariant>

#include <algorithm>

namespace vte {

namespace {

constexpr qreal DesignCellWidth = 6;
constexpr qreal DesignCellHeight = 13;
constexpr char DesignProperty[] = "designTwips";
constexpr char TextsProperty[] = "designTexts";

// The average width as dialog units take it: over the Latin letters.
qreal averageWidth(const QFontMetricsF &metrics)
{
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return metrics.horizontalAdvance(letters) / letters.size();
}

// The room a list needs to show every entry whole, one a row, with no scroll
// bar: its widest entry with the margins the style gives an entry's text, as
// many rows as entries, and its frame. The list shows one of them.
QSize listNeeds(const QListWidget &list, const QStringList &entries)
{
    const int frame = 2 * list.frameWidth();
    const int margins = 2 * (list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1);
    int widest = 0;
    for (const QString &entry : entries)
        widest = std::max(widest, list.fontMetrics().horizontalAdvance(entry));
    return {widest + margins + frame, int(entries.size()) * list.sizeHintForRow(0) + frame};
}

int textWidth(const QWidget *control, const QString &text)
{
    return control->fontMetrics().horizontalAdvance(QString(text).remove(QLatin1Char('&')));
}

// The widest of the texts a control was allowed for, and of those given.
int widestText(const QWidget *control, QStringList texts = {})
{
    texts += control->property(TextsProperty).toStringList();
    int widest = 0;
    for (const QString &text : texts)
        widest = std::max(widest, textWidth(control, text));
    return widest;
}

// How much wider than its text now a control's widest other text is.
int widerTextsNeed(const QWidget *control, const QString &text)
{
    return control->property(TextsProperty).isValid() ? std::max(0, widestText(control) - textWidth(control, text)) : 0;
}

// What a control needs for its text, where that is more than nothing; a zero
// leaves the dimension to the design. A control's own minimum counts too, so
// a window can ask more of a control than its text does. Lists need nothing
// here: the scale gives them room for every entry. Qt keeps what the controls'
// own size hints measure, and shows them with it.
QSize textNeeds(const QWidget *control, const QSize &designed)
{
    QSize needs;
    if (const auto *label = qobject_cast<const QLabel *>(control); label && label->pixmap().isNull()) {
        needs = label->wordWrap() ? QSize(0, label->heightForWidth(designed.width()))
                                  : QSize(label->sizeHint().width() + widerTextsNeed(label, label->text()), 0);
    } else if (const auto *check = qobject_cast<const QCheckBox *>(control)) {
        needs.setWidth(check->sizeHint().width());
    } else if (const auto *button = qobject_cast<const QPushButton *>(control)) {
        needs.setWidth(widestText(button, {button->text()})
                       + 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button));
    } else if (const auto *box = qobject_cast<const QComboBox *>(control)) {
        QStyleOptionComboBox option;
        option.initFrom(box);
        const QSize widest(widestText(box), box->fontMetrics().height());
        needs.setWidth(std::max(box->sizeHint().width(),
                                box->style()->sizeFromContents(QStyle::CT_ComboBox, &option, widest, box).width()));
    }
    return needs.expandedTo(control->minimumSize());
}

struct SettledControl
{
    QWidget *widget;
    QRect design; // twips
    QRect designed;
    QSize grown;
    QPoint shift;

    QRect placed() const { return {designed.topLeft() + shift, grown}; }
};

// A rectangle's first and last pixel, or twip, along one axis.
std::pair<int, int> span(const QRect &rect, Qt::Orientation axis)
{
    return axis == Qt::Vertical ? std::pair(rect.top(), rect.bottom()) : std::pair(rect.left(), rect.right());
}

bool spansMeet(const QRect &a, const QRect &b, Qt::Orientation axis)
{
    return span(a, axis).first <= span(b, axis).second && span(b, axis).first <= span(a, axis).second;
}

int &along(QPoint &point, Qt::Orientation axis)
{
    return axis == Qt::Vertical ? point.ry() : point.rx();
}

int along(const QPoint &point, Qt::Orientation axis)
{
    return axis == Qt::Vertical ? point.y() : point.x();
}

int along(const QSize &size, Qt::Orientation axis)
{
    return axis == Qt::Vertical ? size.height() : size.width();
}

// Moves each control down (or right) by as much as what lies above (or left
// of) it in the design grew, and moved, that way. What lies above it is in
// its column there, or reaches over it once grown and moved.
void pushOn(std::vector<SettledControl> &controls, Qt::Orientation axis)
{
    const Qt::Orientation across = axis == Qt::Vertical ? Qt::Horizontal : Qt::Vertical;
    std::sort(controls.begin(), controls.end(), [axis](const SettledControl &a, const SettledControl &b) {
        return span(a.design, axis).first < span(b.design, axis).first;
    });
    for (SettledControl &b : controls) {
        for (const SettledControl &a : controls) {
            if (span(a.design, axis).second < span(b.design, axis).first
                && (spansMeet(a.design, b.design, across) || spansMeet(a.placed(), b.placed(), across))) {
                int &shift = along(b.shift, axis);
                shift = std::max(shift, along(a.shift, axis) + along(a.grown, axis) - along(a.designed.size(), axis));
            }
        }
    }
}

} // namespace

DesignUnits::DesignUnits(const QFont &font, const std::vector<ListDesign> &lists)
{
    const QFontMetricsF metrics(font);
    m_x = std::max<qreal>(1, averageWidth(metrics) / DesignCellWidth);
    m_y = std::max<qreal>(1, metrics.height() / DesignCellHeight);
    if (lists.empty())
        return;
    QListWidget standIn;
    standIn.setFont(font);
    standIn.addItem(QStringLiteral("X"));
    for (const ListDesign &list : lists) {
        const QSize needs = listNeeds(standIn, list.entries);
        m_x = std::max(m_x, needs.width() * qreal(TwipsPerPixel) / list.twips.width());
        m_y = std::max(m_y, needs.height() * qreal(TwipsPerPixel) / list.twips.height());
    }
}

QLabel *DesignUnits::caption(QWidget *parent, const QString &name, const QRect &twips, const QString &text) const
{
    auto *label = place<QLabel>(parent, name, twips);
    label->setText(text);
    return label;
}

void DesignUnits::allowFor(QWidget *control, const QStringList &texts)
{
    control->setProperty(TextsProperty, texts);
}

void DesignUnits::keepDesign(QWidget *widget, const QRect &twips) const
{
    widget->setProperty(DesignProperty, twips);
    widget->setGeometry(rect(twips));
}

QRect DesignUnits::designOf(const QWidget *control)
{
    return control->property(DesignProperty).toRect();
}

QSize DesignUnits::settle(QWidget *parent) const
{
    std::vector<SettledControl> controls;
    for (QWidget *child : parent->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        const QRect design = designOf(child);
        if (design.isValid()) {
            const QRect designed = rect(design);
            controls.push_back(
                {child, design, designed, designed.size().expandedTo(textNeeds(child, designed.size())), {}});
        }
    }
    pushOn(controls, Qt::Vertical);
    pushOn(controls, Qt::Horizontal);
    QRect designedReach;
    QRect reach;
    for (const SettledControl &c : controls) {
        c.widget->setGeometry(c.placed());
        designedReach |= c.designed;
        reach |= c.placed();
    }
    return {std::max(0, reach.right() - designedReach.right()), std::max(0, reach.bottom() - designedReach.bottom())};
}

} // namespace vte
