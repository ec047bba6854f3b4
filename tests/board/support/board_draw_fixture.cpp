#include "board_draw_fixture.h"

#include "board/TCell.h"
#include "board/gem_codes.h"
#include "platform/draw.h"

namespace boardtest {

namespace {

const char* const kDrawNames[] = {
    "cell",        "cellrightside", "cellbottom",        "cellcorner",     "cellpane",    "brick",
    "armour",      "cursor",        "bonushighlightmid", "magichighlight", "lock",        "gems",
    "gem1anim",    "gem2anim",      "gem3anim",          "gem4anim",       "gem5anim",    "gem6anim",
    "gem7anim",    "bonus8idle",    "bonus9idle",        "bonus10idle",    "bonus11idle", "bonus12idle",
    "bonus13idle", "bonus14idle",   "bonus15idle",       "bonus9activate", "particlering"};

} // namespace

void LoadBoardDrawImages() {
    for (const char* name :
         {"cell", "cellrightside", "cellbottom", "cellcorner", "cellpane", "brick", "armour"}) {
        images->Load(name, "", -1, 1);
        images->Find(name)->MidHandle(0);
    }
    for (int n = FIRST_SHAPE; n <= LAST_SHAPE; ++n)
        images->LoadAnim("gem" + std::to_string(n) + "anim", 50, 50, 0, 50, -1, 0);
    TGem::InitArrays();
    for (int code = FIRST_ITEM; code <= LAST_ITEM; ++code) {
        const std::string strip = "bonus" + std::to_string(code) + "idle";
        images->LoadAnim(strip, 50, 50, 0, TGem::BonusIdleFrames[code], -1, 0);
        if (IsAimedItem(code)) images->LoadAnim(strip, 50, 50, 0, TGem::BonusActivateFrames[code], -1, 0);
    }
    TGem::Load();
    TGem::InitIdleAnims();
    TCell::Load();
}

void BoardDrawTest::SetUp() {
    BoardTest::SetUp();
    LoadBoardImages();
    LoadBoardDrawImages();
    for (const char* name : kDrawNames)
        if (TGameImageRef image = images->Find(name)) imageNames[image->image.get()] = name;
    recorder = std::make_shared<platform::TRecordingRenderer>();
    platform::SetRenderer(recorder);
    platform::ResetDrawState();
}

void BoardDrawTest::TearDown() {
    platform::SetRenderer(nullptr);
    platform::ResetDrawState();
    BoardTest::TearDown();
}

std::string BoardDrawTest::Name(const platform::DrawCall& call) const {
    if (call.kind == platform::DrawKind::Rect) return "RECT";
    if (call.kind == platform::DrawKind::Text) return "TEXT:" + call.text;
    auto it = imageNames.find(call.image.get());
    return it == imageNames.end() ? "?" : it->second;
}

std::vector<std::string> BoardDrawTest::Names() const {
    std::vector<std::string> out;
    for (const auto& call : recorder->calls)
        out.push_back(Name(call));
    return out;
}

} // namespace boardtest
