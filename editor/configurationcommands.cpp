// The Tools menu: saving, clearing and loading the four configurations.
#include "editor/frmmain.h"

#include "configs/configuration.h"
#include "ui/apptitle.h"

#include <QAction>

namespace vte {

namespace {

const QString StoreFailure = QStringLiteral("Plane Settings Could Not Be Saved");

} // namespace

void frmMain::mnuToolsSaveEmpty_Click(int index)
{
    SaveConfiguration(index);
}

void frmMain::mnuToolsLoadEmpty_Click(int index)
{
    LoadConfiguration(index);
}

void frmMain::SaveConfiguration(int slot)
{
    if (!m_dialogs.question(this, QStringLiteral("Create a plane configuration based on the items selected?"),
                            ApplicationTitle, Dialogs::Icon::None))
        return;
    QString name = m_dialogs.prompt(this, QStringLiteral("Enter a Configuration Name"),
                                    QStringLiteral("Name of Configuration"), mnuToolsSaveEmpty[slot]->text());
    if (name.isEmpty() || name == QLatin1String("Empty"))
        name = QStringLiteral("Unknown%1").arg(slot);

    const QString missing = missingItems(m_loadout.weights());
    if (!missing.isEmpty()) {
        m_dialogs.message(this, QStringLiteral("The following item(s) do not have values assigned:\r\n") + missing,
                          ApplicationTitle);
    }
    writeConfiguration(m_store, slot, name, m_loadout.catalogue(), m_loadout.selections(), m_loadout.schemePosition());
    if (!flushStore(StoreFailure))
        return;
    m_history.stack().setClean();
    setConfigurationCaptions(slot, name);
    m_dialogs.message(this, QStringLiteral("Plane Settings Saved"), ApplicationTitle);
}

void frmMain::mnuToolsClearEmpty_Click(int index)
{
    const QString question = QStringLiteral("Are you sure you want to delete your configuration for %1?")
                                 .arg(mnuToolsClearEmpty[index]->text());
    if (!m_dialogs.question(this, question, ApplicationTitle, Dialogs::Icon::Question))
        return;
    m_store.removeSection(configurationSection(index));
    if (flushStore(StoreFailure))
        setConfigurationCaptions(index, QStringLiteral("Empty"));
}

void frmMain::LoadConfiguration(int slot)
{
    const QString question = QStringLiteral("Load %1 plane configuration?").arg(mnuToolsLoadEmpty[slot]->text());
    if (!m_dialogs.question(this, question, ApplicationTitle, Dialogs::Icon::None))
        return;
    // Each message waits for OK before anything of the loadout changes.
    PlaneSelections plane = readConfiguration(
        m_store, slot, [this](const QString &message) { m_dialogs.message(this, message, ApplicationTitle); });
    plane.PlaneName = QStringLiteral("Default Plane");
    replaceLoadout(QStringLiteral("Load Configuration"), [&plane](Loadout &l) { l.load(plane); });
    m_history.stack().setClean();
    m_dialogs.message(this, QStringLiteral("Plane Settings Loaded"), ApplicationTitle);
}

} // namespace vte
