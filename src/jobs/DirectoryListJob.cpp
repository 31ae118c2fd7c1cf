#include "DirectoryListJob.h"
JobOutcome RunDirectoryListJob(const TransferForm&) { return JobOutcome::Ran(); }
