#pragma once
// Hash marks, the live progress line on a terminal, and the closing
// "N bytes sent in S Seconds" line.

#include <chrono>
#include <cstdint>

namespace kestrum::ftp {

class TransferMeter {
public:
    TransferMeter(bool hashMarks, bool liveProgress);

    bool wantsUpdates() const { return m_hash || m_live; }
    bool hashMarks() const { return m_hash; }
    void setHashMarks(bool on) { m_hash = on; }
    void start(std::int64_t expected);
    void update(std::int64_t done);
    // Ends the hash/progress line; prints the summary.
    void finish(std::int64_t done, const char* verb);
    void abandon(); // ends the hash/progress line only
    // Makes room for a line of text in the middle of a transfer.
    void breakLine();

private:
    using Clock = std::chrono::steady_clock;
    bool m_hash;
    bool m_live; // only when no hash marks
    std::int64_t m_expected = 0;
    std::int64_t m_marks = 0;
    bool m_marksOnLine = false;
    bool m_active = false;
    bool m_liveShown = false;
    Clock::time_point m_start;
    Clock::time_point m_lastLive;
};

} // namespace kestrum::ftp
