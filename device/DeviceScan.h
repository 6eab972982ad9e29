#pragma once
// Discovery: finds the command and event interfaces of the first catalogued
// mouse that shows both. Opens nothing.

#include "Catalogue.h"
#include "DeviceEntry.h"

#include <QVector>

struct DeviceScan {
    QVector<DeviceEntry> devices;
    int foundIndex = -1;  // catalogue index of the mouse found, -1 for none
};

// Walks the catalogue in order with hid_enumerate. Records after the first
// mouse found get no entry; a mouse showing only one collection counts as absent.
DeviceScan scanCatalogue(const QVector<CatalogueRecord> &records);

// Every attached unit of every catalogued mouse, for a listing: one entry
// per command interface, paired in enumeration order with the unit's event
// interface (empty when it shows none).
QVector<DeviceEntry> attachedMice(const QVector<CatalogueRecord> &records);
