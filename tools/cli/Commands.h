// One function per command group; main() dispatches to them by name. Each
// takes the arguments after the command's name and returns the exit status.
#pragma once

#include "CommandLine.h"

int RunInfo(Arguments args);
int RunList(Arguments args);
int RunConvert(Arguments args);
int RunEdit(Arguments args);
int RunDemo(Arguments args);
int RunUpload(Arguments args);
int RunDownload(Arguments args);
int RunPorts(Arguments args);
int RunExport(Arguments args);
int RunImport(Arguments args);
int RunApplyOrder(Arguments args);
int RunCheck(Arguments args);
int RunSources(Arguments args);
int RunTransponders(Arguments args);
int RunExportTransponders(Arguments args);
int RunDiff(Arguments args);

// The --help text: every command, operation and exit status.
void PrintUsage();
