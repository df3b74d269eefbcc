#pragma once

#include "catalogue/loadout.h"
#include "catalogue/loadouthistory.h"
#include "configs/settingsstore.h"
#include "planefile/planerecord.h"
#include "ui/dialogs.h"
#include "ui/twips.h"

#include <QImage>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolBar;

namespace vte {

class ClickableLabel;
class frmLibrary;
class SystemInfoHost;

// The editor's one main window: it shows the loadout and forwards each choice
// of the user to it. Handlers carry the names the game's modders know from the
// plane format notes; the rules they forward to live in Loadout.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    enum Tab { ArmorEngineTab, GunsTab, HardPointsTab, ColorSchemesTab, LogosTab };

    frmMain(SettingsStore &store, Dialogs &dialogs, SystemInfoHost &systemInfo, QWidget *parent = nullptr);
    ~frmMain() override;

    void Form_Load();
    // The open procedure after its dialog: drag and drop use it too.
    void openPlaneFile(const QString &path);
    // Opens the file named on the command line as the loadout the history
    // starts from.
    void openStartingFile(const QString &path);

    const Loadout &loadout() const { return m_loadout; }
    const DesignUnits &designUnits() const { return m_twips; }
    // Builds every page not shown yet, for whatever needs their controls now.
    void buildPages();

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createMenus();
    void createEditMenu(QMenu *edit);
    void createToolBar();
    void createStatusBar();
    void createFrameControls(QWidget *central);
    void createArmorEngineTab(QWidget *page);
    void createGunsTab(QWidget *page);
    void createHardPointsTab(QWidget *page);
    void createColorSchemesTab(QWidget *page);
    void createLogosTab(QWidget *page);
    void createWeightRow(QWidget *central);
    static std::vector<ListDesign> designLists();
    static QRect armorEngineLowest();
    static QRect gunsLowest();
    static QRect hardPointsLowest();
    static QRect colorSchemesLowest();
    static QRect logosLowest();
    QSize pagesSize() const;
    // Settles the frame's controls around a tab control that holds every page.
    void fitFrame();
    QListWidget *choiceList(QWidget *page, const QString &name, const QRect &twips, const QStringList &entries,
                            const QString &accessibleName);
    QComboBox *choiceBox(QWidget *page, const QString &name, const QRect &twips, const QStringList &entries,
                         const QString &accessibleName);
    void buildPage(int index);
    void placeInTabOrder();
    void Form_Unload();
    // Whether the window may close: unexported work goes only when the user says so.
    bool mayClose();

    // Runs one change of the loadout that a user's choice asked for, as a step
    // of the history, and shows the result; does nothing while the window is
    // showing the loadout itself. True when the loadout changed.
    bool forward(const QString &step, const std::function<void(Loadout &)> &change,
                 LoadoutHistory::Kind kind = LoadoutHistory::Kind::Single);
    // Puts a whole loadout in place as one step and shows it anew.
    void replaceLoadout(const QString &step, const std::function<void(Loadout &)> &change);
    // Puts the loadout into the controls, with Loading set so that none of
    // their change handlers runs.
    void showLoadout();
    void showArmorEngine();
    void showGuns();
    void showHardPoints();
    void RecalcWeights();
    void showPaint();
    // Shows a loadout that has a plane type anew: every control, the scheme
    // picture and the painted preview.
    void ChangePlane();
    void showSchemePicture();
    void RecolorPreview();
    void showLogos();
    void setConfigurationCaptions(int slot, const QString &caption);
    bool flushStore(const QString &failureTitle);
    // The plane file to open, after showing why not if it cannot be.
    std::optional<DecodedPlane> readPlaneFile(const QString &path);
    void pastePlaneCode(const QString &text);
    void copyPlaneCode(const PlaneRecord &record);
    void copyPlaneCodeOf(const QString &path);
    // Whether the loadout may be exported, after showing why not if it may not.
    bool exportAllowed();
    // True once the file is written.
    bool ExportPlane();
    void SaveConfiguration(int slot);
    void LoadConfiguration(int slot);

    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileLibrary_Click();
    void mnuFileSaveAs_Click();
    void mnuFileExit_Click();
    void mnuEditCopyCode_Click();
    void mnuEditPasteCode_Click();
    void mnuHelpAbout_Click();
    void mnuToolsSaveEmpty_Click(int index);
    void mnuToolsClearEmpty_Click(int index);
    void mnuToolsLoadEmpty_Click(int index);
    void tbToolBar_ButtonClick(const QString &key);

    void cboPlaneType_Click();
    void lstArmor_Click(Place place);
    void lstEngineType_Click();
    void chkNitro_Click();
    void lstGunType_Click(int index);
    void lstBullets_Click(int index);
    void cmdGun_Click(int index);
    void cboHP_Click(Side side);
    void lstHP_Click(Side side, int index);
    void cboSchemes_Click();
    void cmdRedraw_Click();
    void lblColor_DblClick(int swatch);
    void imgLogo_DblClick(int index);
    void chkPlace_Click(int index);

    SettingsStore &m_store;
    Dialogs &m_dialogs;
    SystemInfoHost &m_systemInfo;
    const DesignUnits m_twips;
    Loadout m_loadout;
    LoadoutHistory m_history{m_loadout};
    // Set from construction until the end of Form_Load, and while the window
    // shows the loadout, so that change handlers stay silent.
    bool Loading = true;
    QString DefaultDir;
    PlaneRecord Record{};
    // Where the file dialogs start next: the folder of the last file chosen.
    QString m_dialogFolder;
    QPointer<frmLibrary> m_library; // while it is open
    QImage m_sourcePreview;
    std::optional<int> m_shownPicture;
    std::array<std::optional<qint16>, 3> m_shownLogo;

    // Controls, named as in the plane editor's design.
    QToolBar *tbToolBar = nullptr;
    QLineEdit *txtPlaneName = nullptr;
    QComboBox *cboPlaneType = nullptr;
    QTabWidget *SSTab1 = nullptr;
    QLabel *sbStatusText = nullptr; // the status bar's text panel
    // A page's controls are made when the page is first shown.
    struct Page
    {
        const char *caption;
        void (frmMain::*create)(QWidget *);
        void (frmMain::*show)();
        QRect (*lowest)(); // the design's lowest control, where the page's height comes from
    };
    static const std::array<Page, 5> Pages;
    std::array<bool, 5> m_built{};

    std::array<QListWidget *, 3> lstArmor{}; // lstArmorNose, lstArmorTail, lstArmorWings
    QListWidget *lstEngineType = nullptr;
    QCheckBox *chkNitro = nullptr;
    QLineEdit *txtPlaneSpeed = nullptr;

    std::array<QLabel *, GunSlots> lblGunLocation{};
    std::array<QPushButton *, GunSlots> cmdGun{};
    std::array<QListWidget *, GunSlots> lstGunType{};
    std::array<QListWidget *, GunSlots> lstBullets{};

    std::array<QComboBox *, 2> cboHP{};                                  // cboHPLeft, cboHPRight
    std::array<std::array<QListWidget *, HardPointsPerSide>, 2> lstHP{}; // lstLHP, lstRHP

    std::array<ClickableLabel *, 3> lblColor{}; // lblFirstColor, lblSecondColor, lblThirdColor
    QComboBox *cboSchemes = nullptr;
    QLabel *picPlane0 = nullptr;
    QLabel *picPlane1 = nullptr;

    static constexpr int LogoCount = 50;
    std::array<ClickableLabel *, LogoCount> imgLogo{};
    std::array<QLabel *, 3> imgPlace{};    // imgNose, imgTail, imgWing
    std::array<QCheckBox *, 3> chkPlace{}; // chkNose, chkTail, chkWing

    QLineEdit *txtWeight = nullptr;
    // txtPlaneWeight, txtEngineWeight, txtArmorWeight, txtGunWeight,
    // txtHPWeight, txtTotalWeight, txtMaximumWeight
    std::array<QLineEdit *, 7> txtWeights{};

    std::array<QAction *, 4> mnuToolsLoadEmpty{};
    std::array<QAction *, 4> mnuToolsSaveEmpty{};
    std::array<QAction *, 4> mnuToolsClearEmpty{};
};

} // namespace vte
