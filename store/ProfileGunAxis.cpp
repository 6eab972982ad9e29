#include "ProfileGunAxis.h"

#include "SettingsFiles.h"
#include "SettingsKeys.h"
#include "StoredValues.h"

ProfileGunAxis::ProfileGunAxis(SettingsFiles &files)
    : m_files(files)
{
}

QVariant ProfileGunAxis::xySensitive(const QVariant &index) const
{
    return storedNumber(m_files.currentProfile()->value(xySensitiveKey(index.toString()), kXYSensitiveDefault));
}

void ProfileGunAxis::setXYSensitive(const QVariant &index, const QVariant &level)
{
    m_files.currentProfile()->setValue(xySensitiveKey(index.toString()), level);
}

QVariant ProfileGunAxis::selectedGun(const QVariant &index) const
{
    return m_files.currentProfile()->value(selectGunKey(index.toString()), QString());
}

void ProfileGunAxis::setSelectedGun(const QVariant &index, const QVariant &gunName)
{
    m_files.currentProfile()->setValue(selectGunKey(index.toString()), gunName);
}
