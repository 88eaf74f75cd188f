#pragma once

// The frame of the process around the windows: start-up before the first window, shutdown
// after the message loop.

// Gives the engine session a private directory below the work directory, determines the data
// directories, reads the user settings and raises the engine configuration. Raises
// EDatabaseError when the engine configuration cannot be read or written, and EKR_Exception
// for an inconsistent network configuration; the program cannot run then.
void ProgramStartup();

// The lowest-numbered private directory TempWorkDir/1 to TempWorkDir/1000 that no other
// session holds. Warns and leaves the engine's default when the work directory is missing.
void AssignPrivateDirectory();

// Raises the Paradox table-create level to 7 and the file handles to 1024 in the persistent
// engine configuration; never lowers them.
void EnsureBdeConfiguration();

// Deletes the temporary tables of FILTER and PROJEKT and the work directory tree, except the
// private directories that other running copies hold. Never fails.
void ProgramShutdown();
