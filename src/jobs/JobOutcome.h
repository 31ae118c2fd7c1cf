#pragma once
// What a job tells its caller: either it ran, or it refused before writing or
// running anything, with a message for the user that names the cause.

#include <string>

struct JobOutcome {
    bool ran = true;
    std::string problem; // empty when ran

    static JobOutcome Ran() { return {}; }
    static JobOutcome Refused(std::string why) { return {false, std::move(why)}; }
};
