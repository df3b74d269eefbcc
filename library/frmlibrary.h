#pragma once

#include "library/planelisting.h"
#include "ui/twips.h"

#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace vte {

class Dialogs;
class SettingsStore;

// Every plane file of a folder at a glance, to sort, filter, open in the main
// window or compare. Not modal; it keeps its place and folder in the settings
// store, read when it opens and written when it closes.
class frmLibrary final : public QWidget
{
    Q_OBJECT

public:
    frmLibrary(SettingsStore &store, Dialogs &dialogs, const QString &defaultFolder, QWidget *parent);

    // A command of the rows' context menu, run on the file of the current row.
    void addRowAction(const char *name, const QString &caption, const std::function<void(const QString &path)> &run);

signals:
    // The user asks to open the plane file in the main window.
    void openPlane(const QString &path);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void showFolder(const QString &folder);
    void showStatus();
    void enableButtons();
    // The files of the selected rows, in the order the table shows them.
    QStringList selectedFiles() const;
    QString currentFile() const;

    void cmdFolder_Click();
    void cmdOpen_Click();
    void cmdCompare_Click();

    SettingsStore &m_store;
    Dialogs &m_dialogs;
    const DesignUnits m_twips;
    PlaneListing m_listing;
    PlaneListingView m_view;

    QLabel *lblFolder = nullptr;
    QPushButton *cmdFolder = nullptr;
    QLineEdit *txtFilter = nullptr;
    QTableView *tblPlanes = nullptr;
    QLabel *lblStatus = nullptr;
    QPushButton *cmdCompare = nullptr;
    QPushButton *cmdOpen = nullptr;
};

} // namespace vte
