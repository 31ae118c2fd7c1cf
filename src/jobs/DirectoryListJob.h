#pragma once
#include "JobOutcome.h"
#include "TransferForm.h"

// Writes dircmds.txt and dirfind.bat, runs "dirfind", then deletes both.
[[nodiscard]] JobOutcome RunDirectoryListJob(const TransferForm& form);
