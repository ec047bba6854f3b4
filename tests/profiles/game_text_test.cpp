// The sectioned game-text table: keys ignoring letter case, texts of any number of lines, both
// line endings, later sections replacing earlier ones, and the files it refuses.
#include "profiles_fixture.h"

#include "profiles/TGameText.h"

namespace profilestest {
namespace {

class GameTextTest : public ProfilesTest {
protected:
    void SetUp() override {
        ProfilesTest::SetUp();
        Game->TextPath = dir / "text/";
    }
    std::string Write(const std::string& name, const std::string& text) {
        return dir.Write("text/" + name, text);
    }
};

TEST_F(GameTextTest, KeysIgnoreCaseAndTextsJoinWithCrLf) {
    const std::string lf = "[TEXT]\nWelcome Note\nHello\n\nthere\n[text]\nEmpty\n[Text]\nlast\none line";
    std::string crlf;
    for (char c : lf)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    Write("lf.txt", lf);
    Write("crlf.txt", crlf);
    for (const char* name : {"lf.txt", "crlf.txt"}) {
        SCOPED_TRACE(name);
        TGameTextRef table = TGameText::Create(name);
        EXPECT_EQ(table->Keys(), (std::vector<std::string>{"EMPTY", "LAST", "WELCOME NOTE"}));
        EXPECT_EQ(table->Find("welcome note"), (TStringArray{"Hello", "", "there"}));
        EXPECT_EQ(table->FindString("WELCOME NOTE"), "Hello\r\n\r\nthere");
        EXPECT_EQ(table->FindString("Last"), "one line");
        EXPECT_TRUE(table->Find("Empty").empty());
        EXPECT_EQ(table->FindString("empty"), "");
        EXPECT_EQ(table->FindString("missing"), "");
    }
}

TEST_F(GameTextTest, ALaterSectionReplacesAnEarlierOneOfTheSameKey) {
    Write("twice.txt", "[TEXT]\nkey\nold\n[TEXT]\nKEY\nnew\n");
    TGameTextRef table = TGameText::Create("twice.txt");
    EXPECT_EQ(table->Count(), 1);
    EXPECT_EQ(table->Find("Key"), TStringArray{"new"});
    Write("other.txt", "[TEXT]\nother\nx\n");
    table->Read("other.txt");
    EXPECT_EQ(table->Keys(), std::vector<std::string>{"OTHER"});
}

TEST_F(GameTextTest, RefusedFilesEndTheProgramWithTheirMessage) {
    const std::string path = Game->TextPath;
    struct Case {
        std::string name, text, message;
    } cases[] = {
        {"header.txt", "[NOTE]\nkey\ntext\n", "[TEXT] header hot found"},
        {"leading.txt", "stray\n[TEXT]\nkey\n", "[TEXT] header hot found"},
        {"nokey.txt", "[TEXT]\n[TEXT]\nkey\n",
         "Error loading file " + path + "nokey.txt: a [TEXT] section has no key line"},
        {"endkey.txt", "[TEXT]\nkey\ntext\n[TEXT]",
         "Error loading file " + path + "endkey.txt: a [TEXT] section has no key line"},
        {"missing.txt", "", "Error loading file " + path + "missing.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.name != "missing.txt") Write(c.name, c.text);
        errors.clear();
        EXPECT_THROW(TGameText::Create(c.name), coretest::TReportedError);
        EXPECT_EQ(errors, std::vector<std::string>{c.message});
    }
}

} // namespace
} // namespace profilestest
