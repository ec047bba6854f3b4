// What the board's drawing tests share: the board images loaded from the generated data as the
// loading step loads them (cells, ice, highlights, the gems' strips), the cell images taken by
// TCell::Load, and a recording renderer whose calls are named by the bank's image names.
#pragma once

#include "board_fixture.h"

#include "platform/Renderer.h"

#include <map>
#include <memory>
#include <string>

namespace boardtest {

class BoardDrawTest : public BoardTest {
protected:
    std::shared_ptr<platform::TRecordingRenderer> recorder;

    void SetUp() override;
    void TearDown() override;
    // The name of the image a call drew ("RECT" for a rectangle, "TEXT:<text>" for a text).
    std::string Name(const platform::DrawCall& call) const;
    // The names of every call recorded so far, in order.
    std::vector<std::string> Names() const;
    const std::vector<platform::DrawCall>& Calls() const { return recorder->calls; }

private:
    std::map<const void*, std::string> imageNames;
};

// Loads the drawing images into the current bank (after LoadBoardImages' rows).
void LoadBoardDrawImages();

} // namespace boardtest
