#include "configs/settingsstore.h"

#include "configs/settingstext.h"

#include <QSettings>

namespace vte {

using settings::key;
using settings::textOf;
using settings::tr;

namespace {

// The registry branch of VB's GetSetting and SaveSetting, values as REG_SZ texts.
class RegistryStore final : public SettingsStore
{
public:
    QString read(const QString &section, const QString &name, const QString &defaultText) const override
    {
        return textOf(m_settings.value(key(section, name)), defaultText);
    }
    void write(const QString &section, const QString &name, const QString &text) override
    {
        m_settings.setValue(key(section, name), text);
    }
    void removeSection(const QString &section) override { m_settings.remove(section); }
    bool flush(QString *reason) override
    {
        m_settings.sync();
        if (m_settings.status() == QSettings::NoError)
            return true;
        if (reason)
            *reason = tr("%1 cannot be written").arg(m_settings.fileName());
        return false;
    }

private:
    QSettings m_settings{QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\VTEditor"),
                         QSettings::NativeFormat};
};

} // namespace

std::unique_ptr<SettingsStore> SettingsStore::forCurrentUser()
{
    return std::make_unique<RegistryStore>();
}

} // namespace vte
