// Macro slots: the macro files, the name lists, which button plays which
// macro, and sending a macro to a slot of the mouse.
#include "myQQuickView.h"

#include "MacroAssignments.h"
#include "MacroFiles.h"
#include "MacroSlots.h"
#include "NameLists.h"

QVariant myQQuickView::createMacroIni(QVariant name, QVariant macroIndex)
{
    return m_macroFiles->create(name.toString(), macroIndex.toUInt());
}

QVariant myQQuickView::updataNameList(QVariant type, QStringList nameList)
{
    return m_nameLists->storeNameList(type, nameList);
}

// The file is renamed first: a name that is taken fails before any button
// assignment changes.
QVariant myQQuickView::modifyMacroName(QVariant oldname, QVariant newname)
{
    if (!m_macroFiles->rename(oldname.toString(), newname.toString()))
        return false;
    m_macroAssignments->renameAssignments(oldname.toString(), newname.toString());
    return true;
}

QStringList myQQuickView::isMacroUse(QVariant macroName)
{
    return m_macroAssignments->buttonsPlaying(macroName.toString());
}

QVariant myQQuickView::deleteMacroIni(QVariant name) { return m_macroFiles->remove(name.toString()); }
QVariantList myQQuickView::getNameList(QVariant type) { return m_nameLists->nameList(type); }

// macroData is the device form; only the events are kept.
QVariant myQQuickView::saveMacroIni(QVariant name, QStringList macros, QVariantList, QVariant repeat)
{
    return m_macroFiles->save(name.toString(), macros, repeat);
}

// The pages do not act on the result; a slot above 11 is not an error to them.
QVariant myQQuickView::sendMacroData(QVariantList macroData, QVariant macroIndex)
{
    m_macroSlots->send(macroData, macroIndex);
    return true;
}

QStringList myQQuickView::loadMacroIni(QVariant name) { return m_macroFiles->load(name.toString()); }
QVariant myQQuickView::loadMacroType(QVariant name) { return m_macroFiles->type(name.toString()); }
QVariant myQQuickView::loadMacroIndex(QVariant name) { return m_macroFiles->index(name.toString()); }

void myQQuickView::setMacroIndex(QVariant name, QVariant macroIndex)
{
    m_macroFiles->setIndex(name.toString(), macroIndex);
}

void myQQuickView::changeMacroFileIndex(QVariant macroIndex)
{
    m_macroAssignments->renumberAfterDelete(macroIndex.toInt());
}

void myQQuickView::setMacroKey(int index, QVariant macroName)
{
    m_macroAssignments->setMacroKey(index, macroName.toString());
}

QVariant myQQuickView::getMacroKey(int index) { return m_macroAssignments->macroKey(index); }
