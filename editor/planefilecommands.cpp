// Opening plane files, from a dialog or the library, and exporting them.
#include "editor/frmmain.h"

#include "library/frmlibrary.h"
#include "planefile/planefileio.h"
#include "ui/apptitle.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>

namespace vte {

namespace {

// Exported plane files carry no extension; "*.*" would hide them outside Windows.
QString planeFileFilter()
{
#ifdef Q_OS_WIN
    return QStringLiteral("All Files (*.*)");
#else
    return QStringLiteral("All Files (*)");
#endif
}

// The folder of a path, with its trailing separator, as the open dialog
// remembers it.
QString folderOf(const QString &path)
{
    const QString native = QDir::toNativeSeparators(path);
    return native.left(native.lastIndexOf(QDir::separator()) + 1);
}

// The stored default folder is a Windows path; where it does not exist the
// dialog starts at home instead, and the stored value is kept as it is.
QString existingFolder(const QString &folder)
{
    return QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

// One local file and nothing else; anything more is not a plane to open.
QString singleDroppedFile(const QMimeData *mime)
{
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1 || !mime->urls().front().isLocalFile())
        return {};
    return mime->urls().front().toLocalFile();
}

} // namespace

void frmMain::mnuFileOpen_Click()
{
    const QString path =
        m_dialogs.openFileName(this, QStringLiteral("Open"), existingFolder(DefaultDir), planeFileFilter());
    if (path.isEmpty())
        return;
    m_dialogFolder = folderOf(path);
    openPlaneFile(path);
}

void frmMain::mnuFileLibrary_Click()
{
    if (!m_library) {
        m_library = new frmLibrary(m_store, m_dialogs, DefaultDir, this);
        connect(m_library, &frmLibrary::openPlane, this, &frmMain::openPlaneFile);
    }
    m_library->show();
    m_library->raise();
    m_library->activateWindow();
}

void frmMain::openPlaneFile(const QString &path)
{
    const OpenedRecord opened = openPlaneRecord(path);
    if (!opened.record) {
        m_dialogs.message(this, opened.refusal, ApplicationTitle);
        return;
    }

    DefaultDir = folderOf(path);
    Record = *opened.record;
    const DecodedPlane decoded = DecodePlaneRecord(Record);
    m_loadout.load(decoded.selections);
    txtWeight->setText(QString::number(decoded.storedWeight));
    ChangePlane();
}

void frmMain::ExportPlane()
{
    if (const std::optional<QString> refusal = m_loadout.exportRefusal()) {
        m_dialogs.message(this, *refusal, ApplicationTitle);
        return;
    }
    const QString path = m_dialogs.saveFileName(this, QStringLiteral("Save"), m_dialogFolder,
                                                m_loadout.selections().PlaneName, planeFileFilter());
    if (path.isEmpty())
        return;
    m_dialogFolder = folderOf(path);
    Record = EncodePlaneRecord(m_loadout.catalogue(), m_loadout.selections(), m_loadout.schemePosition(),
                               m_loadout.weights().Total);
    const QString refusal = exportPlaneRecord(path, Record);
    if (!refusal.isEmpty())
        m_dialogs.message(this, refusal, ApplicationTitle);
}

void frmMain::dragEnterEvent(QDragEnterEvent *event)
{
    if (!singleDroppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent *event)
{
    const QString path = singleDroppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    openPlaneFile(QDir::toNativeSeparators(path));
}

} // namespace vte
