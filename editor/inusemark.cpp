#include "editor/inusemark.h"

#include <QApplication>
#include <QListWidget>

namespace vte {

namespace {

const QColor NotInUse(192, 255, 255);

} // namespace

void setInUse(QListWidget *list, bool inUse)
{
    QPalette palette = list->palette();
    const QColor base = inUse ? QApplication::palette(list).color(QPalette::Base) : NotInUse;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, base);
    list->setPalette(palette);
}

} // namespace vte
