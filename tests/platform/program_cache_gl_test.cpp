// Linked programs kept between runs: what is kept loads again, and a file that is damaged, of
// another driver or of other sources is refused without leaving GL in an error.
#include "GLWindow.h"
#include "TempDir.h"

#include "platform/program_cache.h"

#include <epoxy/gl.h>

namespace {

using namespace platform;

const char* kVertex = R"(#version 330 core
layout(location = 0) in vec2 position;
void main() { gl_Position = vec4(position, 0.0, 1.0); }
)";
const char* kFragment = R"(#version 330 core
out vec4 colour;
void main() { colour = vec4(1.0, 0.5, 0.25, 1.0); }
)";

unsigned CompileAndLink() {
    unsigned program = glCreateProgram();
    glProgramParameteri(program, GL_PROGRAM_BINARY_RETRIEVABLE_HINT, GL_TRUE);
    for (auto [type, source] :
         {std::pair{GL_VERTEX_SHADER, kVertex}, std::pair{GL_FRAGMENT_SHADER, kFragment}}) {
        unsigned shader = glCreateShader(type);
        glShaderSource(shader, 1, &source, nullptr);
        glCompileShader(shader);
        glAttachShader(program, shader);
        glDeleteShader(shader);
    }
    glLinkProgram(program);
    return program;
}

bool Linked(unsigned program) {
    int linked = 0;
    if (program) glGetProgramiv(program, GL_LINK_STATUS, &linked);
    return linked != 0;
}

class ProgramCacheGL : public testsupport::GLWindowTest {
protected:
    void TearDown() override { SetProgramCacheFolder(""); }
};

TEST_F(ProgramCacheGL, AKeptProgramLoadsAgainAndNothingElseDoes) {
    testsupport::TempDir dir;
    SetProgramCacheFolder(dir / "cache/");
    uint64_t key = ProgramKey(kVertex, kFragment);
    EXPECT_EQ(LoadCachedProgram("p", key), 0u) << "nothing kept yet";

    unsigned compiled = CompileAndLink();
    ASSERT_TRUE(Linked(compiled));
    SaveCachedProgram("p", key, compiled); // its folder is made
    glDeleteProgram(compiled);
    std::string kept = dir.Read("cache/p.glprogram");
    ASSERT_FALSE(kept.empty());

    unsigned loaded = LoadCachedProgram("p", key);
    EXPECT_TRUE(Linked(loaded));
    glDeleteProgram(loaded);
    EXPECT_EQ(LoadCachedProgram("p", ProgramKey(kVertex, "other")), 0u) << "other sources";
    EXPECT_NE(ProgramKey("ab", "c"), ProgramKey("a", "bc"));

    std::string flipped = kept;
    flipped.back() ^= 0x5a;
    std::string foreignFormat = kept;
    foreignFormat[16] ^= 0x5a; // the driver's format field: the driver itself must refuse it
    struct Damage {
        const char* what;
        std::string bytes;
    };
    for (const Damage& damage :
         {Damage{"empty", ""}, Damage{"cut in half", kept.substr(0, kept.size() / 2)},
          Damage{"a byte changed", flipped}, Damage{"a format of another driver", foreignFormat},
          Damage{"not a program", std::string(200, 'x')}}) {
        dir.Write("cache/p.glprogram", damage.bytes);
        EXPECT_EQ(LoadCachedProgram("p", key), 0u) << damage.what;
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << damage.what;
    }
}

TEST_F(ProgramCacheGL, WithoutAFolderNothingIsKept) {
    unsigned compiled = CompileAndLink();
    SaveCachedProgram("p", ProgramKey(kVertex, kFragment), compiled);
    glDeleteProgram(compiled);
    EXPECT_EQ(LoadCachedProgram("p", ProgramKey(kVertex, kFragment)), 0u);
}

} // namespace
