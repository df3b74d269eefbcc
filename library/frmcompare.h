#pragma once

#include "library/planecompare.h"

#include <QWidget>

class QCheckBox;
class QTableWidget;

namespace vte {

// Two to four planes side by side: a field a row, a plane a column. A row
// whose values differ is set in bold and marked "≠", so that it stands out
// without colour.
class frmCompare final : public QWidget
{
public:
    frmCompare(PlaneComparison comparison, QWidget *parent);

private:
    void chkDifferencesOnly_Click(bool only);

    const PlaneComparison m_comparison;
    QCheckBox *chkDifferencesOnly = nullptr;
    QTableWidget *tblCompare = nullptr;
};

} // namespace vte
