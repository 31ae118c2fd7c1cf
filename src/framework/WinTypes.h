#pragma once
// Handles, message numbers and ids that the product shares with the framework.
// The values follow the classic desktop message numbering, so a table row or a
// command id reads the same wherever it came from.

#include <cstdint>

using UINT = unsigned int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

class CIcon;
class CDC;
using HICON = const CIcon*;
using HCURSOR = HICON;
using HDC = CDC*;

// Messages
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_ICONERASEBKGND = 0x0027;
constexpr UINT WM_QUERYDRAGICON = 0x0037;
constexpr UINT WM_SETICON = 0x0080;
constexpr UINT WM_INITDIALOG = 0x0110;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_SYSCOMMAND = 0x0112;

// Notification codes and standard command ids
constexpr UINT BN_CLICKED = 0;
constexpr UINT IDOK = 1;
constexpr UINT IDCANCEL = 2;
constexpr UINT ID_HELP = 0xE146;

// System commands
constexpr UINT SC_SIZE = 0xF000;
constexpr UINT SC_MOVE = 0xF010;
constexpr UINT SC_MINIMIZE = 0xF020;
constexpr UINT SC_MAXIMIZE = 0xF030;
constexpr UINT SC_CLOSE = 0xF060;
constexpr UINT SC_RESTORE = 0xF120;

// Menu item flags
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_SEPARATOR = 0x0800;

// System metrics
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
int GetSystemMetrics(int index);

// Message box styles and answers
constexpr UINT MB_OK = 0x0000;
constexpr UINT MB_ICONWARNING = 0x0030;

// File dialog flags
constexpr unsigned long OFN_NOCHANGEDIR = 0x00000008;
constexpr unsigned long OFN_FILEMUSTEXIST = 0x00001000;
constexpr unsigned long OFN_EXPLORER = 0x00080000;
constexpr unsigned long OFN_ENABLESIZING = 0x00800000;

struct CPoint {
    int x = 0;
    int y = 0;
};

struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};
