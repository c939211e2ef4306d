#include <gtest/gtest.h>

#include "afx/Controls.h"
#include "afx/Dialog.h"

namespace {

int g_liveObjects = 0;

class CPageA : public CDialog {
    DECLARE_DYNCREATE(CPageA)
public:
    CPageA() { ++g_liveObjects; }
    ~CPageA() override { --g_liveObjects; }
};
IMPLEMENT_DYNCREATE(CPageA, CDialog)

class CPageB : public CPageA {
    DECLARE_DYNCREATE(CPageB)
};
IMPLEMENT_DYNCREATE(CPageB, CPageA)

class CNotCreatable : public CDialog {
    DECLARE_DYNAMIC(CNotCreatable)
};
IMPLEMENT_DYNAMIC(CNotCreatable, CDialog)

TEST(RuntimeClass, CreatesAnObjectOfExactlyTheNamedClassOrNothing) {
    std::unique_ptr<CObject> a(RUNTIME_CLASS(CPageA)->CreateObject());
    std::unique_ptr<CObject> b(RUNTIME_CLASS(CPageB)->CreateObject());
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->GetRuntimeClass(), RUNTIME_CLASS(CPageA));
    EXPECT_EQ(b->GetRuntimeClass(), RUNTIME_CLASS(CPageB));
    EXPECT_STREQ(b->GetRuntimeClass()->m_lpszClassName, "CPageB");
    EXPECT_EQ(RUNTIME_CLASS(CNotCreatable)->CreateObject(), nullptr);
    EXPECT_EQ(RUNTIME_CLASS(CDialog)->CreateObject(), nullptr);
}

TEST(RuntimeClass, KnowsItsBaseClasses) {
    EXPECT_TRUE(RUNTIME_CLASS(CPageB)->IsDerivedFrom(RUNTIME_CLASS(CPageA)));
    EXPECT_TRUE(RUNTIME_CLASS(CPageB)->IsDerivedFrom(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(RUNTIME_CLASS(CPageA)->IsDerivedFrom(RUNTIME_CLASS(CPageB)));
    EXPECT_FALSE(RUNTIME_CLASS(CPageA)->IsDerivedFrom(RUNTIME_CLASS(CButton)));
    EXPECT_TRUE(CNotCreatable().IsKindOf(RUNTIME_CLASS(CDialog)));
}

TEST(RuntimeClass, CreateObjectAsChecksTheTypeWithoutLeaking) {
    ASSERT_EQ(g_liveObjects, 0);
    auto page = RUNTIME_CLASS(CPageB)->CreateObjectAs<CDialog>();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(g_liveObjects, 1);
    auto wrong = RUNTIME_CLASS(CPageA)->CreateObjectAs<CButton>();
    EXPECT_EQ(wrong, nullptr);
    EXPECT_EQ(g_liveObjects, 1);  // the CPageA made for the failed request is gone again
    page.reset();
    EXPECT_EQ(g_liveObjects, 0);
}

}  // namespace
