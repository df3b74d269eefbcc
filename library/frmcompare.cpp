#include "library/frmcompare.h"

#include "ui/readonlytable.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vte {

frmCompare::frmCompare(PlaneComparison comparison, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_comparison(std::move(comparison))
{
    setObjectName(QStringLiteral("frmCompare"));
    setWindowTitle(QStringLiteral("Compare Planes"));
    setAttribute(Qt::WA_DeleteOnClose);

    chkDifferencesOnly = new QCheckBox(QStringLiteral("Differences only"), this);
    chkDifferencesOnly->setObjectName(QStringLiteral("chkDifferencesOnly"));
    connect(chkDifferencesOnly, &QCheckBox::toggled, this, &frmCompare::chkDifferencesOnly_Click);

    const QList<ComparedField> &fields = m_comparison.fields;
    tblCompare =
        new QTableWidget(static_cast<int>(fields.size()), static_cast<int>(m_comparison.files.size()) + 1, this);
    tblCompare->setObjectName(QStringLiteral("tblCompare"));
    tblCompare->setAccessibleName(QStringLiteral("Planes compared"));
    QStringList headers{QStringLiteral("Field")};
    for (const QString &file : m_comparison.files)
        headers << QFileInfo(file).fileName();
    tblCompare->setHorizontalHeaderLabels(headers);
    for (int row = 0; row < tblCompare->rowCount(); ++row) {
        const ComparedField &field = fields[row];
        const QStringList cells =
            QStringList{field.differs() ? QStringLiteral("≠ ") + field.label : field.label} + field.values;
        for (int column = 0; column < tblCompare->columnCount(); ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            QFont font = item->font();
            font.setBold(field.differs());
            item->setFont(font);
            tblCompare->setItem(row, column, item);
        }
    }
    setUpReadOnlyTable(*tblCompare);
    tblCompare->resizeColumnsToContents();
    tblCompare->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(chkDifferencesOnly);
    layout->addWidget(tblCompare);
    // As wide as the planes' values, where the screen has room.
    resize(sizeHint().boundedTo(screen()->availableSize()));
}

void frmCompare::chkDifferencesOnly_Click(bool only)
{
    for (int row = 0; row < tblCompare->rowCount(); ++row)
        tblCompare->setRowHidden(row, only && !m_comparison.fields[row].differs());
}

} // namespace vte
