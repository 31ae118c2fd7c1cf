#pragma once
// Message boxes, with a seam for tests: a test can answer the next boxes
// itself, the way a user would, without a window appearing.

#include "WinTypes.h"

#include <string>
#include <vector>

// Shows `text` in a modal box owned by the main window; returns the answer.
int AfxMessageBox(const char* text, UINT type = MB_OK);

namespace framework {
class MessageBoxSeam {
public:
    // From now on every box is answered with `answer` and recorded instead of shown.
    static void AnswerWith(int answer);
    // Boxes are shown again.
    static void Reset();
    static const std::vector<std::string>& Shown();
};
} // namespace framework
