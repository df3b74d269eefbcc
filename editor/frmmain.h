#pragma once

#include "catalogue/planecatalogue.h"
#include "catalogue/planeselections.h"
#include "configs/settingsstore.h"
#include "editor/dialogs.h"
#include "planefile/planerecord.h"

#include <QImage>
#include <QMainWindow>

#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QToolBar;

namespace vte {

class ClickableLabel;
class SystemInfoHost;
struct WindowSettings;

// The editor's one main window. Its operations and handlers carry the names the
// game's modders know from the plane format notes; the rules themselves live
// in the core library and this class wires them to the controls.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    enum Tab { ArmorEngineTab, GunsTab, HardPointsTab, ColorSchemesTab, LogosTab };

    frmMain(SettingsStore &store, Dialogs &dialogs, SystemInfoHost &systemInfo, QWidget *parent = nullptr);
    ~frmMain() override;

    // Set from construction until the end of Form_Load, and around every
    // change the editor makes itself, so change handlers stay silent.
    bool Loading = true;

    // Window-level state.
    qint16 PlaneType = 0;
    qint16 ColorScheme = 0;
    std::array<qint16, 3> Logo{}; // LogoNose, LogoTail, LogoWing
    QString DefaultDir;
    qint16 SingleTwin = 0;
    PlaneRecord Record{};

    const PlaneCatalogue &catalogue() const { return *m_catalogue; }
    // The loadout the controls show, mounts included.
    PlaneSelections selections() const;

    void Form_Load();
    void ResetPlane();
    void ChangePlane();
    void FillSchemes();
    void UpdateGunButtons();
    void RecalcWeights();
    void UpdateSpeed();
    void RecolorPreview();
    void ExportPlane();
    // The open procedure after its dialog: the command line and drag and drop
    // use it too.
    void openPlaneFile(const QString &path);
    void SaveConfiguration(int slot);
    void LoadConfiguration(int slot);

public slots:
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSaveAs_Click();
    void mnuFileExit_Click();
    void mnuHelpAbout_Click();
    void mnuToolsSaveEmpty_Click(int index);
    void mnuToolsClearEmpty_Click(int index);
    void mnuToolsLoadEmpty_Click(int index);
    void tbToolBar_ButtonClick(const QString &key);

    void cboPlaneType_Click();
    // Each of these only recalculates the weights.
    void lstArmorNose_Click() { recalcUnlessLoading(); }
    void lstArmorTail_Click() { recalcUnlessLoading(); }
    void lstArmorWings_Click() { recalcUnlessLoading(); }
    void lstEngineType_Click() { recalcUnlessLoading(); }
    void chkNitro_Click() { recalcUnlessLoading(); }
    void lstGunType_Click(int index);
    void lstBullets_Click(int index);
    void cmdGun_Click(int index);
    void cboHP_Click(Side side);
    void cboHPLeft_Click() { cboHP_Click(Left); }
    void cboHPRight_Click() { cboHP_Click(Right); }
    void lstHP_Click(Side side, int index);
    void lstLHP_Click(int index) { lstHP_Click(Left, index); }
    void lstRHP_Click(int index) { lstHP_Click(Right, index); }

    void cboSchemes_Click();
    void cmdRedraw_Click();
    void lblColor_DblClick(int swatch);
    void lblFirstColor_DblClick() { lblColor_DblClick(0); }
    void lblSecondColor_DblClick() { lblColor_DblClick(1); }
    void lblThirdColor_DblClick() { lblColor_DblClick(2); }
    void imgLogo_DblClick(int index);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void createFrameControls(QWidget *central);
    void createArmorEngineTab(QWidget *page);
    void createGunsTab(QWidget *page);
    void createHardPointsTab(QWidget *page);
    void createColorSchemesTab(QWidget *page);
    void createLogosTab(QWidget *page);
    void createWeightRow(QWidget *central);
    void placeWindow(const WindowSettings &settings);
    void recalcUnlessLoading();
    void Form_Unload();
    void setConfigurationCaptions(int slot, const QString &caption);
    // Puts a loaded loadout into the controls; Loading must be set.
    void showSelections(const PlaneSelections &plane);
    void fillLogoPalette();
    void showLogos();
    void showSchemePicture();
    void setColor(int swatch, quint32 colour);
    quint32 color(int swatch) const;
    bool flushStore(const QString &failureTitle);

    SettingsStore &m_store;
    Dialogs &m_dialogs;
    SystemInfoHost &m_systemInfo;
    const PlaneCatalogue *m_catalogue = nullptr;
    QImage m_sourcePreview;
    // Where the file dialogs start next: the folder of the last file chosen.
    QString m_dialogFolder;

public:
    // Controls, named as in the plane editor's design.
    QToolBar *tbToolBar = nullptr;
    QLabel *lblPlaneName = nullptr;
    QLineEdit *txtPlaneName = nullptr;
    QLabel *lblPlaneType = nullptr;
    QComboBox *cboPlaneType = nullptr;
    QTabWidget *SSTab1 = nullptr;

    QLabel *lblArmorNose = nullptr;
    std::array<QListWidget *, 3> lstArmor{}; // lstArmorNose, lstArmorTail, lstArmorWings
    QLabel *lblEngineType = nullptr;
    QListWidget *lstEngineType = nullptr;
    QCheckBox *chkNitro = nullptr;
    QLabel *lblPlaneSpeed = nullptr;
    QLineEdit *txtPlaneSpeed = nullptr;

    std::array<QLabel *, GunSlots> lblGunLocation{};
    std::array<QPushButton *, GunSlots> cmdGun{};
    std::array<QListWidget *, GunSlots> lstGunType{};
    std::array<QListWidget *, GunSlots> lstBullets{};

    QLabel *lblHPLeft = nullptr;
    std::array<QComboBox *, 2> cboHP{};                                  // cboHPLeft, cboHPRight
    std::array<std::array<QListWidget *, HardPointsPerSide>, 2> lstHP{}; // lstLHP, lstRHP
    QLabel *lblLeftHP = nullptr;
    QLabel *lblRightHP = nullptr;

    std::array<ClickableLabel *, 3> lblColor{}; // lblFirstColor, lblSecondColor, lblThirdColor
    QLabel *lblCost = nullptr;
    QComboBox *cboSchemes = nullptr;
    QLabel *picPlane0 = nullptr;
    QLabel *picPlane1 = nullptr;
    QPushButton *cmdRedraw = nullptr;

    std::array<ClickableLabel *, 50> imgLogo{};
    std::array<QLabel *, 3> imgPlace{};    // imgNose, imgTail, imgWing
    std::array<QCheckBox *, 3> chkPlace{}; // chkNose, chkTail, chkWing
    QLabel *lblLogoHelp = nullptr;

    QLabel *lblWeights = nullptr;
    QLineEdit *txtWeight = nullptr;
    QLineEdit *txtPlaneWeight = nullptr;
    QLineEdit *txtEngineWeight = nullptr;
    QLineEdit *txtArmorWeight = nullptr;
    QLineEdit *txtGunWeight = nullptr;
    QLineEdit *txtHPWeight = nullptr;
    QLineEdit *txtTotalWeight = nullptr;
    QLineEdit *txtMaximumWeight = nullptr;

    QAction *mnuFileNew = nullptr;
    QAction *mnuFileOpen = nullptr;
    QAction *mnuFileSaveAs = nullptr;
    QAction *mnuFileExit = nullptr;
    QAction *mnuHelpAbout = nullptr;
    std::array<QAction *, 4> mnuToolsLoadEmpty{};
    std::array<QAction *, 4> mnuToolsSaveEmpty{};
    std::array<QAction *, 4> mnuToolsClearEmpty{};
};

} // namespace vte
