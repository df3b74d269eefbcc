#include "library/frmlibrary.h"

#include "configs/settingsstore.h"
#include "library/frmcompare.h"
#include "library/planetext.h"
#include "ui/apptitle.h"
#include "ui/dialogs.h"
#include "ui/readonlytable.h"
#include "ui/windowplacement.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace vte {

namespace {

constexpr int MostCompared = 4;

// What each column must show whole at first, where its title is narrower.
const char *const ColumnSamples[PlaneColumns] = {
    "Night Raven 2",      "Night Raven 2", "Thornleigh", "Medium + Nitro", "4",          "4/4",
    "Crown Flying Corps", "10145",         "15760",      "261 (347) mph",  "Over Weight"};

// A refused file's row is drawn as disabled text; its status says why.
class DimmedRefusals final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.data(PlaneListing::RefusedRole).toBool())
            option->state &= ~QStyle::State_Enabled;
    }
};

template <typename Widget>
Widget *control(QWidget *parent, const char *name, const QString &accessibleName)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setAccessibleName(accessibleName);
    return widget;
}

} // namespace

frmLibrary::frmLibrary(SettingsStore &store, Dialogs &dialogs, const QString &defaultFolder, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_store(store)
    , m_dialogs(dialogs)
    , m_twips(font())
    , m_view(&m_listing)
{
    setObjectName(QStringLiteral("frmLibrary"));
    setWindowTitle(QStringLiteral("Plane Library"));
    setAttribute(Qt::WA_DeleteOnClose);
    createControls();
    const LibrarySettings settings = LibrarySettings::read(m_store, defaultFolder);
    // At first as wide as every column, where the screen has room.
    QRect frame = m_twips.rect({300, 300, 12000, 6000});
    const QMargins margins = layout()->contentsMargins();
    const int columns = tblPlanes->horizontalHeader()->length() + 2 * tblPlanes->frameWidth()
                        + tblPlanes->verticalScrollBar()->sizeHint().width() + margins.left() + margins.right();
    frame.setWidth(std::clamp(columns, frame.width(), std::max(frame.width(), screen()->availableSize().width())));
    placeWindow(*this, settings, frame);
    showFolder(settings.folder);
}

void frmLibrary::createControls()
{
    lblFolder = control<QLabel>(this, "lblFolder", QStringLiteral("Folder"));
    // A long path is cut off rather than widen the window; the tooltip holds it whole.
    lblFolder->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    cmdFolder = control<QPushButton>(this, "cmdFolder", QStringLiteral("Choose Folder"));
    cmdFolder->setText(QStringLiteral("Folder..."));
    auto *lblFilter = new QLabel(QStringLiteral("F&ilter:"), this);
    lblFilter->setObjectName(QStringLiteral("lblFilter"));
    txtFilter = control<QLineEdit>(this, "txtFilter", QStringLiteral("Filter"));
    txtFilter->setToolTip(QStringLiteral("Shows the files whose name, plane name, type or scheme holds the text"));
    txtFilter->setClearButtonEnabled(true);
    lblFilter->setBuddy(txtFilter);

    tblPlanes = control<QTableView>(this, "tblPlanes", QStringLiteral("Plane files"));
    tblPlanes->setModel(&m_view);
    tblPlanes->setItemDelegate(new DimmedRefusals(tblPlanes));
    setUpReadOnlyTable(*tblPlanes);
    tblPlanes->setSortingEnabled(true);
    tblPlanes->sortByColumn(static_cast<int>(PlaneColumn::File), Qt::AscendingOrder);
    QHeaderView *header = tblPlanes->horizontalHeader();
    header->setStretchLastSection(true);
    for (int column = 0; column < PlaneColumns; ++column) {
        const int sample = fontMetrics().horizontalAdvance(QLatin1String(ColumnSamples[column]));
        header->resizeSection(column,
                              std::max(header->sectionSizeHint(column), sample + 2 * fontMetrics().averageCharWidth()));
    }
    tblPlanes->setContextMenuPolicy(Qt::ActionsContextMenu);
    addRowAction("mnuRowOpen", QStringLiteral("&Open"), [this](const QString &path) { emit openPlane(path); });

    lblStatus = control<QLabel>(this, "lblStatus", QStringLiteral("Status"));
    // The count changes as files are read; the window keeps its size meanwhile.
    lblStatus->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    cmdCompare = control<QPushButton>(this, "cmdCompare", QStringLiteral("Compare"));
    cmdCompare->setText(QStringLiteral("Compare"));
    cmdCompare->setToolTip(QStringLiteral("Compares two to four selected planes"));
    cmdOpen = control<QPushButton>(this, "cmdOpen", QStringLiteral("Open"));
    cmdOpen->setText(QStringLiteral("Open"));
    cmdOpen->setToolTip(QStringLiteral("Opens the selected plane in the main window"));

    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(lblFolder, 1);
    folderRow->addWidget(cmdFolder);
    auto *filterRow = new QHBoxLayout;
    filterRow->addWidget(lblFilter);
    filterRow->addWidget(txtFilter);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(lblStatus, 1);
    buttonRow->addWidget(cmdCompare);
    buttonRow->addWidget(cmdOpen);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(folderRow);
    layout->addLayout(filterRow);
    layout->addWidget(tblPlanes, 1);
    layout->addLayout(buttonRow);

    connect(cmdFolder, &QPushButton::clicked, this, &frmLibrary::cmdFolder_Click);
    connect(txtFilter, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_view.setFilterText(text);
        showStatus();
    });
    // Enter and a double click.
    connect(tblPlanes, &QAbstractItemView::activated, this, &frmLibrary::cmdOpen_Click);
    connect(tblPlanes->selectionModel(), &QItemSelectionModel::selectionChanged, this, &frmLibrary::enableButtons);
    connect(cmdOpen, &QPushButton::clicked, this, &frmLibrary::cmdOpen_Click);
    connect(cmdCompare, &QPushButton::clicked, this, &frmLibrary::cmdCompare_Click);
    connect(&m_listing, &PlaneListing::statusChanged, this, &frmLibrary::showStatus);
}

void frmLibrary::addRowAction(const char *name, const QString &caption,
                              const std::function<void(const QString &path)> &run)
{
    auto *action = new QAction(caption, tblPlanes);
    action->setObjectName(QLatin1String(name));
    connect(action, &QAction::triggered, this, [this, run] {
        if (const QString file = currentFile(); !file.isEmpty())
            run(file);
    });
    tblPlanes->addAction(action);
}

void frmLibrary::closeEvent(QCloseEvent *event)
{
    if (!isMinimized())
        LibrarySettings{placementOf(*this), m_listing.folder()}.write(m_store);
    event->accept();
}

void frmLibrary::showFolder(const QString &folder)
{
    const QString shown = QDir::toNativeSeparators(QDir::cleanPath(folder));
    lblFolder->setText(shown);
    lblFolder->setToolTip(shown);
    m_listing.setFolder(shown);
}

// Rows that go or are filtered out leave the selection without a word.
void frmLibrary::showStatus()
{
    lblStatus->setText(m_listing.statusText(m_view.rowCount()));
    enableButtons();
}

void frmLibrary::enableButtons()
{
    const auto selected = static_cast<int>(tblPlanes->selectionModel()->selectedRows().size());
    cmdOpen->setEnabled(selected > 0);
    cmdCompare->setEnabled(selected >= 2 && selected <= MostCompared);
}

QStringList frmLibrary::selectedFiles() const
{
    QModelIndexList rows = tblPlanes->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    QStringList files;
    for (const QModelIndex &row : rows)
        files << m_listing.path(m_view.mapToSource(row).row());
    return files;
}

QString frmLibrary::currentFile() const
{
    const QModelIndex current = tblPlanes->currentIndex();
    if (!current.isValid() || !tblPlanes->selectionModel()->isRowSelected(current.row()))
        return {};
    return m_listing.path(m_view.mapToSource(current).row());
}

void frmLibrary::cmdFolder_Click()
{
    const QString folder = m_dialogs.folderName(this, QStringLiteral("Folder"), m_listing.folder());
    if (!folder.isEmpty())
        showFolder(folder);
}

void frmLibrary::cmdOpen_Click()
{
    if (const QString file = currentFile(); !file.isEmpty())
        emit openPlane(file);
}

void frmLibrary::cmdCompare_Click()
{
    QList<QJsonObject> planes;
    for (const QString &file : selectedFiles()) {
        planes << describePlaneFile(file);
        if (isRefused(planes.back())) {
            m_dialogs.message(this,
                              QStringLiteral("Plane Cannot Be Compared\n%1: %2")
                                  .arg(QFileInfo(file).fileName(), planeFault(planes.back()).value_or(QString())),
                              ApplicationTitle);
            return;
        }
    }
    (new frmCompare(comparePlanes(planes), this))->show();
}

} // namespace vte
