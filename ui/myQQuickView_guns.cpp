// Gun and axis slots: the gun library, the gun and axis levels of the
// current profile, and their device commands.
#include "myQQuickView.h"

#include "GunAxisCommands.h"
#include "GunLibrary.h"
#include "ProfileGunAxis.h"
#include "ProfileSender.h"

void myQQuickView::saveGundata(QVariantList src6) { m_guns->saveGun(src6); }
void myQQuickView::modifyGundata(QVariant modifyType, QVariantList src6) { m_guns->modifyGun(modifyType, src6); }
QVariantList myQQuickView::getGunData(QVariant name) { return m_guns->gun(name.toString()); }
QVariant myQQuickView::getXYSensitive(QVariant index) { return m_stores->gunAxis.xySensitive(index); }
QVariant myQQuickView::getselectGun(QVariant index) { return m_stores->gunAxis.selectedGun(index); }
void myQQuickView::setXYSensitive(QVariant index, QVariant xyData) { m_stores->gunAxis.setXYSensitive(index, xyData); }
void myQQuickView::setSelectGun(QVariant index, QVariant xyData) { m_stores->gunAxis.setSelectedGun(index, xyData); }

void myQQuickView::ui_04H_SetGunData(uchar par0, uchar par1, uchar par2, uchar par3, uchar par4)
{
    m_stores->axisCommands.sendGunData({par0, par1, par2, par3, par4});
}

void myQQuickView::sendGunPattern(int times, int x, int y) { m_stores->axisCommands.sendGunData(gunFiringData(times, x, y)); }
void myQQuickView::sendGunMatrix(int period, int times) { ui_12H_SetGunKeyMatrix(gunFiringMatrix(period, times)); }

void myQQuickView::ui_0EH_SetXYSensitive(QVariant par0, QVariant par1)
{
    m_stores->axisCommands.sendXYSensitive(par0, par1);
}
