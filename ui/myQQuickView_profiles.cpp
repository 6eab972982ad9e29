// Profile slots: start and current profile, import, export, reset, copy.
#include "myQQuickView.h"

#include "CarriedMacros.h"
#include "MacroFiles.h"
#include "NameLists.h"
#include "Profiles.h"
#include "SettingsFiles.h"

#include <QStandardPaths>

namespace {
QString desktopFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}
} // namespace

QVariant myQQuickView::getProfile() { return m_profiles->startProfile(); }
void myQQuickView::setProfile(QVariant profileNo) { m_profiles->setStartProfile(profileNo); }
void myQQuickView::ui_02H_SetCurrentProfile(int profile) { m_profiles->selectProfile(profile); }

bool myQQuickView::loadProfile(int profile)
{
    const QString path = m_openDialog(this, tr("Open File"), desktopFolder(), tr(kProfileFileFilter));
    return m_profiles->importProfile(profile, path);
}

bool myQQuickView::loadProfileMacroData(int profile)
{
    if (QSettings *handle = m_files->profile(profile))
        restoreCarriedMacros(*handle, *m_macroFiles, *m_nameLists);
    return true;
}

void myQQuickView::saveProfile(int profile, QStringList nameList)
{
    const QString path = m_saveDialog(this, tr("Save File"), desktopFolder(), tr(kProfileFileFilter));
    m_profiles->exportProfile(profile, path, nameList);
}

void myQQuickView::resetProfile(int profile) { m_profiles->resetProfile(profile); }
void myQQuickView::copyProfile(int destprofile, int srcprofile) { m_profiles->copyProfile(destprofile, srcprofile); }
