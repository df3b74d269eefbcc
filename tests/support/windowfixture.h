#pragma once

#include "about/sysinfo.h"
#include "editor/frmmain.h"
#include "support/memorystore.h"
#include "support/scripteddialogs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include <memory>

namespace vte::test {

// The filter of the open and save dialogs: every file, as each platform writes it.
#ifdef Q_OS_WIN
inline const QString AllFilesFilter = QStringLiteral("All Files (*.*)");
#else
inline const QString AllFilesFilter = QStringLiteral("All Files (*)");
#endif

// A machine without any system-information program.
class NoSystemInfo final : public SystemInfoHost
{
public:
    std::optional<QString> registryValue(const QString &, const QString &) override { return std::nullopt; }
    bool fileExists(const QString &) override { return false; }
    QString findProgram(const QString &) override { return {}; }
    bool start(const QString &) override { return false; }
};

// The main window as the program starts it, on a store and dialogs the test owns.
struct WindowFixture
{
    MemoryStore store;
    ScriptedDialogs dialogs;
    NoSystemInfo systemInfo;
    std::unique_ptr<frmMain> window;

    explicit WindowFixture(SettingsStore *otherStore = nullptr)
    {
        window = std::make_unique<frmMain>(otherStore ? *otherStore : store, dialogs, systemInfo);
        window->Form_Load();
    }

    frmMain &w() { return *window; }

    // Chooses an entry as the user would, running the control's handler.
    static void choose(QListWidget *list, int row) { list->setCurrentRow(row); }
    static void choose(QComboBox *box, int index) { box->setCurrentIndex(index); }
};

} // namespace vte::test
