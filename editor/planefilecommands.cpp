// Opening plane files, from a dialog or the library, exporting them, and plane codes.
#include "editor/frmmain.h"

#include "library/frmlibrary.h"
#include "library/planetext.h"
#include "planefile/planecode.h"
#include "planefile/planefileio.h"
#include "ui/apptitle.h"

#include <QClipboard>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
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

// Text that holds a plane code; empty when the drop holds none.
QString droppedCode(const QMimeData *mime)
{
    return mime && mime->hasText() && looksLikePlaneCode(mime->text()) ? mime->text() : QString();
}

// Puts an opened plane into the loadout.
std::function<void(Loadout &)> opening(const DecodedPlane &plane)
{
    return [plane](Loadout &l) { l.open(plane.selections, plane.storedWeight); };
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
        m_library->addRowAction("mnuRowCopyCode", QStringLiteral("&Copy Plane Code"),
                                [this](const QString &path) { copyPlaneCodeOf(path); });
    }
    m_library->show();
    m_library->raise();
    m_library->activateWindow();
}

void frmMain::openPlaneFile(const QString &path)
{
    if (const std::optional<DecodedPlane> plane = readPlaneFile(path)) {
        replaceLoadout(QStringLiteral("Open"), opening(*plane));
        m_history.stack().setClean();
    }
}

void frmMain::openStartingFile(const QString &path)
{
    if (const std::optional<DecodedPlane> plane = readPlaneFile(path)) {
        m_history.startFrom(opening(*plane));
        ChangePlane();
    }
}

std::optional<DecodedPlane> frmMain::readPlaneFile(const QString &path)
{
    const OpenedRecord opened = openPlaneRecord(path);
    if (!opened.record) {
        m_dialogs.message(this, opened.refusal, ApplicationTitle);
        return std::nullopt;
    }
    DefaultDir = folderOf(path);
    Record = *opened.record;
    return DecodePlaneRecord(Record);
}

bool frmMain::exportAllowed()
{
    const std::optional<QString> refusal = m_loadout.exportRefusal();
    if (refusal)
        m_dialogs.message(this, *refusal, ApplicationTitle);
    return !refusal;
}

bool frmMain::ExportPlane()
{
    if (!exportAllowed())
        return false;
    const QString path = m_dialogs.saveFileName(this, QStringLiteral("Save"), m_dialogFolder,
                                                m_loadout.selections().PlaneName, planeFileFilter());
    if (path.isEmpty())
        return false;
    m_dialogFolder = folderOf(path);
    Record = exportedRecord(m_loadout);
    const QString refusal = exportPlaneRecord(path, Record);
    if (!refusal.isEmpty()) {
        m_dialogs.message(this, refusal, ApplicationTitle);
        return false;
    }
    m_history.stack().setClean();
    return true;
}

// The code of what an export would write, where an export would write.
void frmMain::mnuEditCopyCode_Click()
{
    if (exportAllowed())
        copyPlaneCode(exportedRecord(m_loadout));
}

// A library row's code: what opening that file and exporting it would write.
void frmMain::copyPlaneCodeOf(const QString &path)
{
    const BuiltRecord built = reexportPlaneFile(path);
    if (built.record)
        copyPlaneCode(*built.record);
    else
        m_dialogs.message(m_library, built.refusal, ApplicationTitle);
}

void frmMain::copyPlaneCode(const PlaneRecord &record)
{
    QGuiApplication::clipboard()->setText(planeCode(record));
    sbStatusText->setText(QStringLiteral("Plane Code Copied"));
}

void frmMain::mnuEditPasteCode_Click()
{
    pastePlaneCode(QGuiApplication::clipboard()->text());
}

void frmMain::pastePlaneCode(const QString &text)
{
    const OpenedRecord pasted = decodePlaneCode(text);
    if (!pasted.record) {
        m_dialogs.message(this, pasted.refusal, ApplicationTitle);
        return;
    }
    replaceLoadout(QStringLiteral("Paste Plane Code"), opening(DecodePlaneRecord(*pasted.record)));
}

void frmMain::dragEnterEvent(QDragEnterEvent *event)
{
    if (!singleDroppedFile(event->mimeData()).isEmpty() || !droppedCode(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent *event)
{
    const QString path = singleDroppedFile(event->mimeData());
    const QString code = droppedCode(event->mimeData());
    if (path.isEmpty() && code.isEmpty())
        return;
    event->acceptProposedAction();
    if (!path.isEmpty())
        openPlaneFile(QDir::toNativeSeparators(path));
    else
        pastePlaneCode(code);
}

} // namespace vte
