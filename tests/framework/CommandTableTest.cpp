// Command tables: the most derived row wins, unlisted messages reach the base.
#include "MessageMap.h"

#include <gtest/gtest.h>
#include <string>

using namespace framework;

namespace {

class Base : public CCmdTarget {
public:
    std::string log;

protected:
    void OnOne() { log += "base:1 "; }
    void OnTwo() { log += "base:2 "; }
    void OnSys(UINT id, LPARAM) { log += "base:sys" + std::to_string(id) + " "; }

    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap()
    {
        static const MessageEntry entries[] = {
            OnCommand(1, &Base::OnOne),
            OnCommand(2, &Base::OnTwo),
            OnSysCommandMessage(&Base::OnSys),
            EndOfTable(),
        };
        static const MessageMap map{CCmdTarget::GetThisMessageMap(), entries};
        return &map;
    }
};

class Derived : public Base {
protected:
    void OnOne() { log += "derived:1 "; }
    void OnSys(UINT id, LPARAM lParam)
    {
        log += "derived:sys ";
        Base::OnSys(id, lParam);
    }

    const MessageMap* GetMessageMap() const override
    {
        static const MessageEntry entries[] = {
            OnSysCommandMessage(&Derived::OnSys),
            OnCommand(1, &Derived::OnOne),
            EndOfTable(),
        };
        static const MessageMap map{Base::GetThisMessageMap(), entries};
        return &map;
    }
};

WPARAM Clicked(UINT id) { return (BN_CLICKED << 16) | id; }

} // namespace

TEST(CommandTable, DerivedRowsComeFirstAndTheRestReachTheBase)
{
    Derived d;
    EXPECT_TRUE(d.OnCmdMsg(WM_COMMAND, Clicked(1), 0));
    EXPECT_TRUE(d.OnCmdMsg(WM_COMMAND, Clicked(2), 0));
    EXPECT_TRUE(d.OnCmdMsg(WM_SYSCOMMAND, 0x0010, 0));
    EXPECT_EQ(d.log, "derived:1 base:2 derived:sys base:sys16 ");
}

TEST(CommandTable, MessagesNoRowTakesAreReportedUnhandled)
{
    Derived d;
    EXPECT_FALSE(d.OnCmdMsg(WM_COMMAND, Clicked(3), 0));
    EXPECT_FALSE(d.OnCmdMsg(WM_COMMAND, (1u << 16) | 1, 0)) << "another notification code than a click";
    EXPECT_FALSE(d.OnCmdMsg(WM_PAINT, 0, 0));
    EXPECT_EQ(d.log, "");
}
