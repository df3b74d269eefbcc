#include "library/planelisting.h"

#include "catalogue/planecatalogue.h"
#include "library/planetext.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QJsonObject>
#include <QLocale>
#include <QSet>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace vte {

namespace {

const QStringList &columnTitles()
{
    static const QStringList titles{"File",   "Name",  "Type",    "Engine", "Guns",  "Hard Points",
                                    "Scheme", "Total", "Maximum", "Speed",  "Status"};
    return titles;
}

// Changes come in flurries, a file written in several pieces or a folder
// copied; the folder is read again once they have settled.
constexpr int SettleMilliseconds = 100;
// Rows are handed over at this pace, each batch a short task for the window.
constexpr qint64 BatchMilliseconds = 10;

QString fileCount(int count)
{
    return QLocale().toString(count) + (count == 1 ? QStringLiteral(" file") : QStringLiteral(" files"));
}

} // namespace

bool isFigureColumn(PlaneColumn column)
{
    using enum PlaneColumn;
    return column == Guns || column == HardPoints || column == Total || column == Maximum || column == Speed;
}

bool PlaneRow::lessThan(const PlaneRow &other, PlaneColumn column) const
{
    const auto c = static_cast<size_t>(column);
    if (isFigureColumn(column))
        return numbers[c] < other.numbers[c];
    return texts[c].compare(other.texts[c], Qt::CaseInsensitive) < 0;
}

bool PlaneRow::matches(const QString &filter) const
{
    using enum PlaneColumn;
    static constexpr PlaneColumn Searched[] = {File, Name, Type, Scheme};
    return std::any_of(std::begin(Searched), std::end(Searched),
                       [&](PlaneColumn column) { return text(column).contains(filter, Qt::CaseInsensitive); });
}

PlaneRow planeRow(const FolderEntry &file, const QJsonObject &plane)
{
    using enum PlaneColumn;
    PlaneRow row;
    row.file = file;
    row.numbers.fill(-1);
    const auto show = [&row](PlaneColumn column, const QString &text, qint32 number = -1) {
        row.texts[static_cast<size_t>(column)] = text;
        row.numbers[static_cast<size_t>(column)] = number;
    };
    show(File, file.name);
    if (isRefused(plane)) {
        row.state = PlaneRow::State::Refused;
        show(Status, planeFault(plane).value_or(QString()));
        return row;
    }
    const QJsonObject names = plane[QStringLiteral("Names")].toObject();
    const QJsonObject weights = plane[QStringLiteral("Weights")].toObject();
    const auto number = [](const QJsonValue &value) { return static_cast<qint32>(value.toInteger()); };
    int guns = 0;
    for (int slot = 0; slot < GunSlots; ++slot)
        guns += plane[QStringLiteral("GunType%1").arg(slot)].toInt() != NoGun;
    const qint32 left = number(plane[QStringLiteral("HPLeft")]);
    const qint32 right = number(plane[QStringLiteral("HPRight")]);
    const QString speed = plane[QStringLiteral("Speed")].toString();
    const bool nitro = plane[QStringLiteral("Nitro")].toBool();
    row.state = weights[QStringLiteral("OverWeight")].toBool() ? PlaneRow::State::OverWeight : PlaneRow::State::Fine;

    show(Name, plane[QStringLiteral("PlaneName")].toString());
    show(Type, names[QStringLiteral("PlaneType")].toString());
    show(Engine, names[QStringLiteral("EngineType")].toString() + (nitro ? QStringLiteral(" + Nitro") : QString()));
    show(Guns, QString::number(guns), guns);
    // Left first, then right: the sides as the column shows them.
    show(HardPoints, QStringLiteral("%1/%2").arg(left).arg(right), left * 10 + right);
    show(Scheme, names[QStringLiteral("ColorScheme")].toString());
    for (const auto &[column, key] : {std::pair{Total, "Total"}, std::pair{Maximum, "Maximum"}}) {
        const qint32 weight = number(weights[QLatin1String(key)]);
        show(column, QString::number(weight), weight);
    }
    // "220 mph" or with nitro "220 (292) mph": by the speed without nitro.
    show(Speed, speed, speed.section(QLatin1Char(' '), 0, 0).toInt());
    show(Status, row.state == PlaneRow::State::OverWeight ? QStringLiteral("Over Weight") : QStringLiteral("OK"));
    return row;
}

// The reading thread's side of a listing: it lists the folder, reads the
// files that are new or changed, watches the folder, and posts what it finds
// to the listing. Of the listing it touches nothing but the generation.
class FolderReader final : public QObject
{
public:
    explicit FolderReader(PlaneListing &listing)
        : m_listing(listing)
    {
        m_settle.setSingleShot(true);
        m_settle.setInterval(SettleMilliseconds);
        connect(&m_settle, &QTimer::timeout, this, &FolderReader::scan);
    }

    void open(quint64 generation, const QString &folder)
    {
        m_generation = generation;
        m_folder = folder;
        m_known.clear();
        m_texts.clear();
        // Made on this thread: on Windows a watcher hooks into the event loop
        // of the thread that makes it, and must be destroyed there.
        m_watcher = std::make_unique<QFileSystemWatcher>();
        connect(m_watcher.get(), &QFileSystemWatcher::directoryChanged, &m_settle, qOverload<>(&QTimer::start));
        connect(m_watcher.get(), &QFileSystemWatcher::fileChanged, &m_settle, qOverload<>(&QTimer::start));
        // The folder tells of files that come and go; a file rewritten in
        // place only tells its own watch.
        if (found())
            m_watcher->addPath(folder);
        scan();
    }

private:
    void scan()
    {
        const quint64 generation = m_generation;
        QSet<QString> present;
        QList<FolderEntry> changed;
        const bool found = this->found();
        for (const FolderEntry &entry : found ? folderEntries(m_folder) : QList<FolderEntry>()) {
            present.insert(entry.name);
            if (m_known.value(entry.name) != entry)
                changed << entry;
        }
        QStringList removed;
        for (auto it = m_known.begin(); it != m_known.end();) {
            if (present.contains(it.key())) {
                ++it;
                continue;
            }
            removed << it.key();
            it = m_known.erase(it);
        }
        const int toRead = static_cast<int>(changed.size());
        post([=](PlaneListing &listing) { listing.listed(generation, found, removed, toRead); });

        QList<PlaneRow> batch;
        QStringList read;
        QElapsedTimer sinceSent;
        sinceSent.start();
        for (const FolderEntry &entry : changed) {
            if (!m_listing.isCurrent(generation))
                return;
            read << filePath(entry.name);
            batch << shared(planeRow(entry, describePlaneFile(read.back())));
            m_known.insert(entry.name, entry);
            if (sinceSent.elapsed() >= BatchMilliseconds) {
                send(generation, batch);
                sinceSent.restart();
            }
        }
        send(generation, batch);
        post([=](PlaneListing &listing) { listing.scanned(generation); });
        // Once every row is shown: watching ten thousand files takes a while.
        if (!read.isEmpty())
            m_watcher->addPaths(read);
    }

    void send(quint64 generation, QList<PlaneRow> &batch)
    {
        if (batch.isEmpty())
            return;
        post([=, rows = std::move(batch)](PlaneListing &listing) { listing.read(generation, rows); });
        batch = {};
    }

    // An empty name is no folder, though QDir would take it for the current one.
    bool found() const { return !m_folder.isEmpty() && QFileInfo(m_folder).isDir(); }
    QString filePath(const QString &name) const { return QDir(m_folder).filePath(name); }

    template <typename Call>
    void post(Call call)
    {
        QMetaObject::invokeMethod(
            &m_listing, [&listing = m_listing, call] { call(listing); }, Qt::QueuedConnection);
    }

    // Most columns repeat a few texts (types, schemes, "OK"); rows share them.
    PlaneRow shared(PlaneRow row)
    {
        for (QString &text : row.texts) {
            const auto found = m_texts.constFind(text);
            if (found != m_texts.cend())
                text = *found;
            else
                m_texts.insert(text);
        }
        return row;
    }

    PlaneListing &m_listing;
    quint64 m_generation = 0;
    QString m_folder;
    QHash<QString, FolderEntry> m_known; // every file as last read
    QSet<QString> m_texts;
    std::unique_ptr<QFileSystemWatcher> m_watcher;
    QTimer m_settle{this};
};

PlaneListing::PlaneListing(QObject *parent)
    : QAbstractTableModel(parent)
    , m_reader(new FolderReader(*this))
{
    m_reader->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_reader, &QObject::deleteLater);
    m_thread.start();
}

PlaneListing::~PlaneListing()
{
    ++m_generation;
    m_thread.quit();
    m_thread.wait();
}

void PlaneListing::setFolder(const QString &folder)
{
    const quint64 generation = ++m_generation;
    beginResetModel();
    m_rows.clear();
    m_rowOfFile.clear();
    endResetModel();
    m_folder = folder;
    m_found = true;
    m_reading = true;
    m_read = m_toRead = 0;
    QMetaObject::invokeMethod(m_reader, [reader = m_reader, generation, folder] { reader->open(generation, folder); });
    emit statusChanged();
}

QString PlaneListing::path(int index) const
{
    return QDir::toNativeSeparators(QDir(m_folder).filePath(row(index).file.name));
}

QString PlaneListing::statusText(int shown) const
{
    if (!m_found)
        return QStringLiteral("Folder not found");
    const QLocale locale;
    if (m_reading && m_toRead == 0)
        return QStringLiteral("Reading the folder");
    if (m_reading)
        return QStringLiteral("Reading %1 of %2").arg(locale.toString(m_read), fileCount(m_toRead));
    const int all = rowCount();
    return shown == all ? fileCount(all) : QStringLiteral("%1 of %2").arg(locale.toString(shown), fileCount(all));
}

int PlaneListing::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int PlaneListing::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : PlaneColumns;
}

QVariant PlaneListing::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const PlaneRow &shown = row(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return shown.texts[static_cast<size_t>(index.column())];
    case Qt::TextAlignmentRole:
        return isFigureColumn(PlaneColumn(index.column())) ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case RefusedRole:
        return shown.state == PlaneRow::State::Refused;
    default:
        return {};
    }
}

QVariant PlaneListing::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return columnTitles().value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void PlaneListing::listed(quint64 generation, bool found, const QStringList &removed, int toRead)
{
    if (!isCurrent(generation))
        return;
    m_found = found;
    dropRows(removed);
    m_reading = toRead > 0;
    m_read = 0;
    m_toRead = toRead;
    emit statusChanged();
}

void PlaneListing::read(quint64 generation, const QList<PlaneRow> &rows)
{
    if (!isCurrent(generation))
        return;
    QList<PlaneRow> added;
    for (const PlaneRow &row : rows) {
        const auto found = m_rowOfFile.constFind(row.file.name);
        if (found == m_rowOfFile.cend()) {
            added << row;
            continue;
        }
        m_rows[static_cast<size_t>(*found)] = row;
        emit dataChanged(index(*found, 0), index(*found, PlaneColumns - 1));
    }
    if (!added.isEmpty()) {
        const int first = rowCount();
        beginInsertRows({}, first, first + static_cast<int>(added.size()) - 1);
        for (PlaneRow &row : added) {
            m_rowOfFile.insert(row.file.name, rowCount());
            m_rows.push_back(std::move(row));
        }
        endInsertRows();
    }
    m_read += static_cast<int>(rows.size());
    emit statusChanged();
}

void PlaneListing::scanned(quint64 generation)
{
    if (!isCurrent(generation))
        return;
    m_reading = false;
    emit statusChanged();
}

// Removes each run of neighbouring rows at once, the last run first.
void PlaneListing::dropRows(const QStringList &names)
{
    std::vector<int> doomed;
    for (const QString &name : names) {
        if (const auto found = m_rowOfFile.constFind(name); found != m_rowOfFile.cend())
            doomed.push_back(*found);
    }
    std::sort(doomed.begin(), doomed.end(), std::greater<>());
    for (size_t last = 0; last < doomed.size();) {
        size_t first = last;
        while (first + 1 < doomed.size() && doomed[first + 1] == doomed[first] - 1)
            ++first;
        beginRemoveRows({}, doomed[first], doomed[last]);
        m_rows.erase(m_rows.begin() + doomed[first], m_rows.begin() + doomed[last] + 1);
        endRemoveRows();
        last = first + 1;
    }
    if (!doomed.empty())
        indexRows();
}

void PlaneListing::indexRows()
{
    m_rowOfFile.clear();
    for (size_t i = 0; i < m_rows.size(); ++i)
        m_rowOfFile.insert(m_rows[i].file.name, static_cast<int>(i));
}

void PlaneListingView::setFilterText(const QString &text)
{
    m_filter = text;
    invalidateFilter();
}

bool PlaneListingView::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    return m_listing->row(left.row()).lessThan(m_listing->row(right.row()), PlaneColumn(left.column()));
}

bool PlaneListingView::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    return m_listing->row(sourceRow).matches(m_filter);
}

} // namespace vte
