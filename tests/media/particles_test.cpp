// Particles and their lists: fades, delays, phase scripts, destinations, spin, kills during a
// pass, clearing, and the generators.
#include "media_fixture.h"

#include "media/TParticleGenerator.h"
#include "media/TParticleList.h"
#include "platform/collide.h"
#include "platform/image.h"

#include <map>
#include <string>
#include <vector>

using namespace mediatest;

namespace {

class ParticleTest : public MediaTest {
protected:
    void SetUp() override {
        MediaTest::SetUp();
        dot = TGameImage::CreateFromImage(platform::CreateImage(10, 10), "DOT", 1);
        list = std::make_shared<TParticleList>();
    }
    // A still particle in the middle of the screen.
    TParticleRef Add(float fade = 0.0f, int life = 0, int addFirst = 0) {
        return list->AddNew(400, 300, dot, 0.0f, 0.0f, 0.0f, fade, 0, 0, 0.0f, 1.0f, 0.0f, life, addFirst);
    }
    // The alpha the particle is drawn with now (-1 when it is not drawn).
    float DrawnAlpha(TParticle& p) {
        recorder->calls.clear();
        p.Draw();
        auto draws = ImageDraws();
        return draws.empty() ? -1.0f : draws.back().state.alpha;
    }
    void Moves(int n) {
        for (int i = 0; i < n; ++i)
            list->Move();
    }

    TGameImageRef dot;
    TParticleListRef list;
};

TEST_F(ParticleTest, AFadeOutStartsAtOnceAndEndsTheParticle) {
    TParticleRef p = Add(1000.0f);
    EXPECT_EQ(DrawnAlpha(*p), 1.0f);
    Moves(100);
    EXPECT_EQ(DrawnAlpha(*p), 0.5f);
    Moves(99);
    EXPECT_EQ(list->Count(), 1);
    Moves(1);
    EXPECT_EQ(list->Count(), 0);
    EXPECT_EQ(p->active, 0);

    TParticleRef kept = Add(1000.0f);
    kept->KillOnFade = 0;
    Moves(250);
    EXPECT_EQ(list->Count(), 1);
    EXPECT_EQ(kept->Alpha, 0.0f);
    EXPECT_EQ(DrawnAlpha(*kept), 0.0f);
}

TEST_F(ParticleTest, ThreeStageFadeRisesHoldsAndFalls) {
    TParticleRef p = Add();
    p->SetFade(200, 300, 1000); // 40, 60 and 200 ticks
    struct Step {
        int ticks;
        float alpha;
    };
    const Step steps[] = {{0, 0.0f}, {20, 0.5f}, {20, 1.0f}, {60, 1.0f}, {100, 0.5f}, {99, 0.005f}};
    for (const Step& s : steps) {
        Moves(s.ticks);
        EXPECT_NEAR(DrawnAlpha(*p), s.alpha, 1e-5) << "after " << s.ticks;
    }
    EXPECT_EQ(list->Count(), 1);
    Moves(1);
    EXPECT_EQ(list->Count(), 0);
}

TEST_F(ParticleTest, ADelayedParticleWaitsHiddenThenStartsItsPhasesAndMovesInOneTick) {
    TParticleRef p = Add();
    p->dx = 1.0f;
    p->SetDelay(400);
    p->AddPhase(1000)->dx = 2.0f;
    Moves(79);
    EXPECT_EQ(p->x, 400.0f);
    EXPECT_EQ(p->Hidden, 1);
    EXPECT_EQ(DrawnAlpha(*p), -1.0f);
    Moves(1);
    EXPECT_EQ(p->Hidden, 0);
    EXPECT_EQ(p->x, 402.0f);
    EXPECT_EQ(p->CurrentPhase, p->PhaseList->First());
}

TEST_F(ParticleTest, TheLastPhaseRunsItsFunctionBeforeTheKill) {
    TParticleRef p = Add();
    std::vector<std::string> log;
    for (int i = 1; i <= 3; ++i)
        p->AddPhase(50)->UserFunction = [&log, i](TParticle& q) {
            log.push_back("phase " + std::to_string(i) + (q.active ? " alive" : " dead"));
            return 0;
        };
    p->UserKill = [&log](TParticle&) {
        log.push_back("kill");
        return 0;
    };
    p->StartPhases();
    Moves(29);
    EXPECT_EQ(list->Count(), 1);
    EXPECT_EQ(p->Move(), 0);
    EXPECT_EQ(log, (std::vector<std::string>{"phase 1 alive", "phase 2 alive", "phase 3 alive", "kill"}));
    EXPECT_EQ(list->Count(), 0);
}

TEST_F(ParticleTest, PhasesNeverStartedDoNothing) {
    TParticleRef p = Add();
    p->AddPhase(50);
    EXPECT_EQ(p->ManagePhases(), 0);
    Moves(20);
    EXPECT_EQ(list->Count(), 1);
}

TEST_F(ParticleTest, DestinationIsReportedOnEveryTickOnceReached) {
    TParticleRef p = list->AddNew(62, 300, dot, -1.0f, 0.0f, 0.0f, 0.0f, 0, 0, 0.0f, 1.0f, 0.0f, 0, 0);
    p->DestX = 59;
    p->DestY = 300;
    std::vector<float> reachedAt;
    p->DestinationReached = [&reachedAt](TParticle& q) {
        reachedAt.push_back(q.x);
        return 0;
    };
    Moves(5);
    EXPECT_EQ(reachedAt, (std::vector<float>{59.0f, 58.0f, 57.0f}));
}

TEST_F(ParticleTest, SpinWrapsOnceAroundTheCircle) {
    TParticleRef p = list->AddNew(400, 300, dot, 0.0f, 0.0f, 0.0f, 0.0f, 0, -1, 5.0f, 1.0f, 0.0f, 0, 0);
    p->Rotation = 2.0f;
    Moves(1);
    EXPECT_EQ(p->Rotation, 357.0f);
}

TEST_F(ParticleTest, KillsDuringAPassLeaveEverySurvivorVisitedOnce) {
    for (bool manage : {false, true}) {
        SCOPED_TRACE(manage ? "Manage" : "Move");
        list->Clear();
        std::vector<TParticleRef> ps;
        std::map<TParticle*, int> visits;
        for (int i = 0; i < 6; ++i) {
            ps.push_back(Add());
            ps.back()->UserMove = [&visits](TParticle& q) {
                visits[&q]++;
                return 0;
            };
        }
        ps[1]->LifeCounter = 1.0f; // dies in its own tick
        ps[3]->LifeCounter = 1.0f;
        ps[3]->AttachedParticle = ps[4]; // and takes the next member with it
        manage ? list->Manage() : list->Move();
        EXPECT_EQ(list->ToArray(), (std::vector<TParticleRef>{ps[0], ps[2], ps[5]}));
        for (int i : {0, 1, 2, 3, 5})
            EXPECT_EQ(visits[ps[i].get()], 1) << i;
        EXPECT_EQ(visits[ps[4].get()], 0);
        EXPECT_EQ(ps[4]->active, 0);
    }
}

TEST_F(ParticleTest, AParticleKilledTwiceInOneTickEndsOnce) {
    TParticleRef p = Add(5.0f, 5); // fade-out and life both end on tick 1
    TParticleRef other = Add();
    int kills = 0;
    p->UserKill = [&kills](TParticle&) {
        ++kills;
        return 0;
    };
    // Two particles attached to each other.
    p->AttachedParticle = other;
    other->AttachedParticle = p;
    Moves(1);
    EXPECT_EQ(kills, 1);
    EXPECT_TRUE(list->IsEmpty());
    EXPECT_EQ(other->active, 0);
}

TEST_F(ParticleTest, AddFirstDrawsUnderTheOthers) {
    TParticleRef top = Add();
    top->x = 100.0f;
    TParticleRef bottom = Add(0.0f, 0, 1);
    bottom->x = 200.0f;
    list->Draw();
    auto draws = ImageDraws();
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].x, 200.0f);
    EXPECT_EQ(draws[1].x, 100.0f);
}

// Particles that only add light are drawn picture by picture within each run of them, pictures in
// the order they first come; any other particle, a shadowed one, or a drawing state other than the
// default keeps the list's order. Each particle is written kind then picture: L light, N plain,
// S light with a shadow; a or b.
TEST_F(ParticleTest, LightParticlesInARowAreDrawnPictureByPicture) {
    const TGameImageRef other = TGameImage::CreateFromImage(platform::CreateImage(10, 10), "OTHER", 1);
    struct TCase {
        const char* what;
        std::vector<std::string> particles;
        float alpha;
        std::vector<int> drawn; // indices in the list
    } cases[] = {
        {"one run", {"La", "Lb", "La", "Lb"}, 1.0f, {0, 2, 1, 3}},
        {"runs around a plain one", {"La", "Lb", "La", "Na", "Lb", "La", "Lb"}, 1.0f, {0, 2, 1, 3, 4, 6, 5}},
        {"a shadow between", {"La", "Sb", "La"}, 1.0f, {0, 1, 2}},
        {"half alpha set before", {"La", "Lb", "La"}, 0.5f, {0, 1, 2}},
    };
    for (const TCase& c : cases) {
        list->Clear();
        for (size_t i = 0; i < c.particles.size(); ++i) {
            const std::string& kind = c.particles[i];
            TParticleRef p = list->AddNew(int(100 + 20 * i), 300, kind[1] == 'a' ? dot : other, 0.0f, 0.0f,
                                          0.0f, 0.0f, kind[0] == 'N' ? 0 : 1, 0, 0.0f, 1.0f, 0.0f, 0, 0);
            p->Shadow = kind[0] == 'S';
        }
        recorder->calls.clear();
        platform::SetAlpha(c.alpha);
        list->Draw();
        platform::SetAlpha(1.0f);
        std::vector<int> drawn;
        for (const platform::DrawCall& call : ImageDraws())
            if (call.state.r != 0) drawn.push_back(int(call.x - 100) / 20); // shadows are black
        EXPECT_EQ(drawn, c.drawn) << c.what;
    }
}

TEST_F(ParticleTest, ManageNeitherMovesNorAnimatesADelayedParticle) {
    TParticleRef p = Add();
    p->dx = 1.0f;
    p->SetupAnim(10, 50, 0, 0, 0, 0, 1);
    p->SetDelay(50);
    list->Manage();
    EXPECT_EQ(p->x, 400.0f);
    EXPECT_EQ(p->AnimCounter, 10.0f);
    EXPECT_EQ(p->DelayCounter, 9.0f);
}

TEST_F(ParticleTest, AnAnimatedParticleEndsWithItsAnimation) {
    TParticleRef p = Add();
    p->SetupAnim(10, 50, 0, 0, 0, 0, 0); // 10 ticks, not looping
    p->KillAfterAnim = 1;
    for (int i = 0; i < 9; ++i)
        list->Manage();
    EXPECT_EQ(list->Count(), 1);
    list->Manage();
    EXPECT_TRUE(list->IsEmpty());
}

TEST_F(ParticleTest, AClearedListsParticleKilledLaterLeavesTheListAlone) {
    TParticleRef dropped = Add();
    list->Clear();
    TParticleRef kept = Add();
    EXPECT_EQ(dropped->Particles, nullptr);
    dropped->Kill();
    EXPECT_EQ(list->ToArray(), std::vector<TParticleRef>{kept});

    TParticleRef orphan = Add();
    list = nullptr; // the list goes first
    orphan->Kill();
    EXPECT_EQ(orphan->active, 0);
}

TEST_F(ParticleTest, AParticleWithoutImageCountsAsTopLeftAndSizeless) {
    TParticleRef bare = list->AddNew(0, 300, nullptr, 0.0f, 0.0f, 0.0f, 0.0f, 0, 0, 0.0f, 1.0f, 0.0f, 0, 0);
    EXPECT_EQ(bare->OutOfBounds(), 0);
    bare->x = -0.5f;
    EXPECT_EQ(bare->OutOfBounds(), 1);
    EXPECT_EQ(bare->Draw(), 1);
    EXPECT_TRUE(ImageDraws().empty());
}

TEST_F(ParticleTest, CollideWritesEveryParticleIntoLayerOne) {
    platform::ResetCollisions();
    dot =
        TGameImage::CreateFromImage(platform::LoadImageFromPixmap(platform::CreatePixmap(10, 10)), "DOT", 0);
    platform::PixmapRef solid = platform::LockImage(dot->image);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            platform::WritePixel(solid, x, y, 0xFFFFFFFFu);
    platform::UnlockImage(dot->image);
    TParticleRef a = Add();
    a->x = 100.7f; // truncated to 100
    TParticleRef b = Add();
    list->Collide();
    EXPECT_EQ(platform::CollideRect(405, 305, 1, 1, 1, 0), std::vector<const void*>{b.get()});
    EXPECT_EQ(platform::CollideRect(100, 300, 1, 1, 1, 0), std::vector<const void*>{a.get()});
    EXPECT_TRUE(platform::CollideRect(99, 300, 1, 1, 1, 0).empty());
    EXPECT_TRUE(platform::CollideRect(405, 305, 1, 1, 2, 0).empty());
    platform::ResetCollisions();
}

TEST_F(ParticleTest, EmptyListsDoNothing) {
    EXPECT_EQ(list->Move(), 0);
    EXPECT_EQ(list->Manage(), 0);
    EXPECT_EQ(list->Draw(), 0);
    EXPECT_EQ(list->FadeAll(100), 0);
    EXPECT_TRUE(recorder->calls.empty());
}

TEST_F(ParticleTest, TheFiveListsAreMadeInOrderAndNeverReplaced) {
    Particles = list;
    MakeParticleLists();
    EXPECT_EQ(Particles, list);
    for (TParticleListRef* made : {&BackgroundParticles, &AnimatedParticles, &Munchkins, &ScoreParticles})
        EXPECT_TRUE(*made);
    TParticleListRef before = ScoreParticles;
    MakeParticleLists();
    EXPECT_EQ(ScoreParticles, before);
    BackgroundParticles = Particles = AnimatedParticles = Munchkins = ScoreParticles = nullptr;
}

TEST_F(ParticleTest, AGeneratorMakesOneAtOnceThenOneEveryIntervalUntilDone) {
    TParticleGeneratorList generators;
    std::vector<int> madeAt;
    int tick = 0;
    generators.Add(400.0f, 300.0f, 5, 100.0f, [&](TParticleGenerator&) {
        madeAt.push_back(tick);
        return 0;
    });
    EXPECT_EQ(generators.Count(), 1);
    for (tick = 1; tick <= 120; ++tick) {
        generators.Manage();
        if (generators.IsEmpty()) break;
    }
    EXPECT_EQ(madeAt, (std::vector<int>{0, 20, 40, 60, 80}));
    EXPECT_EQ(tick, 80);
}

TEST_F(ParticleTest, AGeneratorWithNothingLeftToMakeFinishes) {
    for (int qty : {0, 1}) {
        int made = 0;
        TParticleGeneratorRef g = TParticleGenerator::Create(
            0.0f, 0.0f, qty, 100.0f,
            [&made](TParticleGenerator&) {
                ++made;
                return 0;
            },
            0, 0, 0);
        EXPECT_EQ(g->Manage(), 1) << qty;
        EXPECT_EQ(g->Active, 0);
        EXPECT_EQ(g->Manage(), -1);
        for (int i = 0; i < 100; ++i)
            g->Manage();
        EXPECT_EQ(made, 0);
    }
    TParticleGeneratorList generators;
    int made = 0;
    generators.Add(0.0f, 0.0f, 1, 100.0f, [&made](TParticleGenerator&) { return ++made; });
    EXPECT_EQ(made, 1);
    EXPECT_TRUE(generators.IsEmpty());
}

TEST_F(ParticleTest, AParticleDrivesItsGenerator) {
    TParticleRef p = Add();
    int made = 0;
    p->ParticleGenerator = TParticleGenerator::Create(
        0.0f, 0.0f, 3, 10.0f, [&made](TParticleGenerator&) { return ++made; }, 0, 0, 0);
    Moves(4);
    EXPECT_EQ(made, 2);
    EXPECT_EQ(p->ParticleGenerator->Active, 0);
}

} // namespace
