// Shared ownership of scene objects and single references to COM interfaces.
#include <gtest/gtest.h>

#include <unknwn.h>

#include "base/ComHolder.h"
#include "base/CountedHolder.h"

namespace {

struct Tracked {
    explicit Tracked(int* deletions) : deletions(deletions) {}
    ~Tracked() { ++*deletions; }
    int* deletions;
};

TEST(CountedHolder, LastReleaseDeletesOnce) {
    int deletions = 0;
    CountedHolder<Tracked> first(new Tracked(&deletions));
    CountedHolder<Tracked> second = first;
    EXPECT_EQ(first.UseCount(), 2);
    first.Release();
    EXPECT_EQ(deletions, 0);
    EXPECT_EQ(first.Get(), nullptr);
    ASSERT_NE(second.Get(), nullptr);
    second.Release();
    EXPECT_EQ(deletions, 1);
    second.Release();  // a cleared handle releases nothing
    EXPECT_EQ(deletions, 1);
}

TEST(CountedHolder, AssignmentSharesOrReleases) {
    int deletions = 0;
    CountedHolder<Tracked> a(new Tracked(&deletions));
    CountedHolder<Tracked> b(new Tracked(&deletions));
    CountedHolder<Tracked> alias = a;
    alias = a;  // same block: nothing changes
    EXPECT_EQ(a.UseCount(), 2);
    b = a;  // b's only object goes
    EXPECT_EQ(deletions, 1);
    EXPECT_EQ(a.UseCount(), 3);
}

TEST(CountedHolder, HolderOfNoObjectCopiesAndReleasesSafely) {
    CountedHolder<Tracked> empty;
    CountedHolder<Tracked> copy = empty;
    EXPECT_EQ(copy.UseCount(), 2);
    EXPECT_FALSE(copy);
    empty.Release();
    copy.Release();
    EXPECT_EQ(copy.UseCount(), 0);
}

class CountingUnknown : public IUnknown {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    ULONG references = 1;
};

TEST(ComHolder, ResetAssignAndSafeRelease) {
    CountingUnknown a, b;
    ComHolder<IUnknown> empty;
    empty.Reset();  // nothing to release

    ComHolder<IUnknown> full;
    full.Attach(&a);
    EXPECT_EQ(a.references, 1u);
    {
        ComHolder<IUnknown> copy = full;
        EXPECT_EQ(a.references, 2u);
        copy = copy;
        EXPECT_EQ(a.references, 2u);
    }
    EXPECT_EQ(a.references, 1u);
    full = empty;  // an empty holder assigned over a full one releases it
    EXPECT_EQ(a.references, 0u);
    EXPECT_FALSE(full);

    IUnknown* bare = &b;
    SafeRelease(bare);
    EXPECT_EQ(b.references, 0u);
    EXPECT_EQ(bare, nullptr);
    SafeRelease(bare);
}

}  // namespace
