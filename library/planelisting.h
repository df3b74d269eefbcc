#pragma once

#include "library/planefolder.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QSortFilterProxyModel>
#include <QThread>

#include <array>
#include <atomic>
#include <vector>

class QJsonObject;

namespace vte {

class FolderReader;

// The columns of a plane library, in order.
enum class PlaneColumn {
    File,
    Name,
    Type,
    Engine,
    Guns,
    HardPoints,
    Scheme,
    Total,
    Maximum,
    Speed,
    Status,
};
inline constexpr int PlaneColumns = 11;

// One plane file of a library as its row shows it, built from what --print
// describes. A refused file shows its name and the refusal alone.
struct PlaneRow
{
    enum class State : quint8 { Fine, OverWeight, Refused };

    FolderEntry file;
    State state = State::Fine;
    std::array<QString, PlaneColumns> texts;
    // What a column of figures sorts by; -1 for a refused file.
    std::array<qint32, PlaneColumns> numbers{};

    const QString &text(PlaneColumn column) const { return texts[static_cast<int>(column)]; }
    bool lessThan(const PlaneRow &other, PlaneColumn column) const;
    // Whether the file name, plane name, type or scheme holds the text, in any case.
    bool matches(const QString &filter) const;
};

PlaneRow planeRow(const FolderEntry &file, const QJsonObject &plane);

bool isFigureColumn(PlaneColumn column);

// The plane files of one folder, a row each, read on a thread of their own
// and handed over in batches, so that the window never waits on the disk.
// The folder is watched: a file that appears, changes or goes is read again
// and its row added, updated in place or removed; the other rows stay as they are.
class PlaneListing final : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Role { RefusedRole = Qt::UserRole };

    explicit PlaneListing(QObject *parent = nullptr);
    ~PlaneListing() override;

    // Reading a folder still being read stops at the next file.
    void setFolder(const QString &folder);
    const QString &folder() const { return m_folder; }
    const PlaneRow &row(int index) const { return m_rows[static_cast<size_t>(index)]; }
    QString path(int index) const;
    bool isReading() const { return m_reading; }
    // "Reading the folder", "Reading 1,234 of 10,000 files", then "10,000
    // files", or "12 of 10,000 files" while only some are shown.
    QString statusText(int shown) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    void statusChanged();

private:
    friend class FolderReader;

    bool isCurrent(quint64 generation) const { return generation == m_generation; }
    void listed(quint64 generation, bool found, const QStringList &removed, int toRead);
    void read(quint64 generation, const QList<PlaneRow> &rows);
    void scanned(quint64 generation);
    void dropRows(const QStringList &names);
    void indexRows();

    QString m_folder;
    std::vector<PlaneRow> m_rows;
    QHash<QString, int> m_rowOfFile;
    bool m_found = true;
    bool m_reading = false;
    int m_read = 0;
    int m_toRead = 0;
    // Counts the folders asked for; work for an earlier one is dropped.
    std::atomic<quint64> m_generation{0};
    QThread m_thread;
    FolderReader *m_reader = nullptr; // lives in m_thread, which deletes it
};

// A listing sorted by any column, figures as numbers, and filtered by a text.
class PlaneListingView final : public QSortFilterProxyModel
{
public:
    explicit PlaneListingView(PlaneListing *listing, QObject *parent = nullptr)
        : QSortFilterProxyModel(parent)
        , m_listing(listing)
    {
        setSourceModel(listing);
    }

    void setFilterText(const QString &text);

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    const PlaneListing *m_listing;
    QString m_filter;
};

} // namespace vte
