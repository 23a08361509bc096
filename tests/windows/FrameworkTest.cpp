// The framework's frame window against the real window manager.
#include <gtest/gtest.h>

#include "framework/CFrameWnd.h"

namespace {

// A frame whose creation the window refuses at one of the two creation
// messages; it counts its deletions.
struct RefusedFrame : CFrameWnd {
    RefusedFrame(UINT refusedAt, int* deletions) : refusedAt(refusedAt), deletions(deletions) {}
    ~RefusedFrame() override { ++*deletions; }
    bool OnMessage(const Message& message, LRESULT* result) override
    {
        *result = message.id == WM_CREATE ? -1 : FALSE;
        return message.id == refusedAt;
    }
    UINT refusedAt;
    int* deletions;
};

TEST(CFrameWnd, AWindowRefusedDuringCreationLeavesTheFrameToItsCreator)
{
    for (UINT refusedAt : {static_cast<UINT>(WM_CREATE), static_cast<UINT>(WM_NCCREATE)}) {
        int deletions = 0;
        RefusedFrame* frame = new RefusedFrame(refusedAt, &deletions);
        const RECT rect = {0, 0, 100, 100};
        EXPECT_FALSE(frame->Create("refused", WS_POPUP, rect)) << refusedAt;
        EXPECT_EQ(deletions, 0) << "deleted inside Create, message " << refusedAt;
        if (deletions == 0) {
            EXPECT_EQ(frame->m_hWnd, static_cast<HWND>(NULL));
            delete frame;
        }
        EXPECT_EQ(deletions, 1) << refusedAt;
    }
}

}  // namespace
