#include "TransferMeter.h"

#include <cstdio>

namespace kestrum::ftp {
namespace {
constexpr std::int64_t kBytesPerMark = 2048;
constexpr auto kLiveInterval = std::chrono::milliseconds(250);
} // namespace

TransferMeter::TransferMeter(bool hashMarks, bool liveProgress)
    : m_hash(hashMarks)
    , m_live(liveProgress)
{
}

void TransferMeter::start(std::int64_t expected)
{
    m_expected = expected;
    m_marks = 0;
    m_marksOnLine = false;
    m_liveShown = false;
    m_active = true;
    m_start = Clock::now();
    m_lastLive = m_start;
}

void TransferMeter::update(std::int64_t done)
{
    if (!m_active)
        return;
    if (m_hash) {
        const std::int64_t due = done / kBytesPerMark;
        if (due > m_marks) {
            for (; m_marks < due; ++m_marks)
                std::fputc('#', stdout);
            m_marksOnLine = true;
            std::fflush(stdout);
        }
        return;
    }
    if (!m_live)
        return;
    const auto now = Clock::now();
    if (now - m_lastLive < kLiveInterval)
        return;
    m_lastLive = now;
    const double seconds = std::chrono::duration<double>(now - m_start).count();
    const int percent = m_expected > 0 ? static_cast<int>(done * 100 / m_expected) : 0;
    std::printf("\r%lld bytes (%d%%) %.1f Kbytes/sec   ", static_cast<long long>(done), percent,
                seconds > 0 ? static_cast<double>(done) / 1000.0 / seconds : 0.0);
    std::fflush(stdout);
    m_liveShown = true;
}

void TransferMeter::breakLine()
{
    if (m_marksOnLine)
        std::fputc('\n', stdout);
    if (m_liveShown)
        std::fputs("\r\033[K", stdout);
    m_marksOnLine = false;
    m_liveShown = false;
    std::fflush(stdout);
}

void TransferMeter::abandon()
{
    breakLine();
    m_active = false;
}

void TransferMeter::finish(std::int64_t done, const char* verb)
{
    abandon();
    double seconds = std::chrono::duration<double>(Clock::now() - m_start).count();
    if (seconds < 0.001)
        seconds = 0.001;
    std::printf("ftp: %lld bytes %s in %.2f Seconds %.2f Kbytes/sec.\n", static_cast<long long>(done), verb, seconds,
                static_cast<double>(done) / 1000.0 / seconds);
    std::fflush(stdout);
}

} // namespace kestrum::ftp
