#pragma once
// The firmware update program of the connected sensor. Commands still queued
// for the mouse reach it first; the event listener stops while the program
// has the mouse and resumes once it ends, whatever its outcome. A program
// that is missing or cannot start is said, and nothing is stopped for it.

#include <QString>

#include <functional>

class Hid_Thread;
class QObject;

// What the user is told about the update program.
using UpdateNotice = std::function<void(const QString &text)>;

// The program for the sensor: `is3336` picks it, `folder` holds `./update/`.
QString updateProgramPath(const QString &folder, bool is3336);

// Starts `program` for `hid` (may be null) and returns at once; the process
// and the waits belong to `owner`.
void launchUpdateProgram(const QString &program, Hid_Thread *hid, QObject *owner, const UpdateNotice &notice);
