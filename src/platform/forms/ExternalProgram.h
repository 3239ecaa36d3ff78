#pragma once

// Starting another program, with an argument vector: no shell ever parses its command line.

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <functional>

// Starts the program with its arguments in a working folder (empty: the current one). With AWait the call
// returns once the program has ended (the program's windows do not respond meanwhile); otherwise the
// program runs on by itself, and APid, when given, receives its process id. True when it started.
bool StartProgram(const QString& AProgram, const QStringList& AArguments, const QString& AWorkingFolder, bool AWait,
                  qint64* APid = nullptr);
// True while the process of that id is running.
bool ProgramRunning(qint64 APid);

// Empty in the program. When a test sets it, it takes the place of starting a program (the process id is
// then 0) and answers whether it started.
extern std::function<bool(const QString& AProgram, const QStringList& AArguments, const QString& AWorkingFolder,
                          bool AWait)>
    OnStartProgram;
