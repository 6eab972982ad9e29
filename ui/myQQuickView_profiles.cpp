// Profile slots: start and current profile, import, export, reset, copy.
#include "myQQuickView.h"

#include "CarriedMacros.h"
#include "MacroFiles.h"
#include "NameLists.h"
#include "ProfileSender.h"
#include "Profiles.h"
#include "SettingsFiles.h"

#include <QStandardPaths>

namespace {
QString desktopFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}
} // namespace

QVariant myQQuickView::getProfile() { return m_stores->profiles.startProfile(); }
void myQQuickView::setProfile(QVariant profileNo) { m_stores->profiles.setStartProfile(profileNo); }
void myQQuickView::ui_02H_SetCurrentProfile(int profile) { m_stores->profiles.selectProfile(profile); }

bool myQQuickView::loadProfile(int profile)
{
    const QString path = m_openDialog(this, tr("Open File"), desktopFolder(), tr(kProfileFileFilter));
    return m_stores->profiles.importProfile(profile, path);
}

bool myQQuickView::loadProfileMacroData(int profile)
{
    if (QSettings *handle = m_files->profile(profile))
        restoreCarriedMacros(*handle, m_stores->macros, m_stores->names);
    return true;
}

void myQQuickView::saveProfile(int profile, QStringList nameList)
{
    const QString path = m_saveDialog(this, tr("Save File"), desktopFolder(), tr(kProfileFileFilter));
    m_stores->profiles.exportProfile(profile, path, nameList);
}

void myQQuickView::resetProfile(int profile) { m_stores->profiles.resetProfile(profile); }
void myQQuickView::copyProfile(int destprofile, int srcprofile) { m_stores->profiles.copyProfile(destprofile, srcprofile); }
