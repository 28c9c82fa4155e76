#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "document/FreshOnCopy.h"
#include "document/MediaParamT.h"
#include "document/ParamObserverList.h"
#include "document/QV_FunLightCtrl.h"
#include "ScribbledParam.h"

namespace {

// Records which observers heard a change, in order, and with which source.
struct CallLog {
    std::vector<std::string> calls;
};

class RecordingControl : public MediaControlT<MediaParamTB<int>> {
public:
    RecordingControl(std::string name, CallLog& log) : name_(std::move(name)), log_(log) {}
    void OnParamChanged(MediaControl*) override { log_.calls.push_back(name_); }

private:
    std::string name_;
    CallLog& log_;
};

// The owner whose members the observers call.
struct Target {
    std::vector<int> seen;
    int hooks = 0;
    void OnValue(int value) { seen.push_back(value); }
    void OnAnyChange() { ++hooks; }
};

TEST(MediaParam, NotifiesEveryObserverButTheSourceInAttachmentOrder) {
    struct Case {
        const char* name;
        int sourceIndex;  // -1: no source
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"no source", -1, {"a", "b", "c"}},
        {"first is the source", 0, {"b", "c"}},
        {"middle is the source", 1, {"a", "c"}},
        {"last is the source", 2, {"a", "b"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CallLog log;
        MediaParamT<int> param;
        RecordingControl a("a", log), b("b", log), cc("c", log);
        a.AttachTo(&param);
        b.AttachTo(&param);
        cc.AttachTo(&param);
        MediaControl* observers[] = {&a, &b, &cc};
        MediaControl* source = c.sourceIndex < 0 ? nullptr : observers[c.sourceIndex];
        param.Assign(7, source);
        EXPECT_EQ(log.calls, c.expected);
        EXPECT_EQ(param.Value(), 7);
        // The undo control always hears first and follows the value.
        EXPECT_EQ(param.Observers().front(), &param.UndoControl());
        EXPECT_EQ(param.UndoControl().Copy(), 7);
    }
}

TEST(MediaParam, AssigningTheCurrentValueCallsNobody) {
    CallLog log;
    MediaParamT<int> param(5);
    RecordingControl a("a", log);
    a.AttachTo(&param);
    param.Assign(5, nullptr);
    EXPECT_TRUE(log.calls.empty());
    param.SetSilently(9);
    EXPECT_TRUE(log.calls.empty());
    EXPECT_EQ(param.UndoControl().Copy(), 5);
}

TEST(MediaParam, VectorAndPointChangeWhenAnyComponentDiffers) {
    MediaParamT<D3DXVECTOR3> vector;
    EXPECT_EQ(vector.Value().x, 0.0f);
    EXPECT_EQ(vector.Value().y, 0.0f);
    EXPECT_EQ(vector.Value().z, 0.0f);
    int heard = 0;
    struct Counter : MediaControl {
        int* count;
        explicit Counter(int* c) : count(c) {}
        void OnParamChanged(MediaControl*) override { ++*count; }
    } counter(&heard);
    vector.Attach(&counter);
    vector.Assign(D3DXVECTOR3(0, 0, 0), nullptr);
    EXPECT_EQ(heard, 0);
    vector.Assign(D3DXVECTOR3(0, 0, 1), nullptr);
    EXPECT_EQ(heard, 1);
    vector.Detach(&counter);

    MediaParamTB<POINT> point;
    point.Assign(POINT{0, 0}, nullptr);
    point.Attach(&counter);
    point.Assign(POINT{0, 0}, nullptr);
    point.Assign(POINT{0, 3}, nullptr);
    EXPECT_EQ(heard, 2);
    point.Detach(&counter);
}

TEST(MediaParam, StringParameterChangesByCodeUnits) {
    MediaParamT<std::wstring> text(L"Glow");
    int heard = 0;
    struct Counter : MediaControl {
        int* count;
        explicit Counter(int* c) : count(c) {}
        void OnParamChanged(MediaControl*) override { ++*count; }
    } counter(&heard);
    text.Attach(&counter);
    text.Assign(L"Glow", nullptr);
    text.Assign(L"glow", nullptr);
    text.Detach(&counter);
    EXPECT_EQ(heard, 1);
    EXPECT_EQ(text.UndoControl().Copy(), L"glow");
    MediaParamT<std::wstring> copy(text);
    EXPECT_EQ(copy.Value(), L"glow");
}

TEST(MediaParam, CopyHasTheValueAFreshHistoryAndNoOtherObservers) {
    CallLog log;
    MediaParamT<unsigned int> source(3);
    source.UndoControl().Commit();
    source.Assign(4, nullptr);
    source.UndoControl().Commit();
    ASSERT_EQ(source.UndoControl().HistorySize(), 2u);
    struct Control : MediaControlT<MediaParamTB<unsigned int>> {
        CallLog* log;
        void OnParamChanged(MediaControl*) override { log->calls.push_back("source observer"); }
    } observer;
    observer.log = &log;
    observer.AttachTo(&source);

    MediaParamT<unsigned int> copy(source);
    EXPECT_EQ(copy.Value(), 4u);
    EXPECT_EQ(copy.UndoControl().HistorySize(), 0u);
    ASSERT_EQ(copy.Observers().size(), 1u);
    EXPECT_EQ(copy.Observers()[0], &copy.UndoControl());
    copy.Assign(8, nullptr);
    EXPECT_TRUE(log.calls.empty());
}

TEST(MediaParam, UndoHistoryStepsBackAndForthAndKeepsTwentyEntries) {
    MediaParamT<int> param;
    for (int v = 1; v <= 25; ++v) {
        param.Assign(v, nullptr);
        param.UndoControl().Commit();
    }
    EXPECT_EQ(param.UndoControl().HistorySize(), 20u);
    param.UndoControl().Undo();
    EXPECT_EQ(param.Value(), 24);
    param.UndoControl().Redo();
    EXPECT_EQ(param.Value(), 25);
}

TEST(ConnectParamObserver, RunsTheMemberOnceWithTheCurrentValueThenOnEveryChange) {
    Target target;
    MediaParamT<int> param(42);
    {
        ParamObserverList<Target> list;
        list.SetTarget(&target);
        ConnectParamObserver(list, &Target::OnValue, param);
        EXPECT_EQ(target.seen, std::vector<int>{42});
        param.Assign(43, nullptr);
        param.Assign(43, nullptr);
        EXPECT_EQ(target.seen, (std::vector<int>{42, 43}));
    }
    // Destroying the list first leaves the parameter with only its undo control.
    ASSERT_EQ(param.Observers().size(), 1u);
    EXPECT_EQ(param.Observers()[0], &param.UndoControl());
    param.Assign(44, nullptr);
    EXPECT_EQ(target.seen.size(), 2u);
}

TEST(ParamObserverList, EitherMayBeDestroyedFirst) {
    struct Order {
        const char* name;
        bool parameterFirst;
    };
    for (Order order : {Order{"parameter first", true}, Order{"list first", false}}) {
        SCOPED_TRACE(order.name);
        Target target;
        ScribbledParam<MediaParamT<int>> param(1);
        ScribbledParam<MediaParamT<int>> other(2);
        auto list = std::make_unique<ParamObserverList<Target>>();
        list->SetTarget(&target);
        ConnectParamObserver(*list, &Target::OnValue, *param);
        ConnectParamObserver(*list, &Target::OnValue, *other);
        HookParamChange(*list, &Target::OnAnyChange, *param);
        if (order.parameterFirst) {
            param.Destroy();
            (*other).Assign(3, nullptr);
            list.reset();
            EXPECT_EQ((*other).Observers().size(), 1u);
        } else {
            list.reset();
            EXPECT_EQ((*param).Observers().size(), 1u);
            (*param).Assign(5, nullptr);
            param.Destroy();
        }
        EXPECT_EQ(target.hooks, 0);
        std::vector<int> expected = {1, 2};
        if (order.parameterFirst) expected.push_back(3);
        EXPECT_EQ(target.seen, expected);
    }
}

// An owner with a defaulted copy: its list binds a copy's observers to the copy.
struct Watched {
    struct Steps {
        int count = 0;
    };
    Watched() { Bind(); }
    Watched(const Watched&) = default;
    void Bind() {
        observers.SetTarget(this);
        ConnectParamObserver(observers, &Watched::OnValue, value);
    }
    void OnValue(int v) { seen.push_back(v); }

    MediaParamT<int> value{1};
    std::vector<int> seen;
    FreshOnCopy<Steps> steps;
    ParamObserverList<Watched> observers{&Watched::Bind};
};

// Watched lying further into its object, behind another base.
struct Padding {
    virtual ~Padding() = default;
    double padding[3] = {};
};
struct PaddedWatched : Padding, Watched {};

template <class Owner>
void ExpectCopiesObserveThemselves() {
    Owner source;
    source.value.Assign(5, nullptr);
    source.steps.count = 3;
    Owner copy(source);
    Owner copyOfCopy(copy);
    // Each copy takes what its source saw and hears its own value once as it binds.
    EXPECT_EQ(copy.seen, (std::vector<int>{1, 5, 5}));
    EXPECT_EQ(copyOfCopy.seen, (std::vector<int>{1, 5, 5, 5}));
    EXPECT_EQ(copy.steps.count, 0);
    copy.value.Assign(7, nullptr);
    source.value.Assign(9, nullptr);
    EXPECT_EQ(source.seen, (std::vector<int>{1, 5, 9}));
    EXPECT_EQ(copy.seen, (std::vector<int>{1, 5, 5, 7}));
    EXPECT_EQ(copyOfCopy.seen, (std::vector<int>{1, 5, 5, 5}));
    // The undo control and the copy's own observer.
    EXPECT_EQ(copy.value.Observers().size(), 2u);
    EXPECT_EQ(copy.observers.Target(), static_cast<Watched*>(&copy));
}

TEST(ParamObserverList, ACopiedOwnerBindsItsOwnObserversWhereverItLies) {
    {
        SCOPED_TRACE("alone");
        ExpectCopiesObserveThemselves<Watched>();
    }
    {
        SCOPED_TRACE("behind another base");
        ExpectCopiesObserveThemselves<PaddedWatched>();
    }
}

TEST(QV_FunLightCtrl2, HookRunsOnChangesOnlyAndNotAtOnce) {
    Target target;
    MediaParamT<unsigned int> param;
    ParamObserverList<Target> list;
    list.SetTarget(&target);
    HookParamChange(list, &Target::OnAnyChange, param);
    EXPECT_EQ(target.hooks, 0);
    param.Assign(1, nullptr);
    param.Assign(1, nullptr);
    param.Assign(2, nullptr);
    EXPECT_EQ(target.hooks, 2);
}

TEST(MediaParam, AnObserverMayLeaveWhileBeingTold) {
    // The leaving observer must not make the next one miss the change.
    CallLog log;
    MediaParamT<int> param;
    struct Leaver : MediaControlT<MediaParamTB<int>> {
        CallLog* log;
        void OnParamChanged(MediaControl*) override {
            log->calls.push_back("leaver");
            owner_->Detach(this);
            owner_ = nullptr;
        }
    } leaver;
    leaver.log = &log;
    leaver.AttachTo(&param);
    RecordingControl after("after", log);
    after.AttachTo(&param);
    param.Assign(1, nullptr);
    EXPECT_EQ(log.calls, (std::vector<std::string>{"leaver", "after"}));
}

}  // namespace
