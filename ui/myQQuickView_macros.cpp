// Macro slots: the macro files, the name lists and which button plays which
// macro.
#include "myQQuickView.h"

#include "MacroAssignments.h"
#include "MacroFiles.h"
#include "NameLists.h"
#include "ProfileSender.h"

QVariant myQQuickView::createMacroIni(QVariant name, QVariant macroIndex)
{
    return m_stores->macros.create(name.toString(), macroIndex.toUInt());
}

QVariant myQQuickView::updataNameList(QVariant type, QStringList nameList)
{
    return m_stores->names.storeNameList(type, nameList);
}

// The file is renamed first: a name that is taken fails before any button
// assignment changes.
QVariant myQQuickView::modifyMacroName(QVariant oldname, QVariant newname)
{
    if (!m_stores->macros.rename(oldname.toString(), newname.toString()))
        return false;
    m_stores->assignments.renameAssignments(oldname.toString(), newname.toString());
    return true;
}

QStringList myQQuickView::isMacroUse(QVariant macroName)
{
    return m_stores->assignments.buttonsPlaying(macroName.toString());
}

QVariant myQQuickView::deleteMacroIni(QVariant name) { return m_stores->macros.remove(name.toString()); }
QVariantList myQQuickView::getNameList(QVariant type) { return m_stores->names.nameList(type); }

// macroData is the device form; only the events are kept.
QVariant myQQuickView::saveMacroIni(QVariant name, QStringList macros, QVariantList, QVariant repeat)
{
    return m_stores->macros.save(name.toString(), macros, repeat);
}

QStringList myQQuickView::loadMacroIni(QVariant name) { return m_stores->macros.load(name.toString()); }
QVariant myQQuickView::loadMacroType(QVariant name) { return m_stores->macros.type(name.toString()); }
QVariant myQQuickView::loadMacroIndex(QVariant name) { return m_stores->macros.index(name.toString()); }

void myQQuickView::setMacroIndex(QVariant name, QVariant macroIndex)
{
    m_stores->macros.setIndex(name.toString(), macroIndex);
}

void myQQuickView::changeMacroFileIndex(QVariant macroIndex)
{
    m_stores->assignments.renumberAfterDelete(macroIndex.toInt());
}

void myQQuickView::setMacroKey(int index, QVariant macroName)
{
    m_stores->assignments.setMacroKey(index, macroName.toString());
}

QVariant myQQuickView::getMacroKey(int index) { return m_stores->assignments.macroKey(index); }
