#include "editor/frmmain.h"

#include "about/frmabout.h"
#include "about/sysinfo.h"
#include "configs/configuration.h"
#include "configs/windowsettings.h"
#include "editor/clickablelabel.h"
#include "editor/inusemark.h"
#include "editor/pixelart.h"
#include "planefile/cp1252.h"
#include "ui/apptitle.h"
#include "ui/comboboxaccessible.h"
#include "ui/twips.h"
#include "ui/windowplacement.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <QValidator>

#include <algorithm>
#include <cstdio>

// The pictures live in the library, which a static link would otherwise drop.
static void initPictures()
{
    Q_INIT_RESOURCE(resources);
}

namespace vte {

namespace {

// The design placed the frame's controls below a toolbar of this height; the
// central widget starts under Qt's toolbar instead.
constexpr int ToolbarTwips = 420;
constexpr int TabTopTwips = 1020, TabHeightTwips = 4080;

QRect belowToolbar(int left, int top, int width, int height)
{
    return {left, top - ToolbarTwips, width, height};
}

// Keeps out of the name box what a plane file cannot store, typed or pasted.
class PlaneNameValidator final : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        return std::all_of(input.cbegin(), input.cend(), isCp1252Storable) ? Acceptable : Invalid;
    }
};

// The name box would take Undo and Redo for its own typing; they go to the
// window's history instead, where the name's edits are steps like any other.
class HistoryKeys final : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ShortcutOverride) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo))
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

// The tab widget answers Ctrl+Tab only while the focus is on a page; these
// switch tabs from anywhere in the window, Ctrl+PgDn and Ctrl+PgUp included.
void addTabKeys(QWidget *window, QTabWidget *tabs)
{
    const auto addTabKey = [window, tabs](const char *name, const QString &text, const QList<QKeySequence> &keys,
                                          int step) {
        auto *action = new QAction(text, window);
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(action, &QAction::triggered, tabs, [tabs, step] {
            const int count = tabs->count();
            tabs->setCurrentIndex((tabs->currentIndex() + step + count) % count);
        });
        window->addAction(action);
    };
    addTabKey("actNextTab", QStringLiteral("Next Tab"),
              {QKeySequence(Qt::CTRL | Qt::Key_PageDown), QKeySequence(Qt::CTRL | Qt::Key_Tab)}, 1);
    addTabKey("actPreviousTab", QStringLiteral("Previous Tab"),
              {QKeySequence(Qt::CTRL | Qt::Key_PageUp), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)}, -1);
}

} // namespace

const std::array<frmMain::Page, 5> frmMain::Pages{{
    {"Armor/Engine", &frmMain::createArmorEngineTab, &frmMain::showArmorEngine, &frmMain::armorEngineLowest},
    {"Guns", &frmMain::createGunsTab, &frmMain::showGuns, &frmMain::gunsLowest},
    {"Hard Points", &frmMain::createHardPointsTab, &frmMain::showHardPoints, &frmMain::hardPointsLowest},
    {"Color Schemes", &frmMain::createColorSchemesTab, &frmMain::showPaint, &frmMain::colorSchemesLowest},
    {"Logos", &frmMain::createLogosTab, &frmMain::showLogos, &frmMain::logosLowest},
}};

frmMain::frmMain(SettingsStore &store, Dialogs &dialogs, SystemInfoHost &systemInfo, QWidget *parent)
    : QMainWindow(parent)
    , m_store(store)
    , m_dialogs(dialogs)
    , m_systemInfo(systemInfo)
    , m_twips(font(), designLists())
{
    initPictures();
    installComboBoxAccessible();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Vantorel Plane Editor[*]"));
    connect(&m_history.stack(), &QUndoStack::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });
    connect(&m_history, &LoadoutHistory::restored, this, &frmMain::ChangePlane);
    QIcon icon;
    // Sizes a title bar, task bar or task switcher asks for; the larger ones
    // cost start-up time and are for the desktop entry and installer.
    for (int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icon/vteditor-%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);
    setAcceptDrops(true);

    createMenus();
    createToolBar();
    createStatusBar();

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    central->setAccessibleName(QStringLiteral("Plane"));
    setCentralWidget(central);
    createFrameControls(central);
    createWeightRow(central);
    fitFrame();
}

frmMain::~frmMain() = default;

void frmMain::createMenus()
{
    const auto addItem = [](QMenu *menu, const QString &name, const QString &caption) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    const auto addSeparator = [](QMenu *menu, const QString &name) { menu->addSeparator()->setObjectName(name); };
    // Assistive tools read a menu by its title, without the access key's mark.
    const auto nameMenu = [](QMenu *menu, const char *name) {
        menu->setObjectName(QLatin1String(name));
        menu->setAccessibleName(QString(menu->title()).remove(QLatin1Char('&')));
    };
    menuBar()->setAccessibleName(QStringLiteral("Menu bar"));

    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    nameMenu(file, "mnuFile");
    QAction *mnuFileNew = addItem(file, QStringLiteral("mnuFileNew"), QStringLiteral("&New"));
    mnuFileNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction *mnuFileOpen = addItem(file, QStringLiteral("mnuFileOpen"), QStringLiteral("&Open (Import)"));
    QAction *mnuFileLibrary = addItem(file, QStringLiteral("mnuFileLibrary"), QStringLiteral("Plane &Library..."));
    mnuFileLibrary->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    addSeparator(file, QStringLiteral("mnuFileBar0"));
    QAction *mnuFileSaveAs = addItem(file, QStringLiteral("mnuFileSaveAs"), QStringLiteral("Save &As (Export)"));
    addSeparator(file, QStringLiteral("mnuFileBar1"));
    QAction *mnuFileExit = addItem(file, QStringLiteral("mnuFileExit"), QStringLiteral("E&xit"));
    connect(mnuFileNew, &QAction::triggered, this, &frmMain::mnuFileNew_Click);
    connect(mnuFileOpen, &QAction::triggered, this, &frmMain::mnuFileOpen_Click);
    connect(mnuFileLibrary, &QAction::triggered, this, &frmMain::mnuFileLibrary_Click);
    connect(mnuFileSaveAs, &QAction::triggered, this, &frmMain::mnuFileSaveAs_Click);
    connect(mnuFileExit, &QAction::triggered, this, &frmMain::mnuFileExit_Click);

    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    nameMenu(edit, "mnuEdit");
    createEditMenu(edit);

    QMenu *tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    nameMenu(tools, "mnuTools");
    struct Submenu
    {
        const char *name;
        const char *caption;
        std::array<QAction *, 4> *items;
        void (frmMain::*handler)(int);
        const char *separatorAfter;
    };
    const Submenu submenus[] = {
        {"mnuToolsLoad", "Load Configuration", &mnuToolsLoadEmpty, &frmMain::mnuToolsLoadEmpty_Click, "mnuToolBar1"},
        {"mnuToolsSave", "Save Configuration", &mnuToolsSaveEmpty, &frmMain::mnuToolsSaveEmpty_Click, "mnuToolBar2"},
        {"mnuToolsClear", "Clear Configuration", &mnuToolsClearEmpty, &frmMain::mnuToolsClearEmpty_Click, nullptr},
    };
    for (const Submenu &submenu : submenus) {
        QMenu *menu = tools->addMenu(QLatin1String(submenu.caption));
        nameMenu(menu, submenu.name);
        menu->menuAction()->setObjectName(QLatin1String(submenu.name));
        const QString itemArray = QLatin1String(submenu.name) + QStringLiteral("Empty");
        for (int slot = 0; slot < ConfigurationSlots; ++slot) {
            QAction *item = addItem(menu, elementName(itemArray.toLatin1().constData(), slot), QStringLiteral("Empty"));
            (*submenu.items)[slot] = item;
            connect(item, &QAction::triggered, this,
                    [this, handler = submenu.handler, slot] { (this->*handler)(slot); });
        }
        if (submenu.separatorAfter)
            addSeparator(tools, QLatin1String(submenu.separatorAfter));
    }

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    nameMenu(help, "mnuHelp");
    QAction *mnuHelpAbout = addItem(help, QStringLiteral("mnuHelpAbout"), QStringLiteral("&About "));
    connect(mnuHelpAbout, &QAction::triggered, this, &frmMain::mnuHelpAbout_Click);
}

// Undo and Redo are the history's own actions, which name the step they take.
void frmMain::createEditMenu(QMenu *edit)
{
    const auto addItem = [edit](QAction *action, const char *name, const QList<QKeySequence> &keys) {
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(keys);
        edit->addAction(action);
        return action;
    };
    addItem(m_history.stack().createUndoAction(this, QStringLiteral("&Undo")), "mnuEditUndo",
            QKeySequence::keyBindings(QKeySequence::Undo));
    addItem(m_history.stack().createRedoAction(this, QStringLiteral("&Redo")), "mnuEditRedo",
            QKeySequence::keyBindings(QKeySequence::Redo));
    edit->addSeparator()->setObjectName(QStringLiteral("mnuEditBar0"));
    QAction *copy = addItem(new QAction(QStringLiteral("&Copy Plane Code"), this), "mnuEditCopyCode",
                            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)});
    QAction *paste = addItem(new QAction(QStringLiteral("&Paste Plane Code"), this), "mnuEditPasteCode",
                             {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)});
    connect(copy, &QAction::triggered, this, &frmMain::mnuEditCopyCode_Click);
    connect(paste, &QAction::triggered, this, &frmMain::mnuEditPasteCode_Click);
}

void frmMain::createToolBar()
{
    tbToolBar = addToolBar(QStringLiteral("Toolbar"));
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    // The toolbar is part of the window, not something to hide by a right-click.
    tbToolBar->toggleViewAction()->setVisible(false);
    tbToolBar->setIconSize(QSize(16, 16));
    struct Button
    {
        const char *key;
        const char *picture;
        const char *tooltip;
        const char *spokenName;
    };
    const Button buttons[] = {
        {"New", ":/toolbar/new.png", "New Empty Plane", "New"},
        {"Open", ":/toolbar/open.png", "Import an Existing Plane", "Open"},
        {"SaveAs", ":/toolbar/save.png", "Save (Export) Plane As", "Save As"},
    };
    for (const Button &button : buttons) {
        QAction *action = tbToolBar->addAction(sharpIcon(QLatin1String(button.picture)), QLatin1String(button.key));
        action->setObjectName(QLatin1String(button.key));
        action->setData(QLatin1String(button.key));
        action->setToolTip(QLatin1String(button.tooltip));
        tbToolBar->widgetForAction(action)->setAccessibleName(QLatin1String(button.spokenName));
    }
    connect(tbToolBar, &QToolBar::actionTriggered, this,
            [this](QAction *action) { tbToolBar_ButtonClick(action->data().toString()); });
}

void frmMain::createStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    bar->setAccessibleName(QStringLiteral("Status bar"));
    sbStatusText = new QLabel(QStringLiteral("Status"), bar);
    auto *date = new QLabel(bar);
    auto *time = new QLabel(bar);
    sbStatusText->setObjectName(QStringLiteral("sbStatusBar.Status"));
    date->setObjectName(QStringLiteral("sbStatusBar.Date"));
    time->setObjectName(QStringLiteral("sbStatusBar.Time"));
    bar->addWidget(sbStatusText, 1);
    bar->addPermanentWidget(date);
    bar->addPermanentWidget(time);
    const auto tick = [date, time] {
        const QLocale locale;
        date->setText(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
        time->setText(locale.toString(QTime::currentTime(), QLocale::ShortFormat));
    };
    tick();
    auto *clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, tick);
    clock->start(1000);
}

void frmMain::createFrameControls(QWidget *central)
{
    QLabel *lblPlaneName = m_twips.caption(central, QStringLiteral("lblPlaneName"), belowToolbar(120, 660, 915, 195),
                                           QStringLiteral("Plane Name"));
    txtPlaneName =
        m_twips.place<QLineEdit>(central, QStringLiteral("txtPlaneName"), belowToolbar(1140, 600, 1335, 285));
    txtPlaneName->setMaxLength(MaxPlaneNameLength);
    txtPlaneName->setValidator(new PlaneNameValidator(txtPlaneName));
    txtPlaneName->installEventFilter(new HistoryKeys(txtPlaneName));
    lblPlaneName->setBuddy(txtPlaneName);
    txtPlaneName->setAccessibleName(lblPlaneName->text());
    connect(txtPlaneName, &QLineEdit::textChanged, this, [this](const QString &name) {
        forward(
            txtPlaneName->accessibleName(), [&](Loadout &l) { l.setPlaneName(name); }, LoadoutHistory::Kind::Merging);
    });
    QLabel *lblPlaneType = m_twips.caption(central, QStringLiteral("lblPlaneType"), belowToolbar(2700, 660, 855, 195),
                                           QStringLiteral("Plane Type"));
    cboPlaneType =
        m_twips.place<QComboBox>(central, QStringLiteral("cboPlaneType"), belowToolbar(3660, 600, 2415, 315));
    cboPlaneType->addItems(ChoiceLists::planeTypes());
    lblPlaneType->setBuddy(cboPlaneType);
    cboPlaneType->setAccessibleName(lblPlaneType->text());
    connect(cboPlaneType, &QComboBox::currentIndexChanged, this, &frmMain::cboPlaneType_Click);

    SSTab1 = m_twips.place<QTabWidget>(central, QStringLiteral("SSTab1"),
                                       belowToolbar(60, TabTopTwips, 7575, TabHeightTwips));
    SSTab1->setAccessibleName(QStringLiteral("Loadout tabs"));
    for (const Page &page : Pages) {
        auto *widget = new QWidget;
        widget->setObjectName(QStringLiteral("SSTab1.%1").arg(SSTab1->count()));
        widget->setAccessibleName(QLatin1String(page.caption));
        SSTab1->addTab(widget, QLatin1String(page.caption));
    }
    SSTab1->setCurrentIndex(ColorSchemesTab);
    addTabKeys(this, SSTab1);
    connect(SSTab1, &QTabWidget::currentChanged, this, &frmMain::buildPage);
}

// Where Qt's tab row is taller than the design's, or a page's controls grew,
// the tab control grows rather than cut them off, and the weight row below it
// moves down as far.
void frmMain::fitFrame()
{
    constexpr int FrameAroundPage = 6;
    const QSize tabRow = SSTab1->tabBar()->sizeHint();
    const QSize pages = pagesSize();
    const QSize needed(std::max(tabRow.width(), pages.width()) + FrameAroundPage,
                       tabRow.height() + pages.height() + FrameAroundPage);
    if (needed == SSTab1->minimumSize())
        return;
    SSTab1->setMinimumSize(needed);
    centralWidget()->setMinimumSize(m_twips.size(7695, 5805 - ToolbarTwips) + m_twips.settle(centralWidget()));
}

void frmMain::buildPages()
{
    for (int index = 0; index < SSTab1->count(); ++index)
        buildPage(index);
}

// Most of the window's start went into pages the user may never open; each is
// built when first shown and then looks and behaves as if built with the window.
void frmMain::buildPage(int index)
{
    if (m_built[index])
        return;
    QWidget *page = SSTab1->widget(index);
    (this->*Pages[index].create)(page);
    m_built[index] = true;
    placeInTabOrder();
    if (page->isVisible()) {
        const QList<QWidget *> controls = page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
        for (QWidget *control : controls)
            control->show();
        // The tab change gave the focus to the page, which had no control to take it.
        if (focusWidget() == page) {
            const auto first = std::find_if(controls.cbegin(), controls.cend(), [](const QWidget *control) {
                return (control->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && control->isEnabled();
            });
            if (first != controls.cend())
                (*first)->setFocus();
        }
    }
    const QScopedValueRollback<bool> guard(Loading, true);
    (this->*Pages[index].show)();
    m_twips.settle(page);
    fitFrame();
}

// Controls made after the weight row would come after it in the focus chain;
// the pages' controls go after the tab row and its scroll buttons, page by page.
void frmMain::placeInTabOrder()
{
    QTabBar *tabRow = SSTab1->tabBar();
    QWidget *previous = tabRow;
    for (QWidget *next = tabRow->nextInFocusChain(); tabRow->isAncestorOf(next); next = next->nextInFocusChain()) {
        if (next->focusPolicy() != Qt::NoFocus)
            previous = next;
    }
    for (int index = 0; index < SSTab1->count(); ++index) {
        if (!m_built[index])
            continue;
        for (QWidget *control : SSTab1->widget(index)->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (control->focusPolicy() == Qt::NoFocus)
                continue;
            setTabOrder(previous, control);
            previous = control;
        }
    }
}

// The weight row stands right under the tab control.
void frmMain::createWeightRow(QWidget *central)
{
    const int rowTop = TabTopTwips + TabHeightTwips + 30;
    m_twips.caption(
        central, QStringLiteral("lblWeights"), belowToolbar(60, rowTop, 7575, 195),
        QStringLiteral(
            "Weights -     Plane       Engine       Armor        Guns           HP          Total       Max. Allowed"));
    const char *fields[][2] = {{"txtWeight", "Stored Weight"},       {"txtPlaneWeight", "Plane Weight"},
                               {"txtEngineWeight", "Engine Weight"}, {"txtArmorWeight", "Armor Weight"},
                               {"txtGunWeight", "Guns Weight"},      {"txtHPWeight", "Hard Points Weight"},
                               {"txtTotalWeight", "Total Weight"},   {"txtMaximumWeight", "Maximum Allowed Weight"}};
    int leftTwips = 60;
    for (size_t i = 0; i < std::size(fields); ++i) {
        auto *field = m_twips.place<QLineEdit>(central, QLatin1String(fields[i][0]),
                                               belowToolbar(leftTwips, rowTop + 225, 900, 285));
        field->setReadOnly(true);
        field->setAccessibleName(QLatin1String(fields[i][1]));
        (i == 0 ? txtWeight : txtWeights[i - 1]) = field;
        leftTwips += 945;
    }
    // The stored weight of an opened file is shown but has no heading of its own.
    txtWeight->setToolTip(QStringLiteral("Weight stored in the plane file"));
}

void frmMain::Form_Load()
{
    const WindowSettings settings = WindowSettings::read(m_store);
    placeWindow(*this, settings, m_twips.rect({1000, 1000, 6500, 6500}));
    DefaultDir = settings.defaultDir;
    if (settings.display && *settings.display >= 0 && *settings.display < SSTab1->count())
        SSTab1->setCurrentIndex(*settings.display);
    buildPage(SSTab1->currentIndex());
    for (int slot = 0; slot < ConfigurationSlots; ++slot)
        setConfigurationCaptions(slot, configurationMenuName(m_store, slot));
    ChangePlane();
    Loading = false;
}

void frmMain::mnuFileNew_Click()
{
    replaceLoadout(QStringLiteral("New"), [](Loadout &l) {
        l.setPlaneName(QStringLiteral("New"));
        l.ResetPlane();
    });
    m_history.stack().setClean();
}

void frmMain::mnuFileSaveAs_Click()
{
    ExportPlane();
}

void frmMain::mnuFileExit_Click()
{
    close();
}

void frmMain::mnuHelpAbout_Click()
{
    frmAbout about(m_dialogs, m_systemInfo, this);
    m_dialogs.exec(about);
}

void frmMain::tbToolBar_ButtonClick(const QString &key)
{
    if (key == QLatin1String("New"))
        mnuFileNew_Click();
    else if (key == QLatin1String("Open"))
        mnuFileOpen_Click();
    else if (key == QLatin1String("SaveAs"))
        mnuFileSaveAs_Click();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (!mayClose()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

bool frmMain::mayClose()
{
    if (m_history.stack().isClean())
        return true;
    switch (m_dialogs.closingQuestion(this, QStringLiteral("Plane Not Exported\nExport the changes before closing?"),
                                      ApplicationTitle)) {
    case Dialogs::Closing::Export:
        return ExportPlane();
    case Dialogs::Closing::Discard:
        return true;
    case Dialogs::Closing::Cancel:
        break;
    }
    return false;
}

void frmMain::Form_Unload()
{
    // Every other window of the program belongs to this one; the newest goes first.
    const QList<QWidget *> windows = findChildren<QWidget *>();
    for (qsizetype i = windows.size() - 1; i >= 0; --i) {
        if (windows[i]->isWindow() && windows[i]->isVisible())
            windows[i]->close();
    }
    if (isMinimized())
        return;
    const WindowSettings settings{placementOf(*this), DefaultDir, static_cast<qint16>(SSTab1->currentIndex())};
    settings.write(m_store);
    // No message box while the program closes; say it where it can be seen.
    QString reason;
    if (!m_store.flush(&reason))
        std::fprintf(stderr, "VTEditor: the window settings could not be saved: %s\n", qPrintable(reason));
}

void frmMain::setConfigurationCaptions(int slot, const QString &caption)
{
    for (auto *items : {&mnuToolsClearEmpty, &mnuToolsLoadEmpty, &mnuToolsSaveEmpty})
        (*items)[slot]->setText(caption);
}

bool frmMain::flushStore(const QString &failureTitle)
{
    QString reason;
    if (m_store.flush(&reason))
        return true;
    m_dialogs.message(this, failureTitle + QLatin1Char('\n') + reason, ApplicationTitle);
    return false;
}

} // namespace vte
