#pragma once
#include "JobOutcome.h"
#include "TransferForm.h"

// Writes cmds.txt and runner.bat into the working directory and runs "runner".
[[nodiscard]] JobOutcome RunUploadJob(const TransferForm& form);
