#pragma once

#include <QHeaderView>
#include <QTableView>

namespace vte {

// A table to read, a line a row: rows no higher than their text needs, no
// editing, and Tab moving on to the next control rather than the next cell.
inline void setUpReadOnlyTable(QTableView &table)
{
    table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table.setSelectionBehavior(QAbstractItemView::SelectRows);
    table.setTabKeyNavigation(false);
    table.setWordWrap(false);
    QHeaderView *rows = table.verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(rows->minimumSectionSize());
}

} // namespace vte
